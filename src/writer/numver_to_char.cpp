#include "writer/numver_to_char.h"

#include <algorithm>
#include <string>

namespace tarvel {

namespace {

// An integer right-justified in a field of `width`, asterisks when it does not fit.
std::string in_field(int v, std::size_t width) {
  std::string s = std::to_string(v);
  if (s.size() > width) return std::string(width, '*');
  return std::string(width - s.size(), ' ') + s;
}

}  // namespace

void numver_to_char_buf(int numver, char* cc1, std::size_t w, int& lc1) {
  std::string text = in_field(numver / 1000, 2);
  text += '.';
  text += in_field((numver % 1000) / 100, 1);
  text += '.';
  text += in_field((numver % 100) / 10, 1);
  text += '.';
  text += in_field(numver % 10, 1);
  const std::string_view t = trim_left(text);
  const std::size_t n = std::min(t.size(), w);
  std::copy(t.data(), t.data() + n, cc1);
  std::fill(cc1 + n, cc1 + w, ' ');
  lc1 = static_cast<int>(len_trim(std::string_view(cc1, w)));
}

}  // namespace tarvel
