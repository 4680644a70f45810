#include "flightplan/is_true.h"

namespace tarvel {

bool is_true(std::string_view cc) {
  if (cc.empty()) return false;
  const char c = cc.front();
  return c == '1' || c == 'Y' || c == 'y';
}

}  // namespace tarvel
