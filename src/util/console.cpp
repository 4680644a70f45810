#include "util/console.h"

#include <algorithm>
#include <charconv>
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

// The text buffer of a free-style line, handed from one FreeLine to the next
// so that the many trace lines of a run cost no allocation each.
std::string g_spare_line;

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

std::string free_real(float v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string free_real(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

FreeLine::FreeLine() : text_(std::move(g_spare_line)) { text_.clear(); }

FreeLine::~FreeLine() {
  console_line(text_);  // empty when the line has no items
  g_spare_line = std::move(text_);
}

// The blank that starts the line also separates a first non-text item; a
// text item is glued to a text item before it and set off by one blank after
// any other item.
FreeLine& FreeLine::operator<<(std::string_view text) {
  if (!any_ || !last_text_) text_.push_back(' ');
  any_ = true;
  last_text_ = true;
  text_.append(text);
  return *this;
}

void FreeLine::item(std::string_view formatted) {
  text_.push_back(' ');
  any_ = true;
  last_text_ = false;
  text_.append(formatted);
}

FreeLine& FreeLine::operator<<(bool flag) {
  item(flag ? "T" : "F");
  return *this;
}

FreeLine& FreeLine::integer(long long v) {
  // Right-aligned in 11 characters; a longer number takes what it needs.
  // The item's blank and the alignment go in front of the digits, so the
  // item is appended in one piece.
  char buf[12 + 24];
  char* const digits = buf + 12;
  const auto r = std::to_chars(digits, buf + sizeof buf, v);
  const std::size_t n = static_cast<std::size_t>(r.ptr - digits);
  const std::size_t lead = n < 11 ? 12 - n : 1;
  std::memset(digits - lead, ' ', lead);
  text_.append(digits - lead, r.ptr);
  any_ = true;
  last_text_ = false;
  return *this;
}

FreeLine& FreeLine::operator<<(float v) {
  item(free_real(v));
  return *this;
}

FreeLine& FreeLine::operator<<(double v) {
  item(free_real(v));
  return *this;
}

}  // namespace tarvel
