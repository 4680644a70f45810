#include "platform/windows_path.h"
#include "ui/dialogs.h"
#include "ui/display.h"
#include "ui/to_gui.h"

namespace tarvel {

namespace {

struct BoxLook {
  const char* buttons;
  const char* icon;
  bool answered;
};

// Indexed by MessageKind.
constexpr BoxLook kLooks[] = {
    {"ok", "info", false},       {"ok", "error", false},         {"ok", "warning", false},
    {"yesno", "question", true}, {"okcancel", "question", true}, {"yesnocancel", "question", true},
};

}  // namespace

void DisplayMessage(std::string_view title, std::string_view message, int& status) {
  if (status < s_info || status > s_yesnocancel) return;
  const BoxLook& look = kLooks[status];
  const int answer = dialog_backend().message_box(
      std::string(up_to_nul(title)), std::string(up_to_nul(message)), look.buttons, look.icon, 1);
  if (look.answered) status = answer;
}

}  // namespace tarvel
