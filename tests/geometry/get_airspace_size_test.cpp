#include "geometry/get_airspace_size.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "geometry/geometry_fixtures.h"
#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/app_state.h"

namespace tarvel {
namespace {

// Restores the run's language when a test changes it.
class LanguageGuard {
 public:
  explicit LanguageGuard(bool qfr) : saved_(app_state().qfr) { app_state().qfr = qfr; }
  ~LanguageGuard() { app_state().qfr = saved_; }

 private:
  bool saved_;
};

TEST(GetAirspaceSize, CountsLinesThatBeginWithAC) {
  struct Case {
    const char* name;
    std::string content;
    int expected;
  };
  const Case cases[] = {
      {"seven lines, first and sixth are airspaces",
       "AC D\nAN Zone one\nAL GND\nAH 2000ft\nDP 45:00:00 N 006:00:00 E\nAC R\nAN Zone two\n", 2},
      {"lower-case ac", "ac D\nAc D\naC D\n", 0},
      {"blank or tab before AC", " AC D\n\tAC D\n", 0},
      {"AC followed by anything", "ACD\nAC\nAC\r\nAC\x01\xff\n", 4},
      {"empty file", "", 0},
      {"empty lines only", "\n\n\r\n", 0},
      {"last line without line end", "AN x\nAC", 1},
      {"Windows line ends", "AC A\r\nAN x\r\nAC B\r\n", 2},
      {"A at a line end and C on the next line", "xA\nC\nA\nCx\n", 0},
      {"AC beyond the first 256 characters of a line", std::string(300, 'x') + "AC\nAC x\n", 1},
      {"binary bytes",
       std::string("\0\x1a\xff\nAC\0\n\x1a"
                   "AC\n\0AC\nAC",
                   18),
       2},
      // The file is read in blocks of 64 KiB: a line may begin at the last byte of one.
      {"A and C in two read blocks", std::string(65534, 'x') + "\nAC\n", 1},
      {"AC at the start of the second block", std::string(65535, 'x') + "\nAC\n", 1},
      {"line end at the start of the second block", std::string(65536, 'x') + "\nAC\nAC", 2},
      {"a line over two blocks hides its AC", "x" + std::string(65535, 'y') + "AC\nAC\n", 1},
      {"1 MiB without line ends, beginning with AC", "AC" + std::string(1 << 20, 'z'), 1},
      {"1 MiB without line ends", std::string(1 << 20, '\xff'), 0},
  };
  test::TempDir dir;
  test::RecordingDialogs dialogs;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = dir.write("land.air", c.content);
    EXPECT_EQ(get_airspace_size(test::win_path(p)), c.expected);
  }
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(GetAirspaceSize, TrailingBlanksAreNotPartOfThePath) {
  test::TempDir dir;
  test::RecordingDialogs dialogs;
  const auto p = dir.write("land.air", "AC D\nAC R\n");
  EXPECT_EQ(get_airspace_size(test::win_path(p) + std::string(40, ' ')), 2);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(GetAirspaceSize, FileThatCannotBeOpenedIsReported) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.path() / "folder.air");
  const std::string missing = test::win_path(dir.path() / "missing.air");
  const std::string folder = test::win_path(dir.path() / "folder.air");
  // 250 characters of path: the message is held in 256, so six remain.
  std::string long_name = test::win_path(dir.path()) + "\\";
  long_name += std::string(250 - long_name.size() - 4, 'n') + ".air";
  ASSERT_EQ(long_name.size(), 250u);

  struct Case {
    const char* name;
    std::string path;
    bool qfr;
    std::string text;  // as shown: the "/" has become a line break
  };
  const Case cases[] = {
      {"missing file, English", missing, false, missing + "\nAirspace file : error opening"},
      {"missing file, French", missing, true,
       missing + "\nFichier d'espace a\xe9rien : ouverture impossible"},
      {"a folder", folder, false, folder + "\nAirspace file : error opening"},
      {"250-character path", long_name, false, long_name + "\nAirsp"},
      {"250-character path, French", long_name, true, long_name + "\nFichi"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LanguageGuard language(c.qfr);
    test::RecordingDialogs dialogs;
    EXPECT_EQ(get_airspace_size(c.path + "   "), 0);
    const auto boxes = dialogs.boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.text);
    EXPECT_EQ(boxes[0].title, "TARVEL");
    EXPECT_EQ(boxes[0].icon, "error");
    EXPECT_EQ(boxes[0].buttons, "ok");
  }
}

}  // namespace
}  // namespace tarvel
