#include <gtest/gtest.h>

#include <string>

#include "install/get_active_condor_version.h"
#include "install/install_fixture.h"
#include "install/install_paths.h"
#include "support/recording_dialogs.h"

namespace tarvel {
namespace {

using test::CondorSetup;

const std::string kLog2 = "Condor log\nCondor version: 2045\n";
const std::string kLog3 = "Condor log\nCondor version: 3014\n";

TEST(CheckCondorInstall, WhichVersionsCountAsInstalled) {
  struct Case {
    const char* what;
    std::optional<CondorSetup> c2, c3;
    int result;
    int cndrvers;
    bool qc2, qc3;
    std::string_view cndrinstpath;
  };
  const Case cases[] = {
      {"both", CondorSetup{true, true, kLog2, "Ann2"}, CondorSetup{true, true, kLog3, "Ann3"}, 3, 0,
       true, true, "C:\\Condor3"},
      {"only Condor 3", std::nullopt, CondorSetup{true, true, kLog3, "Ann3"}, 3, 3, false, true,
       "C:\\Condor3"},
      {"only Condor 2", CondorSetup{true, true, kLog2, "Ann2"}, std::nullopt, 2, 2, true, false,
       "C:\\Condor2"},
      {"none", std::nullopt, std::nullopt, 0, -7, false, false, ""},
      {"Condor 3 folder without Condor.exe", CondorSetup{true, true, kLog2, "Ann2"},
       CondorSetup{true, false, kLog3, "Ann3"}, 2, 2, true, false, "C:\\Condor2"},
      {"Condor 3 without its log file", std::nullopt, CondorSetup{true, true, std::nullopt, "A"}, 0,
       -7, false, false, ""},
      {"Condor 3 key whose log names Condor 2", std::nullopt, CondorSetup{true, true, kLog2, "A"},
       0, -7, false, false, ""},
      {"Condor 3 folder but no InstallDir value", std::nullopt,
       CondorSetup{false, true, kLog3, "A"}, 0, -7, false, false, ""},
  };
  for (const Case& c : cases) {
    test::TestPrefix prefix;
    test::ScopedEnv no_profile("USERPROFILE", std::nullopt);
    test::RecordingDialogs dialogs;
    std::string reg = test::user_folders();
    if (c.c2) reg += test::condor(prefix, 2, *c.c2);
    if (c.c3) reg += test::condor(prefix, 3, *c.c3);
    prefix.user_reg(reg);
    install_paths().cndrvers = -7;  // left alone when nothing is found

    test::ConsoleCapture console;
    EXPECT_EQ(check_condor_install(""), c.result) << c.what;
    const InstallPaths& ip = install_paths();
    EXPECT_EQ(ip.cndrvers, c.cndrvers) << c.what;
    EXPECT_EQ(ip.qc2, c.qc2) << c.what;
    EXPECT_EQ(ip.qc3, c.qc3) << c.what;
    EXPECT_EQ(ip.cndrinstpath, c.cndrinstpath) << c.what;
    // A missing version is told on the console and in the log, never in a box.
    EXPECT_TRUE(dialogs.boxes().empty()) << c.what;
    for (int v : {2, 3}) {
      const bool found = v == 2 ? c.qc2 : c.qc3;
      const std::string install_line =
          "Condor " + std::to_string(v) + " install path: C:\\Condor" + std::to_string(v);
      EXPECT_EQ(prefix.log().find(install_line) != std::string::npos, found) << c.what << v;
      const bool registered = v == 2 ? c.c2 && c.c2->registered : c.c3 && c.c3->registered;
      const std::string notice =
          "*** Condor" + std::to_string(v) + " installation not detected on this computer ***";
      EXPECT_EQ(prefix.log().find(notice) != std::string::npos, !registered) << c.what << v;
      EXPECT_EQ(console.text().find(notice) != std::string::npos, !registered) << c.what << v;
    }
  }
}

TEST(CheckCondorInstall, BothInstalledFillsEveryFolder) {
  test::TestPrefix prefix;
  test::ScopedEnv no_profile("USERPROFILE", std::nullopt);
  prefix.user_reg(test::user_folders() + test::condor(prefix, 2, {true, true, kLog2, "Ann Two"}) +
                  test::condor(prefix, 3, {true, true, kLog3, "Ann Three"}));
  test::ConsoleCapture console;
  ASSERT_EQ(check_condor_install(""), 3);
  const InstallPaths& ip = install_paths();
  EXPECT_EQ(ip.instpath2, "C:\\Condor2");
  EXPECT_EQ(ip.instpath3, "C:\\Condor3");
  EXPECT_EQ(ip.rootpath2, "C:\\users\\ann\\Documents\\Condor\\");
  EXPECT_EQ(ip.rootpath3, "C:\\users\\ann\\Documents\\Condor3\\");
  EXPECT_EQ(ip.pilpath2, "C:\\users\\ann\\Documents\\Condor\\Pilots\\Ann Two");
  EXPECT_EQ(ip.pilpath3, "C:\\users\\ann\\Documents\\Condor3\\Pilots\\Ann Three");
  EXPECT_EQ(ip.cndrrootpath, ip.rootpath3);
  EXPECT_EQ(ip.cndrpilpath, ip.pilpath3);
  EXPECT_NE(console.text().find(" get_condor_user_path=           1\n"), std::string::npos);
}

// The Condor 3 selector "3" is not a folder: when the Documents folder cannot
// be read, rootpath3 and pilpath3 end up blank, as the Condor 2 fields do.
TEST(CheckCondorInstall, UnreadableDocumentsLeavesTheUserFoldersBlank) {
  test::TestPrefix prefix;
  prefix.user_reg(test::condor(prefix, 2, {true, true, kLog2, "Ann2"}) +
                  test::condor(prefix, 3, {true, true, kLog3, "Ann3"}));
  test::ConsoleCapture console;
  ASSERT_EQ(check_condor_install(""), 3);
  const InstallPaths& ip = install_paths();
  EXPECT_TRUE(ip.rootpath2.is_blank());
  EXPECT_TRUE(ip.pilpath2.is_blank());
  EXPECT_TRUE(ip.rootpath3.is_blank());
  EXPECT_TRUE(ip.pilpath3.is_blank());
  EXPECT_NE(console.text().find(" Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User "
                                "Shell Folders NOT READABLE\n"),
            std::string::npos);
}

}  // namespace
}  // namespace tarvel
