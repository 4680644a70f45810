#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include "support/run_program.h"

namespace tarvel::test {

std::filesystem::path tarvel_exe() { return TARVEL_EXE; }

ProgramRun run_program(const std::filesystem::path& program, const std::vector<std::string>& args,
                       const ProgramOptions& options) {
  int in_pipe[2], out_pipe[2], err_pipe[2];
  if (pipe(in_pipe) != 0 || pipe(out_pipe) != 0 || pipe(err_pipe) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(in_pipe[0], 0);
    dup2(out_pipe[1], 1);
    dup2(err_pipe[1], 2);
    for (int fd : {in_pipe[0], in_pipe[1], out_pipe[0], out_pipe[1], err_pipe[0], err_pipe[1]}) {
      close(fd);
    }
    // As a shell starts a program, whatever this test process ignores.
    signal(SIGPIPE, SIG_DFL);
    if (!options.cwd.empty() && chdir(options.cwd.c_str()) != 0) _exit(126);
    for (const auto& [name, value] : options.env) {
      if (value.empty()) {
        unsetenv(name.c_str());
      } else {
        setenv(name.c_str(), value.c_str(), 1);
      }
    }
    std::vector<char*> argv;
    const std::string prog = program.string();
    argv.push_back(const_cast<char*>(args.empty() ? prog.c_str() : args[0].c_str()));
    for (std::size_t i = 1; i < args.size(); ++i)
      argv.push_back(const_cast<char*>(args[i].c_str()));
    argv.push_back(nullptr);
    execv(prog.c_str(), argv.data());
    _exit(127);
  }
  close(in_pipe[0]);
  close(out_pipe[1]);
  close(err_pipe[1]);

  ProgramRun run;
  // Standard input is written at once (small texts) and closed.
  if (!options.stdin_text.empty()) {
    signal(SIGPIPE, SIG_IGN);
    [[maybe_unused]] auto n =
        write(in_pipe[1], options.stdin_text.data(), options.stdin_text.size());
  }
  close(in_pipe[1]);

  const auto start = std::chrono::steady_clock::now();
  const auto deadline = start + std::chrono::seconds(options.timeout_seconds);
  const auto signal_time = start + std::chrono::milliseconds(options.signal_after_ms);
  bool signal_due = options.signal_number != 0;
  pollfd fds[2] = {{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}};
  int open_fds = 2;
  if (options.output_closed) {
    close(out_pipe[0]);
    fds[0].fd = -1;
    --open_fds;
  }
  char buf[65536];
  while (open_fds > 0) {
    const auto now = std::chrono::steady_clock::now();
    if (signal_due && now >= signal_time) {
      kill(pid, options.signal_number);
      signal_due = false;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count();
    if (left <= 0) {
      run.timed_out = true;
      kill(pid, SIGKILL);
      break;
    }
    if (signal_due) {
      left = std::min<long long>(
          left, std::chrono::duration_cast<std::chrono::milliseconds>(signal_time - now).count());
    }
    if (poll(fds, 2, static_cast<int>(left)) <= 0) continue;
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || (fds[k].revents & (POLLIN | POLLHUP | POLLERR)) == 0) continue;
      const ssize_t n = read(fds[k].fd, buf, sizeof buf);
      if (n <= 0) {
        close(fds[k].fd);
        fds[k].fd = -1;
        --open_fds;
      } else {
        (k == 0 ? run.out : run.err).append(buf, static_cast<std::size_t>(n));
      }
    }
  }
  for (auto& f : fds) {
    if (f.fd >= 0) close(f.fd);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFEXITED(status)) run.exit_status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return run;
}

}  // namespace tarvel::test
