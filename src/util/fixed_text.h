// FixedText<N>: a text value of exactly N bytes, blank-padded.
//
// Assignment cuts a longer text to N bytes and pads a shorter one with blanks
// (the space character only). Comparisons ignore trailing blanks, so "abc" and
// "abc   " are equal. Bytes are never re-encoded: a FixedText holds whatever
// bytes were put in it, NUL bytes included.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/blank_trim.h"

namespace tarvel {

template <std::size_t N>
class FixedText {
  static_assert(N > 0, "a FixedText holds at least one byte");

 public:
  static constexpr std::size_t width = N;

  FixedText() { buf_.fill(' '); }
  FixedText(std::string_view s) { assign(s); }               // NOLINT(google-explicit-constructor)
  FixedText(const char* s) { assign(std::string_view(s)); }  // NOLINT
  template <std::size_t M>
  FixedText(const FixedText<M>& other) {  // NOLINT
    assign(other.view());
  }

  FixedText& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  FixedText& operator=(const char* s) {
    assign(std::string_view(s));
    return *this;
  }
  template <std::size_t M>
  FixedText& operator=(const FixedText<M>& other) {
    assign(other.view());
    return *this;
  }

  // Cut to N bytes or pad with blanks.
  void assign(std::string_view s) {
    const std::size_t n = std::min(s.size(), N);
    // `s` may be a view of this very text, so the bytes may overlap.
    if (n > 0) std::memmove(buf_.data(), s.data(), n);
    std::fill(buf_.begin() + static_cast<std::ptrdiff_t>(n), buf_.end(), ' ');
  }
  void clear() { buf_.fill(' '); }

  // The whole field, trailing blanks included.
  std::string_view view() const { return std::string_view(buf_.data(), N); }
  // The text up to its last non-blank byte.
  std::string_view trimmed() const { return trim_right(view()); }
  std::string str() const { return std::string(trimmed()); }
  std::size_t len_trim() const { return tarvel::len_trim(view()); }
  bool is_blank() const { return len_trim() == 0; }

  // Leading blanks move to the end of the field.
  void adjustl() {
    std::size_t i = 0;
    while (i < N && buf_[i] == ' ') ++i;
    if (i == 0) return;
    std::copy(buf_.begin() + static_cast<std::ptrdiff_t>(i), buf_.end(), buf_.begin());
    std::fill(buf_.end() - static_cast<std::ptrdiff_t>(i), buf_.end(), ' ');
  }

  // The bytes from the first NUL to the end become blanks; a text without
  // NUL is unchanged. Texts that come back from the operating system or a
  // dialog end with a NUL followed by leftovers.
  void blank_from_nul() {
    for (std::size_t i = 0; i < N; ++i) {
      if (buf_[i] == '\0') {
        std::fill(buf_.begin() + static_cast<std::ptrdiff_t>(i), buf_.end(), ' ');
        return;
      }
    }
  }

  bool starts_with(std::string_view prefix) const {
    return view().substr(0, prefix.size()) == prefix;
  }
  // 0-based position of the first occurrence of `sub`, or npos.
  std::size_t find(std::string_view sub, std::size_t from = 0) const {
    return view().find(sub, from);
  }

  char& operator[](std::size_t i) { return buf_[i]; }
  char operator[](std::size_t i) const { return buf_[i]; }
  char* data() { return buf_.data(); }
  const char* data() const { return buf_.data(); }

  friend bool operator==(const FixedText& a, std::string_view b) { return text_equal(a.view(), b); }
  template <std::size_t M>
  friend bool operator==(const FixedText& a, const FixedText<M>& b) {
    return text_equal(a.view(), b.view());
  }

 private:
  std::array<char, N> buf_;
};

}  // namespace tarvel
