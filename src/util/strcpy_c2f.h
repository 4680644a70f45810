// Copies a NUL-terminated text (as dialogs and the operating system return
// them) into a fixed-width text.
#pragma once

#include <cstddef>

#include "util/fixed_text.h"

namespace tarvel {

// Copies from `in_str` until its NUL or `ls` characters, blanks the rest of
// `out`, and sets `ls` to the number copied. `ls` on entry: the most to copy,
// 0 for the whole width; a count beyond the width (a dialog's result longer
// than the field) copies only the width, a negative one copies nothing.
// A null `in_str` copies nothing.
void strcpy_c2f_buf(const char* in_str, char* out, std::size_t width, int& ls);

template <std::size_t N>
void strcpy_c2f(const char* in_str, FixedText<N>& out_str, int& ls) {
  strcpy_c2f_buf(in_str, out_str.data(), N, ls);
}

}  // namespace tarvel
