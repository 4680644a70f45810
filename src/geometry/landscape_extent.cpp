#include "geometry/landscape_extent.h"

#include <cmath>
#include <limits>

namespace tarvel {

namespace {

// How far `v` lies beyond 0..max along one axis (0 inside and on the border).
double beyond(double v, double max) {
  if (v < 0) return -v;
  if (v > max) return v - max;
  return 0;
}

}  // namespace

double distance_outside(double x, double y, double rxm, double rym) {
  // A position the projection could not compute is on no landscape.
  if (!std::isfinite(x) || !std::isfinite(y)) return std::numeric_limits<double>::infinity();
  return std::hypot(beyond(x, rxm), beyond(y, rym));
}

ExtentOutcome check_extent(std::span<const GridPoint> points, float rxm, float rym) {
  ExtentOutcome out;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const double d = distance_outside(points[i].x, points[i].y, rxm, rym);
    if (d <= 0) continue;
    ++out.outside;
    if (out.farthest < 0 || d > out.farthest_m) {
      out.farthest = static_cast<int>(i);
      out.farthest_m = d;
    }
  }
  return out;
}

}  // namespace tarvel
