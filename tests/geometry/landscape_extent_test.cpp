#include "geometry/landscape_extent.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tarvel {
namespace {

// A landscape of 92160 x 184320 m.
constexpr float kRxm = 92160.0f;
constexpr float kRym = 184320.0f;

TEST(DistanceOutside, IsTheDistanceToTheRectangle) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* name;
    double x, y;
    double metres;
  } cases[] = {
      {"inside", 50000, 90000, 0},
      {"on the X = 0 border", 0, 90000, 0},
      {"on the far corner", kRxm, kRym, 0},
      {"on the Y = rym border", 10, kRym, 0},
      {"west, beyond rxm", kRxm + 2500, 90000, 2500},
      {"east, below 0", -122000, 90000, 122000},
      {"south", 400, -0.5, 0.5},
      {"north-west of the far corner: 3-4-5", kRxm + 3000, kRym + 4000, 5000},
      {"south-east of the origin", -6000, -8000, 10000},
      {"a coordinate the projection could not compute", nan, 10, inf},
      {"an infinite coordinate", 10, -inf, inf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(distance_outside(c.x, c.y, kRxm, kRym), c.metres);
  }
}

TEST(CheckExtent, CountsThePointsOffTheLandscapeAndFindsTheFarthest) {
  const std::vector<GridPoint> points = {
      {100, 100},          // inside
      {-3000, 100},        // 3000 m off
      {kRxm, 0},           // on the border
      {100, kRym + 7000},  // 7000 m off, the farthest
      {kRxm + 7000, 100},  // as far: the first one wins
      {-1, -1},            // 1.41 m off
  };
  const ExtentOutcome out = check_extent(points, kRxm, kRym);
  EXPECT_EQ(out.outside, 4);
  EXPECT_EQ(out.farthest, 3);
  EXPECT_DOUBLE_EQ(out.farthest_m, 7000);

  const ExtentOutcome none = check_extent(std::vector<GridPoint>{{0, 0}, {kRxm, kRym}}, kRxm, kRym);
  EXPECT_EQ(none.outside, 0);
  EXPECT_EQ(none.farthest, -1);
  EXPECT_EQ(check_extent({}, kRxm, kRym).outside, 0);

  // A point the projection could not compute counts, and is the farthest.
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const ExtentOutcome lost = check_extent(std::vector<GridPoint>{{-5, 0}, {nan, 0}}, kRxm, kRym);
  EXPECT_EQ(lost.outside, 2);
  EXPECT_EQ(lost.farthest, 1);
  EXPECT_TRUE(std::isinf(lost.farthest_m));
}

}  // namespace
}  // namespace tarvel
