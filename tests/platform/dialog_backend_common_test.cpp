#include "platform/dialog_backend_common.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvel {
namespace {

TEST(JoinMultiSelection, FolderAndNamesBecomeFullPaths) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string buf;
    std::string joined;
  } cases[] = {
      {"one file", "C:\\fp\\a.fpl\0\0junk"s, "C:\\fp\\a.fpl"},
      {"two files", "C:\\fp\0a.fpl\0b c.fpl\0\0"s, "C:\\fp\\a.fpl|C:\\fp\\b c.fpl"},
      {"drive root keeps one backslash", "C:\\\0a.fpl\0b.fpl\0\0"s, "C:\\a.fpl|C:\\b.fpl"},
      {"buffer without final NULs", "C:\\fp\0a.fpl\0b.f"s, "C:\\fp\\a.fpl|C:\\fp\\b.f"},
      {"single path filling the buffer", "C:\\fp\\a.fpl"s, "C:\\fp\\a.fpl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(join_multi_selection(c.buf.data(), c.buf.size()), c.joined);
  }
}

// A selection cut at the end of the buffer (as Wine returns one that does not
// fit) is not taken for a complete one.
TEST(SelectionComplete, OnlyAnAnswerEndedWithinTheBufferIsComplete) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string buf;
    bool complete;
  } cases[] = {
      {"one file, zeros after it", "C:\\fp\\a.fpl\0\0\0"s, true},
      {"two files ending at the buffer's end", "C:\\fp\0a.fpl\0b.fpl\0\0"s, true},
      {"cut inside a name", "C:\\fp\0a.fpl\0b.f"s, false},
      {"cut right after a name", "C:\\fp\0a.fpl\0b.fpl\0"s, false},
      {"buffer of one byte", "\0"s, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(selection_complete(c.buf.data(), c.buf.size()), c.complete);
  }
}

TEST(SplitChooserStart, PatternsAreNotProposedAsNames) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
  } cases[] = {
      {"C:\\Users\\me\\FlightPlans\\*.fpl", "C:\\Users\\me\\FlightPlans\\", ""},
      {"C:\\out\\Task1_V3.fpl", "C:\\out\\", "Task1_V3.fpl"},
      {"C:\\Condor3\\Landscapes\\", "C:\\Condor3\\Landscapes\\", ""},
      {"Task.fpl", "", "Task.fpl"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const ChooserStart s = split_chooser_start(c.path);
    EXPECT_EQ(s.folder, c.folder);
    EXPECT_EQ(s.name, c.name);
  }
}

TEST(DefaultExtension, OnlyAPlainPatternGivesOne) {
  struct Case {
    std::vector<std::string> patterns;
    const char* ext;
  } cases[] = {
      {{"*.fpl"}, "fpl"}, {{"*.fpl", "*.txt"}, "fpl"}, {{"*.*"}, ""}, {{"*.f?l"}, ""},
      {{"*.tar.gz"}, ""}, {{"Task.fpl"}, ""},          {{"*."}, ""},  {{}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.patterns.empty() ? "none" : c.patterns[0]);
    EXPECT_EQ(default_extension(c.patterns), c.ext);
  }
}

}  // namespace
}  // namespace tarvel
