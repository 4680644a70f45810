#include "flightplan/extract_key_val.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace tarvel {

namespace {

// Writes `item` left-justified into a field of width w: leading blanks are
// dropped, the rest is cut to w or padded with blanks.
void put_adjustl(std::string_view item, char* field, std::size_t w) {
  item = trim_left(item);
  const std::size_t n = std::min(item.size(), w);
  if (n > 0) std::memmove(field, item.data(), n);
  std::fill(field + n, field + w, ' ');
}

void put_as_is(std::string_view item, char* field, std::size_t w) {
  const std::size_t n = std::min(item.size(), w);
  if (n > 0) std::memmove(field, item.data(), n);
  std::fill(field + n, field + w, ' ');
}

// True when `text` shares bytes with the field of width w at `field`.
bool overlaps(std::string_view text, const char* field, std::size_t w) {
  const std::uintptr_t t0 = reinterpret_cast<std::uintptr_t>(text.data());
  const std::uintptr_t f0 = reinterpret_cast<std::uintptr_t>(field);
  return t0 < f0 + w && f0 < t0 + text.size();
}

}  // namespace

void extract_key_val_buf(std::string_view line, char* key, std::size_t key_w, char* val,
                         std::size_t val_w) {
  std::size_t p = line.find('=');
  if (p == std::string_view::npos) p = line.find(':');
  if (p == std::string_view::npos) {
    put_as_is(line, key, key_w);
    std::fill(val, val + val_w, ' ');
    return;
  }
  // A line that is a view of one of the outputs is copied first, since
  // writing the key would change what the value is taken from.
  if (overlaps(line, key, key_w) || overlaps(line, val, val_w)) {
    const std::string copy(line);
    extract_key_val_buf(copy, key, key_w, val, val_w);
    return;
  }
  put_adjustl(line.substr(0, p), key, key_w);
  put_adjustl(line.substr(p + 1), val, val_w);
}

void extract_list_buf(char* val, std::size_t val_w, char* buff, std::size_t buff_w, char sep) {
  // A copy: val is rewritten from what follows the item.
  const std::string v(val, val_w);
  std::string_view rest = v;
  const std::string_view item = extract_list_next(rest, sep);
  put_adjustl(item, buff, buff_w);
  put_as_is(rest, val, val_w);
}

std::string_view extract_list_next(std::string_view& list, char sep) {
  // Only the leading blanks are scanned for the blank test: they belong to
  // this item anyway, so the walk stays linear.
  if (list.find_first_not_of(' ') == std::string_view::npos) {
    list = std::string_view();
    return std::string_view();
  }
  const std::size_t p = list.find(sep);
  if (p == std::string_view::npos) {
    const std::string_view item = trim_left(list);
    list = std::string_view();
    return item;
  }
  std::size_t item_end = p;
  std::size_t rest_from = p + 1;
  const std::size_t q1 = list.substr(0, p).find('"');
  if (q1 != std::string_view::npos) {
    const std::size_t q2 = list.find('"', q1 + 1);
    if (q2 != std::string_view::npos) {
      const std::size_t p2 = list.find(sep, q2 + 1);
      if (p2 != std::string_view::npos) {
        item_end = p2;
        rest_from = p2 + 1;
      } else {
        // No separator after the closing quote: the item ends with the quote
        // and the character after it goes with it.
        item_end = q2 + 1;
        rest_from = q2 + 2;
      }
    }
  }
  const std::string_view item = trim_left(list.substr(0, item_end));
  list = rest_from < list.size() ? list.substr(rest_from) : std::string_view();
  return item;
}

}  // namespace tarvel
