#include "geometry/transverse_mercator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tarvel {
namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

// In 64 bits the forward and inverse series undo each other to the millimetre
// across a zone and beyond, at every latitude a landscape may have; a wrong
// coefficient of any term that matters at that scale breaks this.
TEST(TransverseMercator, InverseUndoesForwardInDoublePrecision) {
  for (double lat = -80; lat <= 80; lat += 2.5) {
    for (double dl = -4; dl <= 4; dl += 0.25) {
      const tm::PlaneKm p = tm::forward(lat * kDeg, dl * kDeg);
      const tm::GeoRad g = tm::inverse(p.x, p.y);
      const double metres =
          std::hypot(g.phi - lat * kDeg, (g.dlam - dl * kDeg) * std::cos(lat * kDeg)) * 6371e3;
      ASSERT_LT(metres, 0.002) << lat << ", " << dl;
    }
  }
}

TEST(TransverseMercator, CentralMeridianIsTheScaledMeridianArc) {
  // Quarter meridian of the WGS 84 ellipsoid: 10,001,965.729 m; the rounded
  // eccentricity moves it by millimetres only.
  const tm::PlaneKm pole = tm::forward(std::numbers::pi / 2, 0);
  EXPECT_NEAR(pole.y * 1000 / 0.9996, 10001965.729, 0.01);
  EXPECT_EQ(pole.x, 0.0);
  const tm::PlaneKm equator = tm::forward(0, 0);
  EXPECT_EQ(equator.x, 0.0);
  EXPECT_EQ(equator.y, 0.0);
}

}  // namespace
}  // namespace tarvel
