// Whole runs of the built program with WINEPREFIX unset: the prefix that
// holds Condor 3 is looked for in the fixture's home folder (its root), as
// game managers lay prefixes out; several are chosen from in the folder
// dialog (stand-in zenity) or listed on the console; none, or a WINEPREFIX
// without Condor 3, ends the run saying where the program looked.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "install/install_fixture.h"
#include "support/stubbed_run.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using test::contains;
using test::names_in;
using Installation = test::StubbedInstallation;

const std::map<std::string, std::string> kNoWineprefix = {{"WINEPREFIX", ""}};

// Another prefix below the fixture's home: drive_c and a user.reg that
// registers Condor 3 (or not).
void other_prefix(const test::ProgramFixture& fx, const std::string& rel, bool condor3 = true) {
  fs::create_directories(fx.root() / rel / "drive_c");
  std::string reg(test::kUserRegHead);
  if (condor3) reg += test::reg_key("Software\\Condor3", {{"InstallDir", "C:\\Condor3"}});
  fx.write(fx.root() / rel / "user.reg", reg);
}

// The fixture plan converted the usual way, WINEPREFIX naming the prefix.
std::string reference_output() {
  test::ProgramFixture fx;
  fx.run({"-auto", "-l:Brenvale3", fx.win(fx.plan("Task.fpl", test::condor2_plan()))});
  return fx.output("Task_V3.fpl");
}

// The last lines of a log, as one text.
bool ends_with(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(WinePrefixRun, ConvertsFromABottlesAProtonAndALutrisHome) {
  struct Case {
    const char* what;
    const char* prefix;
    void (*more)(const test::ProgramFixture&);
    const char* lang;
    const char* log_line;  // before the prefix's path, UTF-8
    const char* found;     // the path the log names, when not the prefix's own
  };
  const Case cases[] = {
      {"Bottles", ".local/share/bottles/bottles/Condor-3", [](const test::ProgramFixture&) {}, "C",
       "Wine prefix: ", nullptr},
      {"Proton, ~/.steam/steam a link to ~/.local/share/Steam",
       ".local/share/Steam/steamapps/compatdata/2204510/pfx",
       [](const test::ProgramFixture& fx) {
         fs::create_directories(fx.root() / ".steam");
         fs::create_directory_symlink(fx.root() / ".local/share/Steam", fx.root() / ".steam/steam");
       },
       "C", "Wine prefix: ", ".steam/steam/steamapps/compatdata/2204510/pfx"},
      {"Bottles among a link loop, a dangling link, a FIFO and a folder as user.reg and an "
       "unreadable prefix",
       ".local/share/bottles/bottles/Condor-3",
       [](const test::ProgramFixture& fx) {
         fs::create_directories(fx.root() / "Games");
         fs::create_directory_symlink(fx.root() / "Games", fx.root() / "Games/loop");
         fs::create_directory_symlink(fx.root() / "nowhere", fx.root() / "Games/dangling");
         fs::create_directories(fx.root() / "Games/fifo/drive_c");
         ::mkfifo((fx.root() / "Games/fifo/user.reg").c_str(), 0600);
         fs::create_directories(fx.root() / "Games/folder/user.reg");
         fs::create_directories(fx.root() / "Games/folder/drive_c");
         other_prefix(fx, "Games/locked", false);
         fs::permissions(fx.root() / "Games/locked", fs::perms::none);
       },
       "C", "Wine prefix: ", nullptr},
      {"Lutris, ~/.wine without Condor 3, in French", "Games/condor3",
       [](const test::ProgramFixture& fx) { other_prefix(fx, ".wine", false); }, "fr_FR.UTF-8",
       "Pr\xc3\xa9"
       "fixe Wine : ",
       nullptr},
  };
  const std::string expected = reference_output();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::ProgramFixture fx(c.prefix);
    c.more(fx);
    const std::string plan = fx.win(fx.plan("Task.fpl", test::condor2_plan()));
    std::map<std::string, std::string> env = kNoWineprefix;
    env["LANG"] = c.lang;
    const auto r = fx.run({"-auto", "-l:Brenvale3", plan}, env);
    std::error_code ec;  // so that the fixture can be removed
    fs::permissions(fx.root() / "Games/locked", fs::perms::owner_all, ec);
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(fx.output("Task_V3.fpl"), expected);
    // A prefix is named by the first home that reaches it.
    const std::string found = (c.found != nullptr ? fx.root() / c.found : fx.prefix()).string();
    const std::string line = std::string(c.log_line) + found + "\n";
    EXPECT_TRUE(contains(fx.log(), "\n" + line + "Condor 2 install path: C:\\Condor2\n"))
        << fx.log();
    EXPECT_TRUE(contains(r.out, "\n >>> " + line)) << r.out;
  }
}

