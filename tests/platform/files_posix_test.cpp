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

// Below the prefix a name resolves as Windows resolves it: the exact name
// when it exists, else the one name that differs only in the case of ASCII or
// Windows-1252 letters; none or several such names leave the path as given.
// Paths outside the prefix stay exact.
TEST(NativePath, NamesBelowThePrefixResolveWithoutRegardToCase) {
  test::TempDir dir;
  const std::string pfx = dir.path().string();
  test::ScopedEnv prefix("WINEPREFIX", pfx.c_str());
  std::filesystem::create_directories(dir.path() / "dosdevices");
  std::filesystem::create_directory_symlink("../drive_c", dir.path() / "dosdevices" / "c:");
  dir.write("drive_c/Condor3/Landscapes/Brenvale3/Brenvale3.trn", "t");
  dir.write("drive_c/\xc3\x89t\xc3\xa9/\xc5\x92uvre \xc5\xa0.txt", "e");  // Été/Œuvre Š.txt
  dir.write("drive_c/Both/x", "1");
  dir.write("drive_c/BOTH/x", "2");
  dir.write("drive_c/Plans/new_v3.fpl", "an older plan");
  const std::string c = pfx + "/dosdevices/c:";
  struct Case {
    const char* name;
    std::string path;
    std::string native;
  } cases[] = {
      {"exact", "C:\\Condor3\\Landscapes\\Brenvale3\\Brenvale3.trn",
       c + "/Condor3/Landscapes/Brenvale3/Brenvale3.trn"},
      {"every name in another case", "c:\\CONDOR3\\landscapes\\brenvale3\\BRENVALE3.TRN",
       c + "/Condor3/Landscapes/Brenvale3/Brenvale3.trn"},
      {"Windows-1252 letters, given in the code page", "C:\\\xe9T\xc9\\\x9cUVRE \x9a.TXT",
       c + "/\xc3\x89t\xc3\xa9/\xc5\x92uvre \xc5\xa0.txt"},
      {"Windows-1252 letters, given in UTF-8", "C:\\\xc3\xa9t\xc3\xa9\\\xc5\x93uvre \xc5\xa1.txt",
       c + "/\xc3\x89t\xc3\xa9/\xc5\x92uvre \xc5\xa0.txt"},
      {"the exact name wins over others", "C:\\BOTH\\x", c + "/BOTH/x"},
      {"several matches: as given", "C:\\both\\x", c + "/both/x"},
      {"no match: as given from there", "C:\\condor3\\Nowhere\\landscapes",
       c + "/Condor3/Nowhere/landscapes"},
      {"outside the prefix: exact", "\\" + pfx.substr(1) + "\\DRIVE_C", pfx + "/DRIVE_C"},
  };
  for (const Case& k : cases) EXPECT_EQ(native_path(k.path), k.native) << k.name;

  // A file the program writes keeps the case of its own name, in the folder
  // found without regard to case, even beside a name that differs in case.
  std::FILE* f = open_file("C:\\plans\\New_V3.fpl", "wb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "drive_c/Plans/New_V3.fpl"));
  EXPECT_EQ(test::read_file(dir.path() / "drive_c/Plans/new_v3.fpl"), "an older plan");
  EXPECT_EQ(rename_file("C:\\PLANS\\New_V3.fpl", "C:\\plans\\Renamed.fpl"), 0);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "drive_c/Plans/Renamed.fpl"));
  EXPECT_EQ(remove_file("c:\\plans\\Renamed.fpl"), 0);
  // A read-only plan whose name differs in case is not the one written.
  ::chmod((dir.path() / "drive_c/Plans/new_v3.fpl").c_str(), 0444);
  EXPECT_TRUE(is_read_only_file("C:\\plans\\new_v3.fpl"));
  EXPECT_FALSE(is_read_only_file("C:\\plans\\New_V3.fpl"));
  // Reading finds the file whatever the case of its name.
  f = open_file("C:\\plans\\NEW_V3.FPL", "rb");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
}

}  // namespace
}  // namespace tarvel
