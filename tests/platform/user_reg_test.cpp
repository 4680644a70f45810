#include "platform/user_reg.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace tarvel {
namespace {

// Written after what Wine itself saves: its head, #time= lines under each
// key, doubled backslashes, \x escapes for every character above 127 (four
// digits when a hex digit follows), wrapped hex data and other value types.
constexpr std::string_view kWineUserReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\User\\S-1-5-21-1004336348-1177238915-682003330-1000

#arch=win64

[Console] 1796985983
#time=1dc6b5e4a8f0e2c
"ColorTable00"=dword:00000000
"FaceName"=""
"HistoryBufferSize"=dword:00000032

[Environment] 1796985983
#time=1dc6b5e4a9d3c10
"TEMP"=str(2):"%USERPROFILE%\\AppData\\Local\\Temp"

[Software\\Br\[a\]ck] 1796985983
#time=1dc6b5e4b1a2c3d
"v"="1"

[Software\\Condor2] 1796985990
#time=1dc6b5e4b1a2c3e
"InstallDir"="C:\\Condor2"
"LastPlayer"="Caf\xe9 Pilot"

[Software\\Condor3] 1796985983
#time=1dc6b5e4b1a2c3d
@="default value"
"Blob"=hex:01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,\
  18,19,1a
"Emoji"="\xd83d\xde00!"
"Euro"="\x20ac 5"
"Han"="\x4e2d"
"Lone"="\xdc00."
"InstallDir"="C:\\Condor3"
"LastPlayer"="Zo\x00e91"
"Multi"=str(7):"a\0b\0"
"Octal"="\033[0m"
"Quoted"="say \"hi\" \\o/"
"Tabs"="a\tb\nc"
"Version"=dword:00000bc6

[Software\\\xc9T\xc9] 1796985983
#time=1dc6b5e4b1a2c3d
"\xe0"="ok"

[Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders] 1796985983
#time=1dc6b5e4a9d3c10
"AppData"=str(2):"%USERPROFILE%\\AppData\\Roaming"
"Personal"=str(2):"%USERPROFILE%\\Documents"

[Volatile Environment] 1796985983
#time=1dc6b5e4a9d3c10
"APPDATA"="C:\\users\\ann\\AppData\\Roaming"
"USERPROFILE"="C:\\users\\ann"
)";

constexpr std::string_view kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

TEST(UserReg, StringValuesOfWinesOwnFile) {
  const UserReg reg = parse_user_reg(kWineUserReg);
  struct Case {
    const char* what;
    std::string_view key;
    std::string_view name;
    std::string expected;
  };
  const Case cases[] = {
      {"plain string", "Software\\Condor3", "InstallDir", "C:\\Condor3"},
      {"key and name in another case, key with a final backslash", "SOFTWARE\\CONDOR3\\",
       "installdir", "C:\\Condor3"},
      {"two-digit \\x escape", "Software\\Condor2", "LastPlayer", "Caf\xC3\xA9 Pilot"},
      {"four-digit \\x escape before a digit", "Software\\Condor3", "LastPlayer",
       "Zo\xC3\xA9"
       "1"},
      {"escaped quotes and backslash", "Software\\Condor3", "Quoted", "say \"hi\" \\o/"},
      {"character of the 0x80 row", "Software\\Condor3", "Euro", "\xE2\x82\xAC 5"},
      {"character outside Windows-1252", "Software\\Condor3", "Han", "\xE4\xB8\xAD"},
      {"surrogate pair is one character", "Software\\Condor3", "Emoji", "\xF0\x9F\x98\x80!"},
      {"unpaired surrogate", "Software\\Condor3", "Lone", "\xEF\xBF\xBD."},
      {"accented key and name in another case", "Software\\\xC3\x89t\xC3\xA9", "\xC3\x80", "ok"},
      {"C escapes", "Software\\Condor3", "Tabs", "a\tb\nc"},
      {"octal escape", "Software\\Condor3", "Octal", "\x1B[0m"},
      {"expandable string kept unexpanded", kShellFolders, "Personal", "%USERPROFILE%\\Documents"},
      {"empty string", "Console", "FaceName", ""},
      {"volatile environment", "Volatile Environment", "USERPROFILE", "C:\\users\\ann"},
      {"escaped brackets in a key name", "Software\\Br[a]ck", "v", "1"},
  };
  for (const Case& c : cases) {
    const std::string* v = reg.find(c.key, c.name);
    ASSERT_NE(v, nullptr) << c.what;
    EXPECT_EQ(*v, c.expected) << c.what;
  }
}

