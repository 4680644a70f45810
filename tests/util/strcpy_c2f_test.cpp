#include "util/strcpy_c2f.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(StrcpyC2f, CopiesUpToTheNulOrTheCountAndBlanksTheRest) {
  struct Case {
    const char* name;
    const char* in;
    int ls;
    const char* out;
    int copied;
  } cases[] = {
      {"0 means the field width, NUL first", "abc", 0, "abc     ", 3},
      {"0 means the field width, longer text", "abcdefghij", 0, "abcdefgh", 8},
      {"at most ls characters", "abcdefgh", 5, "abcde   ", 5},
      {"NUL before ls", "ab\0cd", 5, "ab      ", 2},
      {"empty text", "", 0, "        ", 0},
      // A dialog may return more than the field holds: only the width is copied.
      {"ls beyond the width", "abcdefghijkl", 20, "abcdefgh", 8},
      {"negative ls copies nothing", "abc", -1, "        ", 0},
      {"null text copies nothing", nullptr, 0, "        ", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FixedText<8> out("XXXXXXXX");
    int ls = c.ls;
    strcpy_c2f(c.in, out, ls);
    EXPECT_EQ(out.view(), c.out);
    EXPECT_EQ(ls, c.copied);
  }
}

}  // namespace
}  // namespace tarvel
