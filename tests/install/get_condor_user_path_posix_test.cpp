#include <gtest/gtest.h>

#include <string>

#include "install/get_condor_2_path.h"
#include "install/install_fixture.h"
#include "support/recording_dialogs.h"

namespace tarvel {
namespace {

TEST(GetCondorUserPath, DocumentsAndPilotFolders) {
  struct Case {
    const char* what;
    std::optional<std::string> personal;         // the "Personal" value
    std::optional<std::string> process_profile;  // USERPROFILE in the process environment
    std::string selector;                        // "3" or anything else
    bool qpilot;
    int result;
    std::string path;
  };
  const std::string docs = "%USERPROFILE%\\Documents";
  const std::string ann = "C:\\users\\ann\\Documents";
  const Case cases[] = {
      {"Condor 3 user files", docs, std::nullopt, "3", false, 1, ann + "\\Condor3\\"},
      {"Condor 2 user files: no 2 in the folder", docs, std::nullopt, "", false, 1,
       ann + "\\Condor\\"},
      {"Condor 3 pilot", docs, std::nullopt, "3", true, 1, ann + "\\Condor3\\Pilots\\Ann Three"},
      {"Condor 2 pilot", docs, std::nullopt, "2", true, 1, ann + "\\Condor\\Pilots\\Ann Two"},
      {"absolute Documents folder", "D:\\My Docs", std::nullopt, "3", false, 1,
       "D:\\My Docs\\Condor3\\"},
      {"process environment first", docs, "C:\\users\\proc", "3", false, 1,
       "C:\\users\\proc\\Documents\\Condor3\\"},
      {"text before the % dropped", "X:%USERPROFILE%\\Documents", std::nullopt, "3", false, 1,
       ann + "\\Condor3\\"},
      {"closing % missing", "%USERPROFILE\\Documents", std::nullopt, "3", false, 1,
       ann + "\\Condor3\\"},
      {"no backslash after the %: unexpanded", "%USERPROFILE%", std::nullopt, "3", false, 1,
       "%USERPROFILE%\\Condor3\\"},
      {"backslash before the %: unexpanded", "C:\\x\\%USERPROFILE%\\Documents", std::nullopt, "3",
       false, 1, "C:\\x\\%USERPROFILE%\\Documents\\Condor3\\"},
      {"blank Documents folder", "", std::nullopt, "3", false, 0, ""},
      {"no Documents value", std::nullopt, std::nullopt, "3", false, 0, ""},
  };
  for (const Case& c : cases) {
    test::TestPrefix prefix;
    test::ScopedEnv profile("USERPROFILE", c.process_profile);
    std::string reg = test::reg_key("Software\\Condor2", {{"LastPlayer", "Ann Two"}}) +
                      test::reg_key("Software\\Condor3", {{"LastPlayer", "Ann Three"}});
    reg += c.personal ? test::user_folders(*c.personal)
                      : test::reg_key("Volatile Environment", {{"USERPROFILE", "C:\\users\\ann"}});
    prefix.user_reg(reg);
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    FixedText<256> path(c.selector);
    EXPECT_EQ(get_condor_user_path("", false, c.qpilot, true, path), c.result) << c.what;
    EXPECT_EQ(path, c.path) << c.what;
    EXPECT_TRUE(dialogs.boxes().empty()) << c.what;
    if (c.result == 1) {
      EXPECT_NE(console.text().find(" Final Path : " + c.path + "\n"), std::string::npos) << c.what;
    }
  }
}

TEST(GetCondorUserPath, PlayerNameMissingOrTooLong) {
  struct Case {
    const char* what;
    std::optional<std::string> player;
    std::string path;
  };
  const Case cases[] = {
      {"no LastPlayer: the Documents folder itself", std::nullopt, "C:\\users\\ann\\Documents"},
      {"cut at 40 characters", std::string(40, 'p') + "XYZ",
       "C:\\users\\ann\\Documents\\Condor3\\Pilots\\" + std::string(40, 'p')},
  };
  for (const Case& c : cases) {
    test::TestPrefix prefix;
    test::ScopedEnv profile("USERPROFILE", std::nullopt);
    std::string reg = test::user_folders();
    if (c.player) reg += test::reg_key("Software\\Condor3", {{"LastPlayer", *c.player}});
    prefix.user_reg(reg);
    test::ConsoleCapture console;
    FixedText<256> path("3");
    EXPECT_EQ(get_condor_user_path("", false, true, true, path), 1) << c.what;
    EXPECT_EQ(path, c.path) << c.what;
  }
}

TEST(GetCondorUserPath, UndefinedVariableIsAnErrorBox) {
  test::TestPrefix prefix;
  test::ScopedEnv unset("TARVEL_NO_SUCH_VAR", std::nullopt);
  prefix.user_reg(test::user_folders("%TARVEL_NO_SUCH_VAR%\\Documents"));
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  FixedText<256> path("3");
  EXPECT_EQ(get_condor_user_path("", false, false, true, path), 0);
  EXPECT_TRUE(path.is_blank());
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(dialogs.boxes()[0].title, "get_condor_user_path");
  EXPECT_EQ(dialogs.boxes()[0].text, "Error getting environment variable\nTARVEL_NO_SUCH_VAR");
  EXPECT_EQ(dialogs.boxes()[0].icon, "error");
  EXPECT_NE(console.text().find(" folder \\Documents\n ENV TARVEL_NO_SUCH_VAR\n"),
            std::string::npos);
}

// Texts from the registry and the environment can be longer than the
// program's fields: they are cut, never written past the field.
TEST(GetCondorUserPath, LongFoldersAreCutToTheField) {
  test::TestPrefix prefix;
  test::ScopedEnv profile("USERPROFILE", "C:\\" + std::string(500, 'u'));
  prefix.user_reg(test::user_folders("%USERPROFILE%\\" + std::string(240, 'd')));
  test::ConsoleCapture console;
  FixedText<256> path("3");
  EXPECT_EQ(get_condor_user_path("", false, false, true, path), 1);
  EXPECT_EQ(path.view(), ("C:\\" + std::string(500, 'u')).substr(0, 256));
}

TEST(GetCondorUserPath, TraceLinesAndTheFolderGivenByTheCaller) {
  test::TestPrefix prefix;
  test::ConsoleCapture console;
  FixedText<256> path("E:\\Docs");
  EXPECT_EQ(get_condor_user_path("", false, false, false, path), 1);
  EXPECT_EQ(path, "E:\\Docs\\Condor\\");
  EXPECT_EQ(console.text(),
            "\n\n\n\n\n\n\n"
            " get_condor_user_path\n"
            " qconfirm,qpilot,qdocreg F F F\n"
            " E:\\Docs\n"
            " Final Path : E:\\Docs\\Condor\\\n");
}

TEST(GetCondor2Path, ReadsDocumentsFromTheRegistryAndPrintsTheResult) {
  test::TestPrefix prefix;
  test::ScopedEnv profile("USERPROFILE", std::nullopt);
  prefix.user_reg(test::user_folders());
  test::ConsoleCapture console;
  FixedText<256> path("3");
  EXPECT_EQ(get_condor_2_path("", false, false, path), 1);
  EXPECT_EQ(path, "C:\\users\\ann\\Documents\\Condor3\\");
  const std::string& out = console.text();
  EXPECT_NE(out.find(" path %USERPROFILE%\\Documents\n"), std::string::npos);
  EXPECT_NE(out.find(" folder \\Documents\n ENV USERPROFILE\n"), std::string::npos);
  EXPECT_NE(out.find("          22 C:\\users\\ann\\Documents\n"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 35), " get_condor_user_path=           1\n");
}

}  // namespace
}  // namespace tarvel