TEST(WinePrefixRun, SeveralPrefixesWithoutADisplayEndTheRunWithTheList) {
  struct Case {
    const char* lang;
    int others;  // prefixes with Condor 3 besides the fixture's
    std::string head;
    std::string more;
    std::string how;
  };
  const Case cases[] = {
      {"C", 1, "*** Several Wine prefixes hold Condor 3 ***", "",
       "Choose one: WINEPREFIX=/path/to/prefix TARVEL ..."},
      {"fr_FR.UTF-8", 1,
       "*** Plusieurs pr\xc3\xa9"
       "fixes Wine contiennent Condor 3 ***",
       "", "Choisissez-en un : WINEPREFIX=/chemin/du/prefixe TARVEL ..."},
      {"C", 11, "*** Several Wine prefixes hold Condor 3 ***", "(and 2 more)\n",
       "Choose one: WINEPREFIX=/path/to/prefix TARVEL ..."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.lang) + " " + std::to_string(c.others));
    test::ProgramFixture fx(".local/share/wineprefixes/condor3");
    std::string list = fx.prefix().string() + "\n";
    for (int i = 0; i < c.others; ++i) {
      const std::string rel = "Games/g" + std::to_string(10 + i);
      other_prefix(fx, rel);
      if (i < 9) list += (fx.root() / rel).string() + "\n";
    }
    std::map<std::string, std::string> env = kNoWineprefix;
    env["LANG"] = c.lang;
    const auto r =
        fx.run({"-auto", "-l:Brenvale3", fx.win(fx.plan("Task.fpl", test::condor2_plan()))}, env);
    ASSERT_EQ(r.exit_status, 0) << r.err;
    const std::string message = c.head + "\n" + list + c.more + c.how + "\n";
    EXPECT_TRUE(ends_with(fx.log(), message)) << fx.log();
    EXPECT_TRUE(contains(r.out, "*** TARVEL ***\n" + message)) << r.out;  // the console's box
    EXPECT_FALSE(contains(r.out, "INFILE"));
    EXPECT_EQ(names_in(fx.c3_plans()), std::vector<std::string>{});
  }
}

TEST(WinePrefixRun, SeveralPrefixesWithADisplayAreChosenFromInTheFolderDialog) {
  const std::string caption = "TARVEL : Select the Wine prefix of Condor 3 (several hold it)";
  {
    SCOPED_TRACE("chosen");
    Installation in{test::ProgramFixture(".local/share/bottles/bottles/Condor3")};
    other_prefix(in.fx, "Games/condor3");
    in.zenity.answers({in.fx.prefix().string()});
    const auto r = in.run({"-auto", "-l:Brenvale3", in.plan("Task.fpl")}, kNoWineprefix);
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(in.zenity.transcript(),
              std::vector<std::string>{"folder " + caption + " " +
                                       (in.fx.root() / "Games/condor3").string() + "/"});
    EXPECT_EQ(in.fx.output("Task_V3.fpl"), reference_output());
    EXPECT_TRUE(contains(in.fx.log(), "\nWine prefix: " + in.fx.prefix().string() + "\n"));
  }
  {
    SCOPED_TRACE("cancelled");
    Installation in{test::ProgramFixture(".local/share/bottles/bottles/Condor3")};
    other_prefix(in.fx, "Games/condor3");
    const auto r = in.run({"-auto", "-l:Brenvale3", in.plan("Task.fpl")}, kNoWineprefix);
    ASSERT_EQ(r.exit_status, 0) << r.err;
    EXPECT_EQ(
        in.zenity.transcript(),
        (std::vector<std::string>{
            "folder " + caption + " " + (in.fx.root() / "Games/condor3").string() + "/",
            "error Error: No folder selected", "warning TARVEL: *** No folder selected ***"}));
    EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
  }
}

