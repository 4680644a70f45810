#include "util/strcpy_c2f.h"

namespace tarvel {

void strcpy_c2f_buf(const char* in_str, char* out, std::size_t width, int& ls) {
  std::size_t most = width;
  if (ls < 0) {
    most = 0;
  } else if (ls > 0 && static_cast<std::size_t>(ls) < width) {
    most = static_cast<std::size_t>(ls);
  }
  std::size_t n = 0;
  if (in_str != nullptr) {
    while (n < most && in_str[n] != '\0') {
      out[n] = in_str[n];
      ++n;
    }
  }
  for (std::size_t i = n; i < width; ++i) out[i] = ' ';
  ls = static_cast<int>(n);
}

}  // namespace tarvel
