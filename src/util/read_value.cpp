#include "util/read_value.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tarvel {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

enum class Token { value, null_value, end, error };

// Finds the text of the one value in `text`: skips leading blanks and tabs,
// stops at a separator, and strips a repeat count.
Token value_token(std::string_view text, std::string_view& out) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i == text.size()) return Token::end;
  if (text[i] == ',' || text[i] == '/') return Token::null_value;
  std::size_t j = i;
  while (j < text.size() && text[j] != ' ' && text[j] != '\t' && text[j] != ',' && text[j] != ';' &&
         text[j] != '/') {
    ++j;
  }
  std::string_view tok = text.substr(i, j - i);
  if (const std::size_t star = tok.find('*'); star != std::string_view::npos) {
    const std::string_view count = tok.substr(0, star);
    if (count.empty()) return Token::error;
    bool nonzero = false;
    for (char c : count) {
      if (!is_digit(c)) return Token::error;
      if (c != '0') nonzero = true;
    }
    if (!nonzero) return Token::error;
    tok = tok.substr(star + 1);
    if (tok.empty()) return Token::null_value;  // "r*" alone: r null values
  }
  out = tok;
  return tok.empty() ? Token::error : Token::value;
}

}  // namespace

int read_value(std::string_view text, int& dest) {
  std::string_view tok;
  switch (value_token(text, tok)) {
    case Token::end: return read_end;
    case Token::null_value: return read_ok;
    case Token::error: return read_error;
    case Token::value: break;
  }
  bool neg = false;
  std::size_t i = 0;
  if (tok[0] == '+' || tok[0] == '-') {
    neg = tok[0] == '-';
    i = 1;
  }
  if (i == tok.size()) return read_error;
  long long v = 0;
  for (; i < tok.size(); ++i) {
    if (!is_digit(tok[i])) return read_error;
    v = v * 10 + (tok[i] - '0');
    if (v > 2147483648LL) return read_error;
  }
  if (neg) v = -v;
  if (v > 2147483647LL) return read_error;
  dest = static_cast<int>(v);
  return read_ok;
}

int read_value(std::string_view text, float& dest) {
  std::string_view tok;
  switch (value_token(text, tok)) {
    case Token::end: return read_end;
    case Token::null_value: return read_ok;
    case Token::error: return read_error;
    case Token::value: break;
  }
  // Rewrite the token as "[-]digits[.digits]e[sign]digits" for from_chars.
  std::string norm;
  std::size_t i = 0;
  if (tok[0] == '+' || tok[0] == '-') {
    if (tok[0] == '-') norm.push_back('-');
    i = 1;
  }
  std::size_t digits = 0;
  bool point = false;
  for (; i < tok.size(); ++i) {
    const char c = tok[i];
    if (is_digit(c)) {
      ++digits;
      norm.push_back(c);
    } else if (c == '.' && !point) {
      point = true;
      norm.push_back(c);
    } else {
      break;
    }
  }
  if (digits == 0) return read_error;
  if (i < tok.size()) {
    char c = tok[i];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
      ++i;
      if (i == tok.size()) return read_error;
      c = tok[i];
    }
    norm.push_back('e');
    if (c == '+' || c == '-') {
      norm.push_back(c);
      ++i;
    }
    if (i == tok.size()) return read_error;
    for (; i < tok.size(); ++i) {
      if (!is_digit(tok[i])) return read_error;
      norm.push_back(tok[i]);
    }
  }
  float v = 0;
  const char* first = norm.data();
  const char* last = norm.data() + norm.size();
  const auto r = std::from_chars(first, last, v);
  if (r.ec == std::errc::result_out_of_range) {
    // Too small for a float reads as (signed) zero; too large is an error.
    const double d = std::strtod(norm.c_str(), nullptr);
    if (!(std::fabs(d) < 1.0)) return read_error;
    v = static_cast<float>(d);
  } else if (r.ec != std::errc() || r.ptr != last) {
    return read_error;
  }
  if (std::isinf(v)) return read_error;
  dest = v;
  return read_ok;
}

}  // namespace tarvel
