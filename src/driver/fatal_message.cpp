#include "driver/fatal_message.h"

#include <string>

#include "driver/stop_run.h"
#include "ui/display.h"
#include "ui/to_gui.h"
#include "util/app_state.h"
#include "util/console.h"
#include "util/log_message.h"

namespace tarvel {

void fatal_message(int kind, std::string_view title, std::string_view msg) {
  std::string text(msg);
  int status = kind;
  error_message_tit_buf(status, title, text.data(), text.size(), app_state().qline);
  log_message_f(text);
  stop_run(0);
}

void fatal_message_lines(int kind, std::string_view title, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  if (app_state().qline) {
    for (const std::string& line : lines) FreeLine() << line;
  } else {
    int status = kind;
    DisplayMessage(trim_right(title), text, status);
  }
  for (const std::string& line : lines) log_message_line(line);
  stop_run(0);
}

}  // namespace tarvel
