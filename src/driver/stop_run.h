// The end of a run. Only the driver decides it; the layers below report what
// happened and leave the decision to it.
//
// A fatal message ends the run at once with status 0; a failed unchecked
// write of an output line ends it with status 2. Cleanups registered here run
// first (for example removing a half-written output file).
#pragma once

#include <functional>

namespace tarvel {

[[noreturn]] void stop_run(int status);

// Registers a cleanup to run before the process ends; returns its handle.
int add_stop_cleanup(std::function<void()> cleanup);
void remove_stop_cleanup(int handle);

// Tests replace the process exit by their own handler, which must not return
// (it throws a test-side exception). Passing nullptr restores std::exit.
using StopHandler = void (*)(int status);
void set_stop_handler(StopHandler handler);

}  // namespace tarvel
