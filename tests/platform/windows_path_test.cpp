#include "platform/windows_path.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tarvel {
namespace {

using namespace std::string_literals;

TEST(SplitAtLastBackslash, FolderKeepsTheBackslashNameIsTheRest) {
  struct Case {
    const char* name;
    std::string path;
    std::string folder;
    std::string file;
  } cases[] = {
      {"full path", "C:\\Plans\\Task1.fpl", "C:\\Plans\\", "Task1.fpl"},
      {"no backslash is all name", "Task1.fpl", "", "Task1.fpl"},
      {"trailing backslash leaves no name", "C:\\Condor3\\Landscapes\\",
       "C:\\Condor3\\Landscapes\\", ""},
      {"drive root", "C:\\", "C:\\", ""},
      {"file at the drive root", "C:\\a.fpl", "C:\\", "a.fpl"},
      {"empty", "", "", ""},
      {"doubled backslash splits at the last", "C:\\a\\\\b.fpl", "C:\\a\\\\", "b.fpl"},
      {"slash is no separator", "C:/Plans/Task1.fpl", "", "C:/Plans/Task1.fpl"},
      {"UTF-8 names",
       "C:\\users\\\xc5\x81ukasz\\\xd0\x97\xd0\xb0\xd0\xb4\xd0\xb0\xd1\x87\xd0\xb0.fpl",
       "C:\\users\\\xc5\x81ukasz\\", "\xd0\x97\xd0\xb0\xd0\xb4\xd0\xb0\xd1\x87\xd0\xb0.fpl"},
      {"NUL is an ordinary byte", "C:\\a\0b\\c"s, "C:\\a\0b\\"s, "c"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const WindowsPathParts parts = split_at_last_backslash(c.path);
    EXPECT_EQ(parts.folder, c.folder);
    EXPECT_EQ(parts.name, c.file);
    // Both parts are views of the path itself, folder then name, nothing lost.
    EXPECT_EQ(parts.folder.data(), c.path.data());
    EXPECT_EQ(parts.name.data(), c.path.data() + parts.folder.size());
    EXPECT_EQ(parts.folder.size() + parts.name.size(), c.path.size());
  }
}

TEST(JoinWindowsPath, OneBackslashBetweenFolderAndName) {
  struct Case {
    const char* name;
    const char* folder;
    const char* file;
    const char* joined;
  } cases[] = {
      {"folder without backslash", "C:\\Plans", "Task1.fpl", "C:\\Plans\\Task1.fpl"},
      {"folder with backslash", "C:\\Plans\\", "Task1.fpl", "C:\\Plans\\Task1.fpl"},
      {"drive root", "C:\\", "a.fpl", "C:\\a.fpl"},
      {"empty folder", "", "a.fpl", "\\a.fpl"},
      {"empty name", "C:\\Plans", "", "C:\\Plans\\"},
      {"only the last backslash counts", "C:\\Plans\\\\", "a.fpl", "C:\\Plans\\\\a.fpl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(join_windows_path(c.folder, c.file), c.joined);
  }
}

// Callers trim their folders; what they pass is used byte for byte, so a
// path logged before and after stays the same.
TEST(LandscapeFile, NameFolderAndFileOfTheLandscape) {
  struct Case {
    const char* name;
    std::string path;
    const char* expected;
  } cases[] = {
      {"terrain file", landscape_file(landscapes_folder("C:\\Condor3"), "Brenvale3", "trn"),
       "C:\\Condor3\\Landscapes\\Brenvale3\\Brenvale3.trn"},
      {"airspace file", landscape_file("D:\\C2\\Landscapes", "Orlanda", "air"),
       "D:\\C2\\Landscapes\\Orlanda\\Orlanda.air"},
      {"blanks and UTF-8 in the name kept", landscape_file("C:\\L", "Val d'\xc3\x89n ", "trn"),
       "C:\\L\\Val d'\xc3\x89n \\Val d'\xc3\x89n .trn"},
      {"root taken as it stands", landscapes_folder("C:\\Condor3\\"), "C:\\Condor3\\\\Landscapes"},
      {"empty root", landscapes_folder(""), "\\Landscapes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.path, c.expected);
  }
}

TEST(SlashesToBackslashes, EverySlashTurns) {
  struct Case {
    const char* name;
    std::string path;
    const char* expected;
  } cases[] = {
      {"Linux path", "/home/ann/.wine/TARVEL", "\\home\\ann\\.wine\\TARVEL"},
      {"mixed", "C:\\Plans/sub//a.fpl", "C:\\Plans\\sub\\\\a.fpl"},
      {"none", "C:\\Plans\\a.fpl", "C:\\Plans\\a.fpl"},
      {"empty", "", ""},
      {"UTF-8 bytes untouched", "/\xd0\x9f\xd0\xbb\xd0\xb0\xd0\xbd/\xc5\x81",
       "\\\xd0\x9f\xd0\xbb\xd0\xb0\xd0\xbd\\\xc5\x81"},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    slashes_to_backslashes(c.path);
    EXPECT_EQ(c.path, c.expected);
  }
}

TEST(UpToNul, TextEndsAtItsFirstNul) {
  struct Case {
    const char* name;
    std::string text;
    std::string expected;
  } cases[] = {
      {"no NUL", "Condor3", "Condor3"},
      {"NUL inside", "Condor3\0junk\0"s, "Condor3"},
      {"NUL first", "\0Condor3"s, ""},
      {"empty", "", ""},
      {"UTF-8 before the NUL", "\xc5\x81ukasz\0x"s, "\xc5\x81ukasz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(up_to_nul(c.text), c.expected);
  }
  const std::wstring wide = L"Condor3\0junk"s;
  EXPECT_EQ(up_to_nul(std::wstring_view(wide)), L"Condor3");
}

}  // namespace
}  // namespace tarvel
