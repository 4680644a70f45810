#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdlib>
#include <cstring>

#include "platform/files.h"
#include "platform/process.h"
#include "platform/wide_text_win.h"

namespace tarvel {

namespace {

// The console handler runs in a thread of its own; the lock keeps it from
// removing a file while the program creates, names or renames it.
CRITICAL_SECTION g_interrupt_lock;
bool g_lock_ready = false;
wchar_t g_interrupt_path[MAX_PATH * 4];
bool g_interrupt_path_set = false;

BOOL WINAPI on_console_event(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT: break;
    default: return FALSE;
  }
  // The lock stays taken: the process ends below, and nothing may create a
  // new file meanwhile.
  EnterCriticalSection(&g_interrupt_lock);
  if (g_interrupt_path_set) DeleteFileW(g_interrupt_path);
  g_interrupt_path_set = false;
  return FALSE;  // the system's own handling ends the process
}

}  // namespace

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

void platform_guard_process() {
  if (!g_lock_ready) {
    InitializeCriticalSection(&g_interrupt_lock);
    g_lock_ready = true;
  }
  SetConsoleCtrlHandler(&on_console_event, TRUE);
}

void set_interrupt_file(std::string_view path) {
  g_interrupt_path_set = false;
  if (path.empty()) return;
  const std::wstring native = to_wide(native_path(path));
  if (native.size() >= sizeof g_interrupt_path / sizeof g_interrupt_path[0]) return;
  std::memcpy(g_interrupt_path, native.c_str(), (native.size() + 1) * sizeof(wchar_t));
  g_interrupt_path_set = true;
}

void hold_interrupts() {
  if (g_lock_ready) EnterCriticalSection(&g_interrupt_lock);
}

void release_interrupts() {
  if (g_lock_ready) LeaveCriticalSection(&g_interrupt_lock);
}

}  // namespace tarvel
