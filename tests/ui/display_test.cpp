#include "ui/display.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/recording_dialogs.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

using Patterns = std::vector<std::string>;

TEST(GetFileName, MultipleSelectionReturnsTheJoinedPaths) {
  test::RecordingDialogs dialogs;
  dialogs.chooser_answers = {std::string("C:\\fp\\a.fpl|C:\\fp\\b c.fpl")};
  test::ConsoleCapture console;
  std::string file = "old";
  int len = -1;
  const int r = GetFileName(file, "TARVEL : Select V2 flight plan", "C:\\fp\\*.fpl", "*.fpl",
                            "Condor Flight Plans (*.fpl)", 1, len);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(file, "C:\\fp\\a.fpl|C:\\fp\\b c.fpl");
  EXPECT_EQ(len, 25);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "open");
  EXPECT_EQ(dialogs.calls[0].title, "TARVEL : Select V2 flight plan");
  EXPECT_EQ(dialogs.calls[0].text, "C:\\fp\\*.fpl");
  EXPECT_EQ(dialogs.calls[0].patterns, Patterns{"*.fpl"});
  EXPECT_TRUE(dialogs.calls[0].multi);
  EXPECT_EQ(console.text(), "GetFileName *.fpl 5\nGetFileName C:\\fp\\*.fpl 11\n");
}

TEST(GetFileName, FilterListsAreSplitAtCommasWithinTheirLimits) {
  const std::string p40(40, 'p');
  struct Case {
    const char* name;
    std::string filter;
    Patterns patterns;
  } cases[] = {
      {"two patterns", "*.fpl,*.txt", {"*.fpl", "*.txt"}},
      {"final comma adds nothing", "*.fpl,", {"*.fpl"}},
      {"empty pattern between commas", "a,,b", {"a", "", "b"}},
      {"empty list", "", {}},
      {"text after a NUL is not part of the list", std::string("*.fpl\0,*.x", 10), {"*.fpl"}},
      {"a pattern keeps 31 characters", p40 + ",b", {p40.substr(0, 31), "b"}},
      {"the list keeps 63 characters", p40 + "," + p40, {p40.substr(0, 31), std::string(22, 'p')}},
      {"at most 13 patterns",
       "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o",
       {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingDialogs dialogs;
    dialogs.chooser_answers = {std::string("C:\\x.fpl")};
    test::ConsoleCapture console;
    std::string file;
    int len = 0;
    GetFileName(file, "t", "", c.filter, "", 0, len);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].patterns, c.patterns);
    EXPECT_FALSE(dialogs.calls[0].multi);
  }
}

TEST(SaveFileName, ReturnsTheChosenPath) {
  test::RecordingDialogs dialogs;
  dialogs.chooser_answers = {std::string("C:\\out\\Task1_V3.fpl")};
  test::ConsoleCapture console;
  std::string file;
  int len = 0;
  EXPECT_EQ(SaveFileName(file, "TARVEL : Select V3 flightplan", "C:\\out\\Task1_V3.fpl", "*.fpl",
                         "", len),
            1);
  EXPECT_EQ(file, "C:\\out\\Task1_V3.fpl");
  EXPECT_EQ(len, 19);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, "save");
  EXPECT_EQ(dialogs.calls[0].text, "C:\\out\\Task1_V3.fpl");
  EXPECT_EQ(dialogs.calls[0].patterns, Patterns{"*.fpl"});
  EXPECT_EQ(console.text(), "SaveFileName *.fpl 5 C:\\out\\Task1_V3.fpl \n");
}

