// How the program's texts (bytes in the Windows ANSI code page; the French
// texts are Windows-1252) reach the console, the log file and the dialogs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tarvel {

// On Windows the bytes as they are. Elsewhere UTF-8: a byte sequence that is
// already valid UTF-8 (a path typed on a UTF-8 system) is kept, every other
// byte above 0x7F is read as Windows-1252.
std::string to_display_text(std::string_view text);

// UTF-8 sequences kept, every other byte above 0x7F read as Windows-1252.
std::string mixed_to_utf8(std::string_view text);

// The Unicode code point of a Windows-1252 byte, and the byte of a code point
// ('?' for one the code page does not have).
std::uint32_t cp1252_code_point(unsigned char b);
unsigned char cp1252_byte(std::uint32_t cp);

// The code point of a valid UTF-8 sequence of two or more bytes at s[i], and
// its length; length 0 when there is none there.
std::pair<std::uint32_t, std::size_t> utf8_at(std::string_view s, std::size_t i);

}  // namespace tarvel
