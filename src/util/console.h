// Console output of the program: plain lines and free-style trace lines.
//
// Free style: the line begins with one blank; text items follow as they
// stand, with nothing between two adjacent text items; any other item is
// preceded by one blank (the line's first blank serves a first item);
// integers are right-aligned in 11 characters; flags print as T or F; reals
// print in their shortest exact form. A line without items is empty. Plain
// style is the text alone.
//
// Every line goes through console_line(), which turns the program's
// Windows-1252 texts into what the terminal shows (see platform/text_encoding.h).
#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "platform/console_lines.h"

namespace tarvel {

// Formats a real in free form: the shortest text that reads back as the same value.
std::string free_real(float v);
std::string free_real(double v);

// One free-style line; it is written when the object goes away, so
//   FreeLine() << "INFILE :  " << path << n;
// writes one line at the end of the statement.
class FreeLine {
 public:
  FreeLine();
  FreeLine(const FreeLine&) = delete;
  FreeLine& operator=(const FreeLine&) = delete;
  ~FreeLine();

  FreeLine& operator<<(std::string_view text);
  FreeLine& operator<<(const char* text) { return *this << std::string_view(text); }
  FreeLine& operator<<(const std::string& text) { return *this << std::string_view(text); }
  FreeLine& operator<<(bool flag);
  FreeLine& operator<<(float v);
  FreeLine& operator<<(double v);
  template <std::integral T>
  requires(!std::same_as<T, bool> && !std::same_as<T, char>) FreeLine& operator<<(T v) {
    return integer(static_cast<long long>(v));
  }

 private:
  FreeLine& integer(long long v);
  void item(std::string_view formatted);
  std::string text_;
  bool any_ = false;
  bool last_text_ = false;
};

}  // namespace tarvel
