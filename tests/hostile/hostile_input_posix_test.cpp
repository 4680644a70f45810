// Hostile inputs given to the built program, end to end. Whatever a plan,
// landscape, registry or output folder holds, a run ends in one of three
// defined ways: a conversion, a message and the end of the run, or the plan
// skipped with its "{W}" log warning. Never a signal, a sanitizer report or a
// hang (every run has a time limit), and never a changed existing output when
// the conversion did not complete.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/program_fixture.h"
#include "support/small_disk.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

// The run ended by itself, in time, with `status`, and no sanitizer spoke.
void expect_defined_end(const test::ProgramRun& run, int status = 0) {
  EXPECT_FALSE(run.timed_out) << run.out;
  EXPECT_EQ(run.signal, 0) << run.err;
  EXPECT_EQ(run.exit_status, status) << run.out << run.err;
  EXPECT_EQ(run.err.find("runtime error"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("AddressSanitizer"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("LeakSanitizer"), std::string::npos) << run.err;
}

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string with_lf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

// The plan of the fixture with `block` inserted before its [Weather] section.
std::string plan_with(const std::string& block) {
  return replaced(test::condor2_plan(), "\r\n[Weather]", "\r\n" + block + "\r\n[Weather]");
}

// Converts `plan_text` as Task.fpl with automatic names to Brenvale3.
test::ProgramRun convert(const test::ProgramFixture& fx, const std::string& plan_text) {
  const fs::path plan = fx.plan("Task.fpl", plan_text);
  return fx.run({"-auto", "-l:Brenvale3", fx.win(plan)});
}

// What the fixture's plan, undamaged, converts to.
const std::string& clean_output() {
  static const std::string out = [] {
    test::ProgramFixture fx;
    const auto run = convert(fx, test::condor2_plan());
    EXPECT_EQ(run.exit_status, 0) << run.out << run.err;
    return fx.output("Task_V3.fpl");
  }();
  return out;
}

std::string the_output(const test::ProgramFixture& fx) { return fx.output("Task_V3.fpl"); }
bool no_output(const test::ProgramFixture& fx) {
  return !fs::exists(fx.c3_plans() / "Task_V3.fpl") &&
         !fs::exists(fx.c3_plans() / "Task_V3.fpl.tarvel-tmp");
}

TEST(HostilePlan, FilesThatAreNoPlanEndWithTheVersionMessage) {
  std::string utf16 = "\xff\xfe";
  for (char c : test::condor2_plan()) {
    utf16.push_back(c);
    utf16.push_back('\0');
  }
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"binary garbage and NUL bytes",
       std::string("\x00\x01\xfe\xff[Version]\x00\nCondor version\x00=2300\n\x80\x81", 30) +
           std::string(4096, '\0')},
      {"a single 1 MiB line", std::string(1 << 20, 'A')},
      {"a 1 MiB line holding the version key", "Condor version=2300" + std::string(1 << 20, '0')},
      {"UTF-16 with a byte-order mark", utf16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    const auto run = convert(fx, c.bytes);
    expect_defined_end(run);
    EXPECT_TRUE(contains(fx.log(), "*** FPL not Version 2 ***")) << fx.log();
    EXPECT_TRUE(no_output(fx));
  }
}

// A plan that cannot be read as a file is reported like a missing one.
TEST(HostilePlan, PlanThatIsAFolderOrMissingEndsWithAMessage) {
  for (const bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "a folder" : "missing");
    test::ProgramFixture fx;
    const fs::path plan = fx.c2_plans() / "Task.fpl";
    if (folder) fs::create_directories(plan);
    const auto run = fx.run({"-auto", "-l:Brenvale3", fx.win(plan)});
    expect_defined_end(run);
    EXPECT_TRUE(contains(fx.log(), fx.win(plan) + "\nFile not found")) << fx.log();
    EXPECT_TRUE(no_output(fx));
  }
}

// Damage that leaves every key of the plan readable changes no byte of the
// output.
TEST(HostilePlan, DamageAroundTheKeysChangesNothing) {
  const std::string plan = test::condor2_plan();
  std::string cr_only;
  for (char c : plan) {
    if (c != '\n') cr_only.push_back(c);
  }
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"CR-only line ends", cr_only},
      {"LF-only line ends", with_lf(plan)},
      {"NUL bytes and garbage lines",
       plan_with(std::string("\x01\x02\x03garbage\x00\x00\x7f\r\n\x80\x9f\xff\r\n\x00\x00\x00\r\n"
                             "[\x00Task\r\n=\r\n:\r\n===\r\n",
                             44))},
      {"a UTF-8 byte-order mark", "\xef\xbb\xbf" + plan},
      {"a 1 MiB line", plan_with(std::string(1 << 20, 'x'))},
      {"a 1 MiB line of separators", plan_with(std::string(1 << 20, ','))},
      {"unknown sections and keys", plan_with("[Nonsense]\r\nCountless=99\r\nTP=1\r\nPZ=2\r\n"
                                              "[WeatherZone\r\n[WeatherZone]\r\n[WeatherZonex]")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    expect_defined_end(convert(fx, c.bytes));
    EXPECT_EQ(the_output(fx), clean_output());
  }
}

