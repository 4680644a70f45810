// Whole runs of the built program that take their answers from the dialogs:
// a stand-in zenity records every box and chooser and answers the choosers
// from a script, in call order.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/stubbed_run.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using test::backslashed;
using test::contains;
using test::names_in;
using test::value_of;
using Installation = test::StubbedInstallation;
using Answers = std::vector<std::optional<std::string>>;

const char* const kCancelledFile = "error Error: No file selected";
const char* const kCancelledFolder = "error Error: No folder selected";

// Where the choosers open, as zenity is told: POSIX paths through the drive.
std::string on_drive_c(const Installation& in, const std::string& rest) {
  return (in.fx.prefix() / "dosdevices" / "c:").string() + "/" + rest;
}

// The bytes a command-line run gives for the fixture plan on `landscape`.
std::string converted_elsewhere(const std::string& landscape) {
  Installation other;
  other.run({"-auto", "-l:" + landscape, other.plan("Task.fpl")});
  return other.fx.output("Task_V3.fpl");
}

TEST(DialogRun, WithoutArgumentsThePlansComeFromTheOpenDialog) {
  Installation in;
  in.fx.settings("Landscape=Brenvale3\nDefault_output_files=1\n");
  const std::string plans = in.fx.c2_plans().string();
  for (const char* name : {"A.fpl", "B.fpl", "C.fpl"}) in.plan(name);
  in.zenity.answers({plans + "/C.fpl|" + plans + "/A.fpl|" + plans + "/B.fpl"});
  const auto r = in.run({});
  ASSERT_EQ(r.exit_status, 0);

  EXPECT_EQ(in.zenity.calls(),
            (std::vector<std::vector<std::string>>{
                {"--file-selection", "--title=TARVEL : Select V2 flight plan", "--multiple",
                 "--separator=|",
                 "--filename=" + on_drive_c(in, "users/ann/Documents/Condor/FlightPlans/"),
                 "--file-filter=*.fpl"}}));
  EXPECT_TRUE(contains(r.out, "\n C:\\users\\ann\\Documents\\Condor\\FlightPlans\\*.fpl\n"))
      << r.out;
  // Converted in the order of the returned list.
  const std::string win_plans = backslashed(in.fx.c2_plans());
  std::string summaries;
  for (const char* name : {"C", "A", "B"}) {
    summaries += win_plans + "\\" + name + ".fpl converted to " +
                 in.c3(std::string(name) + "_V3.fpl") + "\n";
  }
  const std::string log = in.fx.log();
  EXPECT_EQ(log.substr(log.size() - summaries.size()), summaries) << log;
  const std::string expected = converted_elsewhere("Brenvale3");
  for (const char* name : {"A_V3.fpl", "B_V3.fpl", "C_V3.fpl"}) {
    EXPECT_EQ(in.fx.output(name), expected) << name;
  }
}

TEST(DialogRun, ACancelledPlanSelectionConvertsNothing) {
  Installation in;
  in.fx.settings("Landscape=Brenvale3\n");
  in.plan("A.fpl");
  const auto r = in.run({"-auto"});  // options only: the dialog opens all the same
  ASSERT_EQ(r.exit_status, 0);
  EXPECT_EQ(in.zenity.transcript(),
            (std::vector<std::string>{"open TARVEL : Select V2 flight plan " +
                                          on_drive_c(in, "users/ann/Documents/Condor/FlightPlans/"),
                                      kCancelledFile}));
  EXPECT_FALSE(contains(r.out, "INFILE"));
  EXPECT_FALSE(contains(in.fx.log(), "converted"));
  EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
}

