#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

TEST(NativePath, DriveLettersGoThroughThePrefixOtherPathsTurnSlashes) {
  test::ScopedEnv prefix("WINEPREFIX", "/pfx/");
  struct Case {
    const char* path;
    const char* native;
  };
  const Case cases[] = {
      {"C:\\Condor3\\Landscapes\\A\\A.trn", "/pfx/dosdevices/c:/Condor3/Landscapes/A/A.trn"},
      {"z:\\tmp\\x.fpl  ", "/pfx/dosdevices/z:/tmp/x.fpl"},
      {"D:relative", "/pfx/dosdevices/d:/relative"},
      {"\\tmp\\plans\\a.fpl", "/tmp/plans/a.fpl"},
      {"plans\\a.fpl", "plans/a.fpl"},
      {"/already/posix", "/already/posix"},
      // A folder from the registry is Windows-1252; an argument may be UTF-8.
      {"C:\\Caf\xe9", "/pfx/dosdevices/c:/Caf\xc3\xa9"},
      {"\\home\\Caf\xc3\xa9\\x", "/home/Caf\xc3\xa9/x"},
  };
  for (const auto& c : cases) EXPECT_EQ(native_path(c.path), c.native) << c.path;
}

TEST(NativePath, PrefixDefaultsToDotWineInHome) {
  test::ScopedEnv prefix("WINEPREFIX", nullptr);
  test::ScopedEnv home("HOME", "/home/ann");
  EXPECT_EQ(native_path("C:\\x"), "/home/ann/.wine/dosdevices/c:/x");
}

TEST(Files, ExistenceReadOnlyRenameRemove) {
  test::TempDir dir;
  const auto a = dir.write("a.txt", "a");
  const auto b = dir.write("b.txt", "b");
  EXPECT_TRUE(file_exists(a.string()));
  EXPECT_TRUE(folder_exists(dir.path().string()));
  EXPECT_FALSE(folder_exists(a.string()));
  EXPECT_FALSE(is_read_only_file(a.string()));
  ::chmod(b.c_str(), 0444);
  EXPECT_TRUE(is_read_only_file(b.string()));
  EXPECT_FALSE(is_read_only_file(dir.path().string()));
  EXPECT_EQ(rename_file(a.string(), (dir.path() / "c.txt").string()), 0);
  EXPECT_FALSE(file_exists(a.string()));
  EXPECT_EQ(remove_file((dir.path() / "c.txt").string()), 0);
  EXPECT_NE(remove_file((dir.path() / "c.txt").string()), 0);
}

// create_new_file never opens through an existing name, and remove_plain_file
// removes only a regular file with a single name.
TEST(Files, NewFilesAreNeverOpenedThroughWhatStandsThere) {
  test::TempDir dir;
  const auto target = dir.write("target.txt", "not ours");
  const auto path = dir.path() / "tmp";
  struct Case {
    const char* name;
    std::function<void()> make;  // puts something at `path` (nothing: leaves it free)
    int removed;                 // what remove_plain_file gives
  };
  const Case cases[] = {
      {"nothing there", [] {}, ENOENT},
      {"a plain file", [&] { dir.write("tmp", "stale"); }, 0},
      {"a link to a file", [&] { std::filesystem::create_symlink(target, path); }, EEXIST},
      {"a dangling link", [&] { std::filesystem::create_symlink(dir.path() / "none", path); },
       EEXIST},
      {"a second name of a file", [&] { std::filesystem::create_hard_link(target, path); }, EEXIST},
      {"a folder", [&] { std::filesystem::create_directory(path); }, EEXIST},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.make();
    const bool was_there = std::filesystem::exists(std::filesystem::symlink_status(path));
    errno = 0;
    std::FILE* f = create_new_file(path.string());
    if (was_there) {
      EXPECT_EQ(f, nullptr);
      EXPECT_EQ(errno, EEXIST);
      EXPECT_EQ(remove_plain_file(path.string()), c.removed);
    } else {
      ASSERT_NE(f, nullptr);
      EXPECT_GE(std::fputs("new", f), 0);
      std::fclose(f);
      EXPECT_EQ(test::read_file(path), "new");
      EXPECT_EQ(remove_plain_file(path.string()), 0);
      EXPECT_EQ(remove_plain_file(path.string()), c.removed);
    }
    EXPECT_EQ(test::read_file(target), "not ours");
    std::filesystem::remove(path);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
  }
  EXPECT_EQ(std::filesystem::hard_link_count(target), 1u);
}

}  // namespace
}  // namespace tarvel
