#include "util/fixed_text.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(FixedText, AssignmentCutsOrPads) {
  FixedText<5> t("abcdefgh");
  EXPECT_EQ(t.view(), "abcde");
  t = "ab";
  EXPECT_EQ(t.view(), "ab   ");
  FixedText<3> small;
  small = FixedText<8>("xyzuvw");
  EXPECT_EQ(small.view(), "xyz");
}

TEST(FixedText, ComparisonsIgnoreTrailingBlanksOnly) {
  EXPECT_TRUE(FixedText<8>("abc") == "abc   ");
  EXPECT_TRUE(FixedText<8>("abc") == FixedText<4>("abc"));
  EXPECT_FALSE(FixedText<8>(" abc") == "abc");
  EXPECT_FALSE(FixedText<8>("abc") == "ABC");
  EXPECT_TRUE(FixedText<4>() == "");
}

TEST(FixedText, TrimmedAndLeftJustified) {
  FixedText<10> t("  ab c ");
  EXPECT_EQ(t.trimmed(), "  ab c");
  EXPECT_EQ(t.len_trim(), 6u);
  t.adjustl();
  EXPECT_EQ(t.view(), "ab c      ");
  EXPECT_TRUE(FixedText<3>("   ").is_blank());
}

// Trailing blanks are skipped in 8-byte steps: every length of field and
// every place of its last non-blank byte, including bytes that only look
// blank (tab, NUL, no-break space), must give the byte-by-byte answer.
TEST(FixedText, LenTrimFindsTheLastNonBlankByteAnywhere) {
  for (const char mark : {'x', '\t', '\0', '\xa0'}) {
    for (std::size_t size = 0; size <= 40; ++size) {
      EXPECT_EQ(len_trim(std::string(size, ' ')), 0u) << size;
      for (std::size_t last = 0; last < size; ++last) {
        std::string s(size, ' ');
        s[last] = mark;
        if (last > 0) s[0] = 'a';  // blanks between two marks stay part of the text
        EXPECT_EQ(len_trim(s), last + 1) << "size " << size << ", last " << last;
        EXPECT_EQ(trim_right(s).size(), last + 1);
      }
    }
  }
}

TEST(FixedText, NulEndsTextsFromOutside) {
  FixedText<12> t(std::string_view("C:\\a\0old\0zz", 11));
  t.blank_from_nul();
  EXPECT_EQ(t.view(), "C:\\a        ");
  FixedText<4> first_nul(std::string_view("\0abc", 4));
  first_nul.blank_from_nul();
  EXPECT_TRUE(first_nul.is_blank());
}

TEST(FixedText, SelfAssignmentOfATail) {
  FixedText<8> t("abcdefgh");
  t = t.view().substr(3);
  EXPECT_EQ(t.view(), "defgh   ");
}

}  // namespace
}  // namespace tarvel
