#include "flightplan/read_fpl.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/stopping_calls.h"
#include "install/install_paths.h"
#include "support/memory_plan_output.h"
#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/app_state.h"
#include "writer/write_fpl_v3.h"

namespace tarvel {
namespace {

struct ReadResult {
  int nl = 0;
  int ios = 0;
  std::string console;
};

ReadResult read_text(FlightPlan& fp, const std::string& bytes, int nunit_0 = 10, bool qverb = false,
                     bool qfr = false) {
  test::ConsoleCapture console;
  std::istringstream in(bytes, std::ios::binary);
  ReadResult r;
  read_fpl_or_stop(fp, in, "C:\\Plans\\task.fpl", nunit_0, qverb, qfr, r.nl, r.ios);
  r.console = console.text();
  return r;
}

std::unique_ptr<FlightPlan> blank_plan() { return std::make_unique<FlightPlan>(); }

// The Condor 2 plan of the round trip, and what the writer makes of it.
const char* const condor2_plan = R"([Version]
Condor version=2300

[Task]
Landscape=AA3
Count=3
TPName0=Airfield <Main>
TPPosX0=123456.7
TPPosY0=98765.4
TPPosZ0=512
TPAirport0=1
TPSectorType0=0
TPSectorDirection0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=1000
TPAzimuth0=0
TPName1=Summit
TPPosX1=101234.5
TPPosY1=87654.25
TPPosZ1=1820.5
TPAirport1=0
TPSectorType1=0
TPSectorDirection1=1
TPRadius1=500.4
TPAngle1=45
TPAltitude1=1500.5
TPWidth1=0
TPHeight1=12.34
TPAzimuth1=1.5708
TPName2=Home
TPPosX2=123456.7
TPPosY2=98765.4
TPPosZ2=512
TPAirport2=1
TPSectorType2=0
TPSectorDirection2=0
TPRadius2=3000
TPAngle2=360
TPAltitude2=1500
TPWidth2=0
TPHeight2=1000
TPAzimuth2=0
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
PZTop0=1500.6
PZPenaltyTimeFactor0=2
DisabledAirspaces=

[Weather]
Name=Front
WZCount=4
WindDir=225.5
WindSpeed=3.5
WindUpperSpeed=8
WindDirVariation=10
WindSpeedVariation=2
WindTurbulence=1
ThermalsTemp=18.3
ThermalsTempVariation=2
ThermalsDew=12.5
ThermalsStrength=3
ThermalsStrengthVariation=1
ThermalsInversionheight=2300.4
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
Pressure=1013.25
RandomizeWeatherOnEachFlight=1

[Plane]
Class=Standard
Name=Trainer
Skin=Default
Water=100
FixedMass=0
CGBias=0
Seat=1
Bugwipers=1

[GameOptions]
TaskDate=45123
StartTime=12.5
StartTimeWindow=0.5
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
MaxStartGroundSpeed=150
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
Text=Three-point task
Good luck
)";

// The separator lines hold exactly one space.
const char* const condor2_written = R"([Version]
Condor version=3000
 
[Task]
Landscape=Valley
Count=3
TPName0=Airfield &lt;Main&gt;
TPPosX0=123456.703
TPPosY0=98765.3984
TPPosZ0=512
TPAirport0=1
TPSectorType0=0
TPSectorDirection0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=1000
TPAzimuth0=0
TPName1=Summit
TPPosX1=101234.5
TPPosY1=87654.25
TPPosZ1=1820.5
TPAirport1=0
TPSectorType1=0
TPSectorDirection1=1
TPRadius1=500
TPAngle1=45
TPAltitude1=1501
TPWidth1=0
TPHeight1=12.34
TPAzimuth1=90
TPName2=Home
TPPosX2=123456.703
TPPosY2=98765.3984
TPPosZ2=512
TPAirport2=1
TPSectorType2=0
TPSectorDirection2=0
TPRadius2=3000
TPAngle2=360
TPAltitude2=1500
TPWidth2=0
TPHeight2=1000
TPAzimuth2=0
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
DisabledAirspaces=
 
[Weather]
RandomizeWeatherOnEachFlight=1
WZCount=1
 
[WeatherZone0]
Name=Base
PointCount=0
MoveDir=0
MoveSpeed=0
BorderWidth=0
WindDir=225.5
WindSpeed=3.5
WindUpperSpeed=8
WindDirVariation=10
WindSpeedVariation=2
WindTurbulence=1
ThermalsTemp=18.299988
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
Bugwipers=1
 
[GameOptions]
TaskDate=45123
StartTime=12.5
StartTimeWindow=0.5
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
MaxStartGroundSpeed=150
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
Text=Three-point task
Good luck
)";

