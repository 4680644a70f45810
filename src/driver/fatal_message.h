// The end of the run on a fatal problem.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// Shows `msg` in a box of kind `kind` titled `title` (error_message_tit with
// app_state().qline), passes the same text, its line breaks included, to the
// log, and ends the run with status 0.
[[noreturn]] void fatal_message(int kind, std::string_view title, std::string_view msg);

// The same for a message given as lines taken as they stand (a "/" in them is
// part of a path, not a line break): the box shows them one under the other,
// the log gets one line each.
[[noreturn]] void fatal_message_lines(int kind, std::string_view title,
                                      const std::vector<std::string>& lines);

}  // namespace tarvel
