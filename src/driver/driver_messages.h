// The driver's fatal messages, in both languages.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "driver/run_settings.h"
#include "util/messages.h"

namespace tarvel {

// Shows the message `id` in the run's language, filled with `values` and
// held in 256 characters, in a box of kind `kind` titled with the settings'
// msg_tit, passes it to the log and ends the run (status 0).
[[noreturn]] void driver_fatal(const RunSettings& rs, int kind, Msg id,
                               std::initializer_list<std::string_view> values = {});

// "<file>/File not found" for a file the run needs.
[[noreturn]] void fatal_file_not_found(const RunSettings& rs, std::string_view file);

// A dialog gave a path longer than the field that holds it.
[[noreturn]] void fatal_path_too_long(const RunSettings& rs, std::string_view path);

// The program's folder is longer than `limit` characters, so the names built in
// it (the settings file, the writable-folder probe) would not fit their fields.
[[noreturn]] void fatal_program_folder_too_long(const RunSettings& rs, std::string_view folder,
                                                std::size_t limit);
// Writing the plan to `output` failed at `line` (numbered from 1) with
// `status`: the report goes to the error output, to a box, to the log and the
// console, and the run ends with status 2.
[[noreturn]] void fatal_write_failure(const RunSettings& rs, std::string_view output,
                                      std::size_t line, int status);

}  // namespace tarvel
