#include "ui/to_gui.h"

#include <string>

#include "platform/text_encoding.h"
#include "ui/display.h"
#include "util/console.h"

namespace tarvel {

namespace {

// Longest message and title a box gets (the display layer's buffers hold one
// byte more for the NUL).
constexpr std::size_t kMessageMax = 511;
constexpr std::size_t kTitleMax = 63;

// Every "/" becomes a line feed, except one right after a backslash: that
// pair becomes a plain "/" and the rest of the text moves one place left.
// A "/" that follows such a kept slash is a line break like any other.
void slashes_to_line_breaks(char* msg, std::size_t len) {
  std::size_t w = 0;
  char prev = '\0';
  for (std::size_t r = 0; r < len; ++r) {
    const char c = msg[r];
    if (c == '/' && prev == '\\') {
      msg[w - 1] = '/';
    } else {
      msg[w++] = c == '/' ? '\n' : c;
    }
    prev = c;
  }
  for (; w < len; ++w) msg[w] = ' ';
}

}  // namespace

void error_message_tit_buf(int& msg_status, std::string_view tit, char* msg, std::size_t len,
                           bool qline) {
  slashes_to_line_breaks(msg, len);
  const std::string_view text = trim_right(std::string_view(msg, len));
  if (qline) {
    FreeLine() << text;
    return;
  }
  const std::string msg_c(utf8_prefix(text, kMessageMax));
  const std::string tit_c(utf8_prefix(trim_right(tit), kTitleMax));
  DisplayMessage(tit_c, msg_c, msg_status);
}

void error_message_tit(int& msg_status, std::string_view tit, std::string_view msg, bool qline) {
  std::string copy(msg);
  error_message_tit_buf(msg_status, tit, copy.data(), copy.size(), qline);
}

void error_message(int& msg_status, std::string_view msg, bool qline) {
  error_message_tit(msg_status, "TARVEL", msg, qline);
}

}  // namespace tarvel
