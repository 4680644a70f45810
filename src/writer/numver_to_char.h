// The dotted text of a version number: 1200 gives "1.2.0.0".
#pragma once

#include "util/fixed_text.h"

namespace tarvel {

void numver_to_char_buf(int numver, char* cc1, std::size_t w, int& lc1);

// numver / 1000, then the hundreds, tens and units digits, joined by ".";
// left-justified in cc1, lc1 its length.
template <std::size_t N>
void numver_to_char(int numver, FixedText<N>& cc1, int& lc1) {
  numver_to_char_buf(numver, cc1.data(), N, lc1);
}

}  // namespace tarvel
