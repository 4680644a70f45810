#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdlib>

#include "platform/process.h"
#include "platform/wide_text_win.h"

namespace tarvel {

// The arguments come from the wide command line, in UTF-8, so that a name
// outside the user's code page arrives whole; argv (the ANSI form) is only
// the fallback when the system gives no wide command line.
std::vector<std::string> platform_command_line(int argc, char** argv) {
  std::vector<std::string> args;
  int wide_argc = 0;
  if (LPWSTR* wide_argv = CommandLineToArgvW(GetCommandLineW(), &wide_argc)) {
    args.reserve(static_cast<std::size_t>(wide_argc));
    for (int i = 0; i < wide_argc; ++i) args.push_back(from_wide(wide_argv[i]));
    LocalFree(wide_argv);
    return args;
  }
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
