#include "util/line_reader.h"

#include <streambuf>

namespace tarvel {

bool LineReader::next(std::string& line, std::size_t max_len) {
  line.clear();
  std::streambuf* sb = in_.rdbuf();
  if (sb == nullptr || !in_.good()) {
    status_ = in_.bad() || sb == nullptr ? 1 : -1;
    return false;
  }
  using traits = std::streambuf::traits_type;
  bool any = false;
  for (;;) {
    const auto c = sb->sbumpc();
    if (traits::eq_int_type(c, traits::eof())) {
      in_.setstate(std::ios::eofbit);
      if (!any) {
        status_ = -1;
        return false;
      }
      break;
    }
    any = true;
    const char ch = traits::to_char_type(c);
    if (ch == '\n') break;
    if (ch == '\r') {
      if (traits::eq_int_type(sb->sgetc(), traits::to_int_type('\n'))) sb->sbumpc();
      break;
    }
    if (line.size() < max_len) line.push_back(ch);
  }
  status_ = 0;
  return true;
}

}  // namespace tarvel
