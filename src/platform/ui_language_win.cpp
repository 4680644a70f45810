#include <windows.h>

#include "platform/ui_language.h"

namespace tarvel {

unsigned platform_ui_language() { return static_cast<unsigned>(GetUserDefaultUILanguage()); }

}  // namespace tarvel
