// The end of the run on a fatal problem.
#pragma once

#include <string_view>

namespace tarvel {

// Shows `msg` in a box of kind `kind` titled `title` (error_message_tit with
// app_state().qline), passes the same text, its line breaks included, to the
// log, and ends the run with status 0.
[[noreturn]] void fatal_message(int kind, std::string_view title, std::string_view msg);

}  // namespace tarvel
