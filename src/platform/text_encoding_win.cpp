#include "platform/text_encoding.h"

namespace tarvel {

std::string to_display_text(std::string_view text) { return std::string(text); }

}  // namespace tarvel
