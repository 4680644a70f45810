#include "util/log_message.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "util/process_args.h"

namespace tarvel {
namespace {

constexpr const char* kWarning =
    "+ WARNING +-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-";
constexpr const char* kInfo =
    "+ INFO +-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-";
constexpr const char* kError =
    "+ ERROR +-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-";
constexpr const char* kClose =
    "+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-";

LogTime fixed_clock() { return {2024, 1, 2, 3, 4, 5}; }

// Lines of a text, "\r" of Windows line ends dropped; a final line end does
// not start another line.
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      out.push_back(line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) out.push_back(line);
  return out;
}

// Each test runs in a fresh current folder with a fixed clock and program name.
class LogMessage : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    reset_log_state();
    set_log_clock(&fixed_clock);
    set_process_args({"C:\\Tools\\TARVEL.exe"});
  }
  void TearDown() override {
    reset_log_state();
    set_process_args({});
    std::filesystem::current_path(saved_cwd_);
  }
  std::vector<std::string> log_lines(const std::string& name) const {
    return lines_of(test::read_file(dir_.path() / name));
  }

  test::TempDir dir_;
  std::filesystem::path saved_cwd_;
};

TEST_F(LogMessage, CreateNamesTheFileAfterTheProgramAndTheTime) {
  struct Case {
    const char* name;
    const char* arg0;
    const char* file;
  } cases[] = {
      {"full path with extension", "C:\\Tools\\TARVEL.exe", "TARVEL_2024_01_02-03_04_05.log"},
      {"no extension", "TARVEL", "TARVEL_2024_01_02-03_04_05.log"},
      {"several dots: cut at the first", "D:\\x.y\\my.conv.exe", "my_2024_01_02-03_04_05.log"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    set_process_args({c.arg0});
    test::ConsoleCapture console;
    log_command_f("CREATE");
    EXPECT_EQ(log_file_name(), c.file);
    EXPECT_EQ(lines_of(test::read_file(dir_.path() / c.file)),
              (std::vector<std::string>{"2024-01-02 03:04:05", ""}));
    EXPECT_EQ(console.text(), std::string(" >>> CREATE\n CREATE ") + c.file + "           0\n");
  }
}

TEST_F(LogMessage, CreateReplacesAnEarlierFileOfTheSameName) {
  dir_.write("TARVEL_2024_01_02-03_04_05.log", "old run\nold line\n");
  log_command_f("CREATE   ");
  EXPECT_EQ(log_lines("TARVEL_2024_01_02-03_04_05.log"),
            (std::vector<std::string>{"2024-01-02 03:04:05", ""}));
}

TEST_F(LogMessage, CreateWithAName) {
  log_command_f("CREATE    my run.log");
  EXPECT_EQ(log_file_name(), "my run.log");
  log_message_f("hello");
  EXPECT_EQ(log_lines("my run.log"),
            (std::vector<std::string>{"2024-01-02 03:04:05", "", "hello"}));
}

TEST_F(LogMessage, CreateSendNameWritesTheNameBack) {
  FixedText<256> msg("CREATE-SEND-NAME");
  log_command_f(msg);
  EXPECT_EQ(msg, "TARVEL_2024_01_02-03_04_05.log");
  EXPECT_TRUE(std::filesystem::exists(dir_.path() / "TARVEL_2024_01_02-03_04_05.log"));

  // A field narrower than the name gets what fits, nothing beyond it.
  FixedText<20> narrow("CREATE-SEND-NAME");
  log_command_f(narrow);
  EXPECT_EQ(narrow.view(), "TARVEL_2024_01_02-03");

  // Only the exact command sends the name back; anything after it is a name.
  FixedText<300> named("CREATE-SEND-NAME x");
  log_command_f(named);
  EXPECT_EQ(named, "CREATE-SEND-NAME x");
  EXPECT_EQ(log_file_name(), "-SEND-NAME x");
}

TEST_F(LogMessage, MessagesAreSplitFramedAndEchoed) {
  const std::string long_text(1100, 'z');
  struct Case {
    const char* name;
    std::string msg;
    std::vector<std::string> lines;  // on the console after the echo, and in the log
  } cases[] = {
      {"error tag, two lines",
       "{E}first part/second part",
       {kError, "first part", "second part", kClose}},
      {"warning tag", "{W}careful", {kWarning, "careful", kClose}},
      {"info tag", "{I}TARVEL - Version 1.2", {kInfo, "TARVEL - Version 1.2", kClose}},
      {"empty lines between and at the end", "a//b/", {"a", "", "b", ""}},
      {"leading slash", "/x", {"", "x"}},
      {"line feed inside", "line one\nline two", {"line one", "line two"}},
      {"trailing blanks of each piece dropped, leading kept", "  a  /  b  ", {"  a", "  b"}},
      {"third character not }", "{W!abc/d", {"{W!abc", "d"}},
      {"lower-case tag is no tag", "{w}abc", {"{w}abc"}},
      {"tag not at the start", " {E}abc", {" {E}abc"}},
      {"tagged blank text", "{I}     ", {kInfo, " ", kClose}},
      {"blank message", "    ", {" "}},
      {"short message", "ab", {"ab"}},
      {"quoted: one line, slashes kept", "\"C:/dir/a b/\"  ", {"C:/dir/a b/"}},
      {"quoted with a tag", "{E}\"x/y\"", {kError, "x/y", kClose}},
      {"quote only at the start", "\"a/b", {"\"a", "b"}},
      // Only log_command_f opens a log; a message is never taken for it.
      {"a plan named CREATE", "CREATE task.fpl converted to x", {"CREATE task.fpl converted to x"}},
      {"a warning about CREATE_missing.fpl",
       "{W}CREATE_missing.fpl\nFile not found",
       {kWarning, "CREATE_missing.fpl", "File not found", kClose}},
      {"CREATE alone", "CREATE", {"CREATE"}},
      {"text cut at 1024 after the tag",
       "{I}" + long_text,
       {kInfo, long_text.substr(0, 1024), kClose}},
  };
  log_command_f("CREATE");
  std::vector<std::string> all_logged = {"2024-01-02 03:04:05", ""};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ConsoleCapture console;
    log_message_f(c.msg);
    std::vector<std::string> expected_console = lines_of(" >>> " + std::string(trim_right(c.msg)));
    expected_console.insert(expected_console.end(), c.lines.begin(), c.lines.end());
    EXPECT_EQ(lines_of(console.text()), expected_console);
    all_logged.insert(all_logged.end(), c.lines.begin(), c.lines.end());
  }
  // One header, then every message in call order; no other file was made.
  EXPECT_EQ(log_lines("TARVEL_2024_01_02-03_04_05.log"), all_logged);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(LogMessage, BeforeCreateMessagesGoToLogfileTxt) {
  log_message_f("early");
  log_message_f("{I}later");
  EXPECT_EQ(log_lines("Logfile.txt"), (std::vector<std::string>{"early", kInfo, "later", kClose}));
}

TEST_F(LogMessage, BareLinesGoOnlyToTheFile) {
  log_command_f("CREATE");
  test::ConsoleCapture console;
  log_bare_line("projection notice");
  EXPECT_EQ(console.text(), "");
  EXPECT_EQ(log_lines("TARVEL_2024_01_02-03_04_05.log").back(), "projection notice");
}

// The log is UTF-8 in both builds: the program's French texts (Windows-1252)
// are converted, a name already in UTF-8 is kept.
TEST_F(LogMessage, FrenchTextsAndNamesReachTheFileInUtf8) {
  log_command_f("CREATE");
  log_message_f("Pas de dossier s\xe9lectionn\xe9 : \xd0\x97\xd0\xb0.fpl");
  EXPECT_EQ(log_lines("TARVEL_2024_01_02-03_04_05.log").back(),
            "Pas de dossier s\xc3\xa9lectionn\xc3\xa9 : \xd0\x97\xd0\xb0.fpl");
}

TEST_F(LogMessage, AnUnwritableLogStillEchoesOnTheConsole) {
  dir_.write("plain", "a file, not a folder");
  test::ConsoleCapture console;
  log_command_f("CREATE plain\\run.log");
  log_message_f("{E}lost/but shown");
  const std::vector<std::string> lines = lines_of(console.text());
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1].substr(0, 21), " CREATE plain\\run.log");
  EXPECT_NE(lines[1].substr(21), "           0");  // the failed open's status
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()),
            (std::vector<std::string>{kError, "lost", "but shown", kClose}));
}

TEST(ExtractName, NameAfterTheLastBackslashInBothForms) {
  struct Case {
    std::string_view path;
    std::string_view name;
  };
  const Case cases[] = {
      {"C:\\Plans\\Task 1.fpl", "Task 1.fpl"},
      {"Task.fpl", "Task.fpl"},
      {"C:\\Plans\\", ""},
      {"\\\\server\\share\\\xd0\x97.fpl", "\xd0\x97.fpl"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(extract_name(c.path), c.name) << c.path;
    // The field form pads the name with blanks.
    FixedText<16> name("old text here");
    extract_name(FixedText<256>(c.path), name);
    EXPECT_EQ(name.view(), std::string(c.name) + std::string(16 - c.name.size(), ' ')) << c.path;
  }
}

}  // namespace
}  // namespace tarvel
