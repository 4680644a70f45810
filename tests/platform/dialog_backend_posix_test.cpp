// The system dialogs outside Windows: a stub "zenity" first on the PATH
// records its arguments and gives the answer the test sets; without a display
// the console takes over.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/scoped_env.h"
#include "support/test_support.h"
#include "ui/display.h"
#include "ui/to_gui.h"

namespace tarvel {
namespace {

using Args = std::vector<std::string>;
using test::ScopedEnv;

// Each call appends its arguments, each ended by NUL, and a record separator.
constexpr const char* kStub =
    "#!/bin/sh\n"
    "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$ZENITY_STUB_LOG\"; done\n"
    "printf '\\036' >> \"$ZENITY_STUB_LOG\"\n"
    "printf '%s' \"$ZENITY_STUB_OUT\"\n"
    "printf '%s' \"$ZENITY_STUB_ERR\" >&2\n"
    "exit \"${ZENITY_STUB_EXIT:-0}\"\n";

// Standard input taken from `fd` while alive.
class ScopedStdin {
 public:
  explicit ScopedStdin(int fd) : saved_(::dup(STDIN_FILENO)) { ::dup2(fd, STDIN_FILENO); }
  ~ScopedStdin() {
    ::dup2(saved_, STDIN_FILENO);
    ::close(saved_);
  }

 private:
  int saved_;
};

class ZenityDialogs : public ::testing::Test {
 protected:
  ZenityDialogs()
      : log_(dir_.path() / "calls"),
        path_(dir_.path().string() + ":" + getenv_or("PATH")),
        env_path_("PATH", path_.c_str()),
        env_display_("DISPLAY", ":99"),
        env_log_("ZENITY_STUB_LOG", log_.c_str()),
        env_lang_("LC_ALL", "en_US.UTF-8") {
    const auto stub = dir_.write("zenity", kStub);
    std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
  }

  static std::string getenv_or(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? v : "";
  }

  // Sets the stub's answer for the following calls.
  void answer(int exit_status, const std::string& out, const std::string& err = "") {
    ::setenv("ZENITY_STUB_EXIT", std::to_string(exit_status).c_str(), 1);
    ::setenv("ZENITY_STUB_OUT", out.c_str(), 1);
    ::setenv("ZENITY_STUB_ERR", err.c_str(), 1);
  }

  // The arguments of every call so far; the record is emptied.
  std::vector<Args> calls() {
    std::vector<Args> out;
    if (!std::filesystem::exists(log_)) return out;
    const std::string text = test::read_file(log_);
    std::filesystem::remove(log_);
    Args args;
    std::string arg;
    for (char c : text) {
      if (c == '\036') {
        out.push_back(args);
        args.clear();
      } else if (c == '\0') {
        args.push_back(arg);
        arg.clear();
      } else {
        arg.push_back(c);
      }
    }
    return out;
  }

