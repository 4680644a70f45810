#include "install/get_condor_inst_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "driver/stopping_calls.h"
#include "install/install_paths.h"
#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

// Runs in a fresh working folder, where the run's log file lands.
class InFreshFolder : public ::testing::Test {
 protected:
  InFreshFolder() : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
    reset_log_state();
    install_paths() = InstallPaths();
  }
  ~InFreshFolder() override {
    std::filesystem::current_path(old_);
    reset_log_state();
    install_paths() = InstallPaths();
  }
  std::string log() const { return test::read_file(dir_.path() / std::string(log_file_name())); }

  test::TempDir dir_;
  std::filesystem::path old_;
};

using GetCondorInstDirStop = InFreshFolder;

TEST_F(GetCondorInstDirStop, UnknownVersionStopsTheRun) {
  for (int nc : {0, 4, -1, -4, 23}) {
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    FixedText<256> path;
    try {
      condor_inst_dir_or_stop(nc, path, true);
      ADD_FAILURE() << nc << " did not stop the run";
    } catch (const test::RunStopped& stop) {
      EXPECT_EQ(stop.status, 0);
    }
    EXPECT_EQ(console.text().find("Subkey,name"), std::string::npos) << nc;
    char line[16];
    std::snprintf(line, sizeof line, " %11d\n", nc);
    EXPECT_EQ(console.text().rfind(line, 0), 0u) << nc;
    ASSERT_EQ(dialogs.boxes().size(), 1u) << nc;
    EXPECT_EQ(dialogs.boxes()[0].title, "TARVEL");
    EXPECT_EQ(dialogs.boxes()[0].text, "get_condor_inst_dir : incorrect Condor version");
    EXPECT_EQ(dialogs.boxes()[0].icon, "error");
    EXPECT_NE(log().find("get_condor_inst_dir : incorrect Condor version"), std::string::npos);
  }
}

TEST_F(GetCondorInstDirStop, UnknownVersionIsReportedNotShown) {
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  FixedText<256> path("kept");
  EXPECT_EQ(get_condor_inst_dir(4, path, false), kIncorrectCondorVersion);
  EXPECT_EQ(path, "kept");
  EXPECT_EQ(console.text(), "           4\n");
  EXPECT_TRUE(dialogs.calls.empty());
}

using GetCondorInstDirRemembered = InFreshFolder;

TEST_F(GetCondorInstDirRemembered, AnswersFromTheRememberedFolders) {
  install_paths().instpath2 = "C:\\Condor2";
  install_paths().instpath3 = "D:\\Games\\Condor3";
  test::ConsoleCapture console;
  FixedText<256> path;
  EXPECT_EQ(get_condor_inst_dir(-2, path, true), 2);
  EXPECT_EQ(path, "C:\\Condor2");
  EXPECT_EQ(get_condor_inst_dir(-3, path, false), 3);
  EXPECT_EQ(path, "D:\\Games\\Condor3");
  EXPECT_EQ(console.text(), "");
}

}  // namespace
}  // namespace tarvel
