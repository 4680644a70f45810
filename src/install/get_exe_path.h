// The full path of the running program.
#pragma once

#include <string>

namespace tarvel {

// Stores the program's full path (Windows form) in `path` through a buffer of
// `len` bytes and returns its number of characters; 0, with `path` cleared,
// when the system gives none or it would not fit the buffer with its NUL.
int GetExePath(std::string& path, int len);

}  // namespace tarvel
