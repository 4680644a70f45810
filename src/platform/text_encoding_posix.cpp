#include "platform/text_encoding.h"

namespace tarvel {

std::string to_display_text(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return mixed_to_utf8(text);
  }
  return std::string(text);
}

}  // namespace tarvel
