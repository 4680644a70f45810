// Whole runs of the built program on a fixture installation, with every
// answer given by the settings file and the command line: the converted
// bytes, the log, the precedence of settings and options, the fatal ends of a
// run in both languages and what happens to an output that cannot be written.
// A stand-in zenity records any box or chooser that the run opens.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/small_disk.h"
#include "support/stubbed_run.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

using test::contains;
using test::names_in;
using test::value_of;
using Installation = test::StubbedInstallation;

// The fixture plan converted to Brenvale3, whose grid origin lies 12 km
// further east and 15 km further south than Brenvale's, in the same zone.
const std::string kTaskV3 = test::crlf(R"([Version]
Condor version=3000
 
[Task]
Landscape=Brenvale3
Count=3
TPName0=Home field
TPPosX0=112250.508
TPPosY0=95120.125
TPPosZ0=300
TPAirport0=1
TPSectorType0=0
TPSectorDirection0=0
TPRadius0=3000
TPAngle0=90
TPAltitude0=1500
TPWidth0=0
TPHeight0=0
TPAzimuth0=0
TPName1=North &lt;peak&gt;
TPPosX1=109999.984
TPPosY1=141499.953
TPPosZ1=1610
TPAirport1=0
TPSectorType1=0
TPSectorDirection1=0
TPRadius1=500
TPAngle1=90
TPAltitude1=1800
TPWidth1=0
TPHeight1=0
TPAzimuth1=90
TPName2=Home field
TPPosX2=112250.508
TPPosY2=95120.125
TPPosZ2=300
TPAirport2=1
TPSectorType2=0
TPSectorDirection2=0
TPRadius2=1500
TPAngle2=360
TPAltitude2=1500
TPWidth2=0
TPHeight2=0
TPAzimuth2=0
PZCount=1
PZPos0X0=121999.992
PZPos0Y0=110000.102
PZPos1X0=126000.461
PZPos1Y0=109999.812
PZPos2X0=126000.523
PZPos2Y0=114500.148
PZPos3X0=122000.008
PZPos3Y0=114500.094
PZBase0=0
PZTop0=1501
PZPenaltyTimeFactor0=2
DisabledAirspaces=0,1,2,3
 
[Weather]
RandomizeWeatherOnEachFlight=0
WZCount=1
 
[WeatherZone0]
Name=Base
PointCount=0
MoveDir=0
MoveSpeed=0
BorderWidth=0
WindDir=250
WindSpeed=4.5
WindUpperSpeed=0
WindDirVariation=0
WindSpeedVariation=0
WindTurbulence=0
ThermalsTemp=18.299988
ThermalsTempVariation=0
ThermalsDew=11
ThermalsStrength=3
ThermalsStrengthVariation=0
ThermalsInversionheight=1800
ThermalsOverdevelopment=0
ThermalsWidth=0
ThermalsWidthVariation=0
ThermalsActivity=0
ThermalsActivityVariation=0
ThermalsTurbulence=0
ThermalsFlatsActivity=0
ThermalsStreeting=0
ThermalsBugs=0
WavesStability=0
WavesMoisture=0
HighCloudsCoverage=0
 
[Plane]
Class=Standard
Name=Trainer
Skin=Default
Water=80
FixedMass=0
CGBias=0
Seat=1
Bugwipers=0
 
[GameOptions]
TaskDate=46210
StartTime=12.5
StartTimeWindow=0
RaceStartDelay=0
AATTime=0
IconsVisibleRange=0
ThermalHelpersRange=0
TurnpointHelpersRange=0
AAT=0
AllowBugwipers=0
AllowPDA=0
AllowRealtimeScoring=0
AllowExternalView=0
AllowPadlockView=0
AllowSmoke=0
AllowPlaneRecovery=0
AllowHeightRecovery=0
AllowMidairCollisionRecovery=0
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
RandSeed=4242
StartType=0
StartHeight=0
BreakProb=0
RopeLength=60
MaxWingLoading=0
MaxTeams=0
AcroFlight=0
 
[Description]
Text=Out and return
Second line
)");