// A name typed without an extension gets the filter's; one with an extension,
// or a filter without one, leaves the name as typed.
TEST(SaveFileName, ANameWithoutExtensionGetsTheFilters) {
  struct Case {
    const char* name;
    std::string answer;
    std::string filter;
    std::string file;
  } cases[] = {
      {"plain name", "C:\\out\\Mon vol", "*.fpl", "C:\\out\\Mon vol.fpl"},
      {"dot in a folder only", "C:\\my.dir\\Mon vol", "*.fpl", "C:\\my.dir\\Mon vol.fpl"},
      {"name that only begins with a dot", "C:\\out\\.fpl", "*.fpl", "C:\\out\\.fpl.fpl"},
      {"another extension is kept", "C:\\out\\Mon vol.txt", "*.fpl", "C:\\out\\Mon vol.txt"},
      {"ending with a dot is kept", "C:\\out\\Mon vol.", "*.fpl", "C:\\out\\Mon vol."},
      {"the filter's own", "C:\\out\\Task_V3.fpl", "*.fpl", "C:\\out\\Task_V3.fpl"},
      {"no filter", "C:\\out\\Mon vol", "", "C:\\out\\Mon vol"},
      {"a filter of any name", "C:\\out\\Mon vol", "*.*", "C:\\out\\Mon vol"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::RecordingDialogs dialogs;
    dialogs.chooser_answers = {c.answer};
    test::ConsoleCapture console;
    std::string file;
    int len = 0;
    EXPECT_EQ(SaveFileName(file, "Save", "C:\\out\\T_V3.fpl", c.filter, "", len), 1);
    EXPECT_EQ(file, c.file);
    EXPECT_EQ(len, static_cast<int>(c.file.size()));
    EXPECT_TRUE(dialogs.boxes().empty());
  }
}

// The dialog checked the name as typed; when the name with its extension
// exists, the user is asked before it is replaced, and "no" opens the dialog
// again on that name.
TEST(SaveFileName, AnExistingFileNamedByTheAddedExtensionIsReplacedOnlyWhenConfirmed) {
  test::TempDir dir;
  dir.write("Mon vol.fpl", "old");
  const std::string typed = (dir.path() / "Mon vol").string();
  test::RecordingDialogs dialogs;
  dialogs.chooser_answers = {typed, typed};
  dialogs.box_answers = {0, 1};
  test::ConsoleCapture console;
  std::string file;
  int len = 0;
  EXPECT_EQ(SaveFileName(file, "Save", "C:\\out\\T_V3.fpl", "*.fpl", "", len), 1);
  EXPECT_EQ(file, typed + ".fpl");
  ASSERT_EQ(dialogs.calls.size(), 4u);
  EXPECT_EQ(dialogs.calls[1].kind, "message");
  EXPECT_EQ(dialogs.calls[1].title, "Save");
  EXPECT_EQ(dialogs.calls[1].buttons, "yesno");
  EXPECT_EQ(dialogs.calls[2].kind, "save");
  EXPECT_EQ(dialogs.calls[2].text, typed + ".fpl");
  EXPECT_EQ(dialogs.calls[3].kind, "message");
}

// A selection that does not fit the open dialog is told with the number of
// plans that do, never as a cancel; the dialog then opens again.
TEST(GetFileName, ASelectionTooLargeForTheDialogIsToldAndTheDialogOpensAgain) {
  test::RecordingDialogs dialogs;
  dialogs.selection_overflow = 4094;
  dialogs.chooser_answers = {std::nullopt, std::string("C:\\fp\\a.fpl")};
  test::ConsoleCapture console;
  std::string file;
  int len = 0;
  EXPECT_EQ(GetFileName(file, "Open", "C:\\fp\\*.fpl", "*.fpl", "", 1, len), 1);
  EXPECT_EQ(file, "C:\\fp\\a.fpl");
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[0].kind, "open");
  EXPECT_EQ(dialogs.calls[2].kind, "open");
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  EXPECT_EQ(dialogs.boxes()[0].text,
            IsLanguageFrench() ? "Trop de plans choisis \xe0 la fois.\nChoisissez au plus 4094 "
                                 "plans par s\xe9lection."
                               : "Too many plans chosen at once.\nChoose at most 4094 plans in "
                                 "one selection.");
}

// The language of the cancel box follows the interface language, which
// outside Windows comes from the locale variables.
#ifndef _WIN32
using test::ScopedEnv;