TEST(ReadFpl, Condor2PlanReadAndWrittenBack) {
  auto fp = blank_plan();
  const ReadResult r = read_text(*fp, condor2_plan, 10, true);
  EXPECT_EQ(r.ios, -1);  // the description ran to the end of the file
  EXPECT_EQ(fp->fpl_vers, 2);
  EXPECT_EQ(fp->landscape, "AA3");
  EXPECT_EQ(fp->pressure, 101325.0f);
  EXPECT_EQ(fp->fpl_000, "C:\\Plans\\task.fpl");
  EXPECT_EQ(fp->jdate, 45123 + 2415019);
  EXPECT_NE(r.console.find("\n Condor_version=2\n"), std::string::npos);
  EXPECT_NE(r.console.find("\n Number of legs= 1\n"), std::string::npos);
  // The legs are measured at the end of the read; the last one ends at the
  // edge of the home circle.
  EXPECT_GT(fp->tpdist(1), 0.0f);
  EXPECT_EQ(fp->dist_tot, fp->tpdist(2));
  EXPECT_FLOAT_EQ(fp->tpdist(2), fp->tpdist(1) - 3000.0f);

  test::ConsoleCapture console;
  MemoryPlanOutput out;
  int iost = 0;
  write_fpl_v3(*fp, out, iost, false, "Valley");
  EXPECT_EQ(iost, 0);
  EXPECT_EQ(out.text, test::crlf(condor2_written));
}

TEST(ReadFpl, SameRecordWhateverTheLineEnds) {
  struct Row {
    const char* name;
    const char* eol;
  };
  const Row rows[] = {{"CR LF", "\r\n"}, {"lone CR", "\r"}};
  auto lf = blank_plan();
  const ReadResult lf_result = read_text(*lf, condor2_plan);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::string text;
    for (const char* p = condor2_plan; *p != '\0'; ++p) {
      if (*p == '\n') {
        text += row.eol;
      } else {
        text += *p;
      }
    }
    auto fp = blank_plan();
    const ReadResult r = read_text(*fp, text);
    EXPECT_EQ(r.nl, lf_result.nl);
    EXPECT_EQ(r.ios, lf_result.ios);
    EXPECT_EQ(r.console, lf_result.console);
  }
}

// One behaviour of the reader: a plan text, the record before the read (a
// blank record when `before` is empty) and what must hold after it.
struct ReadCase {
  const char* name;
  std::string text;
  std::function<void(FlightPlan&)> before;
  std::function<void(const FlightPlan&, const ReadResult&)> check;
  int nunit_0 = 10;
};

void run_cases(const std::vector<ReadCase>& cases) {
  for (const ReadCase& rc : cases) {
    SCOPED_TRACE(rc.name);
    auto fp = blank_plan();
    if (rc.before) rc.before(*fp);
    const ReadResult r = read_text(*fp, rc.text, rc.nunit_0);
    rc.check(*fp, r);
  }
}

TEST(ReadFpl, VersionAndItsResets) {
  const auto run_state = [](FlightPlan& fp) {
    fp.fpl_vers = 7;
    fp.maxstartgroundspeed = 170;
    fp.aattime = 3600;
    fp.qaat = true;
  };
  run_cases({
      {"2350 is a Condor 2 plan", "[Version]\nCondor version=2350\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.fpl_vers, 2); }},
      {"3000 is a Condor 3 plan", "[Version]\nCondor version=3000\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.fpl_vers, 3); }},
      {"no version key keeps the previous version", "[Task]\nCount=2\n", run_state,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.fpl_vers, 7); }},
      {"an unreadable version divides the previous one", "Condor version=x\n",
       [](FlightPlan& fp) { fp.fpl_vers = 2300; },
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.fpl_vers, 2); }},
      {"a Condor 2 plan keeps the run's options",
       "MaxStartGroundSpeed=99\nAAT=0\n[Version]\nCondor version=2300\n[Task]\nCount=2\n",
       run_state,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.maxstartgroundspeed, 170);
         EXPECT_EQ(fp.aattime, 3600.0f);
         EXPECT_TRUE(fp.qaat);
         EXPECT_NE(r.console.find("C2 FLIGHTPLAN - Reset AAT & MaxStartGroundSpeed"),
                   std::string::npos);
       }},
      {"keys after the version still count",
       "[Version]\nCondor version=2300\n[Task]\nMaxStartGroundSpeed=120\nAATTime=1800\n", run_state,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.maxstartgroundspeed, 120);
         EXPECT_EQ(fp.aattime, 1800.0f);
       }},
      {"a Condor 3 plan starts from zero", "[Version]\nCondor version=3000\n", run_state,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.maxstartgroundspeed, 0);
         EXPECT_FALSE(fp.qaat);
       }},
  });
}

