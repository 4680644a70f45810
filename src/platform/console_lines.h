// Plain lines on the console: standard output and the error output.
//
// Every line goes through console_line(), which turns the program's
// Windows-1252 texts into what the terminal shows (see platform/text_encoding.h).
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// Writes one line in plain style (the text alone) on standard output.
// Once a write to a stream has failed (nobody reads it any more), later lines
// for that stream are dropped; the caller is never told, and the run goes on.
void console_line(std::string_view text);
// Writes one line on the error output.
void error_output_line(std::string_view text);
// Pushes buffered console output out (before the process ends).
void console_flush();

// While a capture is active, console lines are appended to `*capture`
// (each followed by "\n", not re-encoded) instead of going to standard output.
void set_console_capture(std::string* capture);

}  // namespace tarvel