TEST(FileDialogs, CancelShowsABoxAndLeavesTheFile) {
  struct Case {
    const char* name;
    const char* locale;
    bool save;
    const char* text;
  } cases[] = {
      {"open, French (Canada)", "fr_CA.UTF-8", false,
       "Aucun fichier sp\xe9"
       "cifi\xe9"},
      {"open, English", "en_GB.UTF-8", false, "No file selected"},
      {"save, French", "fr_FR", true,
       "Aucun fichier sp\xe9"
       "cifi\xe9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedEnv lc_all("LC_ALL", c.locale);
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    std::string file = "kept";
    int len = 7;
    const int r = c.save ? SaveFileName(file, "t", "", "*.fpl", "", len)
                         : GetFileName(file, "t", "", "*.fpl", "", 1, len);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(file, "kept");
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].title, "Error");
    EXPECT_EQ(dialogs.boxes()[0].text, c.text);
    EXPECT_EQ(dialogs.boxes()[0].buttons, "ok");
    EXPECT_EQ(dialogs.boxes()[0].icon, "error");
  }
}

TEST(GetFolder, ReturnsZeroWhenChosenAndOneWhenCancelledInEveryLanguage) {
  ScopedEnv lc_all("LC_ALL", "fr_FR.UTF-8");
  test::RecordingDialogs dialogs;
  dialogs.chooser_answers = {std::string("C:\\Condor2\\Landscapes"), std::nullopt};
  std::string folder = "kept";
  int len = 0;
  EXPECT_EQ(GetFolder("Select Condor 2 Landscapes folder", "D:\\start\\", len, folder), 0);
  EXPECT_EQ(folder, "C:\\Condor2\\Landscapes");
  EXPECT_EQ(len, 21);
  EXPECT_TRUE(dialogs.boxes().empty());

  EXPECT_EQ(GetFolder("again", "", len, folder), 1);
  EXPECT_EQ(len, 0);
  EXPECT_EQ(folder, "C:\\Condor2\\Landscapes");
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[0].kind, "folder");
  EXPECT_EQ(dialogs.calls[0].title, "Select Condor 2 Landscapes folder");
  EXPECT_EQ(dialogs.calls[0].text, "D:\\start\\");
  EXPECT_EQ(dialogs.calls[2].kind, "message");
  EXPECT_EQ(dialogs.calls[2].title, "Error");
  EXPECT_EQ(dialogs.calls[2].text, "No folder selected");
}

TEST(IsLanguageFrench, FollowsTheLocaleVariables) {
  ScopedEnv lc_all("LC_ALL", nullptr);
  ScopedEnv lc_messages("LC_MESSAGES", nullptr);
  {
    ScopedEnv lang("LANG", "fr_CA.UTF-8");
    EXPECT_EQ(IsLanguageFrench(), 1);
  }
  {
    ScopedEnv lang("LANG", "en_GB.UTF-8");
    EXPECT_EQ(IsLanguageFrench(), 0);
  }
}
#endif

TEST(IsLanguageFrench, AnyFrenchRegionCounts) {
  struct Case {
    const char* name;
    unsigned langid;
    int french;
  } cases[] = {
      {"French (France)", 0x040C, 1},         {"French (Canada)", 0x0C0C, 1},
      {"French (Belgium)", 0x080C, 1},        {"English (United Kingdom)", 0x0809, 0},
      {"English (United States)", 0x0409, 0}, {"German", 0x0407, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(is_french_language_id(c.langid), c.french);
  }
}

TEST(Substrpos, CopiesAnInclusiveRange) {
  struct Case {
    const char* name;
    int p1, p2;
    const char* sub;
    int count;
  } cases[] = {
      {"middle", 1, 3, "bcd", 3},      {"one character", 2, 2, "c", 1},
      {"p2 before p1", 3, 2, "", 0},   {"p2 beyond the end", 4, 40, "ef", 2},
      {"negative p1", -3, 1, "ab", 2}, {"both beyond the end", 9, 12, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string sub = "junk";
    EXPECT_EQ(substrpos("abcdef", sub, c.p1, c.p2), c.count);
    EXPECT_EQ(sub, c.sub);
  }
}

}  // namespace
}  // namespace tarvel
