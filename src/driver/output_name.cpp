#include "driver/output_name.h"

#include <cctype>
#include <string>

namespace tarvel {

namespace {

std::size_t find_fpl_any_case(std::string_view s) {
  for (std::size_t i = 0; i + 4 <= s.size(); ++i) {
    if (s[i] == '.' && std::tolower(static_cast<unsigned char>(s[i + 1])) == 'f' &&
        std::tolower(static_cast<unsigned char>(s[i + 2])) == 'p' &&
        std::tolower(static_cast<unsigned char>(s[i + 3])) == 'l') {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

FixedText<256> output_file_name(std::string_view fnam) {
  const std::string_view name = trim_right(fnam);
  std::size_t p = name.find(".fpl");
  if (p == std::string_view::npos) p = find_fpl_any_case(name);
  return FixedText<256>(std::string(name.substr(0, p)) + "_V3.fpl");
}

}  // namespace tarvel
