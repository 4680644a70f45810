// What every libFuzzer program of the project adds to its target: an end of
// the run becomes an exception that the target catches, and no system error
// box may hold a run.
#pragma once

#include <cstddef>
#include <cstdint>

#include "driver/stop_run.h"
#include "fuzz/fuzz_targets.h"
#include "platform/process.h"

namespace tarvel::fuzz {
[[noreturn]] inline void throw_stop(int status) { throw test::RunStopped{status}; }
}  // namespace tarvel::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  tarvel::platform_disable_error_dialogs();
  tarvel::set_stop_handler(&tarvel::fuzz::throw_stop);
  tarvel::fuzz::Environment::get();
  return 0;
}