// Without Condor 3 the run ends before anything else (-help included) with
// the usual message and, on Linux, where the program looked.
TEST(WinePrefixRun, NotFoundSaysWhereTheProgramLooked) {
  const std::string places =
      "~/.wine, ~/.local/share/wineprefixes/*, ~/.PlayOnLinux/wineprefix/*, ~/Games/*, "
      "~/Games/*/*, ~/.local/share/bottles/bottles/*, "
      "~/.var/app/com.usebottles.bottles/data/bottles/bottles/*, "
      "~/.steam/steam/steamapps/compatdata/*/pfx, ~/.local/share/Steam/steamapps/compatdata/*/pfx, "
      "~/.var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/*/pfx";
  const std::string how_en =
      "name the prefix that holds Condor 3: WINEPREFIX=/path/to/prefix TARVEL ...";
  const std::string how_fr =
      "d\xc3\xa9signez le pr\xc3\xa9"
      "fixe qui contient Condor 3 : WINEPREFIX=/chemin/du/prefixe TARVEL ...";
  struct Case {
    const char* what;
    const char* prefix;  // of the fixture, below its home
    bool wineprefix;     // WINEPREFIX names the fixture's prefix
    void (*setup)(Installation&);
    std::string (*english)(const Installation&);
    std::string (*french)(const Installation&);
  };
  const Case cases[] = {
      {"no prefix in the usual homes has Condor 3", "elsewhere/prefix", false,
       [](Installation& in) {
         other_prefix(in.fx, ".wine", false);
         other_prefix(in.fx, "Games/other", false);
       },
       [](const Installation&) { return std::string("No Wine prefix holds Condor 3 in "); },
       [](const Installation&) {
         return std::string(
             "Aucun pr\xc3\xa9"
             "fixe Wine ne contient Condor 3 dans ");
       }},
      {"WINEPREFIX without Condor 3 wins over a Lutris prefix with it", "prefix", true,
       [](Installation& in) {
         in.fx.condor3_dir.clear();
         other_prefix(in.fx, "Games/condor3");
       },
       [](const Installation& in) {
         return "Looked in the Wine prefix named by WINEPREFIX (" + in.fx.prefix().string() + "); ";
       },
       [](const Installation& in) {
         return "Cherch\xc3\xa9 dans le pr\xc3\xa9"
                "fixe Wine d\xc3\xa9sign\xc3\xa9 par WINEPREFIX (" +
                in.fx.prefix().string() + ") ; ";
       }},
      {"the prefix found names a folder without Condor.exe", "Games/condor3", false,
       [](Installation& in) { fs::remove(in.fx.drive_c() / "Condor3" / "Condor.exe"); },
       [](const Installation& in) {
         return "Looked in the Wine prefix " + in.fx.prefix().string() + "; ";
       },
       [](const Installation& in) {
         return "Cherch\xc3\xa9 dans le pr\xc3\xa9"
                "fixe Wine " +
                in.fx.prefix().string() + " ; ";
       }},
  };
  for (const Case& c : cases) {
    for (const bool french : {false, true}) {
      SCOPED_TRACE(std::string(c.what) + (french ? " (French)" : " (English)"));
      Installation in{test::ProgramFixture(c.prefix)};
      c.setup(in);
      std::map<std::string, std::string> env = {{"LANG", french ? "fr_FR.UTF-8" : "en_GB.UTF-8"}};
      if (!c.wineprefix) env["WINEPREFIX"] = "";
      const auto r = in.run({"-help", in.plan("Task.fpl")}, env);
      ASSERT_EQ(r.exit_status, 0) << r.err;

      std::string second = french ? c.french(in) : c.english(in);
      if (contains(second, "Condor 3 in") || contains(second, "Condor 3 dans")) {
        second += places + (french ? " ; " : "; ");
      }
      second += french ? how_fr : how_en;
      const std::string text = (french ? "*** Installation de Condor 3 non trouv\xc3\xa9"
                                         "e ***"
                                       : "*** Condor 3 installation not found ***") +
                               std::string("\n") + second;
      EXPECT_EQ(in.zenity.transcript(), std::vector<std::string>{"error TARVEL: " + text});
      EXPECT_TRUE(ends_with(in.fx.log(), text + "\n")) << in.fx.log();
      EXPECT_FALSE(contains(r.out, "-help        : print the syntax"));
      EXPECT_EQ(names_in(in.fx.c3_plans()), std::vector<std::string>{});
    }
  }
}

}  // namespace
}  // namespace tarvel
