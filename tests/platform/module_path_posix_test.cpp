#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/module_path.h"

namespace tarvel {
namespace {

TEST(ModulePathPosix, TheRunningProgramInWindowsForm) {
  std::string expected = std::filesystem::read_symlink("/proc/self/exe").string();
  std::replace(expected.begin(), expected.end(), '/', '\\');
  EXPECT_EQ(module_path(4096), expected);
  // A path that does not fit the buffer with its NUL is no path at all.
  EXPECT_EQ(module_path(expected.size() + 1), expected);
  EXPECT_EQ(module_path(expected.size()), "");
}

}  // namespace
}  // namespace tarvel