// Negative and too large indices name no entry of the plan: the lines are
// ignored, whatever key carries them.
TEST(HostilePlan, IndicesOutsideThePlanAreIgnored) {
  std::string block;
  for (const char* key :
       {"TPName", "TPPosX", "TPPosY", "TPPosZ", "TPAirport", "TPSectorType", "TPSectorDirection",
        "TPRadius", "TPAngle", "TPAltitude", "TPWidth", "TPHeight", "TPAzimuth"}) {
    for (const char* index : {"-1", "31", "-2147483648", "2147483647"}) {
      block += std::string(key) + index + "=12345\r\n";
    }
  }
  for (const char* pz : {"PZPos-1X0", "PZPos4X0", "PZPos0X-1", "PZPos0Y11", "PZPos2147483647Y0",
                         "PZPos0X2147483647", "PZBase-1", "PZBase11", "PZTop-1", "PZTop11",
                         "PZPenaltyTimeFactor-1", "PZPenaltyTimeFactor2147483647"}) {
    block += std::string(pz) + "=777\r\n";
  }
  block += "DisabledAirspaces=-1,8193,2147483647,-2147483648\r\n";
  for (const char* zone : {"[WeatherZone-1]", "[WeatherZone17]", "[WeatherZone2147483647]"}) {
    block += std::string(zone) + "\r\nName=Nowhere\r\nWindDir=1\r\nThermalsTemp=99\r\n";
    block += "Polygon0X0=5\r\nPolygon-1X0=5\r\nPolygon17Y0=5\r\nPolygon0X17=5\r\n";
  }
  test::ProgramFixture fx;
  expect_defined_end(convert(fx, plan_with(block)));
  EXPECT_EQ(the_output(fx), clean_output());
}

// An index that does not read as a number keeps the current entry, as any
// number that does not read keeps its field; such a plan still converts.
TEST(HostilePlan, IndicesThatDoNotReadStillConvert) {
  std::string block;
  for (const char* key :
       {"TPName", "TPPosX", "TPRadius", "TPAzimuth", "PZBase", "PZTop", "PZPenaltyTimeFactor"}) {
    for (const char* index : {"abc", "99999999999", "", "1.5", "0x10", "--1"}) {
      block += std::string(key) + index + "=1\r\n";
    }
  }
  block += "PZPosX=1\r\nPZPosabcYdef=2\r\nPZPos=3\r\nPZPos99999999999X99999999999=4\r\n";
  block += "[WeatherZoneabc]\r\n[WeatherZone99999999999]\r\nPolygonX=1\r\nPolygonabcYdef=2\r\n";
  block += "DisabledAirspaces=abc,99999999999,1e3,,,\r\nDisabledAirspaces=\r\n";
  test::ProgramFixture fx;
  expect_defined_end(convert(fx, plan_with(block)));
  EXPECT_TRUE(contains(the_output(fx), "\r\nDisabledAirspaces=0,1,2,3\r\n")) << the_output(fx);
}