TEST(ReadFpl, LinesAndSections) {
  run_cases({
      {"blank lines are not counted", "[Task]\n\n     \nCount=2\n\n", nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(r.nl, 2);
         EXPECT_EQ(fp.nb_wp, 2);
         EXPECT_EQ(r.ios, -1);
       }},
      {"LCONFPL lines are plan lines", "LCONFPL[Task]\nLCONFPLCount=4\nLCONFPLTPPosX3=12\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.nb_wp, 4);
         EXPECT_EQ(fp.tpx(3), 12.0f);
         EXPECT_EQ(r.nl, 3);
       }},
      {"LCONFlightInfo ends the read", "[Task]\nCount=2\nLCONFlightInfo=x\nCount=5\n", nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.nb_wp, 2);
         EXPECT_EQ(r.ios, 0);
         EXPECT_EQ(r.nl, 2);
       }},
      {"a section line must start in the first column", "[Task]\n [Plane]\nCount=3\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.nb_wp, 3); }},
      {"unknown sections keep the current one",
       "[Plane]\n[GameOptions]\nName=Glider\nAAT=1\n[Description]\nSkin=Red\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.glider, "Glider");
         EXPECT_EQ(fp.glskin, "Red");
         EXPECT_TRUE(fp.qaat);
       }},
      {"Count outside the Task section is ignored",
       "Count=7\n[Weather]\nCount=8\n[Plane]\nCount=9\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.nb_wp, 0); }},
      {"weather and glider keys outside their sections are ignored",
       "[Task]\nMoveDir=5\nName=X\nWater=50\nPressure=900\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.movedir(0), 0.0f);
         EXPECT_TRUE(fp.glider.is_blank());
         EXPECT_TRUE(fp.wznam(1).is_blank());
         EXPECT_EQ(fp.wmass, 0.0f);
         EXPECT_EQ(fp.pressure, 101325.0f);
       }},
      {"keys before any section", "TPPosY2=7\nTaskDate=0\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpy(2), 7.0f);
         EXPECT_EQ(fp.jdate, 2415019);
       }},
      {"a line is cut after 132 characters",
       "TPPosX0=" + std::string(123, ' ') + "7\nTPPosX1=" + std::string(124, ' ') + "7\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpx(0), 7.0f);  // the 7 stands in column 132
         EXPECT_EQ(fp.tpx(1), 0.0f);  // column 133 is cut
       }},
      {"a line of 1 MiB costs nothing else",
       "[Task]\nTPName0=" + std::string(1 << 20, 'n') + "\nCount=2\n", nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.tpnam(0), std::string(32, 'n'));
         EXPECT_EQ(fp.nb_wp, 2);
         EXPECT_EQ(r.nl, 3);
       }},
      {"the description ends at a blank line and ends the read",
       "[Description]\nText=first line\n  second  \nthird\n\n[Plane]\nName=Late\n", nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.nb_fpldesc, 3);
         EXPECT_EQ(fp.fpldesc(1), "first line");
         EXPECT_EQ(fp.fpldesc(2), "  second");
         EXPECT_EQ(fp.fpldesc(3), "third");
         EXPECT_TRUE(fp.glider.is_blank());
         EXPECT_EQ(r.ios, 0);
         EXPECT_EQ(r.nl, 2);
       }},
      {"a long description keeps 16 lines and reads to its end",
       [] {
         std::string t = "Text=line 1\n";
         for (int i = 2; i <= 20; ++i) t += "line " + std::to_string(i) + "\n";
         return t + "\nAAT=1\n";
       }(),
       nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.nb_fpldesc, 16);
         EXPECT_EQ(fp.fpldesc(16), "line 16");
         EXPECT_FALSE(fp.qaat);
         EXPECT_EQ(r.ios, 0);
       }},
      {"the first description line is cut at 80 characters", "Text=" + std::string(90, 'd') + "\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.fpldesc(1), std::string(80, 'd'));
       }},
  });
}

