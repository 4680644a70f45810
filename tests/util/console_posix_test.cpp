// Console lines as they reach the real standard output (not the capture):
// ASCII goes out as it stands, other bytes are shown in UTF-8.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "support/test_support.h"
#include "util/console.h"

namespace tarvel {
namespace {

// What `write` puts on file descriptor 1, read back from a file.
std::string standard_output_of(const std::function<void()>& write) {
  test::TempDir dir;
  const std::string path = (dir.path() / "stdout").string();
  std::fflush(stdout);
  const int saved = ::dup(1);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ::dup2(fd, 1);
  ::close(fd);
  write();
  console_flush();
  ::dup2(saved, 1);
  ::close(saved);
  return test::read_file(path);
}

// The bytes before a non-ASCII one are looked at eight at a time: a byte
// above 0x7F must be found at every place of a line, and an ASCII line of
// any length must come out unchanged.
TEST(ConsoleLine, AsciiAsItStandsOtherBytesInUtf8AtAnyPlace) {
  std::string written;
  std::string expected;
  for (std::size_t at = 0; at <= 17; ++at) {
    const std::string ascii(at, 'a');
    written += ascii + "\n";
    expected += ascii + "\n";
    written += ascii + "\xe9" + "z\n";  // Windows-1252 e acute
    expected += ascii + "\xc3\xa9" + "z\n";
    written += ascii + "\xc3\xa9\n";  // already UTF-8: kept
    expected += ascii + "\xc3\xa9\n";
  }
  const std::string out = standard_output_of([&] {
    std::size_t start = 0;
    while (start < written.size()) {
      const std::size_t end = written.find('\n', start);
      console_line(std::string_view(written).substr(start, end - start));
      start = end + 1;
    }
  });
  EXPECT_EQ(out, expected);
}

TEST(ConsoleLine, FreeLinesReachStandardOutput) {
  const std::string out = standard_output_of([] {
    FreeLine() << "INFILE :  "
               << "C:\\Plans\\Caf\xe9.fpl" << 12;
    FreeLine();
  });
  EXPECT_EQ(out, " INFILE :  C:\\Plans\\Caf\xc3\xa9.fpl          12\n\n");
}

}  // namespace
}  // namespace tarvel
