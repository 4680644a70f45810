// Lines of a text read as bytes: a line ends at LF, at CR LF or at a lone CR,
// and the end-of-line bytes are not part of it.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace tarvel {

class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  // Reads the next line into `line`, keeping its first `max_len` bytes; the
  // rest of a longer line is read and dropped. Returns false, with `line`
  // empty, when the input has no more lines (status() tells end or error).
  bool next(std::string& line, std::size_t max_len);

  // 0 after a line was read, -1 at the end of the input, 1 after a read error.
  int status() const { return status_; }

 private:
  std::istream& in_;
  int status_ = 0;
};

}  // namespace tarvel
