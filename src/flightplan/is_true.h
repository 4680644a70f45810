// Flags in value texts and in output.
#pragma once

#include <string_view>

namespace tarvel {

// True exactly when the first character is "1", "Y" or "y"; "T", "true",
// "0", "N" and a blank value are false.
bool is_true(std::string_view cc);

// 1 for true, 0 for false.
inline int log2int(bool qqq) { return qqq ? 1 : 0; }

}  // namespace tarvel
