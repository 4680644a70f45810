#include "platform/user_reg.h"

#include <cstdint>
#include <utility>

#include "platform/text_encoding.h"

namespace tarvel {

namespace {

// Appends code points as UTF-8. Wine writes the UTF-16 units of a character
// beyond U+FFFF one by one: a surrogate pair is put together into its one
// character, an unpaired surrogate becomes U+FFFD.
class Utf8Out {
 public:
  explicit Utf8Out(std::string& out) : out_(out) {}
  ~Utf8Out() { flush_high(); }

  void put(std::uint32_t cp) {
    if (cp >= 0xDC00 && cp <= 0xDFFF && high_ != 0) {
      append_utf8(out_, 0x10000 + ((high_ - 0xD800) << 10) + (cp - 0xDC00));
      high_ = 0;
      return;
    }
    flush_high();
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      high_ = cp;
      return;
    }
    append_utf8(out_, cp >= 0xDC00 && cp <= 0xDFFF ? 0xFFFD : cp);
  }
  // A byte of the file as it stands (raw UTF-8, or an escaped character).
  void put_byte(unsigned char b) {
    flush_high();
    out_.push_back(static_cast<char>(b));
  }

 private:
  void flush_high() {
    if (high_ != 0) append_utf8(out_, 0xFFFD);
    high_ = 0;
  }

  std::string& out_;
  std::uint32_t high_ = 0;  // a high surrogate waiting for its low one
};

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Decodes an escaped text that starts at line[pos] and ends at the first
// unescaped `close`. Returns the position after `close`, or npos when the
// line ends first (the text is then malformed and not used).
std::size_t decode_escaped(std::string_view line, std::size_t pos, char close, std::string& text) {
  Utf8Out out(text);
  std::size_t i = pos;
  while (i < line.size()) {
    const char c = line[i];
    if (c == close) return i + 1;
    if (c != '\\') {
      const auto b = static_cast<unsigned char>(c);
      if (b >= 0x80) {
        if (auto [cp, n] = utf8_at(line, i); n != 0) {
          for (std::size_t k = 0; k < n; ++k) out.put_byte(static_cast<unsigned char>(line[i + k]));
          i += n;
          continue;
        }
      }
      out.put_byte(b);
      ++i;
      continue;
    }
    if (++i >= line.size()) return std::string_view::npos;
    const char e = line[i++];
    switch (e) {
      case 'a': out.put(0x07); break;
      case 'b': out.put(0x08); break;
      case 'e': out.put(0x1B); break;
      case 'f': out.put(0x0C); break;
      case 'n': out.put(0x0A); break;
      case 'r': out.put(0x0D); break;
      case 't': out.put(0x09); break;
      case 'v': out.put(0x0B); break;
      case 'x': {
        // Up to four hex digits; Wine writes four when a hex digit follows.
        std::uint32_t cp = 0;
        int digits = 0;
        while (digits < 4 && i < line.size() && hex_digit(line[i]) >= 0) {
          cp = cp * 16 + static_cast<std::uint32_t>(hex_digit(line[i++]));
          ++digits;
        }
        out.put(digits == 0 ? 'x' : cp);
        break;
      }
      default:
        if (e >= '0' && e <= '7') {
          std::uint32_t cp = static_cast<std::uint32_t>(e - '0');
          for (int k = 0; k < 2 && i < line.size() && line[i] >= '0' && line[i] <= '7'; ++k) {
            cp = cp * 8 + static_cast<std::uint32_t>(line[i++] - '0');
          }
          out.put(cp);
        } else {
          // \\, \", \[, \] and any other escaped character stand for themselves.
          out.put_byte(static_cast<unsigned char>(e));
        }
    }
  }
  return std::string_view::npos;
}

// Case folding for matching, on UTF-8 texts: ASCII and the accented Latin
// capitals U+00C0..U+00DE fold to their small letters.
std::string fold(std::string_view s) {
  std::string f(s);
  for (std::size_t i = 0; i < f.size(); ++i) {
    const auto b = static_cast<unsigned char>(f[i]);
    if (b >= 'A' && b <= 'Z') {
      f[i] = static_cast<char>(b + 0x20);
    } else if (b == 0xC3 && i + 1 < f.size()) {
      const auto c = static_cast<unsigned char>(f[i + 1]);
      if (c >= 0x80 && c <= 0x9E && c != 0x97) f[i + 1] = static_cast<char>(c + 0x20);
      ++i;
    }
  }
  return f;
}

std::string fold_key(std::string_view key) {
  while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  return fold(key);
}

std::size_t skip_blanks(std::string_view line, std::size_t i) {
  while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  return i;
}

// The data of a string value: "text", str:"text" or str(2):"text". False for
// any other type or a malformed text.
bool string_data(std::string_view data, std::string& value) {
  value.clear();
  for (std::string_view prefix : {"\"", "str:\"", "str(2):\""}) {
    if (data.substr(0, prefix.size()) == prefix) {
      return decode_escaped(data, prefix.size(), '"', value) != std::string_view::npos;
    }
  }
  return false;
}

bool is_head_line(std::string_view text) {
  constexpr std::string_view header = "WINE REGISTRY Version 2";
  return text.substr(0, header.size()) == header;
}

enum class LineKind {
  other,    // blank, comment, #time=, @= and hex continuations
  key,      // "[key]": text holds the key
  bad_key,  // a "[" line that does not close: no key is open after it
  value,    // "name"=data: text holds the name, data the rest of the line
};

struct RegLine {
  std::string text;
  std::string_view data;
};

// One line of user.reg (after the head line), its "\r" ignored. Value lines
// are only read when `values` is set (a key is open); else they are "other".
LineKind read_line(std::string_view line, bool values, RegLine& r) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const std::size_t i = skip_blanks(line, 0);
  if (i >= line.size()) return LineKind::other;
  if (line[i] == '[') {
    return decode_escaped(line, i + 1, ']', r.text) != std::string_view::npos ? LineKind::key
                                                                              : LineKind::bad_key;
  }
  if (line[i] != '"' || !values) return LineKind::other;
  std::size_t j = decode_escaped(line, i + 1, '"', r.text);
  if (j == std::string_view::npos) return LineKind::other;
  j = skip_blanks(line, j);
  if (j >= line.size() || line[j] != '=') return LineKind::other;
  r.data = line.substr(skip_blanks(line, j + 1));
  return LineKind::value;
}

}  // namespace