TEST(WholeRun, ConvertsAPlanByteForByteAndReplacesAnOldOutput) {
  Installation in;
  const std::string task = in.plan("Task.fpl");
  in.fx.write(in.fx.c3_plans() / "Task_V3.fpl", "an older conversion");
  const auto r = in.run({"-auto", "-l:Brenvale3", task});
  ASSERT_EQ(r.exit_status, 0) << r.out << r.err;

  const std::string out = in.fx.output("Task_V3.fpl");
  EXPECT_EQ(out, kTaskV3);
  // The same ground under both grids: X = easting origin - easting and
  // Y = northing - northing origin, so each position moves by the origins'
  // difference (+12000, +15000), within what a float latitude holds.
  const struct {
    const char* key;
    double expected;
  } positions[] = {
      {"TPPosX0", 100250.5 + 12000},  {"TPPosY0", 80120.25 + 15000},  {"TPPosX1", 98000.0 + 12000},
      {"TPPosY1", 126500.0 + 15000},  {"PZPos0X0", 110000.0 + 12000}, {"PZPos0Y0", 95000.0 + 15000},
      {"PZPos2X0", 114000.5 + 12000}, {"PZPos2Y0", 99500.25 + 15000},
  };
  for (const auto& p : positions) {
    EXPECT_NEAR(std::atof(value_of(out, p.key).c_str()), p.expected, 0.5) << p.key;
  }

  // The log holds the version, the installations and one summary line.
  const std::string log = in.fx.log();
  EXPECT_EQ(log.substr(log.find("\n\n") + 2),
            "TARVEL - Version 1.2.0.0\n"
            "Condor 2 install path: C:\\Condor2\n"
            "Condor 3 install path: C:\\Condor3\n" +
                task + " converted to " + in.c3("Task_V3.fpl") + "\n");
  EXPECT_TRUE(contains(r.out, "\n INFILE :  " + task + "\n")) << r.out;
  EXPECT_TRUE(contains(r.out,
                       "\n C:\\Condor3\\Landscapes\\Brenvale3\\Brenvale3.air\n"
                       " C:\\Condor2\\Landscapes\\Brenvale\\Brenvale.trn\n"
                       " C:\\Condor3\\Landscapes\\Brenvale3\\Brenvale3.trn\n"))
      << r.out;
  EXPECT_TRUE(contains(r.out,
                       "\n Airspace zones :            4\n"
                       " OUTFILE : " +
                           in.c3("Task_V3.fpl") +
                           "\n"
                           "           0\n"))
      << r.out;
  // Nothing is asked, and no temporary file stays beside the output.
  EXPECT_EQ(in.zenity.transcript(), std::vector<std::string>{});
  EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{"Task_V3.fpl"});
}