TEST(DialogRun, ABlankLandscapeOptionAsksForTheDestinationOfEachPlan) {
  Installation in;
  in.fx.settings("Landscape=Orlanda\nDefault_output_files=1\n");
  const std::string landscapes = (in.fx.drive_c() / "Condor3" / "Landscapes").string();
  // A folder without and one with a final separator; the third is cancelled.
  in.zenity.answers({landscapes + "/Brenvale3", landscapes + "/Orlanda/"});
  const auto r =
      in.run({"-l:", in.plan("A.fpl"), in.plan("B.fpl"), in.plan("C.fpl"), in.plan("D.fpl")});
  ASSERT_EQ(r.exit_status, 0);

  // Several plans: each title names the plan it asks about.
  const auto ask = [&](const char* plan) {
    return "folder Select Condor 3 destination landscape (" + std::string(plan) + ") " +
           on_drive_c(in, "Condor3/Landscapes/");
  };
  EXPECT_EQ(in.zenity.transcript(),
            (std::vector<std::string>{ask("A.fpl"), ask("B.fpl"), ask("C.fpl"), kCancelledFolder,
                                      "warning TARVEL: *** No landscape selected ***"}));
  EXPECT_EQ(value_of(in.fx.output("A_V3.fpl"), "Landscape"), "Brenvale3");
  EXPECT_EQ(value_of(in.fx.output("B_V3.fpl"), "Landscape"), "Orlanda");
  EXPECT_EQ(in.fx.output("A_V3.fpl"), converted_elsewhere("Brenvale3"));
  EXPECT_EQ(in.fx.output("B_V3.fpl"), converted_elsewhere("Orlanda"));
  EXPECT_EQ(names_in(in.fx.c3_plans()), (std::vector<std::string>{"A_V3.fpl", "B_V3.fpl"}));

  // The chosen folder is used as it came: a final separator gives two in a row.
  const std::string win_landscapes = backslashed(landscapes);
  EXPECT_TRUE(contains(r.out, "\n " + win_landscapes + "\\Brenvale3\\Brenvale3.trn\n")) << r.out;
  EXPECT_TRUE(contains(r.out, "\n " + win_landscapes + "\\Orlanda\\\\Orlanda.air\n"));
  EXPECT_TRUE(contains(r.out, "\n " + win_landscapes + "\\Orlanda\\\\Orlanda.trn\n"));
  EXPECT_TRUE(contains(in.fx.log(), "*** No landscape selected ***\n"));
}

TEST(DialogRun, TheSaveDialogNamesEachOutputAndItsCancelSkipsOnlyThatPlan) {
  Installation in;
  in.fx.settings("Landscape=Brenvale3\n");
  fs::create_directories(in.fx.root() / "Elsewhere");
  in.zenity.answers({(in.fx.root() / "Elsewhere" / "Mine.fpl").string(), std::nullopt,
                     (in.fx.c3_plans() / "Third.fpl").string()});
  const auto r = in.run({in.plan("A.fpl"), in.plan("B.fpl"), in.plan("C.fpl")});
  ASSERT_EQ(r.exit_status, 0);

  const auto save = [&](const char* plan) {
    return "save TARVEL : Select V3 flightplan (" + std::string(plan) + ".fpl) " +
           on_drive_c(in, "users/ann/Documents/Condor3/FlightPlans/") + plan + "_V3.fpl";
  };
  EXPECT_EQ(in.zenity.transcript(),
            (std::vector<std::string>{save("A"), save("B"), kCancelledFile, save("C")}));
  EXPECT_TRUE(contains(r.out, "\n Path " + in.c3("A_V3.fpl") + "\n")) << r.out;

  const std::string mine = test::read_file(in.fx.root() / "Elsewhere" / "Mine.fpl");
  EXPECT_EQ(mine, converted_elsewhere("Brenvale3"));
  EXPECT_EQ(in.fx.output("Third.fpl"), mine);
  EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{"Third.fpl"});
  const std::string log = in.fx.log();
  EXPECT_TRUE(contains(log, in.c2("A.fpl") + " converted to " +
                                backslashed(in.fx.root() / "Elsewhere" / "Mine.fpl") + "\n"))
      << log;
  EXPECT_TRUE(contains(log, in.c2("B.fpl") + " not converted\nCannot be opened:\n")) << log;
  EXPECT_TRUE(contains(
      log, in.c2("C.fpl") + " converted to " + backslashed(in.fx.c3_plans() / "Third.fpl") + "\n"));
}

