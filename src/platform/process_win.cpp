#include <windows.h>

#include <cstdlib>

#include "platform/process.h"

namespace tarvel {

std::vector<std::string> platform_command_line(int argc, char** argv) {
  std::vector<std::string> args;
  args.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) args.emplace_back(argv[i] != nullptr ? argv[i] : "");
  return args;
}

void platform_disable_error_dialogs() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
  // Assertion and abort texts go to the error output, never to a box.
  // msvcrt.dll (MinGW's default runtime) has no _set_abort_behavior.
  _set_error_mode(_OUT_TO_STDERR);
#if defined(_UCRT)
  _set_abort_behavior(0, _WRITE_ABORT_MSG | _CALL_REPORTFAULT);
#endif
}

}  // namespace tarvel
