#include "writer/write_fpl_v3.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "flightplan/flight_plan.h"
#include "support/memory_plan_output.h"
#include "support/test_support.h"
#include "util/app_state.h"
#include "writer/plan_output.h"

namespace tarvel {
namespace {

// A record as a fresh read leaves it before any key.
std::unique_ptr<FlightPlan> fresh_plan() {
  auto fp = std::make_unique<FlightPlan>();
  init_read_fpl(*fp);
  init_glider(*fp);
  init_wp(*fp);
  return fp;
}

std::string write_plan(const FlightPlan& fp, std::string_view landscape = "Valley") {
  test::ConsoleCapture console;
  MemoryPlanOutput out;
  int iost = 0;
  write_fpl_v3(fp, out, iost, false, landscape);
  EXPECT_EQ(iost, 0);
  EXPECT_TRUE(out.flushed);
  EXPECT_FALSE(out.closed);
  return out.text;
}

// The record of a two-turnpoint task over the landscape Valley.
std::unique_ptr<FlightPlan> example_plan() {
  auto p = fresh_plan();
  FlightPlan& fp = *p;
  fp.landscape = "Hills";  // the written landscape is the destination, not this
  fp.nb_wp = 2;
  fp.tpnam(0) = "Airfield";
  fp.tpx(0) = 123456.7f;
  fp.tpy(0) = 98765.4f;
  fp.tpz(0) = 512;
  fp.tpair(0) = 1;
  fp.tpalt(0) = 1500;
  fp.tpnam(1) = "Summit";
  fp.tpx(1) = 101234.5f;
  fp.tpy(1) = 87654.25f;
  fp.tpz(1) = 1820.5f;
  fp.tprad(1) = 500;
  fp.tpalt(1) = 1500;
  fp.tpazi(1) = 45;

  fp.nb_pz = 1;
  const float corners[4][2] = {
      {1000, 2000}, {3000.5f, 2000}, {3000.5f, 4000.25f}, {1000, 4000.25f}};
  for (int c = 0; c < 4; ++c) {
    fp.pzp(1, c, 0) = corners[c][0];
    fp.pzp(2, c, 0) = corners[c][1];
  }
  fp.pza(1, 0) = 0;
  fp.pza(2, 0) = 1500.6f;
  fp.pza(3, 0) = 2;

  fp.nb_as_zones = 3;
  fp.last_dis_as = 2;
  for (int i = 0; i <= 2; ++i) fp.qas_disa(i) = true;

  fp.randomizeweatheroneachflight = false;
  fp.wzcount = 1;
  fp.wznam(0) = "Zone A";
  fp.pointcount(0) = 3;
  const float polygon[3][2] = {{5000, 5000}, {8000, 5000}, {8000, 9000.5f}};
  for (int k = 0; k < 3; ++k) {
    fp.wzp(1, k, 0) = polygon[k][0];
    fp.wzp(2, k, 0) = polygon[k][1];
  }
  fp.movedir(0) = 270;
  fp.movespeed(0) = 10;
  fp.borderwidth(0) = 2000;
  fp.winddir(0) = 225.5f;
  fp.windspeed(0) = 3.5f;
  fp.windupperspeed(0) = 8;
  fp.winddirvariation(0) = 10;
  fp.windspeedvariation(0) = 2;
  fp.windturbulence(0) = 1;
  fp.thermalstemp(0) = 298.15f;
  fp.thermalstempvariation(0) = 2;
  fp.thermalsdew(0) = 12.5f;
  fp.thermalsstrength(0) = 3;
  fp.thermalsstrengthvariation(0) = 1;
  fp.thermalsinversionheight(0) = 2300;
  fp.thermalsoverdevelopment(0) = 0;
  fp.thermalswidth(0) = 2;
  fp.thermalswidthvariation(0) = 1;
  fp.thermalsactivity(0) = 3;
  fp.thermalsactivityvariation(0) = 1;
  fp.thermalsturbulence(0) = 1;
  fp.thermalsflatsactivity(0) = 2;
  fp.thermalsstreeting(0) = 0;
  fp.thermalsbugs(0) = 1;
  fp.wavesstability(0) = 2;
  fp.wavesmoisture(0) = 1;
  fp.highcloudscoverage(0) = 0;

  fp.glclass = "Standard";
  fp.glider = "Trainer";
  fp.glskin = "Default";
  fp.wmass = 100;

  fp.taskdate = 45123;
  fp.starttime = 12.5f;
  fp.iconsvisiblerange = 10;
  fp.turnpointhelpersrange = 10;
  fp.allowbugwipers = fp.allowpda = fp.allowrealtimescoring = true;
  fp.allowexternalview = fp.allowpadlockview = fp.allowsmoke = true;
  fp.allowmidaircollisionrecovery = true;
  fp.maxstartgroundspeed = 170;
  fp.randseed = 1234;
  fp.starttype = 1;
  fp.startheight = 1000;
  fp.ropelength = 60;

  fp.nb_fpldesc = 2;
  fp.fpldesc(1) = "Two-leg task";
  fp.fpldesc(2) = "Good luck";
  return p;
}

// The separator lines below hold exactly one space.
const char* const example_text = R"([Version]
Condor version=3000
 
[Task]
Landscape=Valley
Count=2
TPName0=Airfield
TPPosX0=123456.703
TPPosY0=98765.3984
TPPosZ0=512
TPAirport0=1
TPSectorType0=1
TPSectorDirection0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=0
TPAzimuth0=0
TPName1=Summit
TPPosX1=101234.5
TPPosY1=87654.25
TPPosZ1=1820.5
TPAirport1=0
TPSectorType1=1
TPSectorDirection1=0
TPRadius1=500
TPAngle1=90
TPAltitude1=1500
TPWidth1=0
TPHeight1=0
TPAzimuth1=45
PZCount=1
PZPos0X0=1000
PZPos0Y0=2000
PZPos1X0=3000.5
PZPos1Y0=2000
PZPos2X0=3000.5
PZPos2Y0=4000.25
PZPos3X0=1000
PZPos3Y0=4000.25
PZBase0=0
PZTop0=1501
PZPenaltyTimeFactor0=2
DisabledAirspaces=0,1,2
 
[Weather]
RandomizeWeatherOnEachFlight=0
WZCount=1
 
[WeatherZone0]
Name=Zone A
PointCount=3
Polygon0X=5000
Polygon0Y=5000
Polygon1X=8000
Polygon1Y=5000
Polygon2X=8000
Polygon2Y=9000.5
MoveDir=270
MoveSpeed=10
BorderWidth=2000
WindDir=225.5
WindSpeed=3.5
WindUpperSpeed=8
WindDirVariation=10
WindSpeedVariation=2
WindTurbulence=1
ThermalsTemp=25
ThermalsTempVariation=2
ThermalsDew=12.5
ThermalsStrength=3
ThermalsStrengthVariation=1
ThermalsInversionheight=2300
ThermalsOverdevelopment=0
ThermalsWidth=2
ThermalsWidthVariation=1
ThermalsActivity=3
ThermalsActivityVariation=1
ThermalsTurbulence=1
ThermalsFlatsActivity=2
ThermalsStreeting=0
ThermalsBugs=1
WavesStability=2
WavesMoisture=1
HighCloudsCoverage=0
 
[Plane]
Class=Standard
Name=Trainer
Skin=Default
Water=100
FixedMass=0
CGBias=0
Seat=1
Bugwipers=0
 
[GameOptions]
TaskDate=45123
StartTime=12.5
StartTimeWindow=0
RaceStartDelay=0
AATTime=0
IconsVisibleRange=10
ThermalHelpersRange=0
TurnpointHelpersRange=10
AAT=0
AllowBugwipers=1
AllowPDA=1
AllowRealtimeScoring=1
AllowExternalView=1
AllowPadlockView=1
AllowSmoke=1
AllowPlaneRecovery=0
AllowHeightRecovery=0
AllowMidairCollisionRecovery=1
PenaltyCloudFlying=0
PenaltyPlaneRecovery=0
PenaltyHeightRecovery=0
PenaltyWrongWindowEnterance=0
PenaltyWindowCollision=0
PenaltyAirspaceEnterance=0
PenaltyPenaltyZoneEnterance=0
PenaltyThermalHelpers=0
MaxStartGroundSpeed=170
PenaltyStartSpeed=0
PenaltyHighStart=0
PenaltyLowFinish=0
RandSeed=1234
StartType=1
StartHeight=1000
BreakProb=0
RopeLength=60
MaxWingLoading=0
MaxTeams=0
AcroFlight=0
 
[Description]
Text=Two-leg task
Good luck
)";

TEST(WriteFplV3, ExamplePlanIsWrittenByteForByte) {
  const auto fp = example_plan();
  EXPECT_EQ(write_plan(*fp, "Valley                "), test::crlf(example_text));
}

TEST(WriteFplV3, TraceNamesTheTurnpointsAndAirspaces) {
  const auto fp = example_plan();
  test::ConsoleCapture console;
  MemoryPlanOutput out;
  int iost = 0;
  write_fpl_v3(*fp, out, iost, false, "Valley");
  const std::string i11_3 = "          3";  // integers take 11 columns
  const std::string i11_2 = "          2";
  const std::string i11_1 = "          1";
  EXPECT_NE(console.text().find("\n Valley\n"), std::string::npos);
  EXPECT_NE(console.text().find("\n Airspace zones :  " + i11_3 + " " + i11_2 + "\n"),
            std::string::npos);
  EXPECT_NE(console.text().find("\n WZCount " + i11_1 + "\n"), std::string::npos);
}

struct WriteCase {
  const char* name;
  std::function<void(FlightPlan&)> set;
  std::vector<std::string> expected;  // pieces of the output, LF for CR LF
  std::vector<std::string> absent = {};
};

const WriteCase write_cases[] = {
    {"no turnpoints", [](FlightPlan& fp) { fp.nb_wp = 0; }, {"\nCount=0\nPZCount=0\n"}},
    {"no penalty zones", [](FlightPlan& fp) { fp.nb_pz = 0; }, {"\nPZCount=0\nDisabledAirspaces="}},
    {"no disabled airspace list",
     [](FlightPlan& fp) { fp.last_dis_as = -1; },
     {"\nDisabledAirspaces=\n \n[Weather]\n"}},
    {"flags 3 and 17 up to 17",
     [](FlightPlan& fp) {
       fp.qas_disa(3) = fp.qas_disa(17) = true;
       fp.last_dis_as = 17;
     },
     {"\nDisabledAirspaces=3,17\n"}},
    {"listed numbers below the last index take a comma",
     [](FlightPlan& fp) {
       fp.qas_disa(3) = fp.qas_disa(5) = true;
       fp.last_dis_as = 7;
     },
     {"\nDisabledAirspaces=3,5,\n"}},
    {"flags above the last index are not listed",
     [](FlightPlan& fp) {
       fp.qas_disa(2) = fp.qas_disa(9) = true;
       fp.last_dis_as = 4;
     },
     {"\nDisabledAirspaces=2,\n"}},
    {"no weather zone",
     [](FlightPlan& fp) { fp.wzcount = 0; },
     {"\n[Weather]\nRandomizeWeatherOnEachFlight=0\nWZCount=0\n \n[Plane]\n"}},
    {"zone without polygon points",
     [](FlightPlan& fp) {
       fp.wzcount = 1;
       fp.pointcount(0) = 0;
     },
     {"\n \n[WeatherZone0]\nName=\nPointCount=0\nMoveDir=0\n"}},
    {"each zone key carries its own field",
     [](FlightPlan& fp) {
       fp.wzcount = 2;
       fp.movedir(1) = 270;
       fp.movespeed(1) = 10;
       fp.borderwidth(1) = 2000;
       fp.thermalsdew(1) = 12.5f;
       fp.thermalsoverdevelopment(1) = 0.25f;
     },
     {"\n[WeatherZone1]\nName=\nPointCount=0\nMoveDir=270\nMoveSpeed=10\nBorderWidth=2000\n",
      "\nThermalsDew=12.5\n", "\nThermalsOverdevelopment=0.25\n"}},
    {"temperature held in single precision",
     [](FlightPlan& fp) {
       fp.wzcount = 1;
       fp.thermalstemp(0) = 18.3f + 273.15f;
     },
     {"\nThermalsTemp=18.299988\n"}},
    {"penalty-zone heights are rounded halves away from zero",
     [](FlightPlan& fp) {
       fp.nb_pz = 1;
       fp.pza(1, 0) = 1500.5f;
       fp.pza(2, 0) = -0.5f;
       fp.pza(3, 0) = 2.4999f;
     },
     {"\nPZBase0=1501\nPZTop0=-1\nPZPenaltyTimeFactor0=2\n"}},
    {"names lose trailing blanks, keep leading ones",
     [](FlightPlan& fp) {
       fp.nb_wp = 1;
       fp.tpnam(0) = "  Peak  ";
       fp.wzcount = 1;
     },
     {"\nTPName0=  Peak\nTPPosX0=0\n", "\n[WeatherZone0]\nName=\n"}},
    {"no description line",
     [](FlightPlan& fp) { fp.nb_fpldesc = 0; },
     {"\n[Description]\nText=\n"}},
    {"three description lines",
     [](FlightPlan& fp) {
       fp.nb_fpldesc = 3;
       fp.fpldesc(1) = "one";
       fp.fpldesc(2) = "  two  ";
       fp.fpldesc(3) = "three";
     },
     {"\n[Description]\nText=one\n  two\nthree\n"}},
    {"two-digit indices",
     [](FlightPlan& fp) {
       fp.nb_wp = 11;
       fp.nb_pz = 11;
       fp.pzp(1, 3, 10) = 7;
     },
     {"\nTPName10=\nTPPosX10=0\n", "\nTPAzimuth10=0\nPZCount=11\n",
      "\nPZPos3X10=7\nPZPos3Y10=0\n"}},
    {"flags as 0 or 1",
     [](FlightPlan& fp) {
       fp.qaat = true;
       fp.qbugwipers = true;
     },
     {"\nAAT=1\n", "\nBugwipers=1\n"}},
    {"rope length with two decimals",
     [](FlightPlan& fp) { fp.ropelength = 12.345f; },
     {"\nRopeLength=12.35\n"}},
    {"radius and angle below 1 as their integer values",
     [](FlightPlan& fp) {
       fp.nb_wp = 1;
       fp.tprad(0) = 0;
       fp.tpang(0) = -5;
     },
     {"\nTPRadius0=0\nTPAngle0=-5\n"}},
    {"counts beyond the record are written as far as it holds",
     [](FlightPlan& fp) {
       fp.wzcount = 40;
       fp.pointcount(16) = 99;
       fp.nb_fpldesc = 30;
       fp.fpldesc(16) = "last kept";
       fp.last_dis_as = 9000;
       fp.qas_disa(8192) = true;
     },
     {"\nWZCount=17\n", "\n[WeatherZone16]\nName=\nPointCount=17\n",
      "\nPolygon16Y=0\nMoveDir=", "\nDisabledAirspaces=8192\n", "\nlast kept\n"},
     {"[WeatherZone17]"}},
};

TEST(WriteFplV3, EdgeCases) {
  for (const WriteCase& wc : write_cases) {
    SCOPED_TRACE(wc.name);
    auto fp = fresh_plan();
    wc.set(*fp);
    const std::string text = write_plan(*fp);
    for (const std::string& piece : wc.expected)
      EXPECT_NE(text.find(test::crlf(piece)), std::string::npos) << piece;
    for (const std::string& piece : wc.absent)
      EXPECT_EQ(text.find(piece), std::string::npos) << piece;
  }
}

TEST(WriteFplV3, FileEndsWithTheLastDescriptionLine) {
  auto fp = fresh_plan();
  const std::string text = write_plan(*fp);
  EXPECT_TRUE(text.starts_with("[Version]\r\nCondor version=3000\r\n \r\n[Task]\r\n"));
  EXPECT_TRUE(text.ends_with("\r\n \r\n[Description]\r\nText=\r\n")) << text;
}

TEST(WriteFplV3, DisabledAirspaceLineOfAWholeLandscape) {
  struct Row {
    int count;
    std::size_t length;
  };
  for (const Row row : {Row{100, 307}, Row{8193, 39872}}) {
    SCOPED_TRACE(row.count);
    auto fp = fresh_plan();
    fp->last_dis_as = row.count - 1;
    for (int i = 0; i < row.count; ++i) fp->qas_disa(i) = true;
    const std::string text = write_plan(*fp);
    const std::size_t from = text.find("DisabledAirspaces=");
    ASSERT_NE(from, std::string::npos);
    const std::string line = text.substr(from, text.find("\r\n", from) - from);
    EXPECT_EQ(line.size(), row.length);
    const std::string tail =
        "," + std::to_string(row.count - 2) + "," + std::to_string(row.count - 1);
    EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
  }
}

// Line numbers (from 0) in the plan of a fresh record.
constexpr std::size_t landscape_line = 4;
constexpr std::size_t pzcount_line = 6;

std::size_t line_index_of(const std::string& text, const std::string& line) {
  const std::size_t at = text.find("\r\n" + line + "\r\n");
  std::size_t n = 1;
  for (std::size_t i = 0; i <= at; ++i) n += text[i] == '\n' ? 1u : 0u;
  return n;
}

TEST(WriteFplV3, CheckedLinesSetTheStatusAndWritingGoesOn) {
  auto fp = fresh_plan();
  const std::string whole = write_plan(*fp);
  const std::size_t description_line = line_index_of(whole, "[Description]");
  ASSERT_EQ(line_index_of(whole, "Landscape=Valley"), landscape_line);

  struct Row {
    const char* name;
    std::size_t failing_line;
    int iost_in;
    int iost_out;
  };
  const Row rows[] = {
      // Each checked line replaces the status of the one before it.
      {"an early checked line is overwritten", landscape_line, 0, 0},
      {"the last checked line decides", description_line, 0, 5},
      {"the entry value is kept when larger", description_line, 9, 9},
      {"the entry value is kept without failures", std::size_t(-1), 3, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::ConsoleCapture console;
    MemoryPlanOutput out;
    out.fail_lines[row.failing_line] = 5;
    int iost = row.iost_in;
    write_fpl_v3(*fp, out, iost, false, "Valley");
    EXPECT_EQ(iost, row.iost_out);
    EXPECT_EQ(out.lines, line_index_of(whole, "Text=") + 1);  // the plan went on to its end
  }
}

TEST(WriteFplV3, FailedUncheckedLineStopsTheWritingAndIsReported) {
  auto fp = fresh_plan();
  test::ConsoleCapture console;
  MemoryPlanOutput out;
  out.fail_lines[pzcount_line] = 28;
  int iost = 0;
  const WriteFailure failed = write_fpl_v3(*fp, out, iost, false, "Valley");
  EXPECT_EQ(failed.line, pzcount_line + 1);
  EXPECT_EQ(failed.status, 28);
  // Nothing after the failed line was handed over.
  EXPECT_EQ(out.lines, pzcount_line + 1);
  EXPECT_EQ(out.text.substr(out.text.size() - 11), "\r\nCount=0\r\n");
}

TEST(WriteFplV3, FailureFoundAtFlushFollowsTheLineRules) {
  auto fp = fresh_plan();
  const std::string whole = write_plan(*fp);
  const std::size_t description = line_index_of(whole, "[Description]");
  struct Row {
    const char* name;
    std::size_t first_failed_line;
    std::size_t reported_line;  // the first unchecked line from there, from 1
  };
  const Row rows[] = {
      // "[Description]" is checked, but the "Text=" line after it is not.
      {"from the description on", description, description + 2},
      // The two version lines are checked; the separator after them is not.
      {"from the first line on", 0, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::ConsoleCapture console;
    MemoryPlanOutput out;
    out.flush_failure = {row.first_failed_line, 28};
    int iost = 0;
    const WriteFailure failed = write_fpl_v3(*fp, out, iost, false, "Valley");
    EXPECT_EQ(failed.line, row.reported_line);
    EXPECT_EQ(failed.status, 28);
  }
}

TEST(FilePlanOutput, WritesThePlanToAWindowsFormPath) {
  test::TempDir dir;
  const char* old = std::getenv("WINEPREFIX");
  const std::string saved = old != nullptr ? old : "";
  auto fp = example_plan();
  int iost = 0;
  {
    test::ConsoleCapture console;
#ifdef _WIN32
    const std::string path = (dir.path() / "plan_V3.fpl").string();
#else
    setenv("WINEPREFIX", dir.path().c_str(), 1);
    std::filesystem::create_directories(dir.path() / "dosdevices" / "x:" / "Plans");
    const std::string path = "X:\\Plans\\plan_V3.fpl   ";
#endif
    FilePlanOutput out;
    ASSERT_EQ(out.open(path), 0);
    write_fpl_v3(*fp, out, iost, false, "Valley");
    EXPECT_EQ(out.close(), 0);
    EXPECT_FALSE(out.is_open());
    EXPECT_NE(out.write_line("late"), 0);  // closed
  }
#ifdef _WIN32
  const auto written = dir.path() / "plan_V3.fpl";
#else
  if (old != nullptr) {
    setenv("WINEPREFIX", saved.c_str(), 1);
  } else {
    unsetenv("WINEPREFIX");
  }
  const auto written = dir.path() / "dosdevices" / "x:" / "Plans" / "plan_V3.fpl";
#endif
  EXPECT_EQ(iost, 0);
  EXPECT_EQ(test::read_file(written), test::crlf(example_text));
}

TEST(FilePlanOutput, ReplacesAnExistingFileAndReportsAFailedOpen) {
  test::TempDir dir;
  const auto target = dir.write("plan.fpl", "an older and much longer text than the new one");
  FilePlanOutput out;
  ASSERT_EQ(out.open(target.string()), 0);
  EXPECT_EQ(out.write_line("[Version]"), 0);
  EXPECT_EQ(out.close(), 0);
  EXPECT_EQ(test::read_file(target), "[Version]\r\n");

  FilePlanOutput missing;
  EXPECT_NE(missing.open((dir.path() / "no such folder" / "plan.fpl").string()), 0);
  EXPECT_FALSE(missing.is_open());
}

#ifdef __linux__
TEST(FilePlanOutput, FullDeviceReportsTheFirstUncheckedLine) {
  auto fp = example_plan();
  test::ConsoleCapture console;
  FilePlanOutput out;
  ASSERT_EQ(out.open("/dev/full"), 0);
  int iost = 0;
  const WriteFailure failed = write_fpl_v3(*fp, out, iost, false, "Valley");
  // The first unchecked line is the separator after the two version lines.
  EXPECT_EQ(failed.line, 3u);
  EXPECT_EQ(failed.status, ENOSPC);
}
#endif

}  // namespace
}  // namespace tarvel
