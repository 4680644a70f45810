// Text onto the standard output or error output.
#pragma once

#include <cstdio>
#include <string_view>

namespace tarvel {

// Writes the UTF-8 `text` to `stream` (stdout or stderr). On a Windows
// console it is written as Unicode, so every letter shows whatever the
// console's code page; everywhere else (a file, a pipe, a terminal outside
// Windows) as its UTF-8 bytes.
void write_console_text(std::FILE* stream, std::string_view text);

}  // namespace tarvel