TEST(WholeRun, SettingsFileAndOptionsChooseLandscapeDefaultsAndNames) {
  struct Case {
    const char* name;
    const char* settings;
    std::vector<std::string> options;
    const char* landscape;  // of the converted plan
    const char* max_start_speed;
    const char* defaults;  // named in the summary; "" when none
  };
  const std::string fast = "C:\\Defaults\\Fast.fpl";
  const std::string slow = "C:\\Defaults\\Slow.fpl";
  const std::string to_orlanda = "C:\\Defaults\\To Orlanda.fpl";
  const std::string with_fast =
      "Landscape=Brenvale3\nDefaults=" + fast + "\nDefault_output_files=1\n";
  const Case cases[] = {
      {"the settings give landscape and automatic names",
       "Landscape=Orlanda\nDefault_output_files=1\n",
       {},
       "Orlanda",
       "170",
       ""},
      {"-l: wins over the settings",
       "Landscape=Orlanda\nDefault_output_files=1\n",
       {"-l:Brenvale3"},
       "Brenvale3",
       "170",
       ""},
      {"the last -l: wins",
       "Default_output_files=y\n",
       {"-l:Orlanda", "-l:Brenvale3"},
       "Brenvale3",
       "170",
       ""},
      {"-auto switches automatic names on",
       "Landscape=Orlanda\nDefault_output_files=0\n",
       {"-auto"},
       "Orlanda",
       "170",
       ""},
      {"comments, sections, blanks, a colon and the last line",
       "# Landscape=Brenvale3\n[Run]\nLandscape = Brenvale3\nLandscape : Orlanda\n"
       "landscape=Brenvale3\nLandscape=\nDefault_output_files: yes\n",
       {},
       "Orlanda",
       "170",
       ""},
      {"the settings' defaults file", with_fast.c_str(), {}, "Brenvale3", "150", fast.c_str()},
      {"-d: wins over the settings",
       with_fast.c_str(),
       {"-d:" + slow},
       "Brenvale3",
       "140",
       slow.c_str()},
      {"-d: alone removes the defaults file", with_fast.c_str(), {"-d:"}, "Brenvale3", "170", ""},
      {"a landscape in the defaults file wins over -l:",
       "Default_output_files=1\n",
       {"-l:Brenvale3", "-d:" + to_orlanda},
       "Orlanda",
       "170",
       to_orlanda.c_str()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Installation t;
    t.fx.write(t.fx.drive_c() / "Defaults" / "Fast.fpl",
               test::crlf("[GameOptions]\nMaxStartGroundSpeed=150\n"));
    t.fx.write(t.fx.drive_c() / "Defaults" / "Slow.fpl",
               test::crlf("[GameOptions]\nMaxStartGroundSpeed=140\n"));
    t.fx.write(t.fx.drive_c() / "Defaults" / "To Orlanda.fpl",
               test::crlf("[Task]\nLandscape=Orlanda\n"));
    t.fx.settings(c.settings);
    std::vector<std::string> args = c.options;
    args.push_back(t.plan("Task.fpl"));
    const auto r = t.run(args);
    ASSERT_EQ(r.exit_status, 0);

    const std::string out = t.fx.output("Task_V3.fpl");
    EXPECT_EQ(value_of(out, "Landscape"), c.landscape) << r.out;
    EXPECT_EQ(value_of(out, "MaxStartGroundSpeed"), c.max_start_speed);
    std::string summary = args.back() + " converted to " + t.c3("Task_V3.fpl");
    if (*c.defaults != '\0') summary += std::string(" (") + c.defaults + ")";
    EXPECT_TRUE(contains(t.fx.log(), "\n" + summary + "\n")) << t.fx.log();
    EXPECT_EQ(t.zenity.transcript(), std::vector<std::string>{});
  }
}

TEST(WholeRun, SettingsKeepTheirCondor2LandscapesFolder) {
  Installation in;
  // The installation's own folder no longer holds the landscape: only the
  // folder named in the settings (its final backslash dropped) can.
  fs::rename(in.fx.drive_c() / "Condor2" / "Landscapes", in.fx.drive_c() / "My C2 landscapes");
  in.fx.settings("Condor2_Landscapes_Path=C:\\My C2 landscapes\\\n");
  const auto r = in.run({"-auto", "-l:Orlanda", in.plan("Task.fpl")});
  ASSERT_EQ(r.exit_status, 0);
  EXPECT_TRUE(contains(r.out, "\n C:\\My C2 landscapes\\Brenvale\\Brenvale.trn\n")) << r.out;
  EXPECT_EQ(value_of(in.fx.output("Task_V3.fpl"), "Landscape"), "Orlanda");
}

TEST(WholeRun, OutputNamesFollowTheFirstFpl) {
  Installation in;
  struct Case {
    const char* plan;
    const char* output;
  };
  const Case cases[] = {
      {"my.fpl.task.fpl", "my_V3.fpl"},
      {"Ridge.FPL", "Ridge_V3.fpl"},
      {"Notes.txt", "Notes.txt_V3.fpl"},
  };
  std::vector<std::string> args = {"-auto", "-l:Brenvale3"};
  for (const Case& c : cases) args.push_back(in.plan(c.plan));
  const auto r = in.run(args);
  ASSERT_EQ(r.exit_status, 0);
  const std::string log = in.fx.log();
  for (const Case& c : cases) {
    EXPECT_EQ(in.fx.output(c.output), kTaskV3) << c.plan;
    EXPECT_TRUE(contains(log, in.c2(c.plan) + " converted to " + in.c3(c.output) + "\n")) << log;
  }
}

TEST(WholeRun, AnAutomaticOutputPathLongerThanItsFieldEndsTheRun) {
  // The plan's path fits in 256 characters; in the Condor 3 plans folder its
  // name does not, and a cut path would name another file.
  Installation in;
  const std::string name = std::string(220, 'n');
  const std::string plan =
      in.fx.win(in.fx.write(in.fx.drive_c() / "P" / (name + ".fpl"), test::condor2_plan()));
  const auto r = in.run({"-auto", "-l:Brenvale3", plan, in.plan("Later.fpl")});
  ASSERT_EQ(r.exit_status, 0);
  const std::string text =
      (in.c3(name + "_V3.fpl")).substr(0, 200) + "\n*** Path longer than 256 characters ***";
  EXPECT_EQ(in.zenity.transcript(), std::vector<std::string>{"error TARVEL: " + text});
  EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
}

// Widths count bytes of UTF-8: a name in Cyrillic of fewer than 256 letters
// may not fit. It ends the run with the too-long message, never a cut name
// that would name another file.
TEST(WholeRun, ArgumentsLongerThanTheirFieldsEndTheRun) {
  std::string cyrillic;
  for (int i = 0; i < 100; ++i) cyrillic += "\xd0\x96";  // 100 letters, 200 bytes
  struct Case {
    const char* name;
    bool plan_first;  // the long name is a plan argument, not an option
    std::string option;
  };
  for (const Case& c : {Case{"plan", true, ""}, Case{"-d:", false, "-d:"}}) {
    SCOPED_TRACE(c.name);
    Installation in;
    const fs::path folder = in.fx.drive_c() / "P" / cyrillic;
    const std::string file =
        in.fx.win(in.fx.write(folder / (cyrillic + ".fpl"), test::condor2_plan()));
    ASSERT_GT(file.size(), 256u);
    std::vector<std::string> args = {"-auto", "-l:Brenvale3"};
    if (!c.plan_first) args.push_back(c.option + file);
    if (c.plan_first) args.push_back(file);
    args.push_back(in.plan("Later.fpl"));
    const auto r = in.run(args);
    ASSERT_EQ(r.exit_status, 0);
    // Cut before the character that byte 200 falls in.
    const std::string text = file.substr(0, 199) + "\n*** Path longer than 256 characters ***";
    EXPECT_EQ(in.zenity.transcript(), std::vector<std::string>{"error TARVEL: " + text});
    EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
  }
}

TEST(WholeRun, AirspacesBeyondTheFlagsAreLeftOutOfTheList) {
  Installation in;
  // 8200 airspaces: the flags cover airspaces 0 to 8192.
  std::string air;
  for (int i = 0; i < 8200; ++i) air += "AC D\r\nAN Zone\r\n";
  test::Terrain t;
  t.orig_e = 712000.0f;
  t.orig_n = 4985000.0f;
  in.fx.c3_landscape("Crowded", t, 0);
  in.fx.write(in.fx.drive_c() / "Condor3" / "Landscapes" / "Crowded" / "Crowded.air", air);
  const auto r = in.run({"-auto", "-l:Crowded", in.plan("Task.fpl")});
  ASSERT_EQ(r.exit_status, 0);
  std::string list = "0";
  for (int i = 1; i <= 8192; ++i) list.append(",").append(std::to_string(i));
  EXPECT_EQ(value_of(in.fx.output("Task_V3.fpl"), "DisabledAirspaces"), list);
  EXPECT_TRUE(contains(r.out, "\n Airspace zones :         8200\n"));
}

// Each fatal problem shows its box (kind, title "TARVEL", text in the user's
// language), passes the text to the log, ends the run with status 0 and
// converts no later plan.
TEST(WholeRun, FatalProblemsEndTheRunInBothLanguages) {
  struct Case {
    const char* name;
    void (*setup)(Installation&, std::vector<std::string>& args);
    const char* kind;
    std::string english;
    std::string french;  // UTF-8, as the box and the log show it
  };
  const std::string c2_trn = "C:\\Condor2\\Landscapes\\Brenvale\\Brenvale.trn";
  const std::string c3_trn = "C:\\Condor3\\Landscapes\\Brenvale3\\Brenvale3.trn";
  const std::string utm_fr =
      "\nImpossible d'initialiser la conversion de coordonn\xc3\xa9"
      "es";
  const Case cases[] = {
      {"a version 3 plan, after a converted one",
       [](Installation& t, std::vector<std::string>& args) {
         args = {"-auto", "-l:Brenvale3", t.plan("First.fpl"), t.plan("V3.fpl", "Brenvale", 3000)};
       },
       "error", "*** FPL not Version 2 ***", "*** FPL pas en Version 2 ***"},
      {"a missing Condor 2 terrain file",
       [](Installation& t, std::vector<std::string>& args) {
         args = {"-auto", "-l:Brenvale3", t.plan("Lost.fpl", "Nowhere")};
       },
       "error", "C:\\Condor2\\Landscapes\\Nowhere\\Nowhere.trn\nFile not found",
       "C:\\Condor2\\Landscapes\\Nowhere\\Nowhere.trn\nFichier introuvable"},
      {"a missing Condor 3 terrain file",
       [](Installation& t, std::vector<std::string>& args) {
         args = {"-auto", "-l:Atlantis", t.plan("Task.fpl")};
       },
       "error", "C:\\Condor3\\Landscapes\\Atlantis\\Atlantis.trn\nFile not found",
       "C:\\Condor3\\Landscapes\\Atlantis\\Atlantis.trn\nFichier introuvable"},
      {"an unreadable Condor 3 terrain header",
       [](Installation& t, std::vector<std::string>& args) {
         t.fx.write(t.fx.drive_c() / "Condor3/Landscapes/Brenvale3/Brenvale3.trn", "short");
         args = {"-auto", "-l:Brenvale3", t.plan("Task.fpl")};
       },
       "error", c3_trn + "\nUnable to initialize coordinate conversion", c3_trn + utm_fr},
      {"an unreadable Condor 2 terrain header",
       [](Installation& t, std::vector<std::string>& args) {
         t.fx.write(t.fx.drive_c() / "Condor2/Landscapes/Brenvale/Brenvale.trn", "");
         args = {"-auto", "-l:Brenvale3", t.plan("Task.fpl")};
       },
       "error", c2_trn + "\nUnable to initialize coordinate conversion", c2_trn + utm_fr},
      {"a plan file that cannot be opened",
       [](Installation& t, std::vector<std::string>& args) {
         args = {"-auto", "-l:Brenvale3", t.c2("Missing.fpl")};
       },
       "error", "C:\\users\\ann\\Documents\\Condor\\FlightPlans\\Missing.fpl\nFile not found",
       "C:\\users\\ann\\Documents\\Condor\\FlightPlans\\Missing.fpl\nFichier introuvable"},
      {"a defaults file that cannot be opened",
       [](Installation& t, std::vector<std::string>& args) {
         args = {"-auto", "-l:Brenvale3", "-d:C:\\Defaults\\None.fpl", t.plan("Task.fpl")};
       },
       "error", "C:\\Defaults\\None.fpl\nFile not found",
       "C:\\Defaults\\None.fpl\nFichier introuvable"},
  };
  for (const Case& c : cases) {
    for (const bool french : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (french ? " (French)" : " (English)"));
      Installation t;
      std::vector<std::string> args;
      c.setup(t, args);
      args.push_back(t.plan("Later.fpl"));
      const auto r = t.run(args, {{"LANG", french ? "fr_FR.UTF-8" : "en_GB.UTF-8"}});
      ASSERT_EQ(r.exit_status, 0) << r.err;

      const std::string& text = french ? c.french : c.english;
      const auto boxes = t.zenity.transcript();
      ASSERT_FALSE(boxes.empty());
      EXPECT_EQ(boxes.back(), std::string(c.kind) + " TARVEL: " + text);
      const std::string log = t.fx.log();
      EXPECT_EQ(log.substr(log.size() - text.size() - 1), text + "\n") << log;
      EXPECT_FALSE(contains(r.out, "-help        : print the syntax"));
      EXPECT_FALSE(fs::exists(t.fx.c3_plans() / "Later_V3.fpl"));
      EXPECT_FALSE(fs::exists(t.fx.c3_plans() / "Task_V3.fpl"));
    }
  }
}

