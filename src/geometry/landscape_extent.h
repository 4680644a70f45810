// Whether grid positions lie on a landscape: the rectangle 0..rxm along X and
// 0..rym along Y of its grid, in metres (the extent utm_init gives).
#pragma once

#include <span>

namespace tarvel {

// A grid position, metres.
struct GridPoint {
  float x = 0;
  float y = 0;
};

// Distance in metres from (x, y) to the rectangle 0..rxm × 0..rym: 0 inside
// and on the border; infinite when a coordinate is not a finite number.
double distance_outside(double x, double y, double rxm, double rym);

struct ExtentOutcome {
  int outside = 0;        // points off the rectangle
  int farthest = -1;      // index of the farthest of them; -1 when none is off
  double farthest_m = 0;  // its distance outside, metres (may be infinite)
};

// Checks every point of `points` against the rectangle 0..rxm × 0..rym. On a
// tie the first point wins.
ExtentOutcome check_extent(std::span<const GridPoint> points, float rxm, float rym);

}  // namespace tarvel
