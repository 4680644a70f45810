// Names outside the user's code page through the Windows platform layer:
// every call takes and gives UTF-8 and reaches the system through its wide
// form, so Polish and Cyrillic names arrive whole (the ANSI calls would turn
// them into "L" and "?").
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/module_path.h"
#include "platform/registry.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

const std::string kTask = "\xd0\x97\xd0\xb0\xd0\xb4\xd0\xb0\xd1\x87\xd0\xb0";  // Задача
const std::string kLodz =
    "Zadanie \xc5\x81\xc3\xb3"
    "d\xc5\xba";  // Zadanie Łódź

TEST(WideCallsWin, FilesWithNamesInAnyLanguage) {
  test::TempDir dir;
  const std::string folder = dir.path().string() + "\\" + kLodz;
  std::filesystem::create_directory(std::filesystem::u8path(folder));
  const std::string plan = folder + "\\" + kTask + ".fpl";
  const std::string moved = folder + "\\" + kTask + "_V3.fpl";

  std::FILE* f = open_file(plan, "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("[Version]\r\n", f);
  std::fclose(f);
  // The system holds the name as it was given.
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::u8path(plan)));
  EXPECT_TRUE(file_exists(plan));
  EXPECT_TRUE(folder_exists(folder));
  EXPECT_FALSE(folder_exists(plan));
  EXPECT_FALSE(is_read_only_file(plan));

  std::ifstream in;
  ASSERT_TRUE(open_input_stream(in, plan));
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "[Version]\r");
  in.close();

  EXPECT_EQ(rename_file(plan, moved), 0);
  EXPECT_FALSE(file_exists(plan));
  EXPECT_TRUE(file_exists(moved));
  EXPECT_EQ(remove_file(moved), 0);
  EXPECT_FALSE(file_exists(moved));
  std::ifstream none;
  EXPECT_FALSE(open_input_stream(none, plan));
}

TEST(WideCallsWin, EnvironmentValueInUtf8AndMeasuredInItsBytes) {
  const std::wstring value = L"C:\\users\\\u0141ukasz";
  ASSERT_TRUE(SetEnvironmentVariableW(L"TARVEL_T_WIDE", value.c_str()));
  const std::string utf8 = "C:\\users\\\xc5\x81ukasz";
  EXPECT_EQ(environment_variable("TARVEL_T_WIDE", utf8.size() + 1), utf8);
  // 15 characters but 16 bytes of UTF-8: a buffer of 16 holds no NUL.
  EXPECT_EQ(environment_variable("TARVEL_T_WIDE", utf8.size()), std::nullopt);
  SetEnvironmentVariableW(L"TARVEL_T_WIDE", nullptr);
  EXPECT_EQ(environment_variable("TARVEL_T_WIDE", 256), std::nullopt);
}

TEST(WideCallsWin, RegistryStringInUtf8) {
  const wchar_t* key_name = L"Software\\TarvelTest\\\u0160kola";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key_name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring docs = L"C:\\users\\\u0141ukasz\\Documents";
  RegSetValueExW(key, L"Personal", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(docs.c_str()),
                 static_cast<DWORD>((docs.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);

  const std::string subkey = "Software\\TarvelTest\\\xc5\xa0kola";
  const std::string utf8 = "C:\\users\\\xc5\x81ukasz\\Documents";
  RegistryRead r = read_registry_string(RegistryHive::current_user, subkey, "Personal");
  EXPECT_EQ(r.query_status, reg_success);
  EXPECT_EQ(r.value, utf8);
  EXPECT_EQ(r.size, utf8.size() + 1);
  // Too long for a buffer counted in bytes of UTF-8, though its characters fit.
  r = read_registry_string(RegistryHive::current_user, subkey, "Personal",
                           static_cast<unsigned>(utf8.size()));
  EXPECT_EQ(r.query_status, reg_more_data);
  EXPECT_EQ(r.size, utf8.size() + 1);
  EXPECT_EQ(r.value, "");
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TarvelTest");
}

TEST(WideCallsWin, ModulePathIsWholeOrNothing) {
  const std::string path = module_path(32768);
  ASSERT_FALSE(path.empty());
  EXPECT_TRUE(file_exists(path));
  EXPECT_EQ(module_path(path.size() + 1), path);
  EXPECT_EQ(module_path(path.size()), "");
}

}  // namespace
}  // namespace tarvel
