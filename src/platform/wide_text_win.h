// Texts for Windows' wide (...W) calls, whose wchar_t strings are UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "platform/text_encoding.h"

namespace tarvel {

// The UTF-16 form of a program text (UTF-8, or Windows-1252 bytes where it
// is not UTF-8).
inline std::wstring to_wide(std::string_view text) {
  const std::u16string u = to_utf16(text);
  return std::wstring(u.begin(), u.end());
}

// The program's UTF-8 form of a text the system gave.
inline std::string from_wide(std::wstring_view text) {
  return utf16_to_utf8(std::u16string(text.begin(), text.end()));
}

}  // namespace tarvel