TEST(ReadFpl, FreshAndOverlayReads) {
  const auto earlier_plan = [](FlightPlan& fp) {
    fp.fpl_vers = 2;
    fp.taskdate = 100;
    fp.tpx(0) = 5;
    fp.tpdist(1) = 42;
    fp.dist_tot = 42;
    fp.qas_disa(7) = true;
    fp.last_dis_as = 7;
    fp.pressure = 90000;
  };
  run_cases({
      {"a fresh read resets the plan but not the task date", "[Task]\nCount=0\n", earlier_plan,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.taskdate, 100);
         EXPECT_EQ(fp.tpx(0), 0.0f);
         EXPECT_EQ(fp.tpsec(5), 1);
         EXPECT_EQ(fp.tprad(5), 3000);
         EXPECT_EQ(fp.tpang(5), 90);
         EXPECT_FALSE(fp.qas_disa(7));
         EXPECT_EQ(fp.last_dis_as, -1);
         EXPECT_EQ(fp.pressure, 101325.0f);
         EXPECT_EQ(fp.dist_tot, 0.0f);
         EXPECT_EQ(fp.nb_as_zones, 0);
       }},
      {"a Condor 2 plan gets its single Base zone",
       "[Weather]\nWZCount=3\nName=Front\nPointCount=5\n", earlier_plan,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.wzcount, 1);
         EXPECT_EQ(fp.wznam(0), "Base");
         EXPECT_EQ(fp.pointcount(0), 0);
       }},
      {"an overlay read changes only its keys", "AAT=1\nMaxStartGroundSpeed=130\n", earlier_plan,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_TRUE(fp.qaat);
         EXPECT_EQ(fp.maxstartgroundspeed, 130);
         EXPECT_EQ(fp.tpx(0), 5.0f);
         EXPECT_EQ(fp.tpdist(1), 42.0f);
         EXPECT_EQ(fp.dist_tot, 42.0f);
         EXPECT_TRUE(fp.qas_disa(7));
         EXPECT_EQ(fp.pressure, 90000.0f);
         EXPECT_EQ(fp.wzcount, 0);
         EXPECT_EQ(fp.nb_as_zones, 8192);
         EXPECT_EQ(fp.fpl_000, "C:\\Plans\\task.fpl");
       },
       -16},
  });
}

