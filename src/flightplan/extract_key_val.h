// key=value lines and separated lists of plan and settings files.
#pragma once

#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// Core routines on raw fields (pointer and width); the FixedText overloads
// below are what callers use.
void extract_key_val_buf(std::string_view line, char* key, std::size_t key_w, char* val,
                         std::size_t val_w);
void extract_list_buf(char* val, std::size_t val_w, char* buff, std::size_t buff_w, char sep);

// Splits `line` at its first "=" (or, without one, its first ":"). key and val
// get the text before and after it, each left-justified. Without either
// separator, key is the whole line as it stands and val is blank.
template <std::size_t K, std::size_t V>
void extract_key_val(std::string_view line, FixedText<K>& key, FixedText<V>& val) {
  extract_key_val_buf(line, key.data(), K, val.data(), V);
}

// Takes the first item of the list in val (separated by the first character
// of `sep`; double quotes protect separators) into buff, left-justified and
// then cut to buff's width; val keeps the rest. buff comes back blank at the end of the list and
// for an empty item.
template <std::size_t V, std::size_t B>
void extract_list(FixedText<V>& val, FixedText<B>& buff, std::string_view sep) {
  extract_list_buf(val.data(), V, buff.data(), B, sep.empty() ? ' ' : sep.front());
}

template <std::size_t V, std::size_t B>
void extract_comma(FixedText<V>& val, FixedText<B>& buff) {
  extract_list(val, buff, ",");
}

// The same item rule as extract_list, on a view: returns the next item of
// `list` (left-justified when a separator ends it, as it stands when it is
// the last one) and moves `list` past it. An all-blank list gives an empty
// item and an empty list. Each call costs the length of the item it takes,
// so a whole list of any length is walked in linear time.
std::string_view extract_list_next(std::string_view& list, char sep);

}  // namespace tarvel
