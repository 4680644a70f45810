#include "driver/read_ini.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_encoding.h"
#include "support/test_support.h"
#include "util/app_state.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

struct Settings {
  FixedText<256> deffile = FixedText<256>("C:\\old\\defaults.fpl");
  FixedText<64> landname = FixedText<64>("OldLand");
  bool qauto = false;
  FixedText<256> c2lndpath = FixedText<256>("C:\\OldC2");
};

// Reads `text` as TARVEL.ini; the log (in the temporary folder) and the
// console go to `console`, the value refused as too long to `too_long`.
Settings read(const std::string& text, std::string* console = nullptr,
              std::string* too_long = nullptr) {
  test::TempDir dir;
  const auto path = dir.write("TARVEL.ini", text);
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  reset_log_state();
  Settings s;
  {
    test::ConsoleCapture cap;
    const std::string refused =
        read_ini(path.string(), s.deffile, s.landname, s.qauto, s.c2lndpath);
    if (console != nullptr) *console = cap.text();
    if (too_long != nullptr) *too_long = refused;
  }
  std::filesystem::current_path(cwd);
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
  const std::string land64(64, 'L');
  const std::string land64_line = "Landscape=" + land64 + "\n";
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
      {"landscape of 64 bytes", land64_line.c_str(), land64.c_str(), "C:\\old\\defaults.fpl", false,
       "C:\\OldC2"},
      {"blanks, tabs and one pair of quotes around a value",
       "Defaults= \t\"C:\\My plans\\d.fpl\"\t \nLandscape=\"\"Q\"\"\n", "\"Q\"",
       "C:\\My plans\\d.fpl", false, "C:\\OldC2"},
      {"a tab before the separator", "Landscape\t=Tab\n", "Tab", "C:\\old\\defaults.fpl", false,
       "C:\\OldC2"},
      {"a value of two quotes is blank", "Landscape=\"\"\n", "OldLand", "C:\\old\\defaults.fpl",
       false, "C:\\OldC2"},
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

// A value longer than its field (bytes of UTF-8) is refused whole: the field
// keeps what it held and the value comes back for the too-long message.
TEST(ReadIni, AValueTooLongForItsFieldIsRefusedNotCut) {
  std::string refused;
  std::string cyrillic;
  for (int i = 0; i < 33; ++i) cyrillic += "\xd0\x96";  // 33 letters, 66 bytes
  Settings s = read("Defaults=C:\\" + std::string(300, 'd') + "\n", nullptr, &refused);
  EXPECT_EQ(refused, "C:\\" + std::string(300, 'd'));
  EXPECT_TRUE(s.deffile == "C:\\old\\defaults.fpl");
  s = read("Landscape=" + cyrillic + "\nDefaults=D:\\d.fpl\n", nullptr, &refused);
  EXPECT_EQ(refused, cyrillic);
  EXPECT_TRUE(s.landname == "OldLand");
  EXPECT_TRUE(s.deffile == "D:\\d.fpl");
  s = read("Condor2_Landscapes_Path=" + std::string(256, 'p') + "\\\n", nullptr, &refused);
  EXPECT_EQ(refused.size(), 257u);
  EXPECT_TRUE(s.c2lndpath == "C:\\OldC2");
  read("Defaults=" + std::string(256, 'd') + "\n", nullptr, &refused);
  EXPECT_EQ(refused, "");
}

// The same settings saved by an editor in each usual encoding read the same;
// the log line names the encoding found.
TEST(ReadIni, EveryEncodingAnEditorSavesReadsTheSame) {
  const std::string utf8 =
      "Landscape=Vall\xc3\xa9"
      "e\r\nDefaults=C:\\D\xc3\xa9"
      "fauts\\d.fpl\r\n";
  const auto utf16 = [&utf8](bool big) {
    std::string out = big ? "\xfe\xff" : "\xff\xfe";
    for (char16_t u : to_utf16(utf8)) {
      const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xff);
      out += big ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
  };
  struct Case {
    const char* name;
    std::string bytes;
    const char* found;
  };
  const Case cases[] = {
      {"UTF-8", utf8, "(UTF-8)"},
      {"UTF-8 with its mark", "\xef\xbb\xbf" + utf8, "(UTF-8 BOM)"},
      {"UTF-16 little endian", utf16(false), "(UTF-16 LE)"},
      {"UTF-16 big endian", utf16(true), "(UTF-16 BE)"},
      {"Windows-1252",
       "Landscape=Vall\xe9"
       "e\r\nDefaults=C:\\D\xe9"
       "fauts\\d.fpl\r\n",
       "(Windows-1252)"},
  };
  for (const Case& c : cases) {
    std::string console;
    const Settings s = read(c.bytes, &console);
    EXPECT_TRUE(s.landname ==
                "Vall\xc3\xa9"
                "e")
        << c.name << ": [" << s.landname.trimmed() << "]";
    EXPECT_TRUE(s.deffile ==
                "C:\\D\xc3\xa9"
                "fauts\\d.fpl")
        << c.name << ": [" << s.deffile.trimmed() << "]";
    EXPECT_NE(console.find(c.found), std::string::npos) << c.name << ": " << console;
    EXPECT_EQ(console.find("{W}"), std::string::npos) << c.name << ": " << console;
  }
}

// Each line that is neither blank, a comment nor one of the four keys gets a
// warning naming its line; one log line lists what took effect, in English
// or in French.
TEST(ReadIni, UnknownLinesAreWarnedAndTheSettingsTakenAreLogged) {
  const std::string text =
      "# comment\r\n\r\nlandscape=Lower\r\nLandscape=Hills\r\nDefault_output_file=1\r\n"
      "Landscape=Vale\r\nDefaults=\r\n[TARVEL]\r\n";
  for (bool fr : {false, true}) {
    app_state().qfr = fr;
    std::string console;
    read(text, &console);
    app_state().qfr = false;
    std::size_t warnings = 0;
    for (std::size_t at = console.find("+ WARNING"); at != std::string::npos;
         at = console.find("+ WARNING", at + 1)) {
      ++warnings;
    }
    EXPECT_EQ(warnings, 3u) << console;
    for (const char* shown : {"3", "5", "8"}) {
      const std::string line = (fr ? "ligne " : "line ") + std::string(shown);
      EXPECT_NE(console.find(line + (fr ? " : r\xe9glage inconnu" : ": unknown setting")),
                std::string::npos)
          << line << "\n"
          << console;
    }
    EXPECT_NE(console.find("\"Default_output_file\""), std::string::npos) << console;
    EXPECT_NE(console.find(fr ? "(UTF-8) : Landscape=Vale (ligne 6)\"\n"
                              : "(UTF-8): Landscape=Vale (line 6)\"\n"),
              std::string::npos)
        << console;
  }
  std::string console;
  read("# nothing\n", &console);
  EXPECT_NE(console.find("(UTF-8): none\""), std::string::npos) << console;
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