TEST(UserReg, OtherTypesAndMissingNamesAreAbsent) {
  const UserReg reg = parse_user_reg(kWineUserReg);
  struct Case {
    std::string_view key;
    std::string_view name;
  };
  const Case absent[] = {
      {"Software\\Condor3", "Version"},  // dword
      {"Software\\Condor3", "Blob"},     // hex, wrapped over two lines
      {"Software\\Condor3", "Multi"},    // str(7)
      {"Software\\Condor3", ""},         // @= default value
      {"Software\\Condor3", "Missing"}, {"Software\\Condor4", "InstallDir"},
      {"Software", "InstallDir"},       {"Software\\Condor3", "#time"},
  };
  for (const Case& c : absent)
    EXPECT_EQ(reg.find(c.key, c.name), nullptr) << c.key << " " << c.name;
}

TEST(UserReg, KeysExistWithTheirParents) {
  const UserReg reg = parse_user_reg(kWineUserReg);
  EXPECT_TRUE(reg.has_key("Software\\Condor3"));
  EXPECT_TRUE(reg.has_key("software\\condor3\\"));
  // Wine writes no section for a key that only holds subkeys.
  EXPECT_TRUE(reg.has_key("Software"));
  EXPECT_TRUE(reg.has_key("Software\\Microsoft\\Windows"));
  EXPECT_FALSE(reg.has_key("Software\\Cond"));
  EXPECT_FALSE(reg.has_key("Software\\Condor3\\Sub"));
  EXPECT_FALSE(reg.has_key("Hardware"));
}

TEST(UserReg, MalformedLinesAreSkippedAndTheRestRead) {
  const std::string head = "WINE REGISTRY Version 2\n";
  struct Case {
    const char* what;
    std::string text;
    std::string_view key;  // what must still be read
    std::string_view name;
    std::string_view expected;
    std::string_view lost_key;  // what must not be read
    std::string_view lost_name;
  };
  const Case cases[] = {
      {"unterminated section", head + "[Software\\\\X 1\n\"a\"=\"1\"\n[Y] 1\n\"b\"=\"2\"\n", "Y",
       "b", "2", "Software\\X", "a"},
      {"value without its closing quote", head + "[K] 1\n\"a\"=\"abc\n\"b\"=\"ok\"\n", "K", "b",
       "ok", "K", "a"},
      {"name without its closing quote", head + "[K] 1\n\"a=\"x\"\n\"b\"=\"ok\"\n", "K", "b", "ok",
       "K", "a"},
      {"backslash ending the line", head + "[K] 1\n\"a\"=\"abc\\\n\"b\"=\"ok\"\n", "K", "b", "ok",
       "K", "a"},
      {"no equals sign", head + "[K] 1\n\"a\" \"x\"\n\"b\" = \"ok\"\n", "K", "b", "ok", "K", "a"},
      {"value before any section", head + "\"a\"=\"x\"\n[K] 1\n\"b\"=\"ok\"\n", "K", "b", "ok", "",
       "a"},
      {"Windows line ends", head + "[K] 1\r\n\"b\"=\"ok\"\r\n", "K", "b", "ok", "K", "a"},
      {"\\x without digits", head + "[K] 1\n\"b\"=\"\\xyz\"\n", "K", "b", "xyz", "K", "a"},
      {"raw UTF-8 and stray bytes", head + "[K] 1\n\"b\"=\"\xC3\xA9\xFF\"\n", "K", "b",
       "\xC3\xA9\xFF", "K", "a"},
      {"binary bytes between lines",
       head + std::string("\0\x01\xFE[\x02\n", 6) + "[K] 1\n\"b\"=\"ok\"\n", "K", "b", "ok", "K",
       "a"},
  };
  for (const Case& c : cases) {
    const UserReg reg = parse_user_reg(c.text);
    const std::string* v = reg.find(c.key, c.name);
    ASSERT_NE(v, nullptr) << c.what;
    EXPECT_EQ(*v, c.expected) << c.what;
    EXPECT_EQ(reg.find(c.lost_key, c.lost_name), nullptr) << c.what;
  }
}

TEST(UserReg, WithoutWinesHeadTheHiveIsEmpty) {
  EXPECT_TRUE(parse_user_reg("").empty());
  EXPECT_TRUE(parse_user_reg("[Software\\\\Condor3] 1\n\"InstallDir\"=\"C:\\\\C3\"\n").empty());
  EXPECT_TRUE(parse_user_reg("REGEDIT4\n[Software\\\\Condor3]\n").empty());
}

