#include "util/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace tarvel {

bool LineReader::fill() {
  if (pos_ < end_) return true;
  if (failed_) return false;
  pos_ = 0;
  end_ = 0;
  // One byte through get(), then what the stream already holds: a stream
  // that breaks while refilling loses none of the bytes it delivered before.
  // A stream that never opened (or broke earlier) is a read error; one that
  // reached its end is the end of the file.
  errno = 0;
  const int c = in_.good() ? in_.get() : std::char_traits<char>::eof();
  if (c == std::char_traits<char>::eof()) {
    failed_ = true;
    if (in_.bad()) error_ = errno;
    return false;
  }
  block_[0] = static_cast<char>(c);
  end_ = 1 + static_cast<std::size_t>(
                 in_.readsome(block_.data() + 1, static_cast<std::streamsize>(block_.size() - 1)));
  return true;
}

// A UTF-8 byte-order mark (Notepad's "UTF-8 with BOM") is not part of the
// first line. A stream that delivers the mark in pieces is completed byte by
// byte: the block then holds only those few bytes.
void LineReader::skip_byte_order_mark() {
  static constexpr char kMark[] = "\xEF\xBB\xBF";
  if (!fill()) return;
  for (std::size_t k = 0; k < 3; ++k) {
    if (pos_ + k == end_) {
      const int c = in_.good() ? in_.get() : std::char_traits<char>::eof();
      if (c == std::char_traits<char>::eof()) return;
      block_[end_++] = static_cast<char>(c);
    }
    if (block_[pos_ + k] != kMark[k]) return;
  }
  pos_ += 3;
}

int LineReader::next(std::string& line, std::size_t width) {
  line.clear();
  if (at_start_) {
    at_start_ = false;
    skip_byte_order_mark();
  }
  if (skip_lf_) {
    skip_lf_ = false;
    if (fill() && block_[pos_] == '\n') ++pos_;
  }
  bool any = false;  // bytes of this line met (the line end counts)
  for (;;) {
    if (!fill()) break;
    any = true;
    const char* first = block_.data() + pos_;
    const char* last = block_.data() + end_;
    const char* stop = std::find_if(first, last, [](char c) { return c == '\n' || c == '\r'; });
    const std::size_t n = static_cast<std::size_t>(stop - first);
    if (line.size() < width) line.append(first, std::min(n, width - line.size()));
    pos_ += n;
    if (stop != last) {
      ++pos_;
      if (*stop == '\r') skip_lf_ = true;
      return line_ok;
    }
  }
  if (in_.bad() || (!in_.eof() && failed_)) {
    if (error_ == 0) error_ = EIO;
    return line_error;
  }
  return any ? line_ok : line_end;
}

}  // namespace tarvel
