#include "util/console.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace tarvel {

namespace {

// The text buffer of a free-style line, handed from one FreeLine to the next
// so that the many trace lines of a run cost no allocation each.
std::string g_spare_line;

}  // namespace

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
