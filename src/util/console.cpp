#include "util/console.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

#include "platform/text_encoding.h"

namespace tarvel {

namespace {
std::string* g_capture = nullptr;
}

void set_console_capture(std::string* capture) { g_capture = capture; }

void console_line(std::string_view text) {
  if (g_capture != nullptr) {
    g_capture->append(text);
    g_capture->push_back('\n');
    return;
  }
  std::string out = to_display_text(text);
  out.push_back('\n');
  std::fwrite(out.data(), 1, out.size(), stdout);
}

void error_output_line(std::string_view text) {
  console_flush();
  std::string out = to_display_text(text);
  out.push_back('\n');
  std::fwrite(out.data(), 1, out.size(), stderr);
  std::fflush(stderr);
}

void console_flush() { std::fflush(stdout); }

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

FreeLine::~FreeLine() {
  if (!any_) {
    console_line("");
    return;
  }
  console_line(text_);
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
  char digits[24];
  const auto r = std::to_chars(digits, digits + sizeof digits, v);
  const std::size_t n = static_cast<std::size_t>(r.ptr - digits);
  char buf[32];
  const std::size_t pad = n < 11 ? 11 - n : 0;
  std::fill(buf, buf + pad, ' ');
  std::copy(digits, r.ptr, buf + pad);
  item(std::string_view(buf, pad + n));
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
