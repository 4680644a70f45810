// Integers and reals as the short texts of the Condor 3 output, and the
// clean-up of texts that come back NUL-terminated.
#pragma once

#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

void i2b_buf(int ii4, char* buff, std::size_t w, int& lb);
void f2b_buf(float rr4, char* buff, std::size_t w, std::string_view fstr, int& lb);

// Decimal text of ii4, left-justified in buff; lb is its length. The number
// is first written right-justified in a field of min(width, 16) characters;
// one that does not fit fills that field with asterisks.
template <std::size_t N>
void i2b(int ii4, FixedText<N>& buff, int& lb) {
  i2b_buf(ii4, buff.data(), N, lb);
}

// Fixed-point text of rr4 for a format "(Fw.d)", left-justified in buff:
// rounded to d decimals from the float's exact value (halfway cases to even),
// at most nine significant digits for magnitudes above 1, trailing zeros and
// a trailing point removed; w asterisks when the text is wider than w.
template <std::size_t N>
void f2b(float rr4, FixedText<N>& buff, std::string_view fstr, int& lb) {
  f2b_buf(rr4, buff.data(), N, fstr, lb);
}

// The first NUL and every byte after it become blanks.
template <std::size_t N>
void remove_trail_0(FixedText<N>& buff) {
  buff.blank_from_nul();
}

}  // namespace tarvel
