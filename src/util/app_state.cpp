#include "util/app_state.h"

namespace tarvel {

AppState& app_state() {
  static AppState state;
  return state;
}

}  // namespace tarvel
