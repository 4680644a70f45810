#include "writer/to_char.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>
#include <system_error>

namespace tarvel {

namespace {

// Puts `text` into a field of width w: left-justified (leading blanks dropped),
// cut or blank-padded, and returns the significant length.
int put_left(std::string_view text, char* buff, std::size_t w) {
  text = trim_left(text);
  const std::size_t n = std::min(text.size(), w);
  std::copy(text.data(), text.data() + n, buff);
  std::fill(buff + n, buff + w, ' ');
  return static_cast<int>(len_trim(std::string_view(buff, w)));
}

// Fw.d of a float: "-", integer digits ("0" below 1), ".", d digits, rounded
// from the exact binary value (halfway cases to even, as printf does); w
// asterisks when it does not fit.
std::string fixed(float v, int w, int d) {
  char buf[128];
  std::string s;
  const auto r =
      std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::fixed, d);
  if (r.ec == std::errc()) {
    s.assign(buf, r.ptr);
  } else {
    // Only a format with a very large decimal count gets here.
    const int n = std::snprintf(nullptr, 0, "%.*f", d, static_cast<double>(v));
    s.assign(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    std::snprintf(s.data(), s.size() + 1, "%.*f", d, static_cast<double>(v));
  }
  if (d == 0) s.push_back('.');
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
  return s;
}

// Width and decimal count of a format "(Fw.d)"; decimals -1 when absent.
void parse_format(std::string_view fstr, int& w, int& d) {
  w = 0;
  d = -1;
  std::size_t i = fstr.find_first_of("Ff");
  if (i == std::string_view::npos) return;
  for (++i; i < fstr.size() && fstr[i] >= '0' && fstr[i] <= '9'; ++i) w = w * 10 + (fstr[i] - '0');
  const std::size_t dot = fstr.find('.');
  const std::size_t close = fstr.find(')');
  if (dot == std::string_view::npos || close == std::string_view::npos || close <= dot + 1) return;
  int dd = 0;
  for (std::size_t k = dot + 1; k < close; ++k) {
    if (fstr[k] < '0' || fstr[k] > '9') return;
    dd = dd * 10 + (fstr[k] - '0');
  }
  d = dd;
}

}  // namespace

void i2b_buf(int ii4, char* buff, std::size_t w, int& lb) {
  const std::size_t field = std::min<std::size_t>(w, 16);
  std::string digits = std::to_string(ii4);
  if (digits.size() > field) digits.assign(field, '*');
  lb = put_left(digits, buff, w);
}

void f2b_buf(float rr4, char* buff, std::size_t w, std::string_view fstr, int& lb) {
  int fw = 0;
  int fd = 0;
  parse_format(fstr, fw, fd);
  // Above 1 in magnitude at most nine significant digits: fewer decimals
  // when the format's would give more. (An infinity has no digits to count.)
  int decimals = fd < 0 ? 0 : fd;
  const float mag = std::fabs(rr4);
  if (mag > 1.0f && std::isfinite(mag) && fd >= 0) {
    const auto k = static_cast<int>(static_cast<float>(std::log10(static_cast<double>(mag))));
    const int q = std::max(8 - k, 0);
    if (q < fd) decimals = q;
  }
  std::string text = fixed(rr4, fw, decimals);

  if (text.find('.') == std::string::npos) {
    lb = put_left(text, buff, w);
    return;
  }
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
  lb = put_left(text, buff, w);
}

}  // namespace tarvel
