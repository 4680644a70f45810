#include "platform/console_lines.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/console_output.h"
#include "platform/text_encoding.h"

namespace tarvel {

namespace {

std::string* g_capture = nullptr;

// Set once a write to standard output or to the error output has failed (a
// pipe whose reader has gone, a closed terminal): nobody reads that stream
// any more, so later lines are not even tried. The run goes on either way.
bool g_stdout_lost = false;
bool g_stderr_lost = false;

void put(std::FILE* stream, bool& lost, std::string_view bytes, bool line_end) {
  if (lost) return;
  write_console_text(stream, bytes);
  if (line_end) write_console_text(stream, "\n");
  if (std::ferror(stream)) {
    lost = true;
    std::clearerr(stream);
  }
}

// True when every byte is below 0x80: such a text looks the same on every
// console, so it needs no conversion.
bool is_ascii(std::string_view text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  const char* p = text.data();
  std::size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    if ((word & kHighBits) != 0) return false;
  }
  for (; n > 0; ++p, --n) {
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  }
  return true;
}

}  // namespace

void set_console_capture(std::string* capture) { g_capture = capture; }

void console_line(std::string_view text) {
  if (g_capture != nullptr) {
    g_capture->append(text);
    g_capture->push_back('\n');
    return;
  }
  if (g_stdout_lost) return;
  if (is_ascii(text)) {
    put(stdout, g_stdout_lost, text, true);
    return;
  }
  std::string out = to_display_text(text);
  out.push_back('\n');
  put(stdout, g_stdout_lost, out, false);
}

void error_output_line(std::string_view text) {
  console_flush();
  if (g_stderr_lost) return;
  std::string out = to_display_text(text);
  out.push_back('\n');
  put(stderr, g_stderr_lost, out, false);
  if (!g_stderr_lost && std::fflush(stderr) != 0) g_stderr_lost = true;
}

void console_flush() {
  if (!g_stdout_lost && std::fflush(stdout) != 0) g_stdout_lost = true;
}

}  // namespace tarvel
