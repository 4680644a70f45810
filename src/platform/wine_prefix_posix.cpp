#include <cstdlib>
#include <utility>

#include "platform/wine_prefix.h"

namespace tarvel {

namespace {

std::string& chosen_prefix() {
  static std::string prefix;
  return prefix;
}

std::string without_final_slashes(std::string prefix) {
  while (prefix.size() > 1 && prefix.back() == '/') prefix.pop_back();
  return prefix;
}

}  // namespace

std::string wine_prefix() {
  if (!chosen_prefix().empty()) return chosen_prefix();
  if (const char* p = std::getenv("WINEPREFIX"); p != nullptr && *p != '\0') {
    return without_final_slashes(p);
  }
  const char* home = std::getenv("HOME");
  return without_final_slashes(std::string(home != nullptr ? home : "") + "/.wine");
}

void use_wine_prefix(std::string prefix) {
  chosen_prefix() = without_final_slashes(std::move(prefix));
}

}  // namespace tarvel
