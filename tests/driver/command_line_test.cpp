#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

const char* const kUsage =
    "TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]\n"
    "-help        : print the syntax\n"
    "-auto        : do no ask for output file names\n"
    "-l:LANDSCAPE : Condor3 landscape name that will be used for ALL files\n"
    "-d:DEFAULTS  : path to a file containing default values for ALL files (.fpl format)\n"
    "file(s)      : path(s) to the file(s) to convert\n";

const char* const kFirstUsageLine =
    "TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]\n";

struct Outcome {
  OptionsOutcome outcome;
  RunSettings rs;
  int nb_files = 0;
  std::string console;
};

Outcome run(std::vector<std::string> args, RunSettings rs = RunSettings()) {
  args.insert(args.begin(), "C:\\Tools\\TARVEL.exe");
  Outcome o;
  test::ConsoleCapture cap;
  o.outcome = read_options(args, rs, o.nb_files);
  o.rs = rs;
  o.console = cap.text();
  return o;
}

TEST(CommandLine, HelpPrintsDashesAndUsageAndEnds) {
  const Outcome o = run({"-help", "-x", "plan.fpl"});
  EXPECT_EQ(o.outcome, OptionsOutcome::help_shown);
  EXPECT_EQ(o.console, std::string(64, '-') + "\n" + kUsage);
}

TEST(CommandLine, UnrecognizedOptionsEndTheRun) {
  struct Case {
    const char* arg;
    const char* line;
  };
  const Case cases[] = {
      {"-x", "-x : unrecognized option\n"},
      {"-AUTO", "-AUTO : unrecognized option\n"},
      {"-L:Valley", "-L:Valley : unrecognized option\n"},
      {"-Help", "-Help : unrecognized option\n"},
      {"-", "- : unrecognized option\n"},
  };
  for (const auto& c : cases) {
    const Outcome o = run({c.arg, "a.fpl", "-help"});
    EXPECT_EQ(o.outcome, OptionsOutcome::bad_option) << c.arg;
    EXPECT_EQ(o.console, std::string(c.line) + kFirstUsageLine) << c.arg;
  }
}

TEST(CommandLine, OptionsSetTheSettingsAndLaterOnesWin) {
  RunSettings from_ini;
  from_ini.landname = "IniLand";
  from_ini.deffile = "C:\\ini\\defaults.fpl";
  from_ini.qask = true;

  const Outcome o =
      run({"a.fpl", "-l:First", "b.fpl", "-auto", "-l:Second", "-d:D:\\my defaults.fpl"}, from_ini);
  EXPECT_EQ(o.outcome, OptionsOutcome::go_on);
  EXPECT_EQ(o.nb_files, 2);
  EXPECT_TRUE(o.rs.landname == "Second");
  EXPECT_TRUE(o.rs.deffile == "D:\\my defaults.fpl");
  EXPECT_TRUE(o.rs.qauto_out_names);
  EXPECT_TRUE(o.rs.qask) << "-d: does not clear the request to ask";
  EXPECT_EQ(o.console, "");
}

TEST(CommandLine, EmptyLandscapeAndDefaultsOptionsClearTheSettings) {
  RunSettings from_ini;
  from_ini.landname = "IniLand";
  from_ini.deffile = "C:\\ini\\defaults.fpl";
  const Outcome o = run({"-l:", "-d:"}, from_ini);
  EXPECT_TRUE(o.rs.landname.is_blank());
  EXPECT_TRUE(o.rs.deffile.is_blank());
  EXPECT_EQ(o.nb_files, 0);
}

TEST(CommandLine, WidthsOfArgumentsAndFields) {
  // Values that fill their fields exactly (longer ones end the run with the
  // too-long message; see the whole-run tests).
  const std::string full_land = "-l:" + std::string(64, 'L');
  const std::string full_def = "-d:" + std::string(256, 'D');
  const Outcome o = run({full_land, full_def});
  EXPECT_EQ(o.rs.landname.view(), std::string(64, 'L'));
  EXPECT_EQ(o.rs.deffile.view(), std::string(256, 'D'));

  // A defaults path one longer than its field would be cut to another
  // file's name: the run ends instead. Its message is logged in a folder of
  // the test's own.
  test::TempDir log_dir;
  log_command_f("CREATE " + (log_dir.path() / "run.log").string());
  test::RecordingDialogs dialogs;
  EXPECT_THROW(run({"-d:" + std::string(257, 'D')}), test::RunStopped);
  reset_log_state();
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_NE(dialogs.boxes()[0].text.find("*** Path longer than 256 characters ***"),
            std::string::npos);

  const std::string long_bad = "-" + std::string(299, 'z');
  const Outcome bad = run({long_bad});
  EXPECT_EQ(bad.console,
            "-" + std::string(255, 'z') + " : unrecognized option\n" + kFirstUsageLine);
}

TEST(CommandLine, PlanArgumentsInOrder) {
  const std::vector<std::string> args = {"TARVEL", "-auto",   "one.fpl",
                                         "-l:X",   "two.fpl", std::string(300, 'p')};
  std::string infile;
  ASSERT_TRUE(plan_argument(args, 1, infile));
  EXPECT_EQ(infile, "one.fpl");
  ASSERT_TRUE(plan_argument(args, 2, infile));
  EXPECT_EQ(infile, "two.fpl");
  ASSERT_TRUE(plan_argument(args, 3, infile));
  EXPECT_EQ(infile, std::string(300, 'p'));  // whole: the caller refuses it
  EXPECT_FALSE(plan_argument(args, 4, infile));
}

}  // namespace
}  // namespace tarvel
