// A Wine prefix built by a test (POSIX only): a TempDir with drive_c, the
// dosdevices/c: link to ../drive_c and a user.reg written by the test.
// WINEPREFIX points at it while the object lives; the working folder moves
// into it too, so that the run's log file lands there. Everything is restored
// and the kept user.reg forgotten afterwards.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "install/install_paths.h"
#include "platform/user_reg.h"
#include "support/scoped_env.h"
#include "support/test_support.h"
#include "util/log_message.h"

namespace tarvel::test {

// The head Wine writes at the top of user.reg.
inline constexpr std::string_view kUserRegHead =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-1004336348-1177238915-682003330-1000\n"
    "\n"
    "#arch=win64\n";

class TestPrefix {
 public:
  TestPrefix() : prefix_env_("WINEPREFIX", dir_.path().string()) {
    std::filesystem::create_directories(dir_.path() / "drive_c");
    std::filesystem::create_directories(dir_.path() / "dosdevices");
    std::filesystem::create_directory_symlink("../drive_c", dir_.path() / "dosdevices" / "c:");
    old_cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    reset_user_reg_cache();
    reset_log_state();
    install_paths() = InstallPaths();
  }
  ~TestPrefix() {
    std::error_code ec;
    std::filesystem::current_path(old_cwd_, ec);
    reset_user_reg_cache();
    reset_log_state();
    install_paths() = InstallPaths();
  }
  TestPrefix(const TestPrefix&) = delete;
  TestPrefix& operator=(const TestPrefix&) = delete;

  const std::filesystem::path& path() const { return dir_.path(); }

  // Writes user.reg: Wine's head, then `body` (sections and values).
  void user_reg(std::string_view body) const {
    dir_.write("user.reg", std::string(kUserRegHead) + std::string(body));
    reset_user_reg_cache();
  }
  // Writes a file below drive_c, given by its path there ("Condor3/Condor.exe").
  void drive_c(const std::string& name, std::string_view bytes = "") const {
    dir_.write("drive_c/" + name, bytes);
  }
  // What the run's log file holds so far.
  std::string log() const { return read_file(dir_.path() / std::string(log_file_name())); }

 private:
  TempDir dir_;
  ScopedEnv prefix_env_;
  std::filesystem::path old_cwd_;
};

}  // namespace tarvel::test
