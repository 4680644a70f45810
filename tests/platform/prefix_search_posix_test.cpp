// The search for the Wine prefix that holds Condor 3, on fixture home folders.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "install/install_fixture.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/prefix_search.h"
#include "platform/registry.h"
#include "platform/user_reg.h"
#include "platform/wine_prefix.h"
#include "support/scoped_env.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;
using Result = PrefixSearch::Result;

// A home folder with prefixes in it.
class Home {
 public:
  const fs::path& path() const { return dir_.path(); }
  std::string at(const std::string& rel) const { return (path() / rel).string(); }

  // A prefix at `rel`: drive_c and a user.reg whose Condor 3 key holds
  // `install_dir` (no key when empty).
  void prefix(const std::string& rel, const std::string& install_dir = "C:\\Condor3") const {
    fs::create_directories(path() / rel / "drive_c");
    std::string reg(test::kUserRegHead);
    reg += test::reg_key("Software\\Condor2", {{"InstallDir", "C:\\Condor2"}});
    if (!install_dir.empty()) {
      reg += test::reg_key("Software\\Condor3", {{"InstallDir", install_dir}});
    }
    reg += test::user_folders();
    dir_.write(rel + "/user.reg", reg);
  }

  void write(const std::string& rel, const std::string& bytes) const { dir_.write(rel, bytes); }

  PrefixSearch search() const {
    return search_prefix_homes(path().string(), "Software\\Condor3", "InstallDir");
  }

 private:
  test::TempDir dir_;
};

TEST(PrefixSearch, EachUsualHomeAlone) {
  const char* const layouts[] = {
      ".wine",
      ".local/share/wineprefixes/condor3",
      ".PlayOnLinux/wineprefix/Condor3",
      "Games/condor-3",
      "Games/condor-3/prefix",
      ".local/share/bottles/bottles/Condor-3",
      ".var/app/com.usebottles.bottles/data/bottles/bottles/Condor3",
      ".steam/steam/steamapps/compatdata/2204510/pfx",
      ".local/share/Steam/steamapps/compatdata/2204510/pfx",
      ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps/compatdata/2204510/pfx",
  };
  for (const char* rel : layouts) {
    SCOPED_TRACE(rel);
    Home home;
    home.prefix(rel);
    // Prefixes without Condor 3 and folders that are no prefix around it.
    home.prefix("Games/other", "");
    home.prefix(".local/share/bottles/bottles/Other", "");
    fs::create_directories(home.path() / "Games" / "empty" / "drive_c");
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::found);
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at(rel)});
  }
}

TEST(PrefixSearch, DotWineFirstThenEveryOtherHomeInOrder) {
  {
    SCOPED_TRACE("~/.wine with Condor 3 wins over the rest");
    Home home;
    home.prefix(".wine");
    home.prefix("Games/condor3");
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::found);
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at(".wine")});
  }
  {
    SCOPED_TRACE("~/.wine without Condor 3, a Lutris prefix with it");
    Home home;
    home.prefix(".wine", "");
    home.prefix("Games/condor3");
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::found);
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at("Games/condor3")});
  }
  {
    SCOPED_TRACE("several, in the order of the homes, then of the names");
    Home home;
    home.prefix(".local/share/Steam/steamapps/compatdata/99/pfx");
    home.prefix("Games/b");
    home.prefix("Games/a");
    home.prefix(".local/share/wineprefixes/c3");
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::several);
    EXPECT_EQ(s.prefixes,
              (std::vector<std::string>{
                  home.at(".local/share/wineprefixes/c3"), home.at("Games/a"), home.at("Games/b"),
                  home.at(".local/share/Steam/steamapps/compatdata/99/pfx")}));
  }
}