TEST(ReadFpl, TaskKeys) {
  run_cases({
      {"turnpoint values", R"(TPName1=<A> & <B>
TPAzimuth1=1.5708
TPRadius1=2.5
TPRadius2=-2.5
TPAngle1=44.5
TPHeight1=12.34
TPAltitude1=1500.5
TPWidth1=-0.5
TPSectorType1=2
TPSectorDirection1=3
TPAirport1=1
)",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpnam(1), "&lt;A&gt; & &lt;B&gt;");
         EXPECT_EQ(fp.tpazi(1), 90.0f);
         EXPECT_EQ(fp.tprad(1), 3);
         EXPECT_EQ(fp.tprad(2), -3);
         EXPECT_EQ(fp.tpang(1), 45);
         EXPECT_EQ(fp.tphei(1), 12.34f);
         EXPECT_EQ(fp.tpalt(1), 1501.0f);
         EXPECT_EQ(fp.tpwid(1), -1.0f);
         EXPECT_EQ(fp.tpsec(1), 2);
         EXPECT_EQ(fp.tpsecdir(1), 3);
         EXPECT_EQ(fp.tpair(1), 1);
       }},
      {"keys in any order, defaults kept", "TPPosY4=2\n[Plane]\nTPPosX4=1\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpx(4), 1.0f);
         EXPECT_EQ(fp.tpy(4), 2.0f);
         EXPECT_EQ(fp.tprad(4), 3000);
         EXPECT_EQ(fp.tpang(3), 90);
         EXPECT_TRUE(fp.tpnam(3).is_blank());
         EXPECT_EQ(fp.nwpmax, 4);
       }},
      {"a key without index takes the previous turnpoint", "TPPosX3=1\nTPPosY=2\nTPPosZx=3\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpy(3), 2.0f);
         EXPECT_EQ(fp.tpz(3), 3.0f);
       }},
      {"values that do not read leave the field as it was",
       "TPRadius0=abc\nTPAngle0=\nTPAltitude0=x\nTPAzimuth0=?\nTPPosX0=1.5.2\nTPRadius1=1e30\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tprad(0), 3000);
         EXPECT_EQ(fp.tpang(0), 90);
         EXPECT_EQ(fp.tpalt(0), 0.0f);
         EXPECT_EQ(fp.tpazi(0), 0.0f);
         EXPECT_EQ(fp.tpx(0), 0.0f);
         EXPECT_EQ(fp.tprad(1), 3000);
       }},
      {"turnpoint names are cut to 32 after escaping", "TPName0=" + std::string(30, 'a') + "<b\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpnam(0), std::string(30, 'a') + "&l");
       }},
      {"penalty zones",
       "PZCount=2\nPZPos2Y1=4000.25\nPZPos3X1=7\nPZBase1=100\nPZTop1=1500.6\n"
       "PZPenaltyTimeFactor1=2\nPZBase=5\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.nb_pz, 2);
         EXPECT_EQ(fp.pzp(2, 2, 1), 4000.25f);
         EXPECT_EQ(fp.pzp(1, 3, 1), 7.0f);
         EXPECT_EQ(fp.pza(1, 1), 5.0f);  // no index: the current zone
         EXPECT_EQ(fp.pza(2, 1), 1500.6f);
         EXPECT_EQ(fp.pza(3, 1), 2.0f);
         EXPECT_EQ(fp.npzmax, 1);
       }},
      {"disabled airspaces", "DisabledAirspaces=3,17,5\n", nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_TRUE(fp.qas_disa(3) && fp.qas_disa(17) && fp.qas_disa(5));
         EXPECT_FALSE(fp.qas_disa(4));
         EXPECT_EQ(fp.last_dis_as, 17);
         EXPECT_NE(r.console.find("\n 17\n"), std::string::npos);
       }},
      {"an empty list", "DisabledAirspaces=\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.last_dis_as, 0); }},
      {"an empty item ends the list", "DisabledAirspaces=1,,3\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_TRUE(fp.qas_disa(1));
         EXPECT_FALSE(fp.qas_disa(3));
         EXPECT_EQ(fp.last_dis_as, 1);
       }},
      {"bad items are skipped", "DisabledAirspaces= 40 ,x,2.5,12\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_TRUE(fp.qas_disa(40) && fp.qas_disa(12));
         EXPECT_FALSE(fp.qas_disa(2));
         EXPECT_EQ(fp.last_dis_as, 40);
       }},
      {"a second list adds flags and restarts the last index",
       "DisabledAirspaces=30\nDisabledAirspaces=2\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_TRUE(fp.qas_disa(30) && fp.qas_disa(2));
         EXPECT_EQ(fp.last_dis_as, 2);
       }},
      {"a Condor 2 list is cut after 132 characters",
       [] {
         std::string t = "[Version]\nCondor version=2300\n[Task]\nPZCount=0\nDisabledAirspaces=7,";
         for (int i = 0; i < 100; ++i) t += std::to_string(1000 + i) + ",";
         return t + "\n";
       }(),
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         // 20 + 22 * 5 = 130 characters hold 7 and 1000..1021; "1022" is cut to "10".
         EXPECT_TRUE(fp.qas_disa(7) && fp.qas_disa(1021) && fp.qas_disa(10));
         EXPECT_FALSE(fp.qas_disa(1022));
         EXPECT_EQ(fp.last_dis_as, 1021);
       }},
  });
}

// Indices that have no place in the record: the line is dropped and no other
// entry is touched.
TEST(ReadFpl, IndicesOutsideTheRecordAreIgnored) {
  run_cases({
      {"turnpoints", "TPPosX2=1\nTPPosX31=5\nTPPosX-1=6\nTPPosY=7\nTPName99=far\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.tpx(2), 1.0f);
         EXPECT_EQ(fp.tpy(2), 7.0f);  // the current turnpoint stayed 2
         EXPECT_EQ(fp.tpx(30), 0.0f);
         EXPECT_EQ(fp.tpx(0), 0.0f);
         EXPECT_EQ(fp.nwpmax, 2);
       }},
      {"penalty-zone corners and zones",
       "PZPosX0=9\nPZPos1X2=3\nPZPos4X0=5\nPZPos0X11=5\nPZPos0X-1=5\nPZBase11=5\nPZTop=8\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.pzp(1, 0, 0), 0.0f);  // no corner number yet: dropped
         EXPECT_EQ(fp.pzp(1, 1, 2), 3.0f);
         EXPECT_EQ(fp.pzp(1, 3, 0), 0.0f);
         EXPECT_EQ(fp.pzp(1, 0, 10), 0.0f);
         EXPECT_EQ(fp.pza(1, 10), 0.0f);
         EXPECT_EQ(fp.pza(2, 2), 8.0f);  // the current zone stayed 2
         EXPECT_EQ(fp.npzmax, 2);
       }},
      {"weather zones and polygon points",
       "[Version]\nCondor version=3000\n[WeatherZone1]\nMoveDir=10\n[WeatherZone17]\nMoveDir=99\n"
       "Name=Far\nPolygon0X1=4\nPolygon17X1=5\nMoveSpeed=3\nPolygon2Y20=6\nWindDir=7\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.movedir(1), 10.0f);
         EXPECT_EQ(fp.movedir(16), 0.0f);
         EXPECT_TRUE(fp.wznam(1).is_blank());
         EXPECT_EQ(fp.wzp(1, 0, 1), 4.0f);
         EXPECT_EQ(fp.wzp(1, 16, 1), 0.0f);
         EXPECT_EQ(fp.movespeed(1), 3.0f);  // point 17 left the zone at 1
         EXPECT_EQ(fp.winddir(1), 0.0f);    // zone 20 took the wind
         EXPECT_EQ(fp.wzp(2, 2, 16), 0.0f);
       }},
      {"airspace numbers", "DisabledAirspaces=8192,8193,-1,100000\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_TRUE(fp.qas_disa(8192));
         EXPECT_FALSE(fp.qas_disa(0));
         EXPECT_EQ(fp.last_dis_as, 8192);
       }},
  });
}

