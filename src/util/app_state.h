// Run-wide flags read by every bilingual message.
#pragma once

namespace tarvel {

struct AppState {
  bool qfr = false;    // messages in French; set once at start-up
  bool qline = false;  // messages as console lines instead of boxes; never set
};

AppState& app_state();

}  // namespace tarvel
