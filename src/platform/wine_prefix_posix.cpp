#include <cstdlib>

#include "platform/wine_prefix.h"

namespace tarvel {

std::string wine_prefix() {
  std::string prefix;
  if (const char* p = std::getenv("WINEPREFIX"); p != nullptr && *p != '\0') {
    prefix = p;
  } else {
    const char* home = std::getenv("HOME");
    prefix = std::string(home != nullptr ? home : "") + "/.wine";
  }
  while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
  return prefix;
}

}  // namespace tarvel