TEST(ReadFpl, WeatherGliderAndOptions) {
  run_cases({
      {"Condor 2 weather goes to zone 0",
       "[Version]\nCondor version=2300\n[WeatherZone3]\n[Weather]\nMoveDir=5\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.movedir(0), 5.0f);
         EXPECT_EQ(fp.movedir(3), 0.0f);
       }},
      {"Condor 3 zones", R"([Version]
Condor version=3000
[WeatherZone3]
[Weather]
MoveDir=5
[WeatherZone]
Name=Still three
[WeatherZone1]
ThermalsTemp=20
ThermalsInversionheight=1500.5
Polygon4X2=500
Polygon4Y2=600
MoveSpeed=7
)",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.movedir(3), 5.0f);
         EXPECT_EQ(fp.wznam(3), "Still three");
         EXPECT_EQ(fp.thermalstemp(1), 20.0f + 273.15f);
         EXPECT_EQ(fp.thermalsinversionheight(1), 1501.0f);
         EXPECT_EQ(fp.wzp(1, 4, 2), 500.0f);
         EXPECT_EQ(fp.wzp(2, 4, 2), 600.0f);
         EXPECT_EQ(fp.movespeed(2), 7.0f);  // the polygon moved the current zone
       }},
      {"unit conversions and unreadable values",
       "[Weather]\nThermalsTemp=18.3\nPressure=1013.25\n[WeatherZone1]\nThermalsTemp=abc\n"
       "ThermalsInversionheight=\nPressure=x\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.thermalstemp(0), 18.3f + 273.15f);
         EXPECT_EQ(fp.pressure, 101325.0f);
         EXPECT_EQ(fp.thermalstemp(1), 0.0f);
         EXPECT_EQ(fp.thermalsinversionheight(1), 0.0f);
       }},
      {"glider",
       "[Plane]\nName=LS8\nClass=Standard\nSkin=\nWater=\nFixedMass=5.5\nSeat=2\nBugwipers=Yes\n",
       [](FlightPlan& fp) { fp.wmass = 50; },
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_EQ(fp.glider, "LS8");
         EXPECT_EQ(fp.glclass, "Standard");
         EXPECT_EQ(fp.wmass, 0.0f);  // reset by the fresh read, blank value leaves it
         EXPECT_EQ(fp.fmass, 5.5f);
         EXPECT_EQ(fp.glseat, 2);
         EXPECT_TRUE(fp.qbugwipers);
       }},
      {"a blank value leaves the field", "[Plane]\nWater=\n", [](FlightPlan& fp) { fp.wmass = 50; },
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.wmass, 50.0f); }, -16},
      {"flags", "AAT=Yes\nAllowPDA=1\nAllowSmoke=True\nAllowBugwipers=T\nAllowPadlockView=y\n",
       nullptr,
       [](const FlightPlan& fp, const ReadResult&) {
         EXPECT_TRUE(fp.qaat);
         EXPECT_TRUE(fp.allowpda);
         EXPECT_FALSE(fp.allowsmoke);
         EXPECT_FALSE(fp.allowbugwipers);
         EXPECT_TRUE(fp.allowpadlockview);
       }},
      {"task date and options",
       "TaskDate=0\nStartTime=12.25\nRopeLength=45.5\nPenaltyLowFinish=30\n", nullptr,
       [](const FlightPlan& fp, const ReadResult& r) {
         EXPECT_EQ(fp.jdate, 2415019);
         EXPECT_EQ(fp.starttime, 12.25f);
         EXPECT_EQ(fp.ropelength, 45.5f);
         EXPECT_EQ(fp.penaltylowfinish, 30);
         EXPECT_NE(r.console.find(" DATE"), std::string::npos);
       }},
      {"the largest task date does not overflow", "TaskDate=2147483647\n", nullptr,
       [](const FlightPlan& fp, const ReadResult&) { EXPECT_EQ(fp.taskdate, 2147483647); }},
  });
}

