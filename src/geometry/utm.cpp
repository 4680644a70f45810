// The UTM wrapper around the transverse Mercator series: the landscape's grid
// offsets, the zone's central meridian, the 500 km false easting and the
// 10,000 km false northing of the southern hemisphere. Interface values are
// 32-bit; everything between is computed in 64-bit.
#include "geometry/utm.h"

#include <cmath>
#include <string>

#include "geometry/read_trn.h"
#include "geometry/transverse_mercator.h"
#include "util/console.h"
#include "util/fixed_text.h"
#include "util/log_message.h"

namespace tarvel {

namespace {

constexpr double kRadDeg = 57.29577951308232;     // degrees per radian
constexpr double kDegRad = 0.017453292519943295;  // radians per degree
constexpr double kFalseEastingKm = 500.0;
constexpr double kFalseNorthingSouth = 10000000.0;  // metres
// An easting offset or northing beyond this (km) is shown on the console.
constexpr double kLargeOffsetKm = 1000000.0;

struct UtmState {
  double xmax = 0;    // landscape extent along X, m
  double ymax = 0;    // landscape extent along Y, m
  double orig_e = 0;  // UTM easting of grid X = 0, m
  double orig_n = 0;  // UTM northing of grid Y = 0, m (false northing included)
  double n0 = 0;      // false northing, m
  double rlon0 = 0;   // central meridian, degrees
  double raddeg = 0;
  double degrad = 0;
  float ori = 0;  // orientation value of the terrain header, kept unused
  int nzon = 0;
  char zlat = ' ';
  bool initialized = false;
  FixedText<256> fich_old;  // terrain file of the last successful load
};

UtmState g_utm;

bool refuse_if_not_initialized() {
  if (g_utm.initialized) return false;
  FreeLine() << "UTM NOT INITIALIZED";
  log_bare_line("UTM NOT INITIALIZED");
  return true;
}

bool is_terrain_name(std::string_view name) {
  return name.find(".trn") != std::string_view::npos || name.find(".TRN") != std::string_view::npos;
}

}  // namespace

int utm_init(std::string_view fich, float& rxm, float& rym) {
  const std::string_view name = trim_right(fich);
  FreeLine() << "utm_init " << name;

  if (g_utm.initialized && g_utm.fich_old == fich) {
    FreeLine() << "utm_init : ALREADY INITIALIZED" << g_utm.initialized;
    rxm = static_cast<float>(g_utm.xmax);
    rym = static_cast<float>(g_utm.ymax);
    return 1;
  }

  g_utm.raddeg = kRadDeg;
  g_utm.degrad = kDegRad;

  // Elevation-model names (".dem", ".asc") are never passed by the program and
  // count as unrecognised like any other name without a terrain ending.
  if (!is_terrain_name(name)) {
    FreeLine() << "unrecognised file type " << name;
    log_bare_line("UTM unrecognised file type " + std::string(name));
    g_utm.initialized = false;
    return 0;
  }

  float xmax = 0, ymax = 0, orig_e = 0, orig_n = 0, ori = 0;
  int nzon = 0;
  char zlat = ' ';
  if (read_trn_hdr(name, xmax, ymax, orig_e, orig_n, ori, nzon, zlat) != 0) {
    log_message_f("UTM unable to read " + std::string(name));
    g_utm.initialized = false;
    return 0;
  }

  g_utm.initialized = true;
  g_utm.fich_old = fich;
  g_utm.ori = ori;
  g_utm.nzon = nzon;
  g_utm.zlat = zlat;
  g_utm.rlon0 = 6.0 * nzon - 183.0;
  g_utm.n0 = zlat == 'S' ? kFalseNorthingSouth : 0.0;
  g_utm.orig_e = orig_e;
  g_utm.orig_n = orig_n;
  g_utm.xmax = xmax;
  g_utm.ymax = ymax;
  rxm = xmax;
  rym = ymax;
  return 1;
}

int latlontoxy(float rlat, float rlon, float& rx, float& ry) {
  if (refuse_if_not_initialized()) return 0;
  // Longitudes that differ by whole turns are the same meridian: a point just
  // across 180 degrees from the central meridian stays next to it.
  const double dlon = std::remainder(static_cast<double>(rlon) - g_utm.rlon0, 360.0);
  const tm::PlaneKm p = tm::forward(g_utm.degrad * rlat, dlon * g_utm.degrad);
  rx = static_cast<float>(g_utm.orig_e - (p.x + kFalseEastingKm) * 1000.0);
  ry = static_cast<float>(p.y * 1000.0 + g_utm.n0 - g_utm.orig_n);
  return 1;
}

int xytolatlon(float rx, float ry, float& rlat, float& rlon) {
  if (refuse_if_not_initialized()) return 0;
  const double y = (static_cast<double>(ry) + g_utm.orig_n - g_utm.n0) / 1000.0;
  const double x = (g_utm.orig_e - static_cast<double>(rx)) / 1000.0 - kFalseEastingKm;
  if (std::fabs(x) > kLargeOffsetKm || std::fabs(y) > kLargeOffsetKm) FreeLine() << x << y;
  const tm::GeoRad g = tm::inverse(x, y);
  rlat = static_cast<float>(g_utm.raddeg * g.phi);
  rlon = static_cast<float>(g_utm.rlon0 + g_utm.raddeg * g.dlam);
  return 1;
}

void utm_reset_state() { g_utm = UtmState{}; }

}  // namespace tarvel