TEST(UserReg, HugeLinesAreReadWhole) {
  const std::string big(2'000'000, 'a');
  const std::string text = "WINE REGISTRY Version 2\n[K] 1\n\"big\"=\"" + big + "\"\n" +
                           "\"x\"=\"" + std::string(1'000'000, '\\') + "\n" +
                           std::string(1'000'000, '[') + "\n[L] 1\n\"b\"=\"ok\"\n";
  const UserReg reg = parse_user_reg(text);
  ASSERT_NE(reg.find("K", "big"), nullptr);
  EXPECT_EQ(reg.find("K", "big")->size(), big.size());
  EXPECT_EQ(reg.find("K", "x"), nullptr);
  ASSERT_NE(reg.find("L", "b"), nullptr);
}

// Random damage to a real file must never crash the reader (the sanitizer
// build checks every access).
TEST(UserReg, DamagedFilesDoNotCrash) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 2000; ++round) {
    std::string text(kWineUserReg);
    const int edits = 1 + static_cast<int>(rng() % 20);
    for (int e = 0; e < edits; ++e) {
      const std::size_t at = rng() % text.size();
      switch (rng() % 3) {
        case 0: text[at] = static_cast<char>(rng() % 256); break;
        case 1: text.erase(at, 1 + rng() % 8); break;
        default: text.insert(at, 1, "\\\"[]\n\rx0"[rng() % 8]);
      }
      if (text.empty()) text.push_back('W');
    }
    const UserReg reg = parse_user_reg(text);
    (void)reg.find("Software\\Condor3", "InstallDir");
    (void)reg.has_key("Software");
  }
}

// What the scan finds agrees with the parser, and how many lines it reads
// before it knows: up to the value, or to the end of the key's section.
TEST(UserRegValueScan, FindsWhatTheParserFindsAndStopsWhenItKnows) {
  const std::string head = "WINE REGISTRY Version 2\n";
  const std::string rest = "[Software\\\\Zeta] 1\n\"InstallDir\"=\"C:\\\\Z\"\n";
  struct Case {
    const char* what;
    std::string text;
    const char* expected;  // nullptr: not found
    int lines_read;        // lines taken before the scan said it knew
  };
  const Case cases[] = {
      {"the value ends the scan",
       head + "[Software\\\\Condor3] 1\n#time=1\n\"InstallDir\"=\"C:\\\\C3\"\n" + rest, "C:\\C3",
       4},
      {"key and name in another case, CR LF lines",
       head + "[SOFTWARE\\\\condor3] 1\r\n\"installdir\"=str(2):\"D:\\\\C3\"\r\n" + rest, "D:\\C3",
       3},
      {"the next section ends the scan", head + "[Software\\\\Condor3] 1\n\"Other\"=\"x\"\n" + rest,
       nullptr, 4},
      {"another type is skipped, a later string line counts",
       head +
           "[Software\\\\Condor3] 1\n\"InstallDir\"=dword:00000001\n\"InstallDir\"=\"C:\\\\C3\"\n",
       "C:\\C3", 4},
      {"a malformed section line ends the key",
       head + "[Software\\\\Condor3] 1\n[Broken\n\"InstallDir\"=\"C:\\\\C3\"\n", nullptr, 3},
      {"a subkey is another key",
       head + "[Software\\\\Condor3\\\\Sub] 1\n\"InstallDir\"=\"C:\\\\S\"\n", nullptr, 3},
      {"no such key: every line is read", head + rest + "[Software\\\\Alpha] 1\n", nullptr, 4},
      {"without Wine's head only the first line",
       "REGEDIT4\n[Software\\\\Condor3]\n\"InstallDir\"=\"C:\\\\C3\"\n", nullptr, 1},
  };
  for (const Case& c : cases) {
    UserRegValueScan scan("Software\\Condor3", "InstallDir");
    int lines = 0;
    std::size_t start = 0;
    while (start < c.text.size()) {
      const std::size_t nl = c.text.find('\n', start);
      ++lines;
      const bool more = scan.feed(std::string_view(c.text).substr(start, nl - start));
      start = nl == std::string::npos ? c.text.size() : nl + 1;
      if (!more) break;
    }
    EXPECT_EQ(lines, c.lines_read) << c.what;
    const UserReg reg = parse_user_reg(c.text);
    const std::string* full = reg.find("Software\\Condor3", "InstallDir");
    if (c.expected == nullptr) {
      EXPECT_EQ(scan.value(), nullptr) << c.what;
    } else {
      ASSERT_NE(scan.value(), nullptr) << c.what;
      EXPECT_EQ(*scan.value(), c.expected) << c.what;
      ASSERT_NE(full, nullptr) << c.what;
      EXPECT_EQ(*full, c.expected) << c.what;
    }
  }
}

}  // namespace
}  // namespace tarvel
