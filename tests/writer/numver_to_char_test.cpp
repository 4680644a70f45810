#include "writer/numver_to_char.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(NumverToChar, DottedVersionText) {
  struct Case {
    int numver;
    const char* text;
  };
  const Case cases[] = {{1200, "1.2.0.0"}, {12345, "12.3.4.5"}, {0, "0.0.0.0"},
                        {3014, "3.0.1.4"}, {99999, "99.9.9.9"}, {100000, "**.0.0.0"}};
  for (const auto& c : cases) {
    FixedText<8> cc1("dirty");
    int lc1 = -1;
    numver_to_char(c.numver, cc1, lc1);
    EXPECT_TRUE(cc1 == c.text) << c.numver;
    EXPECT_EQ(static_cast<std::size_t>(lc1), cc1.len_trim()) << c.numver;
  }
  FixedText<8> cc1;
  int lc1 = 0;
  numver_to_char(1200, cc1, lc1);
  EXPECT_EQ(lc1, 7);
}

}  // namespace
}  // namespace tarvel
