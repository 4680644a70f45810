#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel {
namespace {

TEST(TextEncoding, Utf16RoundTripAndWindows1252Bytes) {
  struct Case {
    const char* name;
    std::string text;     // as the program holds it
    std::u16string wide;  // what the wide calls get
    std::string back;     // what comes back from them
  };
  const Case cases[] = {
      {"ASCII", "C:\\Plans\\a.fpl", u"C:\\Plans\\a.fpl", "C:\\Plans\\a.fpl"},
      {"UTF-8 Polish and Cyrillic", "\xc5\x81ukasz \xd0\x97\xd0\xb0", u"\u0141ukasz \u0417\u0430",
       "\xc5\x81ukasz \xd0\x97\xd0\xb0"},
      {"Windows-1252 bytes of a French text",
       "trouv\xe9"
       "e \x80",
       u"trouv\u00e9e \u20ac",
       "trouv\xc3\xa9"
       "e \xe2\x82\xac"},
      {"a character beyond U+FFFF", "\xf0\x9f\x98\x80", u"\U0001F600", "\xf0\x9f\x98\x80"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(to_utf16(c.text), c.wide) << c.name;
    EXPECT_EQ(utf16_to_utf8(c.wide), c.back) << c.name;
  }
  EXPECT_EQ(utf16_to_utf8(std::u16string(1, u'\xd800') + u"a"),
            "\xef\xbf\xbd"
            "a");
  EXPECT_EQ(utf16_to_utf8(std::u16string(1, u'\xdc00')), "\xef\xbf\xbd");
}

TEST(TextEncoding, TextFilesOfEveryUsualEncoding) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string text;
    TextFileEncoding found;
  };
  const Case cases[] = {
      {"empty", "", "", TextFileEncoding::utf8},
      {"UTF-8",
       "D\xc3\xa9"
       "f",
       "D\xc3\xa9"
       "f",
       TextFileEncoding::utf8},
      {"UTF-8 with its mark",
       "\xef\xbb\xbf"
       "D\xc3\xa9"
       "f",
       "D\xc3\xa9"
       "f",
       TextFileEncoding::utf8_with_mark},
      {"a mark before bytes that are not UTF-8",
       "\xef\xbb\xbf"
       "D\xe9"
       "f",
       "D\xc3\xa9"
       "f",
       TextFileEncoding::utf8_with_mark},
      {"UTF-16 LE, an odd last byte dropped",
       std::string("\xff\xfe"
                   "D\0\xe9\0\x1a",
                   7),
       "D\xc3\xa9", TextFileEncoding::utf16le},
      {"UTF-16 BE", std::string("\xfe\xff\0D\0\xe9", 6), "D\xc3\xa9", TextFileEncoding::utf16be},
      {"Windows-1252",
       "D\xe9"
       "f \x80",
       "D\xc3\xa9"
       "f \xe2\x82\xac",
       TextFileEncoding::cp1252},
      {"NUL bytes are UTF-8", std::string("a\0b", 3), std::string("a\0b", 3),
       TextFileEncoding::utf8},
  };
  for (const Case& c : cases) {
    TextFileEncoding found{};
    EXPECT_EQ(decode_text_file(c.bytes, &found), c.text) << c.name;
    EXPECT_EQ(found, c.found) << c.name;
  }
}

TEST(TextEncoding, Utf8PrefixNeverCutsACharacter) {
  struct Case {
    const char* name;
    std::string_view text;
    std::size_t n;
    std::string_view expected;
  };
  const Case cases[] = {
      {"shorter than n", "Task", 10, "Task"},
      {"ASCII cut", "Task.fpl", 4, "Task"},
      {"cut inside a 2-byte letter", "Caf\xc3\xa9", 4, "Caf"},
      {"cut after a 2-byte letter", "Caf\xc3\xa9!", 5, "Caf\xc3\xa9"},
      {"cut inside a 4-byte character", "a\xf0\x9f\x98\x80", 3, "a"},
      {"n of 0", "\xc3\xa9", 0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(utf8_prefix(c.text, c.n), c.expected) << c.name;
}

}  // namespace
}  // namespace tarvel
