// Whole runs of the built program that convert plans whose positions fall
// outside a landscape: a "{W}" warning per landscape, the plan written all
// the same, and a box only when the destination came from the folder dialog.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/stubbed_run.h"

namespace tarvel {
namespace {

using test::contains;
using test::value_of;
using Installation = test::StubbedInstallation;

// Farland lies in Brenvale's zone with its grid origin 220 km further west
// (orig_e 480000 against 700000, the same orig_n), 1024 x 2048 cells of 90 m:
// 0..92160 m along X, 0..184320 m along Y. X grows towards the west, so a
// Brenvale position (X, Y) is (X - 220000, Y) there, to the decimetres that a
// float latitude keeps.
//
// The fixture plan: turnpoints 0 and 2 at (100250.5, 80120.25), turnpoint 1
// "North <peak>" at (98000, 126500), penalty zone 0 at X 110000..114000.5,
// Y 95000..99500.25. On Farland every X is negative: turnpoint 1 lies
// 122000 m east of its X = 0 border, the farthest (turnpoints 0 and 2
// 119.7 km, the corners 110.0 and 106.0 km).
//
// Brenvale3's origin is 12 km east and 15 km south of Brenvale's, 2560 x 2560
// cells of 90 m: a Brenvale position is (X + 12000, Y + 15000) there, so all of
// Brenvale (0..184320 m both ways) lies on it.
void add_farland(const test::ProgramFixture& fx) {
  test::Terrain farland;
  farland.cells_x = 1024;
  farland.cells_y = 2048;
  farland.orig_e = 480000.0f;
  farland.orig_n = 5000000.0f;
  fx.c3_landscape("Farland", farland, 1);
}

// The fixture plan with `from` (whole lines, CR LF) replaced by `to`.
std::string edited_plan(const std::string& from, const std::string& to) {
  std::string plan = test::condor2_plan();
  const std::size_t at = plan.find(test::crlf(from));
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) plan.replace(at, test::crlf(from).size(), test::crlf(to));
  return plan;
}

// Turnpoint 1 at Y 190000: 5680 m north of Brenvale (0..184320), so 5.7 km.
// On Brenvale3 it is at Y 205000 (inside 0..230400). On Farland it is
// 122000 m east and 5680 m north of its corner: sqrt(122000^2 + 5680^2) =
// 122132.15 m, 122.1 km.
const std::string kNorthOfBrenvale = edited_plan("TPPosY1=126500\n", "TPPosY1=190000\n");

// A second penalty zone whose corners 2 and 3 lie 1680 and 6000 m north of
// Brenvale (Y 186000 and 190320); on Brenvale3 they are inside (Y + 15000).
const std::string kZoneNorthOfBrenvale = edited_plan("PZCount=1\n",
                                                     "PZCount=2\n"
                                                     "PZPos0X1=50000\nPZPos0Y1=170000\n"
                                                     "PZPos1X1=60000\nPZPos1Y1=170000\n"
                                                     "PZPos2X1=60000\nPZPos2Y1=186000\n"
                                                     "PZPos3X1=50000\nPZPos3Y1=190320\n"
                                                     "PZBase1=0\nPZTop1=2000\n"
                                                     "PZPenaltyTimeFactor1=1\n");

const std::string kFarlandEnglish =
    "3 of 3 turnpoints and 4 of 4 penalty-zone corners lie outside Farland, up to 122.0 km "
    "(turnpoint 1 \"North <peak>\")";

std::size_t warnings_in(const std::string& text) {
  std::size_t n = 0;
  for (std::size_t at = text.find("+ WARNING +"); at != std::string::npos;
       at = text.find("+ WARNING +", at + 1)) {
    ++n;
  }
  return n;
}

TEST(ExtentWarning, CommandLineRunsWarnPerLandscapeAndStillWriteThePlan) {
  struct Case {
    const char* name;
    std::string plan;
    std::string landscape;
    std::string lang;
    std::vector<std::string> warnings;  // after "<plan>: ", in order
  };
  const Case cases[] = {
      {"the right landscape", test::condor2_plan(), "Brenvale3", "C", {}},
      {"a landscape 220 km away", test::condor2_plan(), "Farland", "C", {kFarlandEnglish}},
      {"a turnpoint off the Condor 2 landscape",
       kNorthOfBrenvale,
       "Brenvale3",
       "C",
       {"1 of 3 turnpoints lies outside Brenvale, up to 5.7 km (turnpoint 1 \"North <peak>\")"}},
      {"off both landscapes",
       kNorthOfBrenvale,
       "Farland",
       "C",
       {"1 of 3 turnpoints lies outside Brenvale, up to 5.7 km (turnpoint 1 \"North <peak>\")",
        "3 of 3 turnpoints and 4 of 4 penalty-zone corners lie outside Farland, up to 122.1 km "
        "(turnpoint 1 \"North <peak>\")"}},
      {"penalty-zone corners off the Condor 2 landscape",
       kZoneNorthOfBrenvale,
       "Brenvale3",
       "C",
       {"2 of 8 penalty-zone corners lie outside Brenvale, up to 6.0 km (penalty zone 1, "
        "corner 3)"}},
      // 3e38 m is 3.0000000054977558e38 as a float; the projection gives no
      // number for it on Brenvale3.
      {"a turnpoint the projection cannot carry",
       edited_plan("TPPosX1=98000\n", "TPPosX1=3e38\n"),
       "Brenvale3",
       "C",
       {"1 of 3 turnpoints lies outside Brenvale, up to 300000000549775572236029132128911360.0 km "
        "(turnpoint 1 \"North <peak>\")",
        "1 of 3 turnpoints lies outside Brenvale3 (turnpoint 1 \"North <peak>\")"}},
      {"off both landscapes, in French (UTF-8 on Linux)",
       kNorthOfBrenvale,
       "Farland",
       "fr_FR.UTF-8",
       {"1 point de virage sur 3 se trouve hors de Brenvale, jusqu'\xc3\xa0 5,7 km "
        "(point de virage 1 \"North <peak>\")",
        "3 points de virage sur 3 et 4 coins de zone de p\xc3\xa9nalit\xc3\xa9 sur 4 se trouvent "
        "hors de Farland, jusqu'\xc3\xa0 122,1 km (point de virage 1 \"North <peak>\")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Installation in;
    add_farland(in.fx);
    const std::string plan = in.fx.win(in.fx.plan("Task.fpl", c.plan));
    const auto r = in.run({"-auto", "-l:" + c.landscape, plan}, {{"LANG", c.lang}});
    ASSERT_EQ(r.exit_status, 0) << r.err;

    const std::string log = in.fx.log();
    std::string expected_log;
    for (const std::string& w : c.warnings) {
      expected_log += "\n" + plan + ": " + w + "\n";
      EXPECT_TRUE(contains(r.out, "\n >>> {W}" + plan + ": " + w + "\n")) << r.out;
    }
    EXPECT_EQ(warnings_in(log), c.warnings.size()) << log;
    // The warnings come in order, before the summary of the written plan.
    std::size_t from = 0;
    for (const std::string& w : c.warnings) {
      const std::size_t at = log.find(plan + ": " + w + "\n", from);
      EXPECT_NE(at, std::string::npos) << w << "\n" << log;
      if (at != std::string::npos) from = at;
    }
    EXPECT_NE(log.find(plan + " converted to ", from), std::string::npos) << log;
    EXPECT_EQ(in.zenity.transcript(), std::vector<std::string>{});

    // Written as computed: off the landscape, not moved onto it.
    const std::string out = in.fx.output("Task_V3.fpl");
    EXPECT_EQ(value_of(out, "Landscape"), c.landscape);
    if (c.landscape == "Farland") {
      EXPECT_NEAR(std::stod(value_of(out, "TPPosX1")), -122000.0, 1.0);
    }
  }
}

// A box only when the user is choosing the landscape in the folder dialog and
// the output in the save dialog: it comes before the save dialog, so the plan
// can still be given up there.
TEST(ExtentWarning, ABoxOnlyWhenTheLandscapeCameFromTheFolderDialog) {
  struct Case {
    const char* name;
    const char* settings;
    std::vector<std::string> options;
    bool folder_dialog;
    bool save_dialog;
    bool box;
  };
  const Case cases[] = {
      {"folder and save dialogs", "", {}, true, true, true},
      {"folder dialog with -auto", "", {"-auto"}, true, false, false},
      {"folder dialog with automatic names in the settings",
       "Default_output_files=1\n",
       {},
       true,
       false,
       false},
      {"-l: with the save dialog", "", {"-l:Farland"}, false, true, false},
      {"Landscape= in the settings with the save dialog",
       "Landscape=Farland\n",
       {},
       false,
       true,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Installation in;
    add_farland(in.fx);
    in.fx.settings(c.settings);
    const std::string landscapes = (in.fx.drive_c() / "Condor3" / "Landscapes").string();
    std::vector<std::optional<std::string>> answers;
    if (c.folder_dialog) answers.push_back(landscapes + "/Farland");
    if (c.save_dialog) answers.push_back((in.fx.c3_plans() / "Task_V3.fpl").string());
    in.zenity.answers(answers);
    std::vector<std::string> args = c.options;
    args.push_back(in.plan("Task.fpl"));
    const auto r = in.run(args);
    ASSERT_EQ(r.exit_status, 0) << r.err;

    std::vector<std::string> kinds;
    std::string box;
    for (const std::string& call : in.zenity.transcript()) {
      kinds.push_back(call.substr(0, call.find(' ')));
      if (kinds.back() == "warning") box = call;
    }
    std::vector<std::string> expected;
    if (c.folder_dialog) expected.push_back("folder");
    if (c.box) expected.push_back("warning");
    if (c.save_dialog) expected.push_back("save");
    EXPECT_EQ(kinds, expected);
    if (c.box) {
      EXPECT_EQ(box, "warning TARVEL: " + in.c2("Task.fpl") + ": " + kFarlandEnglish);
    }
    EXPECT_TRUE(contains(in.fx.log(), in.c2("Task.fpl") + ": " + kFarlandEnglish + "\n"));
    EXPECT_EQ(value_of(in.fx.output("Task_V3.fpl"), "Landscape"), "Farland");
  }
}

}  // namespace
}  // namespace tarvel
