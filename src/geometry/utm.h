// A landscape grid in the UTM projection: grid metres to latitude/longitude
// and back.
//
// Grid X/Y are metres on the landscape: UTM easting = orig_e - X (X grows
// towards the west) and UTM northing = orig_n + Y, where orig_e/orig_n come
// from the landscape's terrain header and the northing includes the false
// northing of the southern hemisphere. Latitude and longitude are degrees,
// north and east positive.
//
// Accuracy and range. The series (transverse_mercator.h) is a power series
// about the zone's central meridian: the nearer a position lies to it, the
// better the two conversions undo each other.
// - Over whole landscapes of zone 32 north (92 x 184 km) and zone 56 south
//   (184 x 138 km), grid -> latitude/longitude -> grid comes back to within
//   what rounding the degrees to 32 bits moves a point on the ground (about
//   0.22 m in the Alps, 0.75 m where longitudes pass 128 degrees) plus the
//   32-bit spacing of X and Y (under 0.01 m below 262 km). At a known point,
//   (100000, 200000) returns as (100000.02, 199999.92).
// - Known grid positions come out within 0.02 m, known latitudes and
//   longitudes within 2e-6 degrees.
// - Positions beyond the landscape are extrapolated by the same series: 600
//   km east of the central meridian a round trip still agrees within 1 m.
// - Points of other zones are computed from this zone's central meridian all
//   the same; they come out finite, with no accuracy figure.
// These are the figures that tests/geometry/utm_test.cpp checks.
#pragma once

#include <optional>
#include <string_view>

#include "geometry/landscape_extent.h"
#include "util/fixed_text.h"

namespace tarvel {

// A geographic position, degrees.
struct LatLon {
  float lat = 0;
  float lon = 0;
};

// One landscape's grid, as its terrain header places it in the projection.
// Interface values are 32-bit; everything between is computed in 64-bit.
struct UtmGrid {
  double xmax = 0;    // landscape extent along X, m
  double ymax = 0;    // landscape extent along Y, m
  double orig_e = 0;  // UTM easting of grid X = 0, m
  double orig_n = 0;  // UTM northing of grid Y = 0, m (false northing included)
  double n0 = 0;      // false northing, m
  double rlon0 = 0;   // central meridian, degrees
  float ori = 0;      // orientation value of the terrain header, kept unused
  int nzon = 0;
  char zlat = ' ';
  FixedText<256> fich;  // the terrain file it was read from

  // Grid metres to degrees.
  LatLon to_latlon(GridPoint p) const;
  // Degrees to grid metres.
  GridPoint to_grid(LatLon g) const;
  // Writes both offsets (km) on one console line when the easting offset
  // from the central meridian or the northing of `p` exceeds 1,000,000 km;
  // nothing otherwise. The conversion itself says nothing.
  void show_far_offset(GridPoint p) const;
};

// The grid of a terrain header's values (read_trn_hdr's outputs).
UtmGrid utm_grid(float xmax, float ymax, float orig_e, float orig_n, float ori, int nzon,
                 char zlat);

// The projection's state: the landscape made active last. A value that its
// owner keeps (the driver one for the run); it starts with none active.
struct UtmState {
  std::optional<UtmGrid> active;
};

// Makes the landscape whose terrain file is `fich` (full path; trailing
// blanks do not count) the active one of `st` and gives its extent along X
// and Y in metres. Result 1: active. 0: the name is not a terrain file (it
// must contain ".trn" or ".TRN") or its header cannot be read; no landscape is
// then active and rxm/rym are not written. Calling it again with the name of
// the active landscape reads nothing and returns the stored extent.
int utm_init(UtmState& st, std::string_view fich, float& rxm, float& rym);

// Grid metres to degrees on the active landscape (shows a far offset, see
// UtmGrid::show_far_offset). Result 1, or 0 (outputs untouched) when no
// landscape is active.
int xytolatlon(const UtmState& st, float rx, float ry, float& rlat, float& rlon);

// Degrees to grid metres on the active landscape. Result 1, or 0 (outputs
// untouched) when no landscape is active.
int latlontoxy(const UtmState& st, float rlat, float rlon, float& rx, float& ry);

}  // namespace tarvel
