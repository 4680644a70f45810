// Environment variables as a Windows program sees them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// The value of the variable `name` read through a buffer of `buffer_size`
// bytes (its NUL included); nothing when the variable is not defined, is
// empty, or would not fit the buffer.
//
// On Windows GetEnvironmentVariableW (the value in UTF-8). Elsewhere the process environment,
// then the Wine prefix's user.reg keys [Volatile Environment] and
// [Environment] (where Wine keeps USERPROFILE, APPDATA and the like); names
// are matched there without regard to case, as Windows does.
std::optional<std::string> environment_variable(std::string_view name, std::size_t buffer_size);

}  // namespace tarvel
