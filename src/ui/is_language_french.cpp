#include "platform/ui_language.h"
#include "ui/display.h"

namespace tarvel {

int is_french_language_id(unsigned langid) { return (langid & 0xFFu) == 0x0Cu ? 1 : 0; }

int IsLanguageFrench() { return is_french_language_id(platform_ui_language()); }

}  // namespace tarvel
