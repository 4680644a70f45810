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
#include "util/log_message.h"
#include "util/messages.h"

namespace tarvel {

namespace {

constexpr double kRadDeg = 57.29577951308232;     // degrees per radian
constexpr double kDegRad = 0.017453292519943295;  // radians per degree
constexpr double kFalseEastingKm = 500.0;
constexpr double kFalseNorthingSouth = 10000000.0;  // metres
// An easting offset or northing beyond this (km) is shown on the console.
constexpr double kLargeOffsetKm = 1000000.0;

// The easting offset from the central meridian and the northing without its
// false northing, km.
struct OffsetKm {
  double x;
  double y;
};

OffsetKm offset_km(const UtmGrid& g, GridPoint p) {
  const double y = (static_cast<double>(p.y) + g.orig_n - g.n0) / 1000.0;
  const double x = (g.orig_e - static_cast<double>(p.x)) / 1000.0 - kFalseEastingKm;
  return {x, y};
}

bool refuse_if_not_initialized(const UtmState& st) {
  if (st.active) return false;
  FreeLine() << "UTM NOT INITIALIZED";
  log_bare_line(message(Msg::utm_not_initialized));
  return true;
}

bool is_terrain_name(std::string_view name) {
  return name.find(".trn") != std::string_view::npos || name.find(".TRN") != std::string_view::npos;
}

}  // namespace

LatLon UtmGrid::to_latlon(GridPoint p) const {
  const OffsetKm o = offset_km(*this, p);
  const tm::GeoRad g = tm::inverse(o.x, o.y);
  return {static_cast<float>(kRadDeg * g.phi), static_cast<float>(rlon0 + kRadDeg * g.dlam)};
}

GridPoint UtmGrid::to_grid(LatLon g) const {
  // Longitudes that differ by whole turns are the same meridian: a point just
  // across 180 degrees from the central meridian stays next to it.
  const double dlon = std::remainder(static_cast<double>(g.lon) - rlon0, 360.0);
  const tm::PlaneKm p = tm::forward(kDegRad * g.lat, dlon * kDegRad);
  return {static_cast<float>(orig_e - (p.x + kFalseEastingKm) * 1000.0),
          static_cast<float>(p.y * 1000.0 + n0 - orig_n)};
}

void UtmGrid::show_far_offset(GridPoint p) const {
  const OffsetKm o = offset_km(*this, p);
  if (std::fabs(o.x) > kLargeOffsetKm || std::fabs(o.y) > kLargeOffsetKm) FreeLine() << o.x << o.y;
}

UtmGrid utm_grid(float xmax, float ymax, float orig_e, float orig_n, float ori, int nzon,
                 char zlat) {
  UtmGrid g;
  g.ori = ori;
  g.nzon = nzon;
  g.zlat = zlat;
  g.rlon0 = 6.0 * nzon - 183.0;
  g.n0 = zlat == 'S' ? kFalseNorthingSouth : 0.0;
  g.orig_e = orig_e;
  g.orig_n = orig_n;
  g.xmax = xmax;
  g.ymax = ymax;
  return g;
}

int utm_init(UtmState& st, std::string_view fich, float& rxm, float& rym) {
  const std::string_view name = trim_right(fich);
  FreeLine() << "utm_init " << name;

  if (st.active && st.active->fich == fich) {
    FreeLine() << "utm_init : ALREADY INITIALIZED" << true;
    rxm = static_cast<float>(st.active->xmax);
    rym = static_cast<float>(st.active->ymax);
    return 1;
  }

  // Elevation-model names (".dem", ".asc") are never passed by the program and
  // count as unrecognised like any other name without a terrain ending.
  if (!is_terrain_name(name)) {
    FreeLine() << "unrecognised file type " << name;
    log_bare_line(message(Msg::utm_unknown_file_type, {name}));
    st.active.reset();
    return 0;
  }

  float xmax = 0, ymax = 0, orig_e = 0, orig_n = 0, ori = 0;
  int nzon = 0;
  char zlat = ' ';
  if (read_trn_hdr(name, xmax, ymax, orig_e, orig_n, ori, nzon, zlat) != 0) {
    log_message_f(message(Msg::utm_cannot_read, {name}));
    st.active.reset();
    return 0;
  }

  st.active = utm_grid(xmax, ymax, orig_e, orig_n, ori, nzon, zlat);
  st.active->fich = fich;
  rxm = xmax;
  rym = ymax;
  return 1;
}

int latlontoxy(const UtmState& st, float rlat, float rlon, float& rx, float& ry) {
  if (refuse_if_not_initialized(st)) return 0;
  const GridPoint p = st.active->to_grid({rlat, rlon});
  rx = p.x;
  ry = p.y;
  return 1;
}

int xytolatlon(const UtmState& st, float rx, float ry, float& rlat, float& rlon) {
  if (refuse_if_not_initialized(st)) return 0;
  st.active->show_far_offset({rx, ry});
  const LatLon g = st.active->to_latlon({rx, ry});
  rlat = g.lat;
  rlon = g.lon;
  return 1;
}

}  // namespace tarvel
