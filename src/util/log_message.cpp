// The log file of a run. Each call opens the file, appends and closes it, so
// the log is complete on disk after every message even if the run ends
// abruptly. Lines go to the file in UTF-8 (the program's French texts
// converted from Windows-1252) and with the system's own line ends (text mode).
#include "util/log_message.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string>

#include "platform/files.h"
#include "platform/text_encoding.h"
#include "platform/windows_path.h"
#include "util/console.h"
#include "util/process_args.h"

namespace tarvel {

namespace {

// Message text after the tag; longer text is cut.
constexpr std::size_t kMessageWidth = 1024;

FixedText<256> g_filnam("Logfile.txt");
LogClock g_clock = nullptr;
std::string g_too_long;  // the last log name that did not fit g_filnam

LogTime system_time() {
  const std::time_t now = std::time(nullptr);
  const std::tm* t = std::localtime(&now);  // one thread: the shared buffer is safe
  if (t == nullptr) return {};
  return {t->tm_year + 1900, t->tm_mon + 1, t->tm_mday, t->tm_hour, t->tm_min, t->tm_sec};
}

LogTime now() { return g_clock != nullptr ? g_clock() : system_time(); }

// "+ INFO " and the like followed by `pairs` times "+-".
std::string banner(std::string_view head, int pairs) {
  std::string s(head);
  for (int i = 0; i < pairs; ++i) s += "+-";
  return s;
}

struct LevelTag {
  std::string_view tag;
  std::string opening;
};

const LevelTag* find_tag(std::string_view first3) {
  static const LevelTag tags[] = {
      {"{W}", banner("+ WARNING ", 34)},
      {"{I}", banner("+ INFO ", 36)},
      {"{E}", banner("+ ERROR ", 35)},
  };
  for (const LevelTag& t : tags) {
    if (t.tag == first3) return &t;
  }
  return nullptr;
}

const std::string& closing_line() {
  static const std::string line = banner("", 39);
  return line;
}

// errno of a failed open, never 0.
int open_failure() { return errno != 0 ? errno : 1; }

void write_line(std::FILE* f, std::string_view text) {
  const std::string bytes = to_display_text(text);
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fputc('\n', f);
}

// Writes each line on the console and, when the log file is open, into it.
class LogLines {
 public:
  explicit LogLines(std::FILE* file) : file_(file) {}
  void line(std::string_view text) {
    console_line(text);
    if (file_ != nullptr) write_line(file_, text);
  }

 private:
  std::FILE* file_;
};

// Program name (argument 0 without folder, cut at its first ".") + the time.
std::string default_log_name(const LogTime& t) {
  std::string_view prog;
  if (!process_args().empty()) prog = trim_right(process_args()[0]);
  std::string_view name = extract_name(prog);
  name = name.substr(0, name.find('.'));
  char stamp[64];
  std::snprintf(stamp, sizeof stamp, "_%04d_%02d_%02d-%02d_%02d_%02d.log", t.year, t.month, t.day,
                t.hour, t.minute, t.second);
  return std::string(name) + stamp;
}

int create_log(char* msg, std::size_t len) {
  const LogTime t = now();
  const std::string_view m(msg, len);
  const bool send_name = trim_right(m) == "CREATE-SEND-NAME";
  std::string filnam(trim_right(trim_left(m.substr(6))));
  if (filnam.empty() || send_name) filnam = default_log_name(t);
  // A name cut to its field would be another file: no log file is written,
  // and the blank name keeps every later message out of any file.
  g_too_long.clear();
  if (filnam.size() > g_filnam.width) g_too_long = filnam;
  g_filnam = g_too_long.empty() ? std::string_view(filnam) : std::string_view();

  int status = 0;
  errno = 0;
  if (!g_too_long.empty()) {
    status = ENAMETOOLONG;
  } else if (std::FILE* f = open_file(g_filnam.view(), "w")) {
    std::fprintf(f, "%04d-%02d-%02d %02d:%02d:%02d\n\n", t.year, t.month, t.day, t.hour, t.minute,
                 t.second);
    std::fclose(f);
  } else {
    status = open_failure();
  }
  FreeLine() << "CREATE " << g_filnam.trimmed() << status;

  if (send_name) {
    // Only as much of the name as the caller's field holds.
    const std::size_t n = len < g_filnam.width ? len : g_filnam.width;
    for (std::size_t i = 0; i < len; ++i) msg[i] = i < n ? g_filnam[i] : ' ';
  }
  return status;
}

void log_text(std::string_view m) {
  std::FILE* f = open_file(g_filnam.view(), "a");
  LogLines out(f);

  const LevelTag* tag = nullptr;
  FixedText<kMessageWidth> text;
  if (len_trim(m) > 0) {
    if (m.size() >= 3) tag = find_tag(m.substr(0, 3));
    text = tag != nullptr ? m.substr(3) : m;
  }
  if (tag != nullptr) out.line(tag->opening);

  make_printable(text);
  const std::string_view body = text.trimmed();
  if (body.empty()) {
    out.line(" ");
  } else if (body.size() >= 2 && body.front() == '"' && body.back() == '"') {
    out.line(body.substr(1, body.size() - 2));
  } else {
    std::size_t start = 0;
    for (;;) {
      const std::size_t slash = body.find('/', start);
      out.line(trim_right(body.substr(start, slash - start)));
      if (slash == std::string_view::npos) break;
      start = slash + 1;
    }
  }

  if (tag != nullptr) out.line(closing_line());
  if (f != nullptr) std::fclose(f);
}

}  // namespace

std::string_view extract_name(std::string_view path) { return split_at_last_backslash(path).name; }

void log_message_f(std::string_view msg) {
  std::string copy(msg);
  log_message_f_buf(copy.data(), copy.size());
}

void log_message_f_buf(char* msg, std::size_t len) {
  const std::string_view m(msg, len);
  console_line(" >>> " + std::string(trim_right(m)));
  log_text(m);
}

int log_command_f(std::string_view cmd) {
  std::string copy(cmd);
  return log_command_f_buf(copy.data(), copy.size());
}

int log_command_f_buf(char* cmd, std::size_t len) {
  const std::string_view m(cmd, len);
  console_line(" >>> " + std::string(trim_right(m)));
  if (m.substr(0, 6) == "CREATE") return create_log(cmd, len);
  log_text(m);
  return 0;
}

void log_message_line(std::string_view line) {
  line = trim_right(line);
  console_line(" >>> " + std::string(line));
  std::FILE* f = open_file(g_filnam.view(), "a");
  LogLines(f).line(line);
  if (f != nullptr) std::fclose(f);
}

void log_bare_line(std::string_view line) {
  if (std::FILE* f = open_file(g_filnam.view(), "a")) {
    write_line(f, line);
    std::fclose(f);
  }
}

void set_log_clock(LogClock clock) { g_clock = clock; }
std::string_view log_file_name() { return g_filnam.trimmed(); }
std::string_view log_name_too_long() { return g_too_long; }

void reset_log_state() {
  g_filnam = "Logfile.txt";
  g_clock = nullptr;
  g_too_long.clear();
}

}  // namespace tarvel