bool UserReg::has_key(std::string_view key) const {
  const std::string k = fold_key(key);
  if (k.empty() || keys_.count(k) != 0) return true;
  const std::string parent = k + '\\';
  auto it = keys_.lower_bound(parent);
  return it != keys_.end() && it->first.compare(0, parent.size(), parent) == 0;
}

const std::string* UserReg::find(std::string_view key, std::string_view name) const {
  auto k = keys_.find(fold_key(key));
  if (k == keys_.end()) return nullptr;
  auto v = k->second.find(fold(name));
  return v == k->second.end() ? nullptr : &v->second;
}

void UserReg::set(std::string_view key, std::string_view name, std::string value) {
  keys_[fold_key(key)][fold(name)] = std::move(value);
}

void UserReg::add_key(std::string_view key) { keys_[fold_key(key)]; }

UserReg parse_user_reg(std::string_view text) {
  UserReg reg;
  if (!is_head_line(text)) return reg;

  std::string key;
  bool in_key = false;
  std::size_t start = text.find('\n');
  while (start != std::string_view::npos && start < text.size()) {
    ++start;
    std::size_t end = text.find('\n', start);
    std::string_view line =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    start = end;

    RegLine r;
    switch (read_line(line, in_key, r)) {
      case LineKind::key:
        key = std::move(r.text);
        in_key = true;
        reg.add_key(key);
        break;
      case LineKind::bad_key: in_key = false; break;
      case LineKind::value:
        if (std::string value; string_data(r.data, value)) {
          reg.set(key, r.text, std::move(value));
        }
        break;
      case LineKind::other: break;
    }
  }
  return reg;
}

UserRegValueScan::UserRegValueScan(std::string_view key, std::string_view name)
    : key_(fold_key(key)), name_(fold(name)) {}

bool UserRegValueScan::feed(std::string_view line) {
  if (done_) return false;
  if (first_) {
    first_ = false;
    done_ = !is_head_line(line);
    return !done_;
  }
  RegLine r;
  switch (const LineKind kind = read_line(line, in_key_, r)) {
    case LineKind::key:
    case LineKind::bad_key: {
      const bool ours = kind == LineKind::key && fold_key(r.text) == key_;
      if (in_key_ && !ours) done_ = true;
      in_key_ = ours;
      break;
    }
    case LineKind::value:
      if (fold(r.text) == name_ && string_data(r.data, value_)) {
        found_ = true;
        done_ = true;
      }
      break;
    case LineKind::other: break;
  }
  return !done_;
}

}  // namespace tarvel
