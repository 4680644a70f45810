// The built program, run as a user runs it.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

TEST(TarvelProgram, HelpAndBadOptionsEndWithStatusZero) {
  // The start-up needs a Condor 3 installation before it reads the options:
  // the bundled sample prefix has one.
  test::TempDir dir;
  std::filesystem::copy(
      std::filesystem::path(TARVEL_SOURCE_DIR) / "examples" / "sample" / "prefix",
      dir.path() / "prefix",
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::copy_symlinks);
  test::ProgramOptions in_dir;
  in_dir.cwd = dir.path();
  in_dir.env["WINEPREFIX"] = (dir.path() / "prefix").string();
  const auto help = test::run_program(test::tarvel_exe(), {"TARVEL", "-help"}, in_dir);
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.out.find(std::string(64, '-') + "\n" +
                          "TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]\n"),
            std::string::npos)
      << help.out;
  EXPECT_NE(help.out.find("file(s)      : path(s) to the file(s) to convert\n"), std::string::npos);

  const auto bad = test::run_program(test::tarvel_exe(), {"TARVEL", "-x", "a.fpl"}, in_dir);
  EXPECT_EQ(bad.exit_status, 0);
  EXPECT_NE(bad.out.find("-x : unrecognized option\n"
                         "TARVEL.exe [-help] (-auto] [-d:DEFAULTS] [-l:LANDSCAPE] [file(s)]\n"),
            std::string::npos)
      << bad.out;
}

}  // namespace
}  // namespace tarvel
