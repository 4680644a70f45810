#include "util/majmin.h"

namespace tarvel {

void majusc_buf(char* text, std::size_t len) {
  const std::size_t n = len_trim(std::string_view(text, len));
  for (std::size_t i = 0; i < n; ++i) {
    if (text[i] >= 'a' && text[i] <= 'z') text[i] = static_cast<char>(text[i] - 'a' + 'A');
  }
}

}  // namespace tarvel
