#include "driver/stop_run.h"

#include <cstdlib>

#include "util/console.h"

namespace tarvel {

namespace {
StopHandler g_handler = nullptr;
}  // namespace

void stop_run(int status) {
  console_flush();
  if (g_handler != nullptr) g_handler(status);
  std::exit(status);
}

void set_stop_handler(StopHandler handler) { g_handler = handler; }

}  // namespace tarvel
