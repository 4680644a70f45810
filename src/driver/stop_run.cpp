#include "driver/stop_run.h"

#include <cstdlib>
#include <map>
#include <utility>

#include "util/console.h"

namespace tarvel {

namespace {
StopHandler g_handler = nullptr;
int g_next_handle = 1;
std::map<int, std::function<void()>>& cleanups() {
  static std::map<int, std::function<void()>> c;
  return c;
}
}  // namespace

void stop_run(int status) {
  auto pending = std::move(cleanups());
  cleanups().clear();
  for (auto& [handle, cleanup] : pending) cleanup();
  console_flush();
  if (g_handler != nullptr) g_handler(status);
  std::exit(status);
}

int add_stop_cleanup(std::function<void()> cleanup) {
  const int handle = g_next_handle++;
  cleanups().emplace(handle, std::move(cleanup));
  return handle;
}

void remove_stop_cleanup(int handle) { cleanups().erase(handle); }

void set_stop_handler(StopHandler handler) { g_handler = handler; }

}  // namespace tarvel
