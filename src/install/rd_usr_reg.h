// The registry and the environment as the installation discovery reads them.
#pragma once

#include <string>
#include <string_view>

namespace tarvel {

// Reads one string value, tracing each step on the console. `subkey` and
// `name` end at their first NUL (or at their end). `len` on input chooses the
// hive: negative HKEY_CLASSES_ROOT, zero or more HKEY_CURRENT_USER; on success
// it receives the value's size in bytes, its NUL included, and `outval` the
// text (at most 254 bytes: the buffer is 255 bytes). Returns 0 when the value
// was read, else a Windows error code: the open status when the key cannot be
// opened, the query status when the value cannot be read (2 missing, 234
// longer than the buffer), else the close status. On failure `outval` and
// `len` are unchanged.
int RdUsrReg(std::string_view subkey, std::string_view name, std::string& outval, int& len);

// The value of the environment variable `name` read through a buffer of `len`
// bytes: stores it in `value` and returns its number of characters; returns 0
// and clears `value` when the variable is not defined, is empty, or would not
// fit the buffer with its NUL.
int MyGetEnv(std::string_view name, std::string& value, int len);

}  // namespace tarvel
