// The end of a run. Only the driver decides it; the layers below report what
// happened and leave the decision to it.
//
// A fatal message ends the run at once with status 0; a failed unchecked
// write of an output line ends it with status 2. The caller has removed its
// own temporary file before; the console lines still held are written out.
#pragma once

namespace tarvel {

[[noreturn]] void stop_run(int status);

// Tests replace the process exit by their own handler, which must not return
// (it throws a test-side exception). Passing nullptr restores std::exit.
using StopHandler = void (*)(int status);
void set_stop_handler(StopHandler handler);

}  // namespace tarvel
