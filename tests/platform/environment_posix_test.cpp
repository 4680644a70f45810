#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "install/test_prefix.h"
#include "platform/environment.h"

namespace tarvel {
namespace {

TEST(EnvironmentPosix, ProcessThenVolatileThenUserEnvironment) {
  test::TestPrefix prefix;
  prefix.user_reg(
      "[Environment] 1796985983\n"
      "#time=1dc6b5e4a9d3c10\n"
      "\"TARVEL_T_BOTH\"=\"from Environment\"\n"
      "\"TARVEL_T_USER\"=str(2):\"%USERPROFILE%\\\\Temp\"\n"
      "\"TARVEL_T_LONG\"=\"" +
      std::string(511, 'L') +
      "\"\n"
      "\n"
      "[Volatile Environment] 1796985983\n"
      "#time=1dc6b5e4a9d3c10\n"
      "\"TARVEL_T_BOTH\"=\"from Volatile\"\n"
      "\"TARVEL_T_PROC\"=\"from Volatile\"\n"
      "\"TARVEL_T_FITS\"=\"" +
      std::string(510, 'F') + "\"\n");
  test::ScopedEnv proc("TARVEL_T_PROC", "from process");
  test::ScopedEnv empty("TARVEL_T_BOTH", "");
  struct Case {
    const char* name;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {"TARVEL_T_PROC", "from process"},
      {"TARVEL_T_BOTH", "from Volatile"},  // an empty process variable counts as unset
      {"tarvel_t_both", "from Volatile"},  // Windows names ignore case
      {"TARVEL_T_USER", "%USERPROFILE%\\Temp"},
      {"TARVEL_T_FITS", std::string(510, 'F')},  // 510 characters and the NUL fill 511 bytes
      {"TARVEL_T_LONG", std::nullopt},
      {"TARVEL_T_NONE", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(environment_variable(c.name, 511), c.expected) << c.name;
}

}  // namespace
}  // namespace tarvel
