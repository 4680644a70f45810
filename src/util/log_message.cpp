// Provisional log: echoes on the console and appends the message as it stands.
#include "util/log_message.h"

#include <string>

#include "platform/files.h"
#include "util/console.h"

namespace tarvel {

namespace {
FixedText<256> g_filnam("Logfile.txt");
LogClock g_clock = nullptr;
}  // namespace

void log_message_f(std::string_view msg) {
  std::string copy(msg);
  log_message_f_buf(copy.data(), copy.size());
}

void log_message_f_buf(char* msg, std::size_t len) {
  const std::string_view m = trim_right(std::string_view(msg, len));
  console_line(" >>> " + std::string(m));
  log_bare_line(m);
}

void log_bare_line(std::string_view line) {
  if (std::FILE* f = open_file(g_filnam.view(), "ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

void set_log_clock(LogClock clock) { g_clock = clock; }
std::string_view log_file_name() { return g_filnam.trimmed(); }
void reset_log_state() { g_filnam = "Logfile.txt"; }

}  // namespace tarvel
