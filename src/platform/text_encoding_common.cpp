#include <cstdint>

#include "platform/text_encoding.h"

namespace tarvel {

namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F; the five bytes that
// the code page leaves undefined map to the C1 control of the same value.
constexpr std::uint16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_utf16(std::u16string& out, std::uint32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// UTF-16 units of `bytes` (an even count; a last odd byte is dropped) in the
// given byte order, as UTF-8.
std::string utf16_bytes_to_utf8(std::string_view bytes, bool big_endian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(big_endian ? (a << 8) | b : (b << 8) | a));
  }
  return utf16_to_utf8(units);
}

}  // namespace

void append_utf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::uint32_t cp1252_code_point(unsigned char b) {
  if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80];
  return b;
}

std::pair<std::uint32_t, std::size_t> utf8_at(std::string_view s, std::size_t i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t n = 0;
  std::uint32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    min = 0x10000;
  } else {
    return {0, 0};
  }
  if (i + n > s.size()) return {0, 0};
  std::uint32_t cp = b0 & (0x7Fu >> n);
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return {0, 0};
    cp = (cp << 6) | (b & 0x3Fu);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {0, 0};
  return {cp, n};
}

std::string mixed_to_utf8(std::string_view text) {
  // Most texts (paths, trace lines) are ASCII: the bytes up to the first one
  // above 0x7F are taken in one piece.
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  std::string out;
  out.reserve(text.size() + 8);
  out.append(text.substr(0, i));
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out.push_back(text[i]);
      ++i;
      continue;
    }
    if (const std::size_t n = utf8_at(text, i).second; n != 0) {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    append_utf8(out, cp1252_code_point(b));
    ++i;
  }
  return out;
}

std::string to_display_text(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return mixed_to_utf8(text);
  }
  return std::string(text);
}

std::string_view utf8_prefix(std::string_view s, std::size_t n) {
  if (s.size() <= n) return s;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return s.substr(0, n);
}

bool is_valid_utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t n = utf8_at(text, i).second;
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::u16string to_utf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out.push_back(static_cast<char16_t>(b));
      ++i;
    } else if (const auto [cp, n] = utf8_at(text, i); n != 0) {
      append_utf16(out, cp);
      i += n;
    } else {
      out.push_back(static_cast<char16_t>(cp1252_code_point(b)));
      ++i;
    }
  }
  return out;
}

std::string utf16_to_utf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    append_utf8(out, cp);
  }
  return out;
}

std::string decode_text_file(std::string_view bytes, TextFileEncoding* found) {
  TextFileEncoding enc = TextFileEncoding::utf8;
  std::string out;
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
    enc = TextFileEncoding::utf8_with_mark;
    bytes.remove_prefix(3);
    // A file marked UTF-8 that is not (edited since in another editor) is
    // still read the one way its bytes allow.
    out = mixed_to_utf8(bytes);
  } else if (bytes.substr(0, 2) == "\xFF\xFE") {
    enc = TextFileEncoding::utf16le;
    out = utf16_bytes_to_utf8(bytes.substr(2), false);
  } else if (bytes.substr(0, 2) == "\xFE\xFF") {
    enc = TextFileEncoding::utf16be;
    out = utf16_bytes_to_utf8(bytes.substr(2), true);
  } else if (is_valid_utf8(bytes)) {
    out = std::string(bytes);
  } else {
    enc = TextFileEncoding::cp1252;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) append_utf8(out, cp1252_code_point(static_cast<unsigned char>(c)));
  }
  if (found != nullptr) *found = enc;
  return out;
}

}  // namespace tarvel
