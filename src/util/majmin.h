// Upper-casing of the program's texts.
#pragma once

#include <cstddef>

#include "util/fixed_text.h"

namespace tarvel {

// Upper-cases the ASCII letters a-z of text[0..len) up to its last non-blank
// character; every other byte (accented letters included) is left alone.
void majusc_buf(char* text, std::size_t len);

template <std::size_t N>
void majusc(FixedText<N>& text) {
  majusc_buf(text.data(), N);
}

}  // namespace tarvel