TEST(DialogRun, AskedDefaultsMayChooseTheLandscapeOfLaterPlans) {
  Installation in;
  // "-d:" names a file that is never read: asking wins.
  in.fx.settings("Defaults=ASK\nDefault_output_files=1\n");
  const fs::path defaults = in.fx.write(in.fx.drive_c() / "Defaults" / "To Orlanda.fpl",
                                        test::crlf("[Task]\nLandscape=Orlanda\n"
                                                   "[GameOptions]\nMaxStartGroundSpeed=150\n"));
  in.zenity.answers({defaults.string(), std::nullopt});
  const auto r = in.run({"-d:C:\\Defaults\\Never.fpl", in.plan("A.fpl"), in.plan("B.fpl")});
  ASSERT_EQ(r.exit_status, 0);

  // No destination dialog: the first plan's defaults named the landscape.
  const std::string ask = "open TARVEL : Select defaults file ";
  EXPECT_EQ(in.zenity.transcript(), (std::vector<std::string>{ask, ask, kCancelledFile}));
  const std::string a = in.fx.output("A_V3.fpl");
  const std::string b = in.fx.output("B_V3.fpl");
  EXPECT_EQ(value_of(a, "Landscape"), "Orlanda");
  EXPECT_EQ(value_of(a, "MaxStartGroundSpeed"), "150");
  EXPECT_EQ(value_of(b, "Landscape"), "Orlanda");
  EXPECT_EQ(value_of(b, "MaxStartGroundSpeed"), "170");
  EXPECT_EQ(b, converted_elsewhere("Orlanda"));
  const std::string log = in.fx.log();
  EXPECT_TRUE(contains(log, in.c2("A.fpl") + " converted to " + in.c3("A_V3.fpl") + " (" +
                                backslashed(defaults) + ")\n"))
      << log;
  EXPECT_TRUE(contains(log, in.c2("B.fpl") + " converted to " + in.c3("B_V3.fpl") + "\n"));
  // The plan's own landscape still finds the Condor 2 terrain.
  EXPECT_TRUE(contains(r.out, "\n C:\\Condor2\\Landscapes\\Brenvale\\Brenvale.trn\n"));
}

TEST(DialogRun, WithoutCondor2TheLandscapesFolderIsAsked) {
  Installation in;
  in.fx.condor2_dir.clear();
  in.zenity.answers({(in.fx.drive_c() / "Condor2" / "Landscapes").string() + "/"});
  const auto r = in.run({"-auto", "-l:Brenvale3", in.plan("Task.fpl")});
  ASSERT_EQ(r.exit_status, 0);
  const auto boxes = in.zenity.transcript();
  ASSERT_FALSE(boxes.empty());
  EXPECT_EQ(boxes.back(), "folder Select Condor 2 Landscapes folder ");
  // The folder's final separator is dropped: one before the landscape name.
  EXPECT_TRUE(contains(r.out, "\n " + backslashed(in.fx.drive_c()) +
                                  "\\Condor2\\Landscapes\\Brenvale\\Brenvale.trn\n"))
      << r.out;
  EXPECT_EQ(in.fx.output("Task_V3.fpl"), converted_elsewhere("Brenvale3"));
}

// A cancelled folder dialog shows its own box, then the program's warning in
// the user's language, and ends the run.
TEST(DialogRun, CancelledFolderDialogsEndTheRunInBothLanguages) {
  struct Case {
    const char* name;
    bool condor2;
    std::vector<std::string> options;
    std::string english;
    std::string french;  // UTF-8
  };
  const Case cases[] = {
      {"the Condor 2 landscapes folder, before -help is read",
       false,
       {"-help"},
       "*** No folder selected ***",
       "*** Pas dossier s\xc3\xa9lectionn\xc3\xa9 ***"},
      {"the destination landscape",
       true,
       {"-auto"},
       "*** No landscape selected ***",
       "*** Pas de sc\xc3\xa8ne s\xc3\xa9lectionn\xc3\xa9"
       "e ***"},
  };
  for (const Case& c : cases) {
    for (const bool french : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (french ? " (French)" : " (English)"));
      Installation in;
      if (!c.condor2) in.fx.condor2_dir.clear();
      std::vector<std::string> args = c.options;
      args.push_back(in.plan("A.fpl"));
      args.push_back(in.plan("B.fpl"));
      const auto r = in.run(args, {{"LANG", french ? "fr_FR.UTF-8" : "en_US.UTF-8"}});
      ASSERT_EQ(r.exit_status, 0);
      const std::string& text = french ? c.french : c.english;
      const auto boxes = in.zenity.transcript();
      ASSERT_GE(boxes.size(), 2u);
      EXPECT_EQ(boxes[boxes.size() - 2], kCancelledFolder);
      EXPECT_EQ(boxes.back(), "warning TARVEL: " + text);
      const std::string log = in.fx.log();
      EXPECT_EQ(log.substr(log.size() - text.size() - 1), text + "\n");
      EXPECT_FALSE(contains(r.out, "-help        : print the syntax"));
      EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
    }
  }
}

