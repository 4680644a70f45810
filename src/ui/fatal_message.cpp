#include "ui/fatal_message.h"

#include <string>

#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/log_message.h"
#include "util/stop_run.h"

namespace tarvel {

void fatal_message(int kind, std::string_view title, std::string_view msg) {
  std::string text(msg);
  int status = kind;
  error_message_tit_buf(status, title, text.data(), text.size(), app_state().qline);
  log_message_f(text);
  stop_run(0);
}

}  // namespace tarvel
