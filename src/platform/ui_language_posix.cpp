#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "platform/ui_language.h"

namespace tarvel {

unsigned platform_ui_language() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0') continue;
    return std::strncmp(v, "fr", 2) == 0 ? 0x040Cu : 0x0409u;
  }
  return 0x0409u;
}

}  // namespace tarvel