// However many plans are chosen, each is converted; a path too long for its
// own field ends the run with a message that names that path alone.
TEST(DialogRun, AThousandPlansChosenAtOnceAreAllConverted) {
  Installation in;
  in.fx.settings("Landscape=Brenvale3\nDefault_output_files=1\n");
  const std::string plan_text = test::condor2_plan();
  const std::string folder = in.fx.c2_plans().string() + "/";
  // Each chosen path is 150 characters long.
  const std::string sub = folder + std::string(150 - folder.size() - 14, 's') + "/";
  std::string list;
  for (int k = 0; k < 1000; ++k) {
    char name[16];
    std::snprintf(name, sizeof name, "Plan_%04d.fpl", k);
    const fs::path plan = in.fx.write(sub + name, plan_text);
    ASSERT_EQ(plan.string().size(), 150u);
    list += plan.string() + "|";
  }
  const std::string too_long = sub + std::string(120, 'z') + ".fpl";
  in.fx.write(too_long, plan_text);
  in.zenity.answers({list + too_long});
  const auto r = in.run({});
  ASSERT_EQ(r.exit_status, 0);

  const std::vector<std::string> outputs = names_in(in.fx.c3_plans());
  ASSERT_EQ(outputs.size(), 1000u);
  EXPECT_EQ(outputs.front(), "Plan_0000_V3.fpl");
  EXPECT_EQ(outputs.back(), "Plan_0999_V3.fpl");
  EXPECT_EQ(in.fx.output("Plan_0999_V3.fpl"), converted_elsewhere("Brenvale3"));
  const std::string log = in.fx.log();
  EXPECT_TRUE(contains(log, backslashed(sub + "Plan_0999.fpl") + " converted to " +
                                in.c3("Plan_0999_V3.fpl") + "\n"));
  const std::string text =
      backslashed(too_long).substr(0, 200) + "\n*** Path longer than 256 characters ***";
  EXPECT_EQ(in.zenity.transcript().back(), "error TARVEL: " + text);
  EXPECT_EQ(log.substr(log.size() - text.size() - 1), text + "\n");
}

// OK on a folder that holds no terrain file of its name (the Landscapes
// folder itself, where the dialog opens) tells so and asks again; a cancel
// then ends the run as ever.
TEST(DialogRun, AFolderThatIsNotALandscapeIsToldAndAskedAgain) {
  for (const bool french : {false, true}) {
    SCOPED_TRACE(french ? "French" : "English");
    Installation in;
    in.fx.settings("Default_output_files=1\n");
    const fs::path landscapes = in.fx.drive_c() / "Condor3" / "Landscapes";
    fs::create_directories(landscapes / "Empty");
    in.zenity.answers({landscapes.string() + "/", (landscapes / "Empty").string(),
                       (landscapes / "Brenvale3").string(), std::nullopt});
    const auto r = in.run({in.plan("A.fpl"), in.plan("B.fpl")},
                          {{"LANG", french ? "fr_FR.UTF-8" : "en_US.UTF-8"}});
    ASSERT_EQ(r.exit_status, 0);

    const auto ask = [&](const char* plan) {
      return "folder Select Condor 3 destination landscape (" + std::string(plan) + ") " +
             on_drive_c(in, "Condor3/Landscapes/");
    };
    const auto not_a_landscape = [&](const fs::path& folder, const char* name) {
      const std::string f = backslashed(folder);
      return french ? "warning TARVEL: Le dossier " + f +
                          " n'est pas une sc\xc3\xa8ne de Condor 3\n(" + name +
                          ".trn introuvable)\nChoisissez le dossier d'une sc\xc3\xa8ne"
                    : "warning TARVEL: The folder " + f + " is not a Condor 3 landscape\n(" + name +
                          ".trn not found)\nChoose the folder of a landscape";
    };
    const std::string no_landscape = french ? "warning TARVEL: *** Pas de sc\xc3\xa8ne "
                                              "s\xc3\xa9lectionn\xc3\xa9"
                                              "e ***"
                                            : "warning TARVEL: *** No landscape selected ***";
    const std::vector<std::string> transcript = in.zenity.transcript();
    ASSERT_EQ(transcript.size(), 8u);
    EXPECT_EQ(transcript[0], ask("A.fpl"));
    EXPECT_EQ(transcript[1], not_a_landscape(landscapes, "Landscapes"));
    EXPECT_EQ(transcript[2], ask("A.fpl"));
    EXPECT_EQ(transcript[3], not_a_landscape(landscapes / "Empty", "Empty"));
    EXPECT_EQ(transcript[4], ask("A.fpl"));
    EXPECT_EQ(transcript[5], ask("B.fpl"));
    EXPECT_EQ(transcript[6], kCancelledFolder);
    EXPECT_EQ(transcript[7], no_landscape);
    EXPECT_EQ(in.fx.output("A_V3.fpl"), converted_elsewhere("Brenvale3"));
    EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{"A_V3.fpl"});
  }
}

