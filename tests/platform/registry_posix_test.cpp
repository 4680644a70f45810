#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "install/test_prefix.h"
#include "platform/registry.h"

namespace tarvel {
namespace {

std::string condor3_key() {
  return "[Software\\\\Condor3] 1796985983\n"
         "#time=1dc6b5e4b1a2c3d\n"
         "\"InstallDir\"=\"C:\\\\Condor3\"\n"
         "\"Count\"=dword:00000003\n"
         "\"Fits\"=\"" +
         std::string(254, 'a') +
         "\"\n"
         "\"TooLong\"=\"" +
         std::string(255, 'b') +
         "\"\n"
         "\n"
         "[Software\\\\Classes\\\\.fpl] 1796985983\n"
         "\"Content Type\"=\"text/plain\"\n";
}

TEST(RegistryPosix, StatusesAndSizesAsWindowsReportsThem) {
  test::TestPrefix prefix;
  prefix.user_reg(condor3_key());
  struct Case {
    const char* what;
    RegistryHive hive;
    std::string_view key;
    std::string_view name;
    bool opened;
    int open_status;
    int query_status;
    unsigned size;
    std::string value;
  };
  const Case cases[] = {
      {"string value", RegistryHive::current_user, "SOFTWARE\\Condor3\\", "InstallDir", true, 0, 0,
       11, "C:\\Condor3"},
      {"254 characters fill the buffer with the NUL", RegistryHive::current_user,
       "Software\\Condor3", "Fits", true, 0, 0, 255, std::string(254, 'a')},
      {"255 characters do not fit", RegistryHive::current_user, "Software\\Condor3", "TooLong",
       true, 0, 234, 256, ""},
      {"a dword is no string", RegistryHive::current_user, "Software\\Condor3", "Count", true, 0, 2,
       255, ""},
      {"missing value", RegistryHive::current_user, "Software\\Condor3", "LastPlayer", true, 0, 2,
       255, ""},
      {"missing key", RegistryHive::current_user, "Software\\Condor9", "InstallDir", false, 2, 2, 0,
       ""},
      {"key holding only subkeys", RegistryHive::current_user, "Software", "InstallDir", true, 0, 2,
       255, ""},
      {"per-user classes", RegistryHive::classes_root, ".fpl", "Content Type", true, 0, 0, 11,
       "text/plain"},
  };
  for (const Case& c : cases) {
    const RegistryRead r = read_registry_string(c.hive, c.key, c.name);
    EXPECT_EQ(r.opened, c.opened) << c.what;
    EXPECT_EQ(r.open_status, c.open_status) << c.what;
    if (c.opened) {
      EXPECT_EQ(r.query_status, c.query_status) << c.what;
      EXPECT_EQ(r.close_status, 0) << c.what;
      EXPECT_EQ(r.size, c.size) << c.what;
    }
    EXPECT_EQ(r.value, c.value) << c.what;
  }
}

TEST(RegistryPosix, MissingOrUnreadableUserRegIsAnEmptyHive) {
  test::TestPrefix prefix;
  EXPECT_EQ(read_registry_string(RegistryHive::current_user, "Software", "x").open_status, 2);
  std::filesystem::create_directory(prefix.path() / "user.reg");
  reset_user_reg_cache();
  EXPECT_EQ(read_registry_string(RegistryHive::current_user, "Software", "x").open_status, 2);
}

TEST(RegistryPosix, UserRegIsReadOncePerPrefix) {
  test::TestPrefix prefix;
  prefix.user_reg("[Software\\\\Condor3] 1\n\"InstallDir\"=\"C:\\\\Old\"\n");
  EXPECT_EQ(
      read_registry_string(RegistryHive::current_user, "Software\\Condor3", "InstallDir").value,
      "C:\\Old");
  // A later change of the file is not seen until the kept hive is forgotten.
  std::ofstream(prefix.path() / "user.reg")
      << test::kUserRegHead << "[Software\\\\Condor3] 1\n\"InstallDir\"=\"C:\\\\New\"\n";
  EXPECT_EQ(
      read_registry_string(RegistryHive::current_user, "Software\\Condor3", "InstallDir").value,
      "C:\\Old");
  reset_user_reg_cache();
  EXPECT_EQ(
      read_registry_string(RegistryHive::current_user, "Software\\Condor3", "InstallDir").value,
      "C:\\New");
  // Another prefix is another hive.
  test::TempDir other;
  test::ScopedEnv env("WINEPREFIX", other.path().string());
  EXPECT_FALSE(
      read_registry_string(RegistryHive::current_user, "Software\\Condor3", "InstallDir").opened);
}

}  // namespace
}  // namespace tarvel
