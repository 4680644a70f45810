// Provisional message layer: "/" to line breaks and one box through the backend.
#include "ui/to_gui.h"

#include <string>

#include "ui/dialogs.h"

namespace tarvel {

void error_message_tit_buf(int& msg_status, std::string_view tit, char* msg, std::size_t len,
                           bool qline) {
  (void)qline;
  for (std::size_t i = 0; i < len; ++i) {
    if (msg[i] == '/') msg[i] = '\n';
  }
  const int answer = dialog_backend().message_box(std::string(trim_right(tit)),
                                                  std::string(trim_right(std::string_view(msg, len))),
                                                  "ok", msg_status == s_error ? "error" : "info", 1);
  if (msg_status >= s_yesno && msg_status <= s_yesnocancel) msg_status = answer;
}

void error_message_tit(int& msg_status, std::string_view tit, std::string_view msg, bool qline) {
  std::string copy(msg);
  error_message_tit_buf(msg_status, tit, copy.data(), copy.size(), qline);
}

void error_message(int& msg_status, std::string_view msg, bool qline) {
  error_message_tit(msg_status, "Brenil", msg, qline);
}

}  // namespace tarvel
