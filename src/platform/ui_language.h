// The user's interface language.
#pragma once

namespace tarvel {

// A Windows language identifier (LANGID): the primary language is in the low
// 10 bits (0x0C French, 0x09 English). On Windows GetUserDefaultUILanguage;
// elsewhere 0x040C when the first set of LC_ALL, LC_MESSAGES and LANG begins
// with "fr", else 0x0409.
unsigned platform_ui_language();

}  // namespace tarvel
