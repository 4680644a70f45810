// Dialogs outside Windows. With a graphic display (DISPLAY or WAYLAND_DISPLAY)
// and zenity on the PATH, zenity shows them; otherwise, or when zenity cannot
// show anything, the console does: messages as lines, and for the choosers a
// path typed on standard input when it is a terminal, else a cancel. The
// choice is made at every call, so a changed environment takes effect at once.
//
// Texts go to zenity as UTF-8. Paths come back as the file system spells
// them, with each "/" turned into "\" (the program's Windows form); default
// paths go out through native_path.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/console_lines.h"
#include "platform/dialog_backend.h"
#include "platform/dialog_backend_common.h"
#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/windows_path.h"

namespace tarvel {

namespace {

bool env_set(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

bool has_display() { return env_set("DISPLAY") || env_set("WAYLAND_DISPLAY"); }

// Full path of an executable `name` in a folder of PATH; empty when none.
std::string find_on_path(std::string_view name) {
  const char* path = std::getenv("PATH");
  if (path == nullptr) return {};
  std::string_view rest(path);
  for (;;) {
    const std::size_t colon = rest.find(':');
    std::string_view dir = rest.substr(0, colon);
    if (dir.empty()) dir = ".";
    std::string candidate;
    candidate.append(dir).append("/").append(name);
    struct stat st {};
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    if (colon == std::string_view::npos) return {};
    rest.remove_prefix(colon + 1);
  }
}

std::string windows_form(std::string path) {
  slashes_to_backslashes(path);
  return path;
}

// --- Console ---------------------------------------------------------------

// One line typed on standard input, without its line end; nothing when
// standard input is not a terminal or is at its end.
std::optional<std::string> typed_line() {
  if (::isatty(STDIN_FILENO) == 0) return std::nullopt;
  console_flush();
  std::string line;
  char c = 0;
  for (;;) {
    const ssize_t n = ::read(STDIN_FILENO, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (line.empty()) return std::nullopt;
      break;
    }
    if (c == '\n') break;
    line.push_back(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void message_lines(const std::string& title, const std::string& message) {
  console_line("*** " + title + " ***");
  std::size_t start = 0;
  for (;;) {
    const std::size_t nl = message.find('\n', start);
    console_line(std::string_view(message).substr(start, nl - start));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
}

class ConsoleDialogs final : public DialogBackend {
 public:
  bool graphical() override { return false; }

  // Questions take the first letter typed: y/o (yes, oui, ok) answer 1,
  // n answers no, anything else cancels; an empty line takes the first
  // button. Without a terminal a question is cancelled (0).
  int message_box(const std::string& title, const std::string& message, const std::string& buttons,
                  const std::string&, int) override {
    message_lines(title, message);
    if (buttons == "ok") return 1;
    console_line(buttons == "okcancel" ? "[ok/cancel]"
                 : buttons == "yesno"  ? "[yes/no]"
                                       : "[yes/no/cancel]");
    const std::optional<std::string> answer = typed_line();
    if (!answer) return 0;
    const char c = answer->empty()
                       ? 'y'
                       : static_cast<char>(std::tolower(static_cast<unsigned char>((*answer)[0])));
    if (c == 'y' || c == 'o') return 1;
    if (c == 'n' && buttons != "okcancel") return buttons == "yesnocancel" ? 2 : 0;
    return 0;
  }

  std::optional<std::string> open_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>&, bool multi) override {
    // A folder with a pattern ("…\*.fpl") names no file to take.
    const ChooserStart start = split_chooser_start(default_path);
    return ask_path(title, start.name.empty() ? std::string() : default_path,
                    multi ? "Path(s) of the file(s), separated by |" : "Path of the file");
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>&) override {
    return ask_path(title, default_path, "Path of the file");
  }
  std::optional<std::string> select_folder(const std::string& title,
                                           const std::string& default_path) override {
    return ask_path(title, default_path, "Path of the folder");
  }

 private:
  // Shows the default when there is one: Enter alone takes it. The end of
  // input cancels, and so does an empty answer when there is no default.
  static std::optional<std::string> ask_path(const std::string& title,
                                             const std::string& default_path,
                                             std::string_view what) {
    if (::isatty(STDIN_FILENO) == 0) return std::nullopt;
    const bool has_default = default_path.find_first_not_of(' ') != std::string::npos;
    console_line(title);
    if (has_default) console_line("Default: " + default_path);
    console_line(std::string(what) + (has_default ? " (Enter: the default; end of input: cancel):"
                                                  : " (empty or end of input: cancel):"));
    std::optional<std::string> line = typed_line();
    if (!line) return std::nullopt;
    if (line->find_first_not_of(" \t") == std::string::npos) {
      if (!has_default) return std::nullopt;
      return windows_form(default_path.substr(0, default_path.find_last_not_of(' ') + 1));
    }
    return windows_form(std::move(*line));
  }
};

// --- zenity ----------------------------------------------------------------

struct Run {
  bool shown = false;  // false: zenity could not show its dialog
  int status = -1;     // exit status
  std::string out;
};

// Reads both pipes to their end; they are read together so that neither
// can fill up and block the child.
void drain(int out_fd, int err_fd, std::string& out, std::string& err) {
  pollfd fds[2] = {{out_fd, POLLIN, 0}, {err_fd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open_count = 2;
  char buf[4096];
  while (open_count > 0) {
    if (::poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        fds[i].fd = -1;
        --open_count;
      } else {
        sinks[i]->append(buf, static_cast<std::size_t>(n));
      }
    }
  }
}

// Runs `exe` with `args` (no shell), standard input from /dev/null.
Run run_program(const std::string& exe, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>("zenity"));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int out_pipe[2];
  int err_pipe[2];
  if (::pipe(out_pipe) != 0) return {};
  if (::pipe(err_pipe) != 0) {
    ::close(out_pipe[0]);
    ::close(out_pipe[1]);
    return {};
  }
  console_flush();
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int null_fd = ::open("/dev/null", O_RDONLY);
    if (null_fd >= 0) ::dup2(null_fd, STDIN_FILENO);
    ::dup2(out_pipe[1], STDOUT_FILENO);
    ::dup2(err_pipe[1], STDERR_FILENO);
    for (int fd : {out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1], null_fd}) {
      if (fd > STDERR_FILENO) ::close(fd);
    }
    ::execv(exe.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);
  Run run;
  std::string err;
  if (pid > 0) drain(out_pipe[0], err_pipe[0], run.out, err);
  ::close(out_pipe[0]);
  ::close(err_pipe[0]);
  if (pid < 0) return {};

  int wstatus = 0;
  while (::waitpid(pid, &wstatus, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(wstatus)) return {};
  run.status = WEXITSTATUS(wstatus);
  // 126/127: not started; 255: zenity's own failure; without a usable
  // display it exits 1 like a cancel, but says so on its error output.
  run.shown = run.status != 126 && run.status != 127 && run.status != 255 &&
              err.find("open display") == std::string::npos;
  return run;
}

// Where a chooser opens: a final file pattern such as "*.fpl" is dropped,
// keeping its folder. Empty when nothing is left.
std::string chooser_start(const std::string& default_path) {
  const ChooserStart start = split_chooser_start(default_path);
  return native_path(start.folder + start.name);
}

void add_start(std::vector<std::string>& args, const std::string& start) {
  if (!start.empty()) args.push_back("--filename=" + start);
}

// "--file-filter=*.fpl *.txt"; empty patterns are left out.
void add_filter(std::vector<std::string>& args, const std::vector<std::string>& patterns) {
  std::string filter;
  for (const std::string& p : patterns) {
    if (p.empty()) continue;
    if (!filter.empty()) filter += ' ';
    filter += to_display_text(p);
  }
  if (!filter.empty()) args.push_back("--file-filter=" + filter);
}

class ZenityDialogs final : public DialogBackend {
 public:
  explicit ZenityDialogs(DialogBackend& fallback) : fallback_(fallback) {}
  void set_exe(std::string exe) { exe_ = std::move(exe); }

  int message_box(const std::string& title, const std::string& message, const std::string& buttons,
                  const std::string& icon, int default_button) override {
    std::vector<std::string> args;
    if (buttons == "ok") {
      args.push_back(icon == "error" ? "--error" : icon == "warning" ? "--warning" : "--info");
    } else {
      args.push_back("--question");
      if (buttons == "okcancel") {
        args.push_back("--ok-label=OK");
        args.push_back("--cancel-label=Cancel");
      } else if (buttons == "yesnocancel") {
        args.push_back("--extra-button=Cancel");
      }
    }
    args.push_back("--title=" + to_display_text(title));
    args.push_back("--text=" + to_display_text(message));
    args.push_back("--no-markup");
    const Run run = run_program(exe_, args);
    if (!run.shown) return fallback_.message_box(title, message, buttons, icon, default_button);
    if (run.status == 0) return 1;
    // No answers 2 in a yes/no/cancel box; the extra button prints its label.
    if (buttons == "yesnocancel" && run.status == 1 && run.out.empty()) return 2;
    return 0;
  }

  std::optional<std::string> open_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns,
                                       bool multi) override {
    std::vector<std::string> args = {"--file-selection", "--title=" + to_display_text(title)};
    if (multi) {
      args.push_back("--multiple");
      args.push_back("--separator=|");
    }
    add_start(args, chooser_start(default_path));
    add_filter(args, patterns);
    const Run run = run_program(exe_, args);
    if (!run.shown) return fallback_.open_file(title, default_path, patterns, multi);
    return answer(run);
  }

  std::optional<std::string> save_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns) override {
    std::vector<std::string> args = {"--file-selection", "--save", "--confirm-overwrite",
                                     "--title=" + to_display_text(title)};
    add_start(args, chooser_start(default_path));
    add_filter(args, patterns);
    const Run run = run_program(exe_, args);
    if (!run.shown) return fallback_.save_file(title, default_path, patterns);
    return answer(run);
  }

  std::optional<std::string> select_folder(const std::string& title,
                                           const std::string& default_path) override {
    std::vector<std::string> args = {"--file-selection", "--directory",
                                     "--title=" + to_display_text(title)};
    // A final "/" makes the chooser open inside the folder.
    std::string start = native_path(default_path);
    if (!start.empty() && start.back() != '/') start += '/';
    add_start(args, start);
    const Run run = run_program(exe_, args);
    if (!run.shown) return fallback_.select_folder(title, default_path);
    return answer(run);
  }

 private:
  // The chosen path(s) of an accepted chooser, its final line end removed.
  static std::optional<std::string> answer(const Run& run) {
    if (run.status != 0) return std::nullopt;
    std::string out = run.out;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (out.empty()) return std::nullopt;
    return windows_form(std::move(out));
  }

  std::string exe_;
  DialogBackend& fallback_;
};

// --- The choice ------------------------------------------------------------

class SystemDialogs final : public DialogBackend {
 public:
  bool graphical() override { return current().graphical(); }
  int message_box(const std::string& title, const std::string& message, const std::string& buttons,
                  const std::string& icon, int default_button) override {
    return current().message_box(title, message, buttons, icon, default_button);
  }
  std::optional<std::string> open_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns,
                                       bool multi) override {
    return current().open_file(title, default_path, patterns, multi);
  }
  std::optional<std::string> save_file(const std::string& title, const std::string& default_path,
                                       const std::vector<std::string>& patterns) override {
    return current().save_file(title, default_path, patterns);
  }
  std::optional<std::string> select_folder(const std::string& title,
                                           const std::string& default_path) override {
    return current().select_folder(title, default_path);
  }

 private:
  DialogBackend& current() {
    if (has_display()) {
      if (std::string exe = find_on_path("zenity"); !exe.empty()) {
        zenity_.set_exe(std::move(exe));
        return zenity_;
      }
    }
    return console_;
  }

  ConsoleDialogs console_;
  ZenityDialogs zenity_{console_};
};

}  // namespace

DialogBackend& platform_dialog_backend() {
  static SystemDialogs backend;
  return backend;
}

}  // namespace tarvel
