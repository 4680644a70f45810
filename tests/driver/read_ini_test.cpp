#include "driver/read_ini.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

struct Settings {
  FixedText<256> deffile = FixedText<256>("C:\\old\\defaults.fpl");
  FixedText<64> landname = FixedText<64>("OldLand");
  bool qauto = false;
  FixedText<256> c2lndpath = FixedText<256>("C:\\OldC2");
};

Settings read(const std::string& text) {
  test::TempDir dir;
  const auto path = dir.write("TARVEL.ini", text);
  Settings s;
  read_ini(path.string(), s.deffile, s.landname, s.qauto, s.c2lndpath);
  return s;
}

TEST(ReadIni, KeysSetTheirFields) {
  struct Case {
    const char* name;
    const char* text;
    const char* landname;
    const char* deffile;
    bool qauto;
    const char* c2lndpath;
  };
  const std::string long_land = "Landscape=" + std::string(70, 'L') + "\n";
  const std::string land64(64, 'L');
  const Case cases[] = {
      {"comments and blank lines change nothing", "# Landscape=Nope\n\n   \n#Defaults=x\n",
       "OldLand", "C:\\old\\defaults.fpl", false, "C:\\OldC2"},
      {"blanks around the equals sign", "Landscape = Valley \n", "Valley", "C:\\old\\defaults.fpl",
       false, "C:\\OldC2"},
      {"colon as separator", "Landscape:Hills\r\n", "Hills", "C:\\old\\defaults.fpl", false,
       "C:\\OldC2"},
      {"a # after blanks is no comment", "  #x=1\n Landscape=Lake\n", "Lake",
       "C:\\old\\defaults.fpl", false, "C:\\OldC2"},
      {"yes switches automatic names on", "Default_output_files=yes\n", "OldLand",
       "C:\\old\\defaults.fpl", true, "C:\\OldC2"},
      {"true does not", "Default_output_files=true\n", "OldLand", "C:\\old\\defaults.fpl", false,
       "C:\\OldC2"},
      {"one final backslash removed", "Condor2_Landscapes_Path=D:\\C2\\Landscapes\\\n", "OldLand",
       "C:\\old\\defaults.fpl", false, "D:\\C2\\Landscapes"},
      {"of two, one is kept", "Condor2_Landscapes_Path=D:\\C2\\\\\n", "OldLand",
       "C:\\old\\defaults.fpl", false, "D:\\C2\\"},
      {"ASK kept as it stands", "Defaults=ASK\n", "OldLand", "ASK", false, "C:\\OldC2"},
      {"ask in lower case is a path", "Defaults=ask\n", "OldLand", "ask", false, "C:\\OldC2"},
      {"other case of a key ignored", "landscape=Lower\nLANDSCAPE=Upper\n", "OldLand",
       "C:\\old\\defaults.fpl", false, "C:\\OldC2"},
      {"blank value ignored", "Landscape=   \nDefaults=\n", "OldLand", "C:\\old\\defaults.fpl",
       false, "C:\\OldC2"},
      {"last line wins", "Landscape=A\n[Section]\nLandscape=B\n", "B", "C:\\old\\defaults.fpl",
       false, "C:\\OldC2"},
      {"landscape cut to 64", long_land.c_str(), land64.c_str(), "C:\\old\\defaults.fpl", false,
       "C:\\OldC2"},
      {"lone CR line ends", "Landscape=CR\rDefault_output_files=1\r", "CR", "C:\\old\\defaults.fpl",
       true, "C:\\OldC2"},
  };
  for (const auto& c : cases) {
    const Settings s = read(c.text);
    EXPECT_TRUE(s.landname == c.landname) << c.name << ": [" << s.landname.trimmed() << "]";
    EXPECT_TRUE(s.deffile == c.deffile) << c.name << ": [" << s.deffile.trimmed() << "]";
    EXPECT_EQ(s.qauto, c.qauto) << c.name;
    EXPECT_TRUE(s.c2lndpath == c.c2lndpath) << c.name << ": [" << s.c2lndpath.trimmed() << "]";
  }
}

TEST(ReadIni, LongLinesAreCutAt256) {
  const Settings s = read("Defaults=" + std::string(300, 'd') + "\n");
  EXPECT_EQ(s.deffile.view(), std::string(247, 'd') + std::string(9, ' '));
}

TEST(ReadIni, AFileThatCannotBeOpenedIsLoggedAndEndsTheRun) {
  test::TempDir dir;
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  reset_log_state();
  Settings s;
  const std::string missing = (dir.path() / "none" / "TARVEL.ini").string();
  test::ConsoleCapture cap;
  try {
    read_ini(missing, s.deffile, s.landname, s.qauto, s.c2lndpath);
    ADD_FAILURE() << "the run goes on";
  } catch (const test::RunStopped& stop) {
    EXPECT_EQ(stop.status, 0);
  }
  std::filesystem::current_path(cwd);
  EXPECT_NE(cap.text().find("*** File " + missing + " : cannot be opened ***"), std::string::npos)
      << cap.text();
}

}  // namespace
}  // namespace tarvel
