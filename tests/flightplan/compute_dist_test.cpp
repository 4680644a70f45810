#include "flightplan/compute_dist.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "flightplan/dates.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

struct Point {
  float x, y;
};

TEST(ComputeDist, LegsAndTaskDistance) {
  struct Row {
    const char* name;
    std::vector<Point> points;
    int last_angle;  // tpang of the last turnpoint
    int last_radius;
    std::vector<float> legs;  // tpdist(1 ..)
    float total;
  };
  const Row rows[] = {
      {"no turnpoint", {}, 90, 3000, {}, 0},
      {"takeoff only", {{5, 5}}, 90, 3000, {}, 0},
      {"the takeoff leg is not counted", {{0, 0}, {0, 3000}}, 90, 3000, {3000}, 0},
      {"two legs", {{0, 0}, {0, 3000}, {4000, 3000}}, 90, 500, {3000, 4000}, 4000},
      {"a full circle ends the last leg at its edge",
       {{0, 0}, {0, 3000}, {4000, 3000}},
       360,
       500,
       {3000, 3500},
       3500},
      {"diagonal legs in single precision",
       {{0, 0}, {3, 4}, {3, 4}, {-3, -4}},
       90,
       3000,
       {5, 0, 10},
       10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto fp = std::make_unique<FlightPlan>();
    init_wp(*fp);
    fp->dist_tot = 99;
    fp->tpdist(0) = -7;
    fp->nb_wp = static_cast<int>(row.points.size());
    for (int i = 0; i < fp->nb_wp; ++i) {
      fp->tpx(i) = row.points[static_cast<std::size_t>(i)].x;
      fp->tpy(i) = row.points[static_cast<std::size_t>(i)].y;
    }
    if (fp->nb_wp > 0) {
      fp->tpang(fp->nb_wp - 1) = row.last_angle;
      fp->tprad(fp->nb_wp - 1) = row.last_radius;
    }
    test::ConsoleCapture console;
    compute_dist(*fp);
    for (std::size_t n = 0; n < row.legs.size(); ++n) {
      EXPECT_EQ(fp->tpdist(static_cast<int>(n) + 1), row.legs[n]) << n + 1;
    }
    EXPECT_EQ(fp->dist_tot, row.total);
    EXPECT_EQ(fp->tpdist(0), -7.0f);  // entry 0 is not a leg
    // One trace line per leg, then the total.
    std::size_t lines = 0;
    for (char c : console.text()) lines += c == '\n' ? 1 : 0;
    EXPECT_EQ(lines, row.legs.size() + 1);
    EXPECT_NE(console.text().find(" Tot dist"), std::string::npos);
  }
}

TEST(ComputeDist, FullCircleBeforeTheLastTurnpointDoesNotShortenItsLeg) {
  auto fp = std::make_unique<FlightPlan>();
  init_wp(*fp);
  fp->nb_wp = 3;
  fp->tpy(1) = 3000;
  fp->tpx(2) = 4000;
  fp->tpy(2) = 3000;
  fp->tpang(1) = 360;
  fp->tprad(1) = 500;
  test::ConsoleCapture console;
  compute_dist(*fp);
  EXPECT_EQ(fp->tpdist(1), 3000.0f);
}

TEST(CleanupName, EscapesAngleBrackets) {
  struct Row {
    const char* in;
    const char* out;
  };
  const Row rows[] = {
      {"Plain", "Plain"},
      {"<<x", "&lt;&lt;x"},
      {"a>b<c", "a&gt;b&lt;c"},
      {"&lt; kept & alone", "&lt; kept & alone"},
      // The text keeps its 32 characters; the last replacement is cut short.
      {"123456789012345678901234567890<", "123456789012345678901234567890&l"},
      {"12345678901234567890123456789<>x", "12345678901234567890123456789&lt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.in);
    FixedText<32> name(row.in);
    cleanup_name(name);
    EXPECT_EQ(name, row.out);
  }
}

TEST(Jd, JulianDayNumbers) {
  struct Row {
    int year, month, day, jd;
  };
  const Row rows[] = {
      {1900, 1, 1, 2415021}, {2000, 1, 1, 2451545}, {1899, 12, 30, 2415019}, {2000, 2, 29, 2451604},
      {2000, 3, 1, 2451605}, {1900, 3, 1, 2415080}, {2023, 7, 14, 2460140},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(jd(row.year, row.month, row.day), row.jd)
        << row.year << "-" << row.month << "-" << row.day;
  }
}

}  // namespace
}  // namespace tarvel
