// Lines of a text file (plans, settings), read as bytes from a stream.
#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <string>

namespace tarvel {

// Read statuses of a line.
inline constexpr int line_ok = 0;
inline constexpr int line_end = -1;   // end of the file
inline constexpr int line_error = 1;  // the stream failed

// Splits a byte stream into lines ended by LF, CR LF or a lone CR; the line
// ends are not part of the line and no byte is re-encoded. A UTF-8
// byte-order mark at the start of the stream is skipped. A last line
// without an end is still a line. The stream is read in blocks, so a line of
// any length costs time in proportion to its length, and only the bytes that
// the caller keeps are stored.
class LineReader {
 public:
  // Bytes taken from the stream at most at a time.
  static constexpr std::size_t block_size = 16384;

  explicit LineReader(std::istream& in) : in_(in) {}

  // Reads the next line into `line`, keeping its first `width` bytes (the
  // rest of a longer line is skipped). Returns line_ok, line_end
  // when no line is left, or line_error when the stream fails.
  int next(std::string& line, std::size_t width);

  // After line_error: the system's error number of the failed read (EIO when
  // the system gave none, as for a stream that never opened). 0 otherwise.
  int error() const { return error_; }

 private:
  bool fill();  // false when no byte is left (end or error)
  void skip_byte_order_mark();

  std::istream& in_;
  std::array<char, block_size> block_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool skip_lf_ = false;  // the previous line ended at a CR: an LF right after it belongs to it
  bool failed_ = false;
  int error_ = 0;
  bool at_start_ = true;
};

}  // namespace tarvel