TEST(ReadFpl, PlansTooLargeForTheRecordEndTheRun) {
  struct Row {
    const char* name;
    const char* text;
    bool qfr;
    const char* message;
  };
  const Row rows[] = {
      {"31 turnpoints fit", "[Task]\nCount=31\nPZCount=11\n", false, nullptr},
      {"32 turnpoints", "[Task]\nCount=32\nAAT=1\n", false,
       "TARVEL does not support more than 30 turnpoints"},
      {"32 turnpoints in French", "[Task]\nCount=32\n", true,
       "TARVEL n'accepte pas plus que 30 points de virage"},
      {"12 penalty zones", "[Task]\nPZCount=12\n", false,
       "TARVEL does not support more than 11 penalty zones"},
      {"12 penalty zones in French", "PZCount=12\n", true,
       "TARVEL n'accepte pas plus que 11 zones de p\xe9nalit\xe9"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::RecordingDialogs dialogs;
    auto fp = blank_plan();
    int status = -1;
    try {
      read_text(*fp, row.text, 10, false, row.qfr);
    } catch (const test::RunStopped& stop) {
      status = stop.status;
    }
    const auto boxes = dialogs.boxes();
    if (row.message == nullptr) {
      EXPECT_EQ(status, -1);
      EXPECT_TRUE(boxes.empty());
      EXPECT_EQ(fp->nb_wp, 31);
      EXPECT_EQ(fp->nb_pz, 11);
      continue;
    }
    EXPECT_EQ(status, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "TARVEL");
    // The accented letters may reach the box layer in another encoding.
    const std::string message = row.message;
    const std::string ascii = message.substr(0, message.find('\xe9'));
    EXPECT_TRUE(boxes[0].text.starts_with(ascii)) << boxes[0].text;
    if (ascii == message) {
      EXPECT_EQ(boxes[0].text, message);
    }
    EXPECT_FALSE(fp->qaat);  // nothing after the count was read
  }
}

// The reader itself shows nothing and ends nothing: it stops at the count the
// record cannot hold and says which; the caller decides.
TEST(ReadFpl, ACountTooLargeStopsTheReadAndIsReported) {
  struct Row {
    const char* text;
    int outcome;
    int nl;
  } const rows[] = {
      {"[Task]\nCount=31\nPZCount=11\nAAT=1\n", fpl_read_done, 4},
      {"[Task]\nCount=32\nAAT=1\n", fpl_too_many_turnpoints, 2},
      {"[Task]\nPZCount=12\nAAT=1\n", fpl_too_many_penalty_zones, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    auto fp = blank_plan();
    std::istringstream in(row.text, std::ios::binary);
    int nl = 0;
    int ios = 0;
    EXPECT_EQ(read_fpl(*fp, in, "plan", 1, false, nl, ios), row.outcome);
    EXPECT_EQ(nl, row.nl);
    EXPECT_EQ(fp->qaat, row.outcome == fpl_read_done);
    EXPECT_TRUE(dialogs.calls.empty());
    // The end-of-read trace comes only after a whole read.
    EXPECT_EQ(console.text().find("IOS=") != std::string::npos, row.outcome == fpl_read_done);
  }
}

// The landscape's airspaces come from the caller, asked with the name the plan
// gives, and only for a Condor 3 plan; without an answer there are none.
TEST(ReadFpl, TheCallerCountsACondor3LandscapesAirspaces) {
  std::vector<std::string> asked;
  FplLookups lookups;
  lookups.condor3_airspace_count = [&asked](std::string_view name) {
    asked.emplace_back(name);
    return 42;
  };
  const std::string condor3 = "[Version]\nCondor version=3000\n[Task]\nLandscape=Valley  \n";
  const std::string condor2 = "[Version]\nCondor version=2300\n[Task]\nLandscape=Valley\n";
  int nl = 0;
  int ios = 0;
  test::ConsoleCapture console;
  auto fp = blank_plan();
  std::istringstream in3(condor3, std::ios::binary);
  read_fpl(*fp, in3, "plan", 1, false, nl, ios, lookups);
  EXPECT_EQ(fp->nb_as_zones, 42);
  EXPECT_EQ(asked, std::vector<std::string>{"Valley"});

  auto fp2 = blank_plan();
  std::istringstream in2(condor2, std::ios::binary);
  read_fpl(*fp2, in2, "plan", 1, false, nl, ios, lookups);
  EXPECT_EQ(asked.size(), 1u);

  auto alone = blank_plan();
  std::istringstream again(condor3, std::ios::binary);
  read_fpl(*alone, again, "plan", 1, false, nl, ios);
  EXPECT_EQ(alone->nb_as_zones, 0);
}

// A Condor 3 plan sizes its disabled-airspace line by its landscape's
// airspaces, found under the Condor 3 installation.
class Condor3Plan : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = install_paths().instpath3;
    install_paths().instpath3 = dir_.path().string();
    std::string air;
    for (int i = 0; i < 100; ++i) air += "AC R\nAN zone " + std::to_string(i) + "\n";
    dir_.write("Landscapes/Valley/Valley.air", air);
  }
  void TearDown() override { install_paths().instpath3 = saved_; }

  test::TempDir dir_;
  FixedText<256> saved_;
};

