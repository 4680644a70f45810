// Trailing and leading blanks of a text (the space character only): the
// program's texts are blank-padded fields, and every layer trims them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tarvel {

// Length of `s` up to and including its last non-blank byte. Fields are
// mostly padding, so the blanks are skipped eight bytes at a time.
inline std::size_t len_trim(std::string_view s) {
  constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;
  std::size_t n = s.size();
  while (n >= 8) {
    std::uint64_t word;
    std::memcpy(&word, s.data() + n - 8, 8);
    if (word != kBlanks) break;
    n -= 8;
  }
  while (n > 0 && s[n - 1] == ' ') --n;
  return n;
}

inline std::string_view trim_right(std::string_view s) { return s.substr(0, len_trim(s)); }

inline std::string_view trim_left(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return s.substr(i);
}

// Equality of two texts as blank-padded values: trailing blanks do not count.
inline bool text_equal(std::string_view a, std::string_view b) {
  return trim_right(a) == trim_right(b);
}

}  // namespace tarvel
