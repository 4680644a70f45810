#include "util/line_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace tarvel {
namespace {

struct Lines {
  std::vector<std::string> lines;
  int last_status = 0;
};

Lines split(const std::string& bytes, std::size_t width = 132) {
  std::istringstream in(bytes, std::ios::binary);
  LineReader reader(in);
  Lines out;
  std::string line;
  for (;;) {
    out.last_status = reader.next(line, width);
    if (out.last_status != line_ok) break;
    out.lines.push_back(line);
  }
  return out;
}

TEST(LineReader, LineEnds) {
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
      {"a UTF-8 byte-order mark is skipped", "\xef\xbb\xbfKey=1\r\n", {"Key=1"}},
      {"only at the start",
       "a\n\xef\xbb\xbf"
       "b\n",
       {"a",
        "\xef\xbb\xbf"
        "b"}},
      {"a mark alone", "\xef\xbb\xbf", {}},
      {"half a mark is kept", "\xef\xbbx\n", {"\xef\xbbx"}},
      {"a UTF-16 mark is kept", "\xff\xfeK\n", {"\xff\xfeK"}},
      {"bytes kept as they are",
       std::string("\xe9t\xe9\t\0x", 6),
       {std::string("\xe9t\xe9\t\0x", 6)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Lines got = split(row.bytes);
    EXPECT_EQ(got.lines, row.lines);
    EXPECT_EQ(got.last_status, line_end);
  }
}

TEST(LineReader, LongLinesAreCutAndSkippedWhole) {
  // A 1 MiB line keeps its first `width` bytes; the next line is intact,
  // also when a CR LF straddles two read blocks.
  const std::string huge(1 << 20, 'x');
  const Lines got = split("[Task]\n" + huge + "\r\nCount=2\n", 132);
  ASSERT_EQ(got.lines.size(), 3u);
  EXPECT_EQ(got.lines[1], std::string(132, 'x'));
  EXPECT_EQ(got.lines[2], "Count=2");

  const std::string straddle = std::string(4 * LineReader::block_size - 1, 'a') + "\r\nb\r";
  const Lines edge = split(straddle, 10);
  ASSERT_EQ(edge.lines.size(), 2u);
  EXPECT_EQ(edge.lines[0], "aaaaaaaaaa");
  EXPECT_EQ(edge.lines[1], "b");

  const Lines wide = split("DisabledAirspaces=" + std::string(600, '1') + "\n", 517);
  EXPECT_EQ(wide.lines[0].size(), 517u);
}

// A stream that hands over one byte at a time, as a pipe may.
class TrickleBuf : public std::streambuf {
 public:
  explicit TrickleBuf(std::string bytes) : bytes_(std::move(bytes)) {}

 protected:
  int_type underflow() override {
    if (next_ >= bytes_.size()) return traits_type::eof();
    char* c = bytes_.data() + next_++;
    setg(c, c, c + 1);
    return traits_type::to_int_type(*c);
  }

 private:
  std::string bytes_;
  std::size_t next_ = 0;
};

TEST(LineReader, AByteOrderMarkDeliveredInPiecesIsSkipped) {
  TrickleBuf buf("\xef\xbb\xbfKey=1\nNext");
  std::istream in(&buf);
  LineReader reader(in);
  std::string line;
  ASSERT_EQ(reader.next(line, 80), line_ok);
  EXPECT_EQ(line, "Key=1");
  ASSERT_EQ(reader.next(line, 80), line_ok);
  EXPECT_EQ(line, "Next");
  EXPECT_EQ(reader.next(line, 80), line_end);
}

// A stream whose source breaks after its first bytes.
class BrokenBuf : public std::streambuf {
 public:
  explicit BrokenBuf(std::string head) : head_(std::move(head)) {
    setg(head_.data(), head_.data(), head_.data() + head_.size());
  }

 protected:
  int_type underflow() override {
    errno = ENXIO;  // the reason a failing system call leaves
    throw std::ios_base::failure("disk gone");
  }

 private:
  std::string head_;
};

TEST(LineReader, ReadErrorsArePositive) {
  BrokenBuf buf("a\nb");
  std::istream broken(&buf);
  LineReader reader(broken);
  std::string line;
  EXPECT_EQ(reader.next(line, 132), line_ok);
  EXPECT_EQ(line, "a");
  EXPECT_EQ(reader.error(), 0);
  EXPECT_EQ(reader.next(line, 132), line_error);
  EXPECT_EQ(reader.error(), ENXIO);

  std::ifstream never_opened("no such folder/no such plan.fpl", std::ios::binary);
  LineReader none(never_opened);
  EXPECT_EQ(none.next(line, 132), line_error);
  EXPECT_EQ(none.error(), EIO);
}

}  // namespace
}  // namespace tarvel
