// The program's own new file that an interrupt removes (an output's temporary
// file, the writable-folder probe): creating it and naming it for the
// interrupt, or removing it and forgetting it, are one step for an interrupt.
#pragma once

#include <cstdio>
#include <string_view>

namespace tarvel {

// Creates `path` new (create_new_file: never through a name that exists) and
// names it as the file an interrupt removes. nullptr when it fails; errno
// then tells why (EEXIST when something stands at the name).
std::FILE* create_guarded_file(std::string_view path);

// Removes `path`, the file an interrupt would remove, and forgets it.
// 0, or the errno value of the failure.
int remove_guarded_file(std::string_view path);

}  // namespace tarvel
