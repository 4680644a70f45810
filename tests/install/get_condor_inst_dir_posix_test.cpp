#include <gtest/gtest.h>

#include <string>

#include "install/get_condor_inst_dir.h"
#include "install/install_fixture.h"
#include "install/install_paths.h"
#include "support/recording_dialogs.h"

namespace tarvel {
namespace {

TEST(GetCondorInstDir, VersionFromTheInstallationsLogFile) {
  const std::string filler = "Condor log\nstarted\n";
  struct Case {
    const char* what;
    std::optional<std::string> log;
    int version;
  };
  const Case cases[] = {
      {"line 3", filler + "Condor version: 2045\n", 2},
      {"line 6", filler + "a\nb\nc\nCondor version: 3014\n", 3},
      {"line 7", filler + "a\nb\nc\nd\nCondor version: 3014\n", 0},
      {"no blank after the colon", "Condor version:3014\n", 3},
      {"lower case", "condor version: 3014\n", 0},
      {"Windows line ends", "Condor log\r\nCondor version: 3014\r\n", 3},
      {"no line end at the end of the file", "Condor version: 3999", 3},
      {"first matching line decides", "Condor version: 2045\nCondor version: 3014\n", 2},
      {"not an integer", "Condor version: 3.0.14\nCondor version: 3014\n", 0},
      {"text after the number", "Condor version: 3014 (build 12)\n", 3},
      {"a 300-character line is one line",
       std::string(300, 'x') + "\na\nb\nc\nd\nCondor version: 3014\n", 3},
      {"byte-order mark",
       "\xEF\xBB\xBF"
       "Condor version: 3014\n",
       3},
      {"empty log file", "", 0},
      {"no log file", std::nullopt, 0},
  };
  for (const Case& c : cases) {
    test::TestPrefix prefix;
    prefix.user_reg(test::condor(prefix, 3, {true, true, c.log, std::nullopt}));
    test::ConsoleCapture console;
    FixedText<256> path("old");
    EXPECT_EQ(get_condor_inst_dir(3, path, true), c.version) << c.what;
    EXPECT_EQ(path, "C:\\Condor3") << c.what;
    EXPECT_NE(console.text().find(" C:\\Condor3\n C:\\Condor3\\Logs\\Logfile.txt\n"),
              std::string::npos)
        << c.what;
  }
}

TEST(GetCondorInstDir, RegistryKeyOfEachVersion) {
  test::TestPrefix prefix;
  prefix.drive_c("Condor/Logs/Logfile.txt", "Condor version: 1200\n");
  prefix.drive_c("Condor2/Logs/Logfile.txt", "Condor version: 2045\n");
  prefix.user_reg(test::reg_key("SOFTWARE\\Condor", {{"InstallDir", "C:\\Condor"}}) +
                  test::reg_key("software\\condor2", {{"installdir", "c:\\Condor2"}}));
  test::ConsoleCapture console;
  FixedText<256> path;
  EXPECT_EQ(get_condor_inst_dir(1, path, true), 1);
  EXPECT_EQ(path, "C:\\Condor");
  // -2 with nothing remembered reads the registry as 2 does.
  EXPECT_EQ(get_condor_inst_dir(-2, path, true), 2);
  EXPECT_EQ(path, "c:\\Condor2");
}

TEST(GetCondorInstDir, NotDetectedNoticeGoesToConsoleAndLogOnly) {
  for (bool silent : {false, true}) {
    test::TestPrefix prefix;
    prefix.user_reg(test::reg_key("Software\\Condor2", {{"LastPlayer", "Ann"}}));
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    FixedText<256> path("C:\\Stale");
    EXPECT_EQ(get_condor_inst_dir(2, path, silent), 0);
    EXPECT_TRUE(path.is_blank());
    EXPECT_TRUE(dialogs.boxes().empty());
    // The query status of the missing value, on its own line.
    EXPECT_NE(console.text().find("\n           2\n"), std::string::npos);
    const std::string notice = "*** Condor2 installation not detected on this computer ***";
    EXPECT_EQ(console.text().find(notice) != std::string::npos, !silent);
    EXPECT_EQ(prefix.log().find(notice) != std::string::npos, !silent);
  }
}

TEST(GetCondorInstDir, RememberedFolderAnswersWithoutReading) {
  test::TestPrefix prefix;
  prefix.drive_c("Condor3/Logs/Logfile.txt", "Condor version: 3014\n");
  prefix.user_reg(test::reg_key("Software\\Condor3", {{"InstallDir", "C:\\Condor3"}}));
  install_paths().instpath3 = "C:\\Remembered";
  {
    test::ConsoleCapture console;
    FixedText<256> path;
    EXPECT_EQ(get_condor_inst_dir(-3, path, true), 3);
    EXPECT_EQ(path, "C:\\Remembered");
    EXPECT_EQ(console.text(), "");  // no registry read, no log file read
  }
  // Blank: -3 reads the registry, and the reader's call with instpath3 itself
  // as the output fills it.
  install_paths().instpath3.clear();
  test::ConsoleCapture console;
  EXPECT_EQ(get_condor_inst_dir(-3, install_paths().instpath3, true), 3);
  EXPECT_EQ(install_paths().instpath3, "C:\\Condor3");
  EXPECT_NE(console.text().find("Subkey,name : SOFTWARE\\Condor3\\ InstallDir \n"),
            std::string::npos);
}

}  // namespace
}  // namespace tarvel
