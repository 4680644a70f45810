#include "install/get_inst_path.h"

#include <gtest/gtest.h>

#include <string>

#include "install/get_exe_path.h"
#include "platform/files.h"

namespace tarvel {
namespace {

TEST(GetInstPath, FolderOfTheProgramPath) {
  struct Case {
    std::string_view exe;
    std::string_view folder;
  };
  const Case cases[] = {
      {"c:\\tools\\conv\\X.exe", "C:\\tools\\conv\\"},  // only the drive letter changes case
      {"D:\\Games\\TARVEL.exe", "D:\\Games\\"},
      {"c:\\X.exe", "C:\\"},
      {"\\home\\ann\\bin\\TARVEL", "\\home\\ann\\bin\\"},
      {"\\\\server\\share\\TARVEL.exe", "\\\\server\\share\\"},
      {"TARVEL.exe", ".\\"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(inst_folder_text(c.exe), c.folder) << c.exe;
}

TEST(GetInstPath, TheRunningProgramIsInItsFolder) {
  std::string exe;
  ASSERT_GT(GetExePath(exe, 512), 0);
  FixedText<256> instpath;
  get_inst_path(instpath);
  ASSERT_FALSE(instpath.is_blank());
  EXPECT_EQ(instpath.trimmed().back(), '\\');
  const std::string name = exe.substr(exe.rfind('\\') + 1);
  EXPECT_TRUE(file_exists(std::string(instpath.trimmed()) + name));
}

}  // namespace
}  // namespace tarvel
