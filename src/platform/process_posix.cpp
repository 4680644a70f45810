#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/files.h"
#include "platform/process.h"
#include "platform/windows_path.h"

namespace tarvel {

namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

// The file an interrupt removes, as the system names it. Kept in a fixed
// buffer: the signal handler may not allocate.
char g_interrupt_path[4096];
volatile sig_atomic_t g_interrupt_path_set = 0;

sigset_t g_held_signals;
sigset_t g_signals_before_hold;

void on_interrupt(int signal_number) {
  const int saved_errno = errno;
  if (g_interrupt_path_set != 0) ::unlink(g_interrupt_path);
  // SA_RESETHAND has restored the default action; the signal, blocked while
  // this handler runs, ends the process as soon as the handler returns.
  ::raise(signal_number);
  errno = saved_errno;
}

sigset_t interrupt_set() {
  sigset_t set;
  sigemptyset(&set);
  for (int s : kInterrupts) sigaddset(&set, s);
  return set;
}

}  // namespace

std::vector<std::string> platform_command_line(int argc, char** argv) {
  std::vector<std::string> args;
  args.reserve(static_cast<std::size_t>(argc));
  for (int i = 0; i < argc; ++i) {
    std::string a = argv[i] != nullptr ? argv[i] : "";
    slashes_to_backslashes(a);
    args.push_back(std::move(a));
  }
  return args;
}

void platform_disable_error_dialogs() {}

void platform_guard_process() {
  ::signal(SIGPIPE, SIG_IGN);
  struct sigaction action {};
  action.sa_handler = &on_interrupt;
  action.sa_mask = interrupt_set();
  action.sa_flags = static_cast<int>(SA_RESETHAND | SA_RESTART);
  for (int s : kInterrupts) {
    // An interrupt ignored by whoever started the program (nohup) stays ignored.
    struct sigaction before {};
    if (::sigaction(s, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    ::sigaction(s, &action, nullptr);
  }
}

void set_interrupt_file(std::string_view path) {
  g_interrupt_path_set = 0;
  if (path.empty()) return;
  const std::string native = native_path(path);
  if (native.size() >= sizeof g_interrupt_path) return;
  std::memcpy(g_interrupt_path, native.c_str(), native.size() + 1);
  g_interrupt_path_set = 1;
}

void hold_interrupts() {
  g_held_signals = interrupt_set();
  ::sigprocmask(SIG_BLOCK, &g_held_signals, &g_signals_before_hold);
}

void release_interrupts() { ::sigprocmask(SIG_SETMASK, &g_signals_before_hold, nullptr); }

}  // namespace tarvel