  test::TempDir dir_;
  std::string log_;
  std::string path_;
  ScopedEnv env_path_, env_display_, env_log_, env_lang_;
  ScopedEnv env_exit_{"ZENITY_STUB_EXIT", nullptr}, env_out_{"ZENITY_STUB_OUT", nullptr},
      env_err_{"ZENITY_STUB_ERR", nullptr};
  test::ConsoleCapture console_;
};

TEST_F(ZenityDialogs, OpenWithMultipleSelectionJoinsTheFullPaths) {
  answer(0, "/home/u/fp/a.fpl|/home/u/fp/b c.fpl\n");
  std::string file;
  int len = 0;
  EXPECT_EQ(GetFileName(file, "TARVEL : Select V2 flight plan", "\\home\\u\\fp\\*.fpl",
                        "*.fpl,*.FPL", "", 1, len),
            1);
  EXPECT_EQ(file, "\\home\\u\\fp\\a.fpl|\\home\\u\\fp\\b c.fpl");
  EXPECT_EQ(len, static_cast<int>(file.size()));
  EXPECT_EQ(calls(),
            (std::vector<Args>{{"--file-selection", "--title=TARVEL : Select V2 flight plan",
                                "--multiple", "--separator=|", "--filename=/home/u/fp/",
                                "--file-filter=*.fpl *.FPL"}}));
}

TEST_F(ZenityDialogs, CancelledChoosersReturnNothingAndShowTheCancelBox) {
  answer(1, "");
  std::string file = "kept";
  int len = 9;
  EXPECT_EQ(GetFileName(file, "Open", "", "*.fpl", "", 0, len), 0);
  EXPECT_EQ(len, 0);
  EXPECT_EQ(file, "kept");
  EXPECT_EQ(SaveFileName(file, "Save", "\\out\\T_V3.fpl", "*.fpl", "", len), 0);
  {
    ScopedEnv french("LC_ALL", "fr_FR.UTF-8");
    EXPECT_EQ(GetFileName(file, "Ouvrir", "", "", "", 0, len), 0);
  }
  std::string folder = "kept";
  EXPECT_EQ(GetFolder("Select", "", len, folder), 1);
  EXPECT_EQ(folder, "kept");

  const Args no_file = {"--error", "--title=Error", "--text=No file selected", "--no-markup"};
  EXPECT_EQ(calls(), (std::vector<Args>{
                         {"--file-selection", "--title=Open", "--file-filter=*.fpl"},
                         no_file,
                         {"--file-selection", "--save", "--confirm-overwrite", "--title=Save",
                          "--filename=/out/T_V3.fpl", "--file-filter=*.fpl"},
                         no_file,
                         {"--file-selection", "--title=Ouvrir"},
                         {"--error", "--title=Error",
                          "--text=Aucun fichier sp\xc3\xa9"
                          "cifi\xc3\xa9",
                          "--no-markup"},
                         {"--file-selection", "--directory", "--title=Select"},
                         {"--error", "--title=Error", "--text=No folder selected", "--no-markup"},
                     }));
}

TEST_F(ZenityDialogs, FolderAndSaveAnswers) {
  answer(0, "/data/Landscapes\n");
  std::string folder;
  int len = 0;
  EXPECT_EQ(GetFolder("Select Condor 3 destination landscape", "\\data\\start", len, folder), 0);
  EXPECT_EQ(folder, "\\data\\Landscapes");
  EXPECT_EQ(len, 16);

  answer(0, "/out/Task1_V3.fpl\n");
  std::string file;
  EXPECT_EQ(SaveFileName(file, "Save", "\\out\\Task1_V3.fpl", "*.fpl", "", len), 1);
  EXPECT_EQ(file, "\\out\\Task1_V3.fpl");

  // A blank default (a blank field passed whole) opens wherever zenity likes.
  answer(0, "/x\n");
  EXPECT_EQ(GetFolder("Select", "   ", len, folder), 0);

  const std::vector<Args> c = calls();
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[0],
            (Args{"--file-selection", "--directory",
                  "--title=Select Condor 3 destination landscape", "--filename=/data/start/"}));
  EXPECT_EQ(c[2], (Args{"--file-selection", "--directory", "--title=Select"}));
}

TEST_F(ZenityDialogs, MessageBoxesAndTheirAnswers) {
  struct Case {
    const char* name;
    int kind;
    int exit_status;
    const char* out;
    int kind_after;
    Args first_args;  // the arguments before --title
  } cases[] = {
      {"error", s_error, 0, "", s_error, {"--error"}},
      {"warning", s_warning, 0, "", s_warning, {"--warning"}},
      {"info", s_info, 0, "", s_info, {"--info"}},
      {"yes", s_yesno, 0, "", 1, {"--question"}},
      {"no", s_yesno, 1, "", 0, {"--question"}},
      {"ok", s_okcancel, 0, "", 1, {"--question", "--ok-label=OK", "--cancel-label=Cancel"}},
      {"cancel", s_okcancel, 1, "", 0, {"--question", "--ok-label=OK", "--cancel-label=Cancel"}},
      {"yes of three", s_yesnocancel, 0, "", 1, {"--question", "--extra-button=Cancel"}},
      {"no of three", s_yesnocancel, 1, "", 2, {"--question", "--extra-button=Cancel"}},
      {"cancel of three", s_yesnocancel, 1, "Cancel\n", 0, {"--question", "--extra-button=Cancel"}},
      {"closed by timeout", s_yesno, 5, "", 0, {"--question"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    answer(c.exit_status, c.out);
    int kind = c.kind;
    DisplayMessage("S\xe9lection <b>", "line 1\nline 2 & more", kind);
    EXPECT_EQ(kind, c.kind_after);
    Args expected = c.first_args;
    expected.insert(expected.end(), {"--title=S\xc3\xa9lection <b>", "--text=line 1\nline 2 & more",
                                     "--no-markup"});
    EXPECT_EQ(calls(), std::vector<Args>{expected});
  }
}

TEST_F(ZenityDialogs, WithoutAUsableDisplayTheConsoleTakesOver) {
  const int null_fd = ::open("/dev/null", O_RDONLY);
  ScopedStdin no_terminal(null_fd);
  ::close(null_fd);

  // zenity runs but cannot reach the display: it says so and exits 1.
  answer(1, "", "(zenity:42): Gtk-WARNING **: cannot open display: :99\n");
  int kind = s_warning;
  DisplayMessage("Title", "first/second\nthird", kind);
  EXPECT_EQ(calls().size(), 1u);
  EXPECT_EQ(console_.text(), "*** Title ***\nfirst/second\nthird\n");

  // No display at all: zenity is not even started.
  ScopedEnv no_display("DISPLAY", nullptr);
  ScopedEnv no_wayland("WAYLAND_DISPLAY", nullptr);
  answer(0, "/never/used\n");
  std::string file = "kept";
  int len = 3;
  kind = s_yesno;
  DisplayMessage("Q", "Sure?", kind);
  EXPECT_EQ(kind, 0);  // no terminal to answer: cancelled
  EXPECT_EQ(GetFileName(file, "Open", "", "*.fpl", "", 1, len), 0);
  EXPECT_EQ(file, "kept");
  std::string folder;
  EXPECT_EQ(GetFolder("Folder", "", len, folder), 1);
  EXPECT_TRUE(calls().empty());
}

// The console answers from a terminal on standard input.
TEST_F(ZenityDialogs, TheConsoleReadsTypedAnswersFromATerminal) {
  ScopedEnv no_display("DISPLAY", nullptr);
  ScopedEnv no_wayland("WAYLAND_DISPLAY", nullptr);
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
    GTEST_SKIP() << "no pseudo-terminal here";
  }
  const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
  ASSERT_GE(slave, 0);
  {
    ScopedStdin terminal(slave);
    // Ctrl+D at the start of a line is the end of input.
    const std::string typed = "/home/u/a b.fpl|/home/u/c.fpl\n   \n\n\x04n\n\n/data/Land\n";
    ASSERT_EQ(::write(master, typed.data(), typed.size()), static_cast<ssize_t>(typed.size()));

    std::string file;
    int len = 0;
    EXPECT_EQ(GetFileName(file, "Open", "\\fp\\*.fpl", "*.fpl", "", 1, len), 1);
    EXPECT_EQ(file, "\\home\\u\\a b.fpl|\\home\\u\\c.fpl");
    EXPECT_EQ(SaveFileName(file, "Save", "", "*.fpl", "", len), 0);  // no default: blank cancels
    EXPECT_EQ(SaveFileName(file, "Save", "\\out\\T_V3.fpl", "*.fpl", "", len), 1);
    EXPECT_EQ(file, "\\out\\T_V3.fpl");  // Enter alone: the default
    std::string folder = "kept";
    EXPECT_EQ(GetFolder("Folder", "\\data\\Landscapes\\", len, folder), 1);  // end of input
    EXPECT_EQ(folder, "kept");
    int kind = s_yesnocancel;
    DisplayMessage("Q", "Keep?", kind);
    EXPECT_EQ(kind, 2);  // "n"
    kind = s_yesno;
    DisplayMessage("Q", "Keep?", kind);
    EXPECT_EQ(kind, 1);  // empty line: the first button
    EXPECT_EQ(GetFolder("Folder", "\\data", len, folder), 0);
    EXPECT_EQ(folder, "\\data\\Land");
    const std::string shown = console_.text();
    // The open dialog's folder and pattern are no file to take.
    EXPECT_TRUE(
        shown.find("Path(s) of the file(s), separated by | (empty or end of input: cancel):") !=
        std::string::npos)
        << shown;
    EXPECT_TRUE(shown.find("Default: \\out\\T_V3.fpl\nPath of the file (Enter: the default; end of "
                           "input: cancel):") != std::string::npos);
    EXPECT_TRUE(shown.find("Default: \\data\\Landscapes\\\nPath of the folder") !=
                std::string::npos);
  }
  ::close(slave);
  ::close(master);
}

}  // namespace
}  // namespace tarvel