TEST(PrefixSearch, WhatDoesNotQualify) {
  struct Case {
    const char* what;
    void (*make)(const Home&);
  };
  const Case cases[] = {
      {"no Condor 3 key", [](const Home& h) { h.prefix("Games/a", ""); }},
      {"a blank InstallDir", [](const Home& h) { h.prefix("Games/a", "  "); }},
      {"an InstallDir too long for the registry buffer",
       [](const Home& h) { h.prefix("Games/a", "C:\\" + std::string(252, 'x')); }},
      {"no drive_c",
       [](const Home& h) {
         h.prefix("Games/a");
         fs::remove(h.path() / "Games/a/drive_c");
       }},
      {"user.reg in UTF-16",
       [](const Home& h) {
         h.prefix("Games/a");
         std::string utf16 = "\xFF\xFE";
         for (char c : std::string("WINE REGISTRY Version 2\n")) utf16 += std::string{c, '\0'};
         fs::remove(h.path() / "Games/a/user.reg");
         std::ofstream(h.path() / "Games/a/user.reg", std::ios::binary) << utf16;
       }},
      {"a hidden folder (as a shell's * leaves it out)",
       [](const Home& h) { h.prefix("Games/.hidden"); }},
      {"deeper than the home allows",
       [](const Home& h) { h.prefix(".local/share/bottles/bottles/a/b"); }},
      {"a Steam game folder without its pfx",
       [](const Home& h) { h.prefix(".local/share/Steam/steamapps/compatdata/99"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Home home;
    c.make(home);
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::none);
    EXPECT_TRUE(s.prefixes.empty());
  }
  // The shortest InstallDir that does not fit is refused; one byte less fits.
  Home home;
  home.prefix("Games/a", "C:\\" + std::string(251, 'x'));
  EXPECT_EQ(home.search().result, Result::found);
}

// Lines that cross the reader's 64 KiB buffers, and one longer than the part
// of a line it keeps, before and after Condor 3's key.
TEST(PrefixSearch, LongFilesAreReadAcrossTheirBuffers) {
  std::string before = "\n[Software\\\\Alpha] 1\n";
  for (int i = 0; i < 5000; ++i) before += "\"Value" + std::to_string(i) + "\"=\"some text\"\n";
  before += "\"Huge\"=\"" + std::string(200'000, 'h') + "\"\n";
  const std::string key = "\n[Software\\\\Condor3] 1\n";
  struct Case {
    const char* what;
    std::string body;
    bool found;
  };
  const Case cases[] = {
      {"the value after a third of a megabyte", before + key + "\"InstallDir\"=\"C:\\\\Condor3\"\n",
       true},
      {"the value after a line too long to keep, on a last line without its line end",
       key + "\"Other\"=\"" + std::string(100'000, 'o') + "\"\n\"InstallDir\"=\"C:\\\\C3\"", true},
      {"a value line too long to keep",
       key + "\"InstallDir\"=\"C:\\\\" + std::string(100'000, 'x') + "\"\n", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Home home;
    fs::create_directories(home.path() / "Games/a/drive_c");
    home.write("Games/a/user.reg", std::string(test::kUserRegHead) + c.body);
    EXPECT_EQ(home.search().result, c.found ? Result::found : Result::none);
  }
}

TEST(PrefixSearch, LinksAreFollowedAndAFolderCountsOnce) {
  {
    SCOPED_TRACE("~/.steam/steam is a link to ~/.local/share/Steam, as Steam makes it");
    Home home;
    home.prefix(".local/share/Steam/steamapps/compatdata/99/pfx");
    fs::create_directories(home.path() / ".steam");
    fs::create_directory_symlink(home.path() / ".local/share/Steam", home.path() / ".steam/steam");
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::found);
    EXPECT_EQ(s.prefixes,
              std::vector<std::string>{home.at(".steam/steam/steamapps/compatdata/99/pfx")});
  }
  {
    SCOPED_TRACE("a link to a prefix elsewhere; loops and dangling links skipped");
    Home home;
    home.prefix("elsewhere/condor");
    fs::create_directories(home.path() / "Games");
    fs::create_directory_symlink(home.path() / "elsewhere/condor", home.path() / "Games/condor");
    fs::create_directory_symlink(home.path() / "Games", home.path() / "Games/loop");
    fs::create_directory_symlink("self", home.path() / "Games/self");
    fs::create_directory_symlink(home.path() / "nowhere", home.path() / "Games/dangling");
    const PrefixSearch s = home.search();
    EXPECT_EQ(s.result, Result::found);
    // Games/loop/condor is the same folder again.
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at("Games/condor")});
  }
}

TEST(PrefixSearch, UnreadableFoldersAndFilesAreSkipped) {
  Home home;
  home.prefix("Games/good");
  // user.reg as a folder and as a FIFO (which must not hold the search).
  home.prefix("Games/folder");
  fs::remove(home.path() / "Games/folder/user.reg");
  fs::create_directory(home.path() / "Games/folder/user.reg");
  home.prefix("Games/fifo");
  fs::remove(home.path() / "Games/fifo/user.reg");
  ASSERT_EQ(::mkfifo((home.path() / "Games/fifo/user.reg").c_str(), 0600), 0);
  // A prefix folder, and a whole home, that cannot be read (root reads them
  // all the same, so the result is the same either way).
  home.prefix("Games/locked");
  home.prefix(".local/share/bottles/bottles/locked");
  fs::permissions(home.path() / "Games/locked", fs::perms::none);
  fs::permissions(home.path() / ".local/share/bottles/bottles", fs::perms::none);
  const PrefixSearch s = home.search();
  fs::permissions(home.path() / "Games/locked", fs::perms::owner_all);
  fs::permissions(home.path() / ".local/share/bottles/bottles", fs::perms::owner_all);
  if (::geteuid() == 0) {
    EXPECT_EQ(s.result, Result::several);
  } else {
    EXPECT_EQ(s.result, Result::found);
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at("Games/good")});
  }
  EXPECT_EQ(s.prefixes.front(), home.at("Games/good"));
}

TEST(PrefixSearch, WineprefixSetIsTheOnlyPlaceLookedAt) {
  Home home;
  home.prefix("Games/condor3");
  test::ScopedEnv h("HOME", home.path().string());
  {
    test::ScopedEnv p("WINEPREFIX", home.at("empty") + "//");
    const PrefixSearch s = search_wine_prefix("Software\\Condor3", "InstallDir");
    EXPECT_EQ(s.result, Result::named);
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at("empty")});
  }
  for (const char* unset : {static_cast<const char*>(""), static_cast<const char*>(nullptr)}) {
    test::ScopedEnv p("WINEPREFIX", unset);
    const PrefixSearch s = search_wine_prefix("Software\\Condor3", "InstallDir");
    EXPECT_EQ(s.result, Result::found);
    EXPECT_EQ(s.prefixes, std::vector<std::string>{home.at("Games/condor3")});
  }
}

