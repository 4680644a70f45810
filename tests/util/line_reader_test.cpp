#include "util/line_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tarvel {
namespace {

std::vector<std::string> lines_of(const std::string& text, std::size_t max_len = 100) {
  std::istringstream in(text);
  LineReader reader(in);
  std::vector<std::string> out;
  std::string line;
  while (reader.next(line, max_len)) out.push_back(line);
  EXPECT_EQ(reader.status(), -1);
  return out;
}

TEST(LineReader, EveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(lines_of("a\nb\r\nc\rd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(lines_of("a\n\nb\n"), (V{"a", "", "b"}));
  EXPECT_EQ(lines_of("\r\r\n\n"), (V{"", "", ""}));
  EXPECT_EQ(lines_of(""), V{});
  EXPECT_EQ(lines_of(std::string("x\0y\n", 4)), (V{std::string("x\0y", 3)}));
}

TEST(LineReader, LongLinesAreCutAndConsumed) {
  const std::string big(1 << 20, 'x');
  const auto v = lines_of(big + "\nnext\n", 132);
  ASSERT_EQ(v.size(), 2u);
  EXPECT_EQ(v[0], std::string(132, 'x'));
  EXPECT_EQ(v[1], "next");
}

}  // namespace
}  // namespace tarvel
