#include <algorithm>

#include "platform/process.h"

namespace tarvel {

std::vector<std::string> platform_command_line(int argc, char** argv) {
  std::vector<std::string> args;
  args.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i] != nullptr ? argv[i] : "";
    std::replace(a.begin(), a.end(), '/', '\\');
    args.push_back(std::move(a));
  }
  return args;
}

void platform_disable_error_dialogs() {}

}  // namespace tarvel
