// Character sets of the program's texts. Inside, text is UTF-8 (names from
// the system, the command line and the settings file) except the program's
// own French texts, which are Windows-1252; both reach the console, the log
// file, the dialogs and the system as UTF-8 (UTF-16 for Windows' wide calls).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tarvel {

// UTF-8 for the console, the log file and the dialogs: a byte sequence that
// is already valid UTF-8 is kept, every other byte above 0x7F is read as
// Windows-1252.
std::string to_display_text(std::string_view text);

// UTF-8 sequences kept, every other byte above 0x7F read as Windows-1252.
std::string mixed_to_utf8(std::string_view text);

// The Unicode code point of a Windows-1252 byte.
std::uint32_t cp1252_code_point(unsigned char b);

// The code point of a valid UTF-8 sequence of two or more bytes at s[i], and
// its length; length 0 when there is none there.
std::pair<std::uint32_t, std::size_t> utf8_at(std::string_view s, std::size_t i);

// Appends the UTF-8 bytes of the code point `cp`.
void append_utf8(std::string& out, std::uint32_t cp);

// At most `n` bytes of `s`, never ending inside a character of UTF-8 (a
// name cut there would end in a stray byte).
std::string_view utf8_prefix(std::string_view s, std::size_t n);

// True when the whole text is valid UTF-8 (ASCII included).
bool is_valid_utf8(std::string_view text);

// UTF-16 of a text read as mixed_to_utf8 reads it.
std::u16string to_utf16(std::string_view text);
// UTF-8 of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string utf16_to_utf8(std::u16string_view text);

// How a text file was stored, as decode_text_file found it.
enum class TextFileEncoding { utf8, utf8_with_mark, utf16le, utf16be, cp1252 };

// The UTF-8 text of a file saved by any usual editor: UTF-8 with or without
// its byte-order mark (the mark removed), UTF-16 little or big endian with its
// mark, else Windows-1252 when the bytes are not valid UTF-8.
std::string decode_text_file(std::string_view bytes, TextFileEncoding* found = nullptr);

}  // namespace tarvel
