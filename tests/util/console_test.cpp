#include "util/console.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace tarvel {
namespace {

TEST(FreeLine, ItemsFollowTheFreeLayout) {
  struct Case {
    const char* name;
    void (*write)();
    const char* expected;
  };
  const Case cases[] = {
      {"no items", [] { FreeLine(); }, "\n"},
      {"texts glued",
       [] {
         FreeLine() << "INFILE :  "
                    << "a.fpl";
       },
       " INFILE :  a.fpl\n"},
      {"integer right-aligned in 11", [] { FreeLine() << "IOS=" << -1; }, " IOS=          -1\n"},
      {"first item an integer", [] { FreeLine() << 5; }, "           5\n"},
      {"integers of 10, 11 and more characters",
       [] { FreeLine() << -123456789 << 12345678901LL << (-9223372036854775807LL - 1); },
       "  -123456789 12345678901 -9223372036854775808\n"},
      // Lines share one buffer: nothing of a longer line is left in the next.
      {"a short line after a long one",
       [] {
         FreeLine() << "a much longer line than the next" << 1;
         FreeLine() << "b";
       },
       " a much longer line than the next           1\n b\n"},
      {"a line written while another is built",
       [] {
         FreeLine outer;
         outer << "outer" << 1;
         FreeLine() << "inner";
         outer << 2;
       },
       " inner\n outer           1           2\n"},
      {"flags", [] { FreeLine() << "qweather" << true << false; }, " qweather T F\n"},
      {"text after a number", [] { FreeLine() << 3 << "x"; }, "           3 x\n"},
      {"reals in short form", [] { FreeLine() << "Tot dist" << 3500.0f << 0.1f; },
       " Tot dist 3500 0.1\n"},
  };
  for (const auto& c : cases) {
    test::ConsoleCapture cap;
    c.write();
    EXPECT_EQ(cap.text(), c.expected) << c.name;
  }
}

TEST(FreeReal, ShortestTextThatReadsBack) {
  EXPECT_EQ(free_real(291.449982f), "291.44998");
  EXPECT_EQ(free_real(1e20f), "1e+20");
  EXPECT_EQ(free_real(-0.5), "-0.5");
}

}  // namespace
}  // namespace tarvel