TEST_F(Condor3Plan, ReadsA517CharacterAirspaceLineWhole) {
  // 100 numbers of four digits and their commas fill exactly 5 * 100 + 17.
  std::string list = "DisabledAirspaces=";
  for (int i = 0; i < 100; ++i) {
    char item[8];
    std::snprintf(item, sizeof item, "%04d", i);
    list += item;
    if (i < 99) list += ",";
  }
  ASSERT_EQ(list.size(), 517u);
  const std::string text =
      "[Version]\nCondor version=3000\n[Task]\nLandscape=Valley\nPZCount=0\n" + list + "\n";
  auto fp = blank_plan();
  const ReadResult r = read_text(*fp, text);
  EXPECT_EQ(fp->nb_as_zones, 100);
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(fp->qas_disa(i)) << i;
  EXPECT_EQ(fp->last_dis_as, 99);
  EXPECT_NE(r.console.find("Airspace zones : "), std::string::npos);
  EXPECT_NE(r.console.find(" allocate"), std::string::npos);

  // One byte more and the last number loses its last digit.
  auto cut = blank_plan();
  read_text(*cut, "[Version]\nCondor version=3000\nLandscape=Valley\nPZCount=0\n" + list + "9\n");
  EXPECT_EQ(cut->last_dis_as, 99);
  auto longer = blank_plan();
  read_text(*longer, "[Version]\nCondor version=3000\nLandscape=Valley\nPZCount=0\n" +
                         list.substr(0, 516) + "77\n");
  EXPECT_FALSE(longer->qas_disa(99));
  EXPECT_TRUE(longer->qas_disa(97));
  EXPECT_EQ(longer->last_dis_as, 98);
}

TEST_F(Condor3Plan, LineWidthNeverDropsBelow132) {
  // A landscape without airspace file gives 0 zones: the lines keep 132 characters.
  const std::string text =
      "[Version]\nCondor version=3000\nLandscape=Nowhere\nPZCount=0\nTPPosX0=" +
      std::string(123, ' ') + "7\n";
  auto fp = blank_plan();
  read_text(*fp, text);
  EXPECT_EQ(fp->nb_as_zones, 0);
  EXPECT_EQ(fp->tpx(0), 7.0f);
}

TEST(ReadFpl, ReadErrorKeepsWhatWasRead) {
  class BrokenBuf : public std::streambuf {
   public:
    explicit BrokenBuf(std::string head) : head_(std::move(head)) {
      setg(head_.data(), head_.data(), head_.data() + head_.size());
    }

   protected:
    int_type underflow() override { throw std::ios_base::failure("disk gone"); }

   private:
    std::string head_;
  } buf("[Task]\nCount=3\nTPPosX0=4\n");
  std::istream in(&buf);
  auto fp = blank_plan();
  int nl = 0;
  int ios = 0;
  test::ConsoleCapture console;
  read_fpl(*fp, in, "plan", 1, false, nl, ios);
  EXPECT_EQ(ios, EIO);  // the stream gave no reason of its own
  EXPECT_EQ(nl, 3);
  EXPECT_EQ(fp->nb_wp, 3);
  EXPECT_EQ(fp->tpx(0), 4.0f);
}

}  // namespace
}  // namespace tarvel