TEST(HostilePlan, TurnpointAndPenaltyZoneLimits) {
  struct Case {
    const char* name;
    std::string from;
    std::string to;
    const char* message;  // nullptr: the plan converts
  } cases[] = {
      {"31 turnpoints", "Count=3", "Count=31", nullptr},
      {"32 turnpoints", "Count=3", "Count=32", "TARVEL does not support more than 30 turnpoints"},
      {"2147483647 turnpoints", "Count=3", "Count=2147483647",
       "TARVEL does not support more than 30 turnpoints"},
      {"a negative count", "Count=3", "Count=-5", nullptr},
      {"a count that does not fit", "Count=3", "Count=99999999999", nullptr},
      {"11 penalty zones", "PZCount=1", "PZCount=11", nullptr},
      {"12 penalty zones", "PZCount=1", "PZCount=12",
       "TARVEL does not support more than 11 penalty zones"},
      {"a negative penalty-zone count", "PZCount=1", "PZCount=-2147483648", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    const auto run = convert(fx, replaced(test::condor2_plan(), c.from, c.to));
    expect_defined_end(run);
    if (c.message != nullptr) {
      EXPECT_TRUE(contains(run.out, c.message)) << run.out;
      EXPECT_TRUE(no_output(fx));
    } else {
      EXPECT_TRUE(contains(fx.log(), " converted to ")) << fx.log();
      EXPECT_TRUE(contains(the_output(fx), "\r\nDisabledAirspaces=0,1,2,3\r\n"));
    }
  }
}

// A Condor 3 defaults file names a landscape of 10,000 airspaces and lists
// 10,000 of them, some above the 8192 that a plan can flag.
TEST(HostileDefaults, TenThousandDisabledAirspaces) {
  test::ProgramFixture fx;
  fx.c3_landscape("Vastland", {}, 10000);
  std::string list;
  for (int i = 0; i < 10000; ++i) list += std::to_string(i) + ",";
  list += "8193,9999,2147483647,-1";
  const fs::path defaults = fx.write(fx.root() / "defaults.fpl",
                                     "[Version]\r\nCondor version=3000\r\n[Task]\r\n"
                                     "Landscape=Vastland\r\nPZCount=0\r\nDisabledAirspaces=" +
                                         list + "\r\n");
  const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
  const auto run = fx.run({"-auto", "-d:" + fx.win(defaults), fx.win(plan)});
  expect_defined_end(run);
  std::string expected = "\r\nDisabledAirspaces=";
  for (int i = 0; i <= 8192; ++i) expected += std::to_string(i) + (i < 8192 ? "," : "\r\n");
  const std::string out = the_output(fx);
  EXPECT_TRUE(contains(out, "\r\nLandscape=Vastland\r\n"));
  EXPECT_TRUE(contains(out, expected)) << out.substr(0, 600);
}

TEST(HostileLandscape, TerrainFilesThatCannotBeReadEndWithAMessage) {
  enum class Damage { folder, empty, short35 };
  struct Case {
    const char* name;
    bool condor3;
    Damage damage;
  } cases[] = {
      {"Condor 2 terrain is a folder", false, Damage::folder},
      {"Condor 2 terrain is empty", false, Damage::empty},
      {"Condor 2 terrain has 35 bytes", false, Damage::short35},
      {"Condor 3 terrain is a folder", true, Damage::folder},
      {"Condor 3 terrain is empty", true, Damage::empty},
      {"Condor 3 terrain has 35 bytes", true, Damage::short35},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    const fs::path trn =
        c.condor3 ? fx.drive_c() / "Condor3" / "Landscapes" / "Brenvale3" / "Brenvale3.trn"
                  : fx.drive_c() / "Condor2" / "Landscapes" / "Brenvale" / "Brenvale.trn";
    fs::remove(trn);
    switch (c.damage) {
      case Damage::folder: fs::create_directories(trn); break;
      case Damage::empty: fx.write(trn, ""); break;
      case Damage::short35: fx.write(trn, test::terrain_bytes({}).substr(0, 35)); break;
    }
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    EXPECT_TRUE(contains(fx.log(), fx.win(trn))) << fx.log();
    EXPECT_TRUE(contains(fx.log(), "Unable to initialize coordinate conversion")) << fx.log();
    EXPECT_TRUE(no_output(fx));
  }
}

TEST(HostileLandscape, AirspaceFilesOfAnyShape) {
  const fs::path air = "Condor3/Landscapes/Brenvale3/Brenvale3.air";
  {
    SCOPED_TRACE("1 MiB without line ends");
    test::ProgramFixture fx;
    fx.write(fx.drive_c() / air, "AC" + std::string(1 << 20, 'D'));
    expect_defined_end(convert(fx, test::condor2_plan()));
    EXPECT_TRUE(contains(the_output(fx), "\r\nDisabledAirspaces=0\r\n"));
  }
  {
    SCOPED_TRACE("binary bytes and CR-only lines");
    test::ProgramFixture fx;
    fx.write(fx.drive_c() / air, std::string("AC\0\rAC\n\0AC\nAC\xff\n\n\nAC", 20));
    expect_defined_end(convert(fx, test::condor2_plan()));
    EXPECT_TRUE(contains(the_output(fx), "\r\nDisabledAirspaces=0,1,2\r\n"));
  }
  {
    SCOPED_TRACE("a folder: the error message, then no airspace");
    test::ProgramFixture fx;
    fs::remove(fx.drive_c() / air);
    fs::create_directories(fx.drive_c() / air);
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    EXPECT_TRUE(contains(run.out, "Airspace file : error opening")) << run.out;
    EXPECT_TRUE(contains(fx.log(), " converted to ")) << fx.log();
    EXPECT_TRUE(contains(the_output(fx), "\r\nDisabledAirspaces=\r\n")) << the_output(fx);
  }
}

TEST(HostileRegistry, MalformedUserRegLinesAroundGoodOnes) {
  test::ProgramFixture fx;
  fx.extra_reg = std::string(
      "\n[Software\\\\Broken\n\"Name\"=\"no end\n\"=\"\n\"A\"=str(2):\"\\\n\"B\"=hex:zz\n"
      "\"C\"=\"\\x\"\n\"D\"=\"\\777\\xffffff\"\n[\x00\xff\xfe] 1\n\"\x00\"=\"\x00\"\n@=\"x\"\n"
      "[Software\\\\Condor3] 1\n\"Garbage\"\x01=\"x\"\n\"\"=\"\"\n",
      140);
  expect_defined_end(convert(fx, test::condor2_plan()));
  EXPECT_EQ(the_output(fx), clean_output());
}

TEST(HostileRegistry, InstallationFoldersThatCannotBeReadEndWithAMessage) {
  struct Case {
    const char* name;
    std::string condor3_dir;
    std::string extra_reg;
  } cases[] = {
      {"no Condor 3 key, a key line without its end", "",
       "\n[Software\\\\Condor3\n\"InstallDir\"=\"C:\\\\Condor3\"\n"},
      {"a value without its closing quote", "",
       "\n[Software\\\\Condor3] 1\n\"InstallDir\"=\"C:\\\\Condor3\n"},
      {"a value of another type", "", "\n[Software\\\\Condor3] 1\n\"InstallDir\"=dword:00000003\n"},
      {"a value longer than 255 bytes", "C:\\" + std::string(300, 'd'), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    fx.condor3_dir = c.condor3_dir;
    fx.extra_reg = c.extra_reg;
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    EXPECT_TRUE(contains(fx.log(), "*** Condor 3 installation not found ***")) << fx.log();
    EXPECT_TRUE(no_output(fx));
  }
}

// The whole hive unreadable: a user.reg of other bytes, a folder or a FIFO
// in its place (never waited on), or none at all. Nothing is installed as far
// as the run can tell.
TEST(HostileRegistry, UserRegThatIsNoHiveEndsWithAMessage) {
  enum class Hive { garbage, utf16, folder, fifo, missing };
  struct Case {
    const char* name;
    Hive hive;
  } cases[] = {
      {"binary garbage", Hive::garbage}, {"UTF-16 with a byte-order mark", Hive::utf16},
      {"a folder", Hive::folder},        {"a FIFO nobody writes", Hive::fifo},
      {"no file", Hive::missing},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    // A prefix of its own beside the fixture's, sharing its drive C:.
    const fs::path prefix = fx.root() / "other-prefix";
    fs::create_directories(prefix / "dosdevices");
    fs::create_symlink(fx.drive_c(), prefix / "dosdevices" / "c:");
    std::string utf16 = "\xff\xfe";
    for (char ch : std::string("WINE REGISTRY Version 2\n[Software\\\\Condor3] 1\n")) {
      utf16.push_back(ch);
      utf16.push_back('\0');
    }
    switch (c.hive) {
      case Hive::garbage:
        fx.write(prefix / "user.reg",
                 std::string("\0\x01WINE\xff\n[\n\"\n", 11) + std::string(1 << 20, '['));
        break;
      case Hive::utf16: fx.write(prefix / "user.reg", utf16); break;
      case Hive::folder: fs::create_directories(prefix / "user.reg"); break;
      case Hive::fifo: ASSERT_EQ(::mkfifo((prefix / "user.reg").c_str(), 0600), 0); break;
      case Hive::missing: break;
    }
    const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
    const auto run =
        fx.run({"-auto", "-l:Brenvale3", fx.win(plan)}, {{"WINEPREFIX", prefix.string()}});
    expect_defined_end(run);
    EXPECT_TRUE(contains(fx.log(), "*** Condor 3 installation not found ***")) << fx.log();
    EXPECT_TRUE(no_output(fx));
  }
}

// The settings file is read only for its four keys: any other bytes in it are
// ignored; one that cannot be read as a file ends the run with its log line.
TEST(HostileSettings, SettingsFileOfAnyShape) {
  {
    SCOPED_TRACE("garbage, NUL bytes and a 1 MiB line around the keys");
    test::ProgramFixture fx;
    fx.settings(std::string("\0\0\xff\xfe\r\r=\n:\n#\n", 13) + std::string(1 << 20, '=') +
                "\nLandscape=Brenvale3\r\nDefault_output_files=1\r\n");
    const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
    expect_defined_end(fx.run({fx.win(plan)}));
    EXPECT_EQ(the_output(fx), clean_output());
  }
  {
    // Notepad's "UTF-8 with BOM", for the settings file and the defaults file
    // it names: each file's first line is read.
    SCOPED_TRACE("UTF-8 byte-order marks");
    test::ProgramFixture fx;
    const fs::path defaults = fx.write(fx.root() / "defaults.fpl",
                                       "\xef\xbb\xbf[Version]\r\nCondor version=3000\r\n[Task]\r\n"
                                       "Landscape=Brenvale3\r\n");
    fx.settings(
        "\xef\xbb\xbf"
        "Default_output_files=1\r\nDefaults=" +
        fx.win(defaults) + "\r\n");
    const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
    expect_defined_end(fx.run({fx.win(plan)}));
    EXPECT_EQ(the_output(fx), clean_output());
  }
  {
    SCOPED_TRACE("a folder");
    test::ProgramFixture fx;
    fs::create_directories(fx.program_dir() / "TARVEL.ini");
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    EXPECT_TRUE(contains(fx.log(), "TARVEL.ini : cannot be opened ***")) << fx.log();
    EXPECT_TRUE(no_output(fx));
  }
}

// Without a Condor 3 user folder there is no folder for automatic names: the
// plan is skipped with its warning and nothing is written elsewhere.
TEST(HostileRegistry, DocumentsFolderThatCannotBeFound) {
  struct Case {
    const char* name;
    std::string personal;
    const char* message;  // shown before the conversion, or nullptr
  } cases[] = {
      {"a variable that is not defined", "%NOSUCHVAR%\\Documents",
       "Error getting environment variable"},
      {"a value longer than 255 bytes", "C:\\" + std::string(300, 'p'), nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    fx.personal = c.personal;
    fs::create_directories(fx.work_dir() / "FlightPlans");
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    if (c.message != nullptr) {
      EXPECT_TRUE(contains(run.out, c.message)) << run.out;
    }
    EXPECT_TRUE(contains(fx.log(), "+ WARNING")) << fx.log();
    EXPECT_TRUE(contains(fx.log(), fx.win(fx.c2_plans() / "Task.fpl") + " not converted"))
        << fx.log();
    EXPECT_TRUE(no_output(fx));
    EXPECT_TRUE(fs::is_empty(fx.work_dir() / "FlightPlans"));
  }
}

TEST(HostileOutput, MissingOutputFolderSkipsEveryPlan) {
  test::ProgramFixture fx;
  fs::remove_all(fx.c3_plans());
  const fs::path first = fx.plan("Task.fpl", test::condor2_plan());
  const fs::path second = fx.plan("Other.fpl", test::condor2_plan());
  const auto run = fx.run({"-auto", "-l:Brenvale3", fx.win(first), fx.win(second)});
  expect_defined_end(run);
  const std::string log = fx.log();
  EXPECT_TRUE(contains(log, fx.win(first) + " not converted")) << log;
  EXPECT_TRUE(contains(log, fx.win(second) + " not converted")) << log;
  EXPECT_TRUE(contains(log, "Cannot be opened: ")) << log;
  EXPECT_TRUE(contains(log, "Task_V3.fpl: No such file or directory")) << log;
  EXPECT_FALSE(fs::exists(fx.c3_plans()));
}

TEST(HostileOutput, ReadOnlyExistingOutputIsKept) {
  test::ProgramFixture fx;
  const fs::path out = fx.write(fx.c3_plans() / "Task_V3.fpl", "an older plan, kept\r\n");
  fs::permissions(out, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto run = convert(fx, test::condor2_plan());
  expect_defined_end(run);
  EXPECT_EQ(test::read_file(out), "an older plan, kept\r\n");
  EXPECT_EQ(fs::status(out).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(contains(fx.log(), "not converted")) << fx.log();
  EXPECT_TRUE(contains(fx.log(), "Task_V3.fpl: Permission denied")) << fx.log();
  EXPECT_FALSE(fs::exists(fx.c3_plans() / "Task_V3.fpl.tarvel-tmp"));
}

// A full disk: the plan is written beside the output first, and that write
// fails. The run ends with status 2, the failure shown like any message that
// ends a run (box, log, console) and on the error output; the temporary file
// is gone and the existing output stays as it was.
TEST(HostileOutput, FullDiskKeepsTheExistingOutput) {
  test::ProgramFixture fx;
  fs::remove_all(fx.c3_plans());
  const test::SmallDisk disk(fx.c3_plans());
  if (!disk.mounted()) GTEST_SKIP() << "mounting a small tmpfs is not permitted here (needs root)";
  const fs::path out = fx.write(fx.c3_plans() / "Task_V3.fpl", "an older plan, kept\r\n");
  disk.fill();
  const fs::path later = fx.plan("Later.fpl", test::condor2_plan());
  const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
  const auto run = fx.run({"-auto", "-l:Brenvale3", fx.win(plan), fx.win(later)});
  expect_defined_end(run, 2);
  EXPECT_TRUE(contains(run.err, "No space left on device")) << run.err;
  EXPECT_TRUE(contains(fx.log(), "error writing")) << fx.log();
  EXPECT_TRUE(contains(fx.log(), "No space left on device")) << fx.log();
  EXPECT_TRUE(contains(run.out, "*** TARVEL ***")) << run.out;  // the box, on the console
  EXPECT_EQ(test::read_file(out), "an older plan, kept\r\n");
  EXPECT_FALSE(fs::exists(fx.c3_plans() / "Task_V3.fpl.tarvel-tmp"));
  EXPECT_FALSE(fs::exists(fx.c3_plans() / "Later_V3.fpl"));
}

// Whatever stands at the temporary file's name is never written through: a
// plain file left by a run that was killed is replaced; a link or a second
// name of another file is left alone and another temporary name is taken. The
// output is a plain file holding the plan.
TEST(HostileOutput, WhatStandsAtTheTemporaryNameIsNeverWrittenThrough) {
  struct Row {
    const char* name;
    std::function<void(const fs::path& temp, const fs::path& outside)> make;
    bool stays;  // the thing at the temporary name is still there afterwards
  };
  const Row rows[] = {
      {"a file left by a killed run",
       [](const fs::path& temp, const fs::path&) {
         std::ofstream(temp, std::ios::binary) << "half a plan";
       },
       false},
      {"a link to a file elsewhere",
       [](const fs::path& temp, const fs::path& outside) { fs::create_symlink(outside, temp); },
       true},
      {"a link to nowhere",
       [](const fs::path& temp, const fs::path& outside) {
         fs::create_symlink(outside.parent_path() / "nowhere", temp);
       },
       true},
      {"a second name of a file elsewhere",
       [](const fs::path& temp, const fs::path& outside) { fs::create_hard_link(outside, temp); },
       true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::ProgramFixture fx;
    const fs::path outside = fx.write(fx.root() / "elsewhere" / "keep.txt", "not a plan\n");
    const fs::path temp = fx.c3_plans() / "Task_V3.fpl.tarvel-tmp";
    row.make(temp, outside);
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    EXPECT_EQ(test::read_file(outside), "not a plan\n");
    const fs::path out = fx.c3_plans() / "Task_V3.fpl";
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out)));
    EXPECT_EQ(fs::hard_link_count(out), 1u);
    EXPECT_EQ(the_output(fx), clean_output());
    EXPECT_EQ(fs::exists(fs::symlink_status(temp)), row.stays);
    for (const auto& entry : fs::directory_iterator(fx.c3_plans())) {
      const std::string name = entry.path().filename().string();
      if (entry.path() != temp) {
        EXPECT_EQ(name.find("tarvel-tmp"), std::string::npos) << name;
      }
    }
  }
}

// An output path that is a link to /dev/full is replaced by the plan: the
// link is a name in the destination folder, not a device to write through.
TEST(HostileOutput, OutputLinkedToTheFullDeviceIsReplaced) {
  test::ProgramFixture fx;
  const fs::path out = fx.c3_plans() / "Task_V3.fpl";
  fs::create_symlink("/dev/full", out);
  const auto run = convert(fx, test::condor2_plan());
  expect_defined_end(run);
  EXPECT_FALSE(fs::is_symlink(out));
  EXPECT_EQ(test::read_file(out), clean_output());
  struct stat st {};
  ASSERT_EQ(stat("/dev/full", &st), 0);
  EXPECT_TRUE(S_ISCHR(st.st_mode));
}

// Files whose names hold "tarvel-tmp" in a folder.
std::vector<std::string> temporary_files(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.find("tarvel-tmp") != std::string::npos) found.push_back(name);
  }
  return found;
}

// A console nobody reads (piped into a program that quits, as `| head -1`)
// changes nothing: every plan is converted, the log is whole, status 0.
TEST(HostileConsole, OutputPipeClosedByItsReader) {
  test::ProgramFixture fx;
  const fs::path first = fx.plan("Task.fpl", test::condor2_plan());
  const fs::path second = fx.plan("Other.fpl", test::condor2_plan());
  test::ProgramOptions options;
  options.output_closed = true;
  const auto run = fx.run_with({"-auto", "-l:Brenvale3", fx.win(first), fx.win(second)}, options);
  expect_defined_end(run);
  EXPECT_EQ(the_output(fx), clean_output());
  EXPECT_EQ(fx.output("Other_V3.fpl"), clean_output());
  EXPECT_TRUE(contains(fx.log(), fx.win(second) + " converted to")) << fx.log();
  EXPECT_TRUE(temporary_files(fx.c3_plans()).empty());
}

// Ctrl+C, SIGTERM or SIGHUP at any moment of a batch: the run ends on the
// signal (the user's choice), no temporary file is left, and every output is
// either the old complete plan or the new complete one.
TEST(HostileInterrupt, SignalsDuringABatchLeaveNoTemporaryFile) {
  constexpr int kPlans = 150;
  const std::string old_plan = "an older plan, complete\r\n";
  test::ProgramFixture fx;
  std::vector<std::string> args = {"-auto", "-l:Brenvale3"};
  for (int i = 0; i < kPlans; ++i) {
    args.push_back(fx.win(fx.plan("P" + std::to_string(i) + ".fpl", test::condor2_plan())));
  }
  const int signals[] = {SIGINT, SIGTERM, SIGHUP};
  const int delays_ms[] = {0, 2, 5, 10, 20, 40, 80};
  int interrupted = 0;
  for (int sig : signals) {
    for (int delay : delays_ms) {
      SCOPED_TRACE("signal " + std::to_string(sig) + " after " + std::to_string(delay) + " ms");
      for (int i = 0; i < kPlans; i += 2) {
        fx.write(fx.c3_plans() / ("P" + std::to_string(i) + "_V3.fpl"), old_plan);
      }
      test::ProgramOptions options;
      options.signal_number = sig;
      options.signal_after_ms = delay;
      const auto run = fx.run_with(args, options);
      EXPECT_FALSE(run.timed_out);
      if (run.signal != 0) {
        EXPECT_EQ(run.signal, sig);
        ++interrupted;
      } else {
        EXPECT_EQ(run.exit_status, 0) << run.err;  // done before the signal came
      }
      EXPECT_TRUE(temporary_files(fx.c3_plans()).empty());
      EXPECT_FALSE(fs::exists(fx.program_dir() / "tmp_TMP_tmp_TMP_tmp_TMP_tmp_TMP_tmp.txt"));
      for (const auto& entry : fs::directory_iterator(fx.c3_plans())) {
        const std::string text = test::read_file(entry.path());
        EXPECT_TRUE(text == old_plan || text == clean_output()) << entry.path();
      }
      fs::remove_all(fx.c3_plans());
      fs::create_directories(fx.c3_plans());
    }
  }
  EXPECT_GT(interrupted, 0);  // the signals did come during runs
}

// The start-up probe of the program's folder is created new: a file of that
// name is neither written nor removed, a link of that name is not written
// through, and the probe then takes another name that it removes again.
TEST(HostileProgramFolder, ProbeNameHeldByAFileOrALink) {
  const std::string probe_name = "tmp_TMP_tmp_TMP_tmp_TMP_tmp_TMP_tmp.txt";
  struct Row {
    const char* name;
    bool link;
  };
  const Row rows[] = {{"a file of the user's", false}, {"a link to a file elsewhere", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    test::ProgramFixture fx;
    const fs::path outside = fx.write(fx.root() / "elsewhere" / "keep.txt", "not a probe\n");
    const fs::path probe = fx.program_dir() / probe_name;
    if (row.link) {
      fs::create_symlink(outside, probe);
    } else {
      fx.write(probe, "not a probe\n");
    }
    const auto run = convert(fx, test::condor2_plan());
    expect_defined_end(run);
    EXPECT_EQ(the_output(fx), clean_output());
    EXPECT_EQ(test::read_file(outside), "not a probe\n");
    EXPECT_EQ(test::read_file(probe), "not a probe\n");
    EXPECT_EQ(fs::is_symlink(probe), row.link);
    for (const auto& entry : fs::directory_iterator(fx.program_dir())) {
      const std::string name = entry.path().filename().string();
      if (entry.path() != probe) {
        EXPECT_EQ(name.find("tmp_TMP"), std::string::npos) << name;
      }
    }
  }
}

// Plans whose names begin with "CREATE", given by relative paths: their
// summary and warning lines are logged as they are, and no file but the log
// appears in the working folder.
TEST(HostileLog, PlanNamesThatBeginWithCreate) {
  test::ProgramFixture fx;
  fx.write(fx.work_dir() / "CREATE task.fpl", test::condor2_plan());
  const auto run = fx.run({"-auto", "-l:Brenvale3", "CREATE task.fpl", "CREATE_missing.fpl"});
  expect_defined_end(run);
  const std::string log = fx.log();
  EXPECT_TRUE(contains(log, "CREATE task.fpl converted to ")) << log;
  EXPECT_TRUE(contains(log, "CREATE_missing.fpl\nFile not found")) << log;
  EXPECT_EQ(fx.output("CREATE task_V3.fpl"), clean_output());
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(fx.work_dir())) {
    names.push_back(entry.path().filename().string());
  }
  ASSERT_EQ(names.size(), 2u);
  EXPECT_TRUE(names[0] == "CREATE task.fpl" || names[1] == "CREATE task.fpl");
}

// Started from a folder that cannot be written (the working folder is
// /proc, which not even root can write): the log goes to the program's
// folder and the console says where.
TEST(HostileLog, WorkingFolderThatCannotBeWritten) {
  test::ProgramFixture fx;
  const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
  test::ProgramOptions options;
  options.cwd = "/proc";
  const auto run = fx.run_with({"-auto", "-l:Brenvale3", fx.win(plan)}, options);
  expect_defined_end(run);
  EXPECT_EQ(the_output(fx), clean_output());
  std::string log;
  for (const auto& entry : fs::directory_iterator(fx.program_dir())) {
    if (entry.path().extension() == ".log") log = test::read_file(entry.path());
  }
  EXPECT_TRUE(contains(log, fx.win(plan) + " converted to")) << log;
  EXPECT_TRUE(contains(run.out, "The working folder cannot be written: log file in " +
                                    fx.win(fx.program_dir()) + "\\TARVEL_"))
      << run.out;
}

// A program folder whose path, with the names built in it, does not fit the
// 256-character path field: the run stops at start-up naming the folder and
// the limit, and nothing is created or removed under the cut path (a file
// there holding the cut probe name stays). At the limit the settings file
// beside the program is read and the plan converted.
TEST(HostileProgramFolder, PathTooLongForItsFieldEndsAtStartUp) {
  constexpr std::size_t kLimit = 216;  // 256 minus a backslash and the probe's name
  struct Case {
    const char* name;
    std::size_t length;  // of the folder in the program's form, final backslash included
    const char* lang;
    const char* message;  // nullptr: converted
  } cases[] = {
      {"at the limit", kLimit, "C", nullptr},
      {"one over, English", kLimit + 1, "C", "The path of the program folder "},
      {"far over, French", 600, "fr_FR.UTF-8", "Le chemin du dossier du programme "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    // The program's copy moves to a folder of the wanted length; its old
    // place becomes a link, which the system resolves to the long folder.
    fs::path deep = fx.root();
    std::size_t left = c.length - 1 - deep.string().size();  // "/" + name per folder
    for (; left > 101; left -= left == 102 ? 100 : 101)
      deep /= std::string(left == 102 ? 99 : 100, 'd');
    deep /= std::string(left - 1, 'd');
    ASSERT_EQ(deep.string().size() + 1, c.length);
    fs::create_directories(deep);
    fs::rename(fx.program_dir() / "TARVEL", deep / "TARVEL");
    fs::remove(fx.program_dir());
    fs::create_directory_symlink(deep, fx.program_dir());
    fx.settings("Landscape=Brenvale3\nDefault_output_files=1\n");
    // The probe's path cut to 256 characters.
    const std::string probe = deep.string() + "//tmp_TMP_tmp_TMP_tmp_TMP_tmp_TMP_tmp.txt";
    const std::string cut = probe.substr(0, 256);
    const bool cut_in_name = cut != probe && cut.size() > deep.string().size() + 2;
    if (cut_in_name) fx.write(cut, "a bystander\n");
    const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
    const auto run = fx.run({fx.win(plan)}, {{"LANG", c.lang}});
    expect_defined_end(run);
    if (c.message == nullptr) {
      EXPECT_EQ(the_output(fx), clean_output()) << run.out;
    } else {
      std::string folder = deep.string() + "/";
      std::replace(folder.begin(), folder.end(), '/', '\\');
      if (folder.size() > 300) folder = folder.substr(0, 140);
      EXPECT_TRUE(contains(fx.log(), c.message + folder)) << fx.log();
      EXPECT_TRUE(contains(fx.log(), std::to_string(kLimit))) << fx.log();
      EXPECT_TRUE(no_output(fx));
    }
    if (cut_in_name) {
      EXPECT_EQ(test::read_file(cut), "a bystander\n");
    }
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(deep)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = {"TARVEL", "TARVEL.ini"};
    if (cut_in_name) expected.push_back(fs::path(cut).filename().string());
    EXPECT_EQ(names, expected);
  }
}

// A log file name longer than its field (a program file with a very long
// name) is refused at start-up rather than cut: no file is written in the
// working folder.
TEST(HostileProgramFolder, LogNameTooLongForItsFieldEndsAtStartUp) {
  test::ProgramFixture fx;
  const fs::path program = fx.program_dir() / std::string(240, 'T');
  fs::rename(fx.program_dir() / "TARVEL", program);
  test::ProgramOptions options;
  options.cwd = fx.work_dir();
  options.env = {{"WINEPREFIX", fx.prefix().string()},
                 {"HOME", fx.root().string()},
                 {"DISPLAY", ""},
                 {"LANG", "C"}};
  const auto run = test::run_program(program, {program.string(), "-auto", "x.fpl"}, options);
  expect_defined_end(run);
  EXPECT_TRUE(contains(run.out, "*** Path longer than 256 characters ***")) << run.out;
  EXPECT_TRUE(fs::is_empty(fx.work_dir()));
  EXPECT_TRUE(no_output(fx));
}

// A plan or defaults file whose read fails (here the system's EIO from a file
// that cannot be read, the process's own memory at offset 0; a failure part
// way through is the same status and is tested on an injected stream): the
// plan is skipped with a warning naming the file and the reason; the other
// plans of the run are converted.
TEST(HostilePlan, ReadErrorSkipsThePlanWithTheReason) {
  struct Case {
    const char* name;
    bool defaults_fail;
  } cases[] = {{"the plan", false}, {"the defaults file", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ProgramFixture fx;
    const fs::path bad = fx.c2_plans() / "Broken.fpl";
    fs::create_symlink("/proc/self/mem", bad);
    const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
    const fs::path later = fx.plan("Later.fpl", test::condor2_plan());
    std::vector<std::string> args = {"-auto", "-l:Brenvale3"};
    if (c.defaults_fail) {
      args.push_back("-d:" + fx.win(bad));
      args.push_back(fx.win(plan));
    } else {
      args.push_back(fx.win(bad));
    }
    args.push_back(fx.win(later));
    const auto run = fx.run(args);
    expect_defined_end(run);
    const std::string log = fx.log();
    const fs::path skipped = c.defaults_fail ? plan : bad;
    EXPECT_TRUE(contains(log, "+ WARNING")) << log;
    EXPECT_TRUE(contains(log, fx.win(skipped) + " not converted\nRead error in " + fx.win(bad) +
                                  ": Input-output error"))
        << log;
    EXPECT_FALSE(contains(log, fx.win(skipped) + " converted to")) << log;
    EXPECT_TRUE(no_output(fx));
    EXPECT_FALSE(fs::exists(fx.c3_plans() / "Broken_V3.fpl"));
    if (c.defaults_fail) {
      EXPECT_FALSE(fs::exists(fx.c3_plans() / "Later_V3.fpl"));
    } else {
      EXPECT_EQ(fx.output("Later_V3.fpl"), clean_output());
    }
  }
}

// Names typed in another case than on disk resolve below the prefix as they
// do for the Windows build under Wine; a Unix path stays exact.
TEST(HostilePlan, NamesInAnotherCaseResolveBelowThePrefix) {
  test::ProgramFixture fx;
  const fs::path plan = fx.plan("Task.fpl", test::condor2_plan());
  std::string typed = fx.win(plan);
  typed = replaced(typed, "Documents", "DOCUMENTS");
  typed = replaced(typed, "FlightPlans", "flightplans");
  typed = replaced(typed, "C:\\", "c:\\");
  const auto run = fx.run({"-auto", "-l:brenvale3", typed});
  expect_defined_end(run);
  // The landscape is written as typed, as the Windows build writes it.
  EXPECT_EQ(the_output(fx), replaced(clean_output(), "Landscape=Brenvale3", "Landscape=brenvale3"))
      << run.out;

  std::string unix_path = plan.string();
  unix_path = replaced(unix_path, "Task.fpl", "TASK.FPL");
  const auto exact = fx.run({"-auto", "-l:Brenvale3", unix_path});
  expect_defined_end(exact);
  EXPECT_TRUE(contains(exact.out, "TASK.FPL\nFile not found")) << exact.out;
}

}  // namespace
}  // namespace tarvel
