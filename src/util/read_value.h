// Reading a value text as a number, in free form.
//
// Leading blanks and tabs are skipped; the number ends at the first blank,
// tab, comma, semicolon or "/" (or the end of the text). An integer is an
// optional sign and digits; a real adds an optional decimal point and an
// exponent written with E, e, D or d, or as a sign directly after the digits
// ("1.5+3" is 1500). A prefix "count*" repeats the value, which reads as the
// value itself. On end-of-data or error the destination keeps its value; a
// leading comma or "/" (a null value) leaves it unchanged with success.
#pragma once

#include <string_view>

namespace tarvel {

inline constexpr int read_ok = 0;
inline constexpr int read_end = -1;   // blank or empty text
inline constexpr int read_error = 1;  // not a number of the wanted kind, or out of range

int read_value(std::string_view text, int& dest);
int read_value(std::string_view text, float& dest);

}  // namespace tarvel
