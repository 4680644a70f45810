#include "ui/to_gui.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "driver/fatal_message.h"
#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/app_state.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

TEST(ErrorMessage, SlashesBecomeLineBreaksInPlace) {
  struct Case {
    const char* name;
    const char* msg;
    const char* shown;
    const char* left_in_msg;  // the caller's field afterwards (width 12)
  } cases[] = {
      {"three lines", "a/b/c", "a\nb\nc", "a\nb\nc       "},
      {"escaped slash kept", "x\\/y", "x/y", "x/y         "},
      {"leading slash: empty first line", "/start", "\nstart", "\nstart      "},
      {"slash after a kept slash breaks", "x\\//y", "x/\ny", "x/\ny        "},
      {"lone backslash stays", "a\\b/c", "a\\b\nc", "a\\b\nc       "},
      {"two escapes", "\\/\\/", "//", "//          "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingDialogs dialogs;
    FixedText<12> msg(c.msg);
    int kind = s_info;
    error_message(kind, msg, false);
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].title, "TARVEL");
    EXPECT_EQ(dialogs.boxes()[0].text, c.shown);
    EXPECT_EQ(msg.view(), c.left_in_msg);
  }
}

TEST(ErrorMessage, LongTextsAndTitlesAreCut) {
  test::RecordingDialogs dialogs;
  const std::string text(600, 'm');
  const std::string title(70, 't');
  int kind = s_warning;
  error_message_tit(kind, title, text, false);
  error_message_tit(kind, "Title   ", "short   ", false);
  ASSERT_EQ(dialogs.boxes().size(), 2u);
  EXPECT_EQ(dialogs.boxes()[0].text, text.substr(0, 511));
  EXPECT_EQ(dialogs.boxes()[0].title, title.substr(0, 63));
  EXPECT_EQ(dialogs.boxes()[1].text, "short");
  EXPECT_EQ(dialogs.boxes()[1].title, "Title");
}

TEST(ErrorMessage, KindsGiveTheirButtonsAndIconsAndQuestionsTheirAnswer) {
  struct Case {
    const char* name;
    int kind;
    int answer;  // what the user clicks
    int kind_after;
    const char* buttons;  // nullptr: no box
    const char* icon;
  } cases[] = {
      {"info", s_info, 1, s_info, "ok", "info"},
      {"error", s_error, 0, s_error, "ok", "error"},
      {"warning", s_warning, 1, s_warning, "ok", "warning"},
      {"yes/no answered yes", s_yesno, 1, 1, "yesno", "question"},
      {"yes/no answered no", s_yesno, 0, 0, "yesno", "question"},
      {"ok/cancel answered cancel", s_okcancel, 0, 0, "okcancel", "question"},
      {"yes/no/cancel answered no", s_yesnocancel, 2, 2, "yesnocancel", "question"},
      {"unknown kind 7", 7, 1, 7, nullptr, nullptr},
      {"negative kind", -1, 1, -1, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingDialogs dialogs;
    dialogs.box_answers = {c.answer};
    int kind = c.kind;
    error_message_tit(kind, "T", "question?", false);
    EXPECT_EQ(kind, c.kind_after);
    if (c.buttons == nullptr) {
      EXPECT_TRUE(dialogs.calls.empty());
      continue;
    }
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].buttons, c.buttons);
    EXPECT_EQ(dialogs.boxes()[0].icon, c.icon);
  }
}

TEST(ErrorMessage, QlineWritesAConsoleLineInsteadOfABox) {
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  int kind = s_error;
  error_message(kind, "one/two   ", true);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(console.text(), " one\ntwo\n");
}

TEST(FatalMessage, ShowsLogsAndEndsTheRun) {
  test::TempDir dir;
  const auto saved_cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  reset_log_state();
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  int status = -1;
  try {
    fatal_message(s_warning, "TARVEL", "*** No landscape/selected x\\/y ***");
  } catch (const test::RunStopped& stop) {
    status = stop.status;
  }
  const std::string log = test::read_file(dir.path() / "Logfile.txt");
  std::filesystem::current_path(saved_cwd);

  EXPECT_EQ(status, 0);
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(dialogs.boxes()[0].title, "TARVEL");
  EXPECT_EQ(dialogs.boxes()[0].icon, "warning");
  EXPECT_EQ(dialogs.boxes()[0].text, "*** No landscape\nselected x/y ***");
  // The log gets the text as the box left it: the line break splits it, and
  // the kept slash splits it too.
  std::string lines = log;
  std::erase(lines, '\r');
  EXPECT_EQ(lines, "*** No landscape\nselected x\ny ***\n");
}

}  // namespace
}  // namespace tarvel
