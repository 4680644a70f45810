// Runs the built TARVEL program as a separate process (POSIX test builds).
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tarvel::test {

struct ProgramRun {
  int exit_status = -1;  // the process's exit status; -1 when it did not exit normally
  int signal = 0;        // the signal that ended it, if any
  bool timed_out = false;
  std::string out;  // standard output
  std::string err;  // standard error
};

struct ProgramOptions {
  std::filesystem::path cwd;               // working folder (empty: the test's own)
  std::map<std::string, std::string> env;  // set (an empty value unsets)
  std::string stdin_text;                  // what standard input holds
  int timeout_seconds = 60;
  bool output_closed = false;  // nobody reads standard output: its pipe is closed at once
  int signal_number = 0;       // sent to the program signal_after_ms after its start
  int signal_after_ms = 0;
};

// Runs `program` with `args` (argument 0 is the program itself).
ProgramRun run_program(const std::filesystem::path& program, const std::vector<std::string>& args,
                       const ProgramOptions& options = {});

// The TARVEL program of this build.
std::filesystem::path tarvel_exe();

}  // namespace tarvel::test
