#include "flightplan/read_fpl_lines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "flightplan/extract_key_val.h"
#include "util/fixed_text.h"

namespace tarvel {
namespace {

struct Lines {
  std::vector<std::string> lines;
  int last_status = 0;
};

Lines split(const std::string& bytes, std::size_t width = 132) {
  std::istringstream in(bytes, std::ios::binary);
  PlanLineReader reader(in);
  Lines out;
  std::string line;
  for (;;) {
    out.last_status = reader.next(line, width);
    if (out.last_status != fpl_line_ok) break;
    out.lines.push_back(line);
  }
  return out;
}

TEST(PlanLineReader, LineEnds) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"LF", "a\nbb\n", {"a", "bb"}},
      {"CR LF", "a\r\nbb\r\n", {"a", "bb"}},
      {"lone CR", "a\rbb\r", {"a", "bb"}},
      {"mixed", "a\r\n\rb\n\nc\r", {"a", "", "b", "", "c"}},
      {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
      {"last line without an end", "a\nlast", {"a", "last"}},
      {"empty file", "", {}},
      {"a single end", "\n", {""}},
      {"bytes kept as they are",
       std::string("\xe9t\xe9\t\0x", 6),
       {std::string("\xe9t\xe9\t\0x", 6)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Lines got = split(row.bytes);
    EXPECT_EQ(got.lines, row.lines);
    EXPECT_EQ(got.last_status, fpl_line_end);
  }
}

TEST(PlanLineReader, LongLinesAreCutAndSkippedWhole) {
  // A 1 MiB line keeps its first `width` bytes; the next line is intact,
  // also when a CR LF straddles two read blocks.
  const std::string huge(1 << 20, 'x');
  const Lines got = split("[Task]\n" + huge + "\r\nCount=2\n", 132);
  ASSERT_EQ(got.lines.size(), 3u);
  EXPECT_EQ(got.lines[1], std::string(132, 'x'));
  EXPECT_EQ(got.lines[2], "Count=2");

  const std::string straddle = std::string(4 * PlanLineReader::block_size - 1, 'a') + "\r\nb\r";
  const Lines edge = split(straddle, 10);
  ASSERT_EQ(edge.lines.size(), 2u);
  EXPECT_EQ(edge.lines[0], "aaaaaaaaaa");
  EXPECT_EQ(edge.lines[1], "b");

  const Lines wide = split("DisabledAirspaces=" + std::string(600, '1') + "\n", 517);
  EXPECT_EQ(wide.lines[0].size(), 517u);
}

// A stream whose source breaks after its first bytes.
class BrokenBuf : public std::streambuf {
 public:
  explicit BrokenBuf(std::string head) : head_(std::move(head)) {
    setg(head_.data(), head_.data(), head_.data() + head_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("disk gone"); }

 private:
  std::string head_;
};

TEST(PlanLineReader, ReadErrorsArePositive) {
  BrokenBuf buf("a\nb");
  std::istream broken(&buf);
  PlanLineReader reader(broken);
  std::string line;
  EXPECT_EQ(reader.next(line, 132), fpl_line_ok);
  EXPECT_EQ(line, "a");
  EXPECT_EQ(reader.next(line, 132), fpl_line_error);

  std::ifstream never_opened("no such folder/no such plan.fpl", std::ios::binary);
  PlanLineReader none(never_opened);
  EXPECT_EQ(none.next(line, 132), fpl_line_error);
}

// The view walk must give the items that extract_comma gives on a field.
TEST(ExtractListNext, SameItemsAsExtractComma) {
  const char* const lists[] = {
      "3,17,5",   "1,,3",        " 1, 2 , 3",     "",
      "   ",      "4",           "  12345678901", "\"a,b\",c",
      "\"a,b\"x", "\"a,b\"xy,z", "\"open,b,c",    "\"a\"b,c",
      "1, ,2",    "1,2,",        "9999,-1,x,12",  "\"q\",\"r\",s",
  };
  for (const char* list : lists) {
    SCOPED_TRACE(list);
    FixedText<64> val(list);
    std::vector<std::string> expected;
    for (;;) {
      FixedText<8> item;
      extract_comma(val, item);
      if (item.is_blank()) break;
      expected.push_back(item.str());
    }
    std::string_view rest = list;
    std::vector<std::string> got;
    for (;;) {
      const FixedText<8> item(extract_list_next(rest, ','));
      if (item.is_blank()) break;
      got.push_back(item.str());
    }
    EXPECT_EQ(got, expected);
  }
}

}  // namespace
}  // namespace tarvel