// The chosen prefix is the run's for drive paths, the registry and the
// environment kept there, exactly as WINEPREFIX would make it.
TEST(PrefixSearch, AChosenPrefixIsUsedAsIfWineprefixNamedIt) {
  Home home;
  home.prefix("Games/condor3", "C:\\Chosen");
  home.prefix(".wine", "C:\\Default");
  test::ScopedEnv h("HOME", home.path().string());
  test::ScopedEnv p("WINEPREFIX", nullptr);
  reset_user_reg_cache();
  auto install_dir = [] {
    return read_registry_string(RegistryHive::current_user, "Software\\Condor3", "InstallDir")
        .value;
  };
  EXPECT_EQ(install_dir(), "C:\\Default");
  use_wine_prefix(home.at("Games/condor3") + "/");
  EXPECT_EQ(wine_prefix(), home.at("Games/condor3"));
  EXPECT_EQ(native_path("C:\\Condor3"), home.at("Games/condor3") + "/dosdevices/c:/Condor3");
  EXPECT_EQ(install_dir(), "C:\\Chosen");
  EXPECT_EQ(environment_variable("USERPROFILE", 256), "C:\\users\\ann");
  use_wine_prefix("");
  EXPECT_EQ(install_dir(), "C:\\Default");
  reset_user_reg_cache();
}

}  // namespace
}  // namespace tarvel
