// The message layer: bilingual messages on fixed-width texts, shown as boxes
// through the display layer (or as console lines when qline is set).
#pragma once

#include <cstddef>
#include <string_view>

#include "util/fixed_text.h"

namespace tarvel {

// Message-box kinds; question kinds receive the answer.
enum MessageKind : int {
  s_info = 0,
  s_error = 1,
  s_warning = 2,
  s_yesno = 3,
  s_okcancel = 4,
  s_yesnocancel = 5,
};

// Shows `msg` (at most 511 characters) under the title `tit` (at most 63). In
// `msg` each "/" becomes a line break, in place, except a "\/", which stays
// as "/". msg_status is the kind; for questions it receives the answer
// (0 cancel/no, 1 ok/yes, 2 no in a yes/no/cancel box).
void error_message_tit_buf(int& msg_status, std::string_view tit, char* msg, std::size_t len,
                           bool qline);

template <std::size_t N>
void error_message_tit(int& msg_status, std::string_view tit, FixedText<N>& msg, bool qline) {
  error_message_tit_buf(msg_status, tit, msg.data(), N, qline);
}
// For a message the caller keeps no copy of.
void error_message_tit(int& msg_status, std::string_view tit, std::string_view msg, bool qline);

// The same with the title "TARVEL".
template <std::size_t N>
void error_message(int& msg_status, FixedText<N>& msg, bool qline) {
  error_message_tit_buf(msg_status, "TARVEL", msg.data(), N, qline);
}
void error_message(int& msg_status, std::string_view msg, bool qline);

}  // namespace tarvel
