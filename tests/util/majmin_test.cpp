#include "util/majmin.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(Majusc, UpperCasesAsciiLettersOnly) {
  struct Case {
    std::string_view in;
    std::string_view out;
  };
  const Case cases[] = {
      {"c:\\tools\\conv", "C:\\TOOLS\\CONV"},
      {"Abc xyz 09_-", "ABC XYZ 09_-"},
      {"caf\xE9 \xE0 la", "CAF\xE9 \xE0 LA"},  // accented letters stay as they are
      {"", ""},
  };
  for (const Case& c : cases) {
    FixedText<16> t(c.in);
    majusc(t);
    EXPECT_EQ(t, c.out) << c.in;
  }
  // Bytes after the last non-blank character are not touched.
  char raw[] = {'a', 'b', ' ', ' '};
  majusc_buf(raw, sizeof raw);
  EXPECT_EQ(std::string(raw, 4), "AB  ");
}

}  // namespace
}  // namespace tarvel
