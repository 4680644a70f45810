#include <gtest/gtest.h>

#include <string>

#include "install/install_fixture.h"
#include "install/rd_usr_reg.h"

namespace tarvel {
namespace {

TEST(RdUsrReg, ConsoleLinesAndResultOfEachOutcome) {
  struct Case {
    const char* what;
    std::string subkey;
    std::string name;
    int len_in;
    int status;
    int len_out;
    std::string value;
    std::string console;
  };
  const Case cases[] = {
      {"value read", "SOFTWARE\\Condor3\\", "InstallDir", 0, 0, 11, "C:\\Condor3",
       "Subkey,name : SOFTWARE\\Condor3\\ InstallDir \n"
       "USER Open Status : 0\n"
       "Query Status, Length : 0 11\n"
       "value : C:\\Condor3 \n"
       "Status : 0\n"},
      {"missing value", "SOFTWARE\\Condor3\\", "LastPlayer", 0, 2, 0, "kept",
       "Subkey,name : SOFTWARE\\Condor3\\ LastPlayer \n"
       "USER Open Status : 0\n"
       "Query Status, Length : 2 255\n"
       "Status : 0\n"},
      {"longer than the buffer", "SOFTWARE\\Condor3\\", "Long", 0, 234, 0, "kept",
       "Subkey,name : SOFTWARE\\Condor3\\ Long \n"
       "USER Open Status : 0\n"
       "Query Status, Length : 234 301\n"
       "Status : 0\n"},
      {"missing key", "SOFTWARE\\Condor4\\", "InstallDir", 0, 2, 0, "kept",
       "Subkey,name : SOFTWARE\\Condor4\\ InstallDir \n"
       "USER Open Status : 2\n"},
      {"names end at a NUL", std::string("SOFTWARE\\Condor3\\\0junk", 22),
       std::string("InstallDir\0  ", 13), 0, 0, 11, "C:\\Condor3",
       "Subkey,name : SOFTWARE\\Condor3\\ InstallDir \n"
       "USER Open Status : 0\n"
       "Query Status, Length : 0 11\n"
       "value : C:\\Condor3 \n"
       "Status : 0\n"},
      {"classes hive", ".fpl", "Content Type", -1, 0, 11, "text/plain",
       "Subkey,name : .fpl Content Type \n"
       "Query Status, Length : 0 11\n"
       "value : text/plain \n"
       "Status : 0\n"},
  };
  for (const Case& c : cases) {
    test::TestPrefix prefix;
    prefix.user_reg(test::reg_key("Software\\Condor3", {{"InstallDir", "C:\\Condor3"}}) +
                    "\"Long\"=\"" + std::string(300, 'L') + "\"\n" +
                    test::reg_key("Software\\Classes\\.fpl", {{"Content Type", "text/plain"}}));
    test::ConsoleCapture console;
    std::string value = "kept";
    int len = c.len_in;
    EXPECT_EQ(RdUsrReg(c.subkey, c.name, value, len), c.status) << c.what;
    EXPECT_EQ(len, c.status == 0 ? c.len_out : c.len_in) << c.what;
    EXPECT_EQ(value, c.value) << c.what;
    EXPECT_EQ(console.text(), c.console) << c.what;
  }
}

TEST(MyGetEnv, ValueMustFitTheBuffer) {
  test::TestPrefix prefix;
  test::ScopedEnv var("TARVEL_T_TEN", "0123456789");
  test::ScopedEnv unset("TARVEL_T_UNSET", std::nullopt);
  std::string value = "old";
  EXPECT_EQ(MyGetEnv("TARVEL_T_TEN", value, 11), 10);
  EXPECT_EQ(value, "0123456789");
  EXPECT_EQ(MyGetEnv("TARVEL_T_TEN", value, 10), 0);
  EXPECT_EQ(value, "");
  EXPECT_EQ(MyGetEnv("TARVEL_T_UNSET", value, 511), 0);
}

}  // namespace
}  // namespace tarvel