// A name typed in the save dialog without an extension is written with
// ".fpl"; one with an extension is kept.
TEST(DialogRun, TheSaveDialogAddsTheExtension) {
  Installation in;
  in.fx.settings("Landscape=Brenvale3\n");
  in.zenity.answers(
      {(in.fx.c3_plans() / "Mon vol").string(), (in.fx.c3_plans() / "Mon vol.2").string()});
  const auto r = in.run({in.plan("A.fpl"), in.plan("B.fpl")});
  ASSERT_EQ(r.exit_status, 0);
  EXPECT_EQ(names_in(in.fx.c3_plans()), (std::vector<std::string>{"Mon vol.2", "Mon vol.fpl"}));
  EXPECT_EQ(in.fx.output("Mon vol.fpl"), converted_elsewhere("Brenvale3"));
  EXPECT_TRUE(contains(in.fx.log(), in.c2("A.fpl") + " converted to " +
                                        backslashed(in.fx.c3_plans() / "Mon vol.fpl") + "\n"));
}

// An answer longer than the 256 characters that hold a path ends the run with
// a message instead of going on with a cut path.
TEST(DialogRun, AnAnswerLongerThanItsFieldEndsTheRun) {
  struct Case {
    const char* name;
    const char* settings;
    std::vector<std::string> args;  // the plan is added when `plan_argument`
    bool plan_argument;
    bool condor2 = true;  // installed; else its landscapes folder is asked first
  };
  const std::string long_path = "/" + std::string(150, 'x') + "/" + std::string(148, 'y') + ".fpl";
  const Case cases[] = {
      {"a plan from the open dialog", "Landscape=Brenvale3\nDefault_output_files=1\n", {}, false},
      {"the destination folder", "Default_output_files=1\n", {}, true},
      {"the save dialog's file", "Landscape=Brenvale3\n", {}, true},
      {"the asked defaults file", "Landscape=Brenvale3\nDefaults=ASK\n", {"-auto"}, true},
      {"the Condor 2 landscapes folder", "Landscape=Brenvale3\n", {"-auto"}, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Installation in;
    in.fx.settings(c.settings);
    if (!c.condor2) in.fx.condor2_dir.clear();
    std::vector<std::string> args = c.args;
    if (c.plan_argument) args.push_back(in.plan("Task.fpl"));
    in.zenity.answers({long_path});
    const auto r = in.run(args);
    ASSERT_EQ(r.exit_status, 0);
    std::string win_path = long_path;
    for (char& ch : win_path) {
      if (ch == '/') ch = '\\';
    }
    const std::string text = win_path.substr(0, 200) + "\n*** Path longer than 256 characters ***";
    const auto boxes = in.zenity.transcript();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), "error TARVEL: " + text);
    const std::string log = in.fx.log();
    EXPECT_EQ(log.substr(log.size() - text.size() - 1), text + "\n");
    EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace tarvel