TEST(WholeRun, TheVersion3StopComesAfterTheEarlierPlanWasWritten) {
  Installation in;
  const auto r = in.run({"-auto", "-l:Brenvale3", in.plan("First.fpl"),
                         in.plan("V3.fpl", "Brenvale", 3000), in.plan("Later.fpl")});
  ASSERT_EQ(r.exit_status, 0);
  EXPECT_EQ(in.fx.output("First_V3.fpl"), kTaskV3);
  EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{"First_V3.fpl"});
  const std::string log = in.fx.log();
  EXPECT_TRUE(contains(log, in.c2("First.fpl") + " converted to " + in.c3("First_V3.fpl") +
                                "\n*** FPL not Version 2 ***\n"))
      << log;
}

TEST(WholeRun, AnOutputThatCannotBeOpenedOrWrittenSkipsOnlyItsPlan) {
  // The frame of a warning in the log.
  std::string open = "+ WARNING ";
  std::string close;
  for (int i = 0; i < 34; ++i) open += "+-";
  for (int i = 0; i < 39; ++i) close += "+-";
  open += "\n";
  close += "\n";
  struct Language {
    const char* lang;
    const char* not_converted;
    const char* cannot_open;
    const char* cannot_write;  // UTF-8
    const char* reason;        // before the system's reason
  };
  const Language languages[] = {
      {"en_GB.UTF-8", " not converted", "Cannot be opened: ", "Cannot be written: ", ": "},
      {"fr_FR.UTF-8", " non converti", "Ouverture impossible : ",
       "\xc3\x89"
       "criture impossible : ",
       " : "},
  };
  for (const Language& l : languages) {
    SCOPED_TRACE(l.lang);
    Installation in;
    // A: a read-only plan is there (kept); B: a folder is in the way (the
    // finished file cannot replace it); C is converted.
    const fs::path a_out = in.fx.write(in.fx.c3_plans() / "A_V3.fpl", "read-only plan");
    fs::permissions(a_out, fs::perms::owner_read | fs::perms::group_read);
    fs::create_directories(in.fx.c3_plans() / "B_V3.fpl" / "inside");
    const auto r =
        in.run({"-auto", "-l:Brenvale3", in.plan("A.fpl"), in.plan("B.fpl"), in.plan("C.fpl")},
               {{"LANG", l.lang}});
    ASSERT_EQ(r.exit_status, 0);

    EXPECT_EQ(test::read_file(a_out), "read-only plan");
    EXPECT_TRUE(fs::is_directory(in.fx.c3_plans() / "B_V3.fpl" / "inside"));
    EXPECT_EQ(in.fx.output("C_V3.fpl"), kTaskV3);
    EXPECT_EQ(names_in(in.fx.c3_plans()),
              (std::vector<std::string>{"A_V3.fpl", "B_V3.fpl", "C_V3.fpl"}));
    const std::string log = in.fx.log();
    EXPECT_TRUE(contains(log, "Condor 3 install path: C:\\Condor3\n" + open + in.c2("A.fpl") +
                                  l.not_converted + "\n" + l.cannot_open + in.c3("A_V3.fpl") +
                                  l.reason + "Permission denied\n" + close + open + in.c2("B.fpl") +
                                  l.not_converted + "\n" + l.cannot_write + in.c3("B_V3.fpl") +
                                  l.reason + "Is a directory\n" + close + in.c2("C.fpl") +
                                  " converted to " + in.c3("C_V3.fpl") + "\n"))
        << log;
  }
}

