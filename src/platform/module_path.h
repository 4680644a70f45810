// The full path of the running program, in the program's Windows form.
#pragma once

#include <cstddef>
#include <string>

namespace tarvel {

// GetModuleFileNameW on Windows (in UTF-8); elsewhere the target of /proc/self/exe with
// each "/" turned into "\". Empty when the system gives no path or when the
// path would not fit a buffer of `buffer_size` bytes with its NUL (a cut path
// would name another folder).
std::string module_path(std::size_t buffer_size);

}  // namespace tarvel
