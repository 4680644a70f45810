#include "driver/extent_warning.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/app_state.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

// A landscape of 10 x 20 km.
constexpr float kRxm = 10000.0f;
constexpr float kRym = 20000.0f;

std::unique_ptr<FlightPlan> named_plan() {
  auto fp = std::make_unique<FlightPlan>();
  fp->tpnam(0) = "Home";
  fp->tpnam(1) = "Col &lt;N&gt;";  // as the reader stores "Col <N>"
  fp->tpnam(2) = "Lac";
  return fp;
}

// Four corners of one zone, `off` metres north of the landscape at corner 2.
std::vector<GridPoint> zone(float off) {
  return {{100, 100}, {200, 100}, {200, kRym + off}, {100, 200}};
}

TEST(OutsideLandscapeText, NamesTheCountAndTheFarthestPosition) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    const char* name;
    PlanPositions pos;
    bool french;
    const char* text;  // after "C:\P\T.fpl: "; "" for no warning
  } cases[] = {
      {"all inside or on the border", {{{0, 0}, {kRxm, kRym}, {5000, 0}}, zone(0)}, false, ""},
      {"one turnpoint of one",
       {{{-2349.9f, 5000}}, {}},
       false,
       "1 of 1 turnpoint lies outside Land, up to 2.3 km (turnpoint 0 \"Home\")"},
      {"the name as the plan gives it",
       {{{10, 10}, {kRxm + 300, kRym + 400}, {-100, 10}}, {}},
       false,
       "2 of 3 turnpoints lie outside Land, up to 0.5 km (turnpoint 1 \"Col <N>\")"},
      {"a corner farther than the turnpoints",
       {{{10, 10}, {-100, 10}},
        [] {
          auto c = zone(0);
          auto far = zone(7260);
          c.insert(c.end(), far.begin(), far.end());
          return c;
        }()},
       false,
       "1 of 2 turnpoints and 1 of 8 penalty-zone corners lie outside Land, up to 7.3 km "
       "(penalty zone 1, corner 2)"},
      {"a turnpoint as far as a corner wins",
       {{{10, kRym + 1000}}, zone(1000)},
       false,
       "1 of 1 turnpoint and 1 of 4 penalty-zone corners lie outside Land, up to 1.0 km "
       "(turnpoint 0 \"Home\")"},
      {"a position far beyond the landscape, all its digits",
       {{{3e38f, 10}}, {}},
       false,
       "1 of 1 turnpoint lies outside Land, up to 300000000549775572236029132128911360.0 km "
       "(turnpoint 0 \"Home\")"},
      {"a position the projection could not compute",
       {{{10, 10}, {nan, 10}}, {}},
       false,
       "1 of 2 turnpoints lies outside Land (turnpoint 1 \"Col <N>\")"},
      {"French, one corner",
       {{{10, 10}}, zone(50)},
       true,
       "1 coin de zone de p\xe9nalit\xe9 sur 4 se trouve hors de Land, jusqu'\xe0 0,1 km "
       "(zone de p\xe9nalit\xe9 0, coin 2)"},
      {"French, turnpoints and corners",
       {{{-1500, 10}, {-12000, 10}, {10, 10}}, zone(50)},
       true,
       "2 points de virage sur 3 et 1 coin de zone de p\xe9nalit\xe9 sur 4 se trouvent hors de "
       "Land, jusqu'\xe0 12,0 km (point de virage 1 \"Col <N>\")"},
  };
  const auto fp = named_plan();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text =
        outside_landscape_text("C:\\P\\T.fpl   ", "Land  ", c.pos, *fp, kRxm, kRym, c.french);
    EXPECT_EQ(text, *c.text ? "C:\\P\\T.fpl: " + std::string(c.text) : "");
  }
}

TEST(PlanPositions, TakesTheTurnpointsAndCornersThePlanCounts) {
  auto fp = std::make_unique<FlightPlan>();
  fp->nb_wp = 2;
  fp->tpx(1) = 5;
  fp->tpy(1) = 6;
  fp->nb_pz = 2;
  fp->pzp(1, 3, 1) = 7;
  fp->pzp(2, 3, 1) = 8;
  const PlanPositions pos = plan_positions(*fp);
  ASSERT_EQ(pos.turnpoints.size(), 2u);
  EXPECT_EQ(pos.turnpoints[1].x, 5);
  EXPECT_EQ(pos.turnpoints[1].y, 6);
  ASSERT_EQ(pos.corners.size(), 8u);
  EXPECT_EQ(pos.corners[7].x, 7);  // zone 1, corner 3
  EXPECT_EQ(pos.corners[7].y, 8);

  // Counts beyond the record's arrays, or below zero, stay within them.
  fp->nb_wp = 40;
  fp->nb_pz = 12;
  EXPECT_EQ(plan_positions(*fp).turnpoints.size(), 31u);
  EXPECT_EQ(plan_positions(*fp).corners.size(), 44u);
  fp->nb_wp = -1;
  fp->nb_pz = -3;
  EXPECT_TRUE(plan_positions(*fp).turnpoints.empty());
  EXPECT_TRUE(plan_positions(*fp).corners.empty());
}

TEST(WarnOutsideLandscape, LogsAndShowsABoxOnlyWhenAsked) {
  test::TempDir dir;
  const auto saved_cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  reset_log_state();
  app_state().qfr = false;
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  auto fp = named_plan();
  fp->tpnam(0) = "Pic 1/2";
  const RunSettings rs;
  const PlanPositions off{{{-1000, 10}}, {}};
  const PlanPositions on{{{1000, 10}}, {}};
  warn_outside_landscape(rs, "C:\\T.fpl", "Land", off, *fp, kRxm, kRym, false);
  warn_outside_landscape(rs, "C:\\T.fpl", "Land", on, *fp, kRxm, kRym, true);
  EXPECT_TRUE(dialogs.calls.empty());
  warn_outside_landscape(rs, "C:\\T.fpl", "Land", off, *fp, kRxm, kRym, true);
  const std::string log = test::read_file(dir.path() / "Logfile.txt");
  std::filesystem::current_path(saved_cwd);

  const std::string text =
      "C:\\T.fpl: 1 of 1 turnpoint lies outside Land, up to 1.0 km "
      "(turnpoint 0 \"Pic 1/2\")";
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(dialogs.boxes()[0].title, "TARVEL");
  EXPECT_EQ(dialogs.boxes()[0].icon, "warning");
  EXPECT_EQ(dialogs.boxes()[0].text, text);  // the name's slash is no line break
  // Two warnings in the log, each framed; there a "/" separates lines.
  std::string lines = log;
  std::erase(lines, '\r');
  const std::string logged =
      "C:\\T.fpl: 1 of 1 turnpoint lies outside Land, up to 1.0 km "
      "(turnpoint 0 \"Pic 1\n2\")\n";
  const std::size_t first = lines.find(logged);
  ASSERT_NE(first, std::string::npos) << lines;
  EXPECT_NE(lines.find(logged, first + 1), std::string::npos) << lines;
  EXPECT_EQ(lines.rfind("+ WARNING +", 0), 0u);
  EXPECT_TRUE(console.text().find(" >>> {W}" + text) != std::string::npos);
}

}  // namespace
}  // namespace tarvel