TEST(WholeRun, OptionsTakeEffectWhereverTheyStand) {
  Installation in;
  // -l: between the plans and -auto after them serve both plans.
  const auto r = in.run({in.plan("A.fpl"), "-l:Orlanda", in.plan("B.fpl"), "-auto"});
  ASSERT_EQ(r.exit_status, 0);
  EXPECT_EQ(value_of(in.fx.output("A_V3.fpl"), "Landscape"), "Orlanda");
  EXPECT_EQ(in.fx.output("A_V3.fpl"), in.fx.output("B_V3.fpl"));
  EXPECT_EQ(in.zenity.transcript(), std::vector<std::string>{});
}

TEST(WholeRun, AFailedWriteEndsWithStatus2AndKeepsTheOldPlan) {
  const std::string temp =
      "C:\\users\\ann\\Documents\\Condor3\\FlightPlans\\Task_V3.fpl.tarvel-tmp";
  struct Language {
    const char* lang;
    std::string report;  // UTF-8, up to the system's reason
  };
  const Language languages[] = {
      {"en_GB.UTF-8", "TARVEL: error writing " + temp + ", line 3: "},
      {"fr_FR.UTF-8",
       "TARVEL : erreur d'\xc3\xa9"
       "criture dans " +
           temp + ", ligne 3 : "},
  };
  for (const Language& l : languages) {
    SCOPED_TRACE(l.lang);
    Installation in;
    // The output folder is a small disk, full.
    const test::SmallDisk disk(in.fx.c3_plans());
    if (!disk.mounted())
      GTEST_SKIP() << "mounting a small tmpfs is not permitted here (needs root)";
    in.fx.write(in.fx.c3_plans() / "Task_V3.fpl", "the plan of an earlier run");
    disk.fill();
    const auto r = in.run({"-auto", "-l:Brenvale3", in.plan("Task.fpl"), in.plan("Later.fpl")},
                          {{"LANG", l.lang}});
    EXPECT_EQ(r.exit_status, 2);
    EXPECT_TRUE(contains(r.err, l.report)) << r.err;
    EXPECT_TRUE(contains(r.err, " (28)\n")) << r.err;
    // Shown like every message that ends a run: a box, the log and its echo.
    const auto boxes = in.zenity.transcript();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().rfind("error TARVEL: " + l.report, 0), 0u) << boxes.back();
    EXPECT_TRUE(contains(in.fx.log(), l.report)) << in.fx.log();
    EXPECT_TRUE(contains(r.out, " >>> " + l.report)) << r.out;
    EXPECT_EQ(in.fx.output("Task_V3.fpl"), "the plan of an earlier run");
    EXPECT_EQ(names_in(in.fx.c3_plans()), (std::vector<std::string>{"Task_V3.fpl", "filler"}));
    EXPECT_FALSE(contains(in.fx.log(), "converted to"));
  }
}

}  // namespace
}  // namespace tarvel
