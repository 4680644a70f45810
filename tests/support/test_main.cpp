// The test program's entry: no system error boxes, and a stop of the run
// becomes a RunStopped exception that a test can expect.
#include <gtest/gtest.h>

#include "driver/stop_run.h"
#include "platform/process.h"
#include "support/test_support.h"

namespace {
[[noreturn]] void throw_stop(int status) { throw tarvel::test::RunStopped{status}; }
}  // namespace

int main(int argc, char** argv) {
  tarvel::platform_disable_error_dialogs();
  tarvel::set_stop_handler(&throw_stop);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
