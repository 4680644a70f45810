// Provisional: counts "AC" lines, no message.
#include "geometry/get_airspace_size.h"

#include <fstream>
#include <string>

#include "platform/files.h"

namespace tarvel {

int get_airspace_size(std::string_view aspfile) {
  std::ifstream in(native_path(aspfile), std::ios::binary);
  if (!in) return 0;
  int n = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, 2, "AC") == 0) ++n;
  }
  return n;
}

}  // namespace tarvel
