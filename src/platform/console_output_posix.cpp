#include "platform/console_output.h"

namespace tarvel {

void write_console_text(std::FILE* stream, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

}  // namespace tarvel
