#include "util/extract_path_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "driver/stopping_calls.h"
#include "support/recording_dialogs.h"
#include "support/test_support.h"
#include "util/app_state.h"

namespace tarvel {
namespace {

TEST(ExtractPathName, SplitsAtTheLastBackslash) {
  struct Case {
    const char* name;
    const char* path;
    const char* folder;
    const char* file;
  } cases[] = {
      {"full path", "C:\\Condor2\\FlightPlans\\Task.fpl", "C:\\Condor2\\FlightPlans\\", "Task.fpl"},
      {"bare file name", "Task.fpl", ".\\", "Task.fpl"},
      {"parent folder", "..", "..\\", ""},
      {"parent folder, trailing blanks", "..   ", "..\\", ""},
      {"blank", "    ", "", ""},
      {"folder only", "C:\\Condor2\\", "C:\\Condor2\\", ""},
      {"relative with dots", "..\\a.b\\c", "..\\a.b\\", "c"},
      {"slashes are not separators", "C:/x/y.fpl", ".\\", "C:/x/y.fpl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FixedText<256> folder("old folder"), file("old name");
    extract_path_name(FixedText<256>(c.path), folder, file);
    EXPECT_EQ(folder, c.folder);
    EXPECT_EQ(file, c.file);
  }
}

TEST(ExtractPathName, PartsAreCutToTheirFieldsAndMayShareThePath) {
  FixedText<8> folder;
  FixedText<5> name;
  extract_path_name(FixedText<64>("C:\\Tools\\TARVEL.exe"), folder, name);
  EXPECT_EQ(folder.view(), "C:\\Tools");
  EXPECT_EQ(name.view(), "TARVE");

  FixedText<32> path("D:\\a\\b.fpl");
  FixedText<32> file;
  extract_path_name(path, path, file);
  EXPECT_EQ(path, "D:\\a\\");
  EXPECT_EQ(file, "b.fpl");
}

TEST(ExtractPathName, LooksAtTheFirst1024CharactersOnly) {
  FixedText<1100> folder, file;
  extract_path_name(FixedText<1100>(std::string(1020, 'a') + "\\name.fpl"), folder, file);
  EXPECT_EQ(folder, std::string(1020, 'a') + "\\");
  EXPECT_EQ(file, "nam");

  extract_path_name(FixedText<1100>(std::string(1030, 'a') + "\\x"), folder, file);
  EXPECT_EQ(folder, ".\\");
  EXPECT_EQ(file, std::string(1024, 'a'));
}

// The probe folder in the program's Windows form (each "/" as "\").
std::string program_form(const std::filesystem::path& p) {
  std::string s = p.string();
  std::replace(s.begin(), s.end(), '/', '\\');
  return s;
}

const std::string kZeros = "           0           0           0           0";

TEST(CheckWritableFolder, AWritableFolderLeavesNoProbeAndShowsNothing) {
  test::TempDir dir;
  const std::string folder = program_form(dir.path());
  for (const std::string& given : {folder, folder + "\\   "}) {
    SCOPED_TRACE(given);
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    writable_folder_or_stop(FixedText<256>(given), FixedText<32>("TARVEL"));
    EXPECT_EQ(console.text(), " check_writable_folder " + std::string(trim_right(given)) + "\\" +
                                  "tmp_TMP_tmp_TMP_tmp_TMP_tmp_TMP_tmp.txt\n" + kZeros + "\n");
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  }
}

TEST(CheckWritableFolder, AnUnwritableFolderShowsTheMessageAndEndsTheRun) {
  // A folder below a regular file cannot be created or written, even by root.
  test::TempDir dir;
  dir.write("plain", "not a folder");
  const std::string folder = program_form(dir.path() / "plain") + "\\sub";
  struct Case {
    const char* name;
    bool qfr;
    std::string message;
  } cases[] = {
      {"English", false,
       "The " + folder +
           " folder is not writable\nChange the access rights of the folder\nOr install in "
           "another location"},
      {"French", true,
       "Le dossier " + folder +
           " n'est pas accessible en \xe9"
           "criture\nModifiez les droits d'acc\xe8"
           "s du dossier\nOu installez TARVEL \xe0 un autre emplacement"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app_state().qfr = c.qfr;
    test::RecordingDialogs dialogs;
    test::ConsoleCapture console;
    int status = -1;
    try {
      writable_folder_or_stop(folder, "TARVEL");
    } catch (const test::RunStopped& stop) {
      status = stop.status;
    }
    app_state().qfr = false;
    EXPECT_EQ(status, 0);
    const std::string text = console.text();
    const std::size_t second = text.find('\n') + 1;
    const std::string statuses = text.substr(second, text.size() - second - 1);
    ASSERT_EQ(statuses.size(), 48u);
    EXPECT_NE(statuses.substr(0, 12), "           0");
    EXPECT_EQ(statuses.substr(12), "           1           1           1");
    ASSERT_EQ(dialogs.boxes().size(), 1u);
    EXPECT_EQ(dialogs.boxes()[0].title, "TARVEL");
    EXPECT_EQ(dialogs.boxes()[0].icon, "error");
    EXPECT_EQ(dialogs.boxes()[0].buttons, "ok");
    EXPECT_EQ(dialogs.boxes()[0].text, c.message);
  }
}

TEST(CheckWritableFolder, TheProbeAloneShowsNothing) {
  test::TempDir dir;
  dir.write("plain", "not a folder");
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  EXPECT_TRUE(check_writable_folder(program_form(dir.path())));
  EXPECT_FALSE(check_writable_folder(program_form(dir.path() / "plain") + "\\sub"));
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST(CheckWritableFolder, TheMessageIsCutTo256Characters) {
  test::TempDir dir;
  dir.write("plain", "not a folder");
  const std::string folder = program_form(dir.path() / "plain") + "\\" + std::string(200, 'd');
  test::RecordingDialogs dialogs;
  test::ConsoleCapture console;
  EXPECT_THROW(writable_folder_or_stop(folder, "TARVEL"), test::RunStopped);
  ASSERT_EQ(dialogs.boxes().size(), 1u);
  const std::string full = "The " + folder + " folder is not writable\nChange the access rights";
  EXPECT_EQ(dialogs.boxes()[0].text, trim_right(full.substr(0, 256)));
}

}  // namespace
}  // namespace tarvel
