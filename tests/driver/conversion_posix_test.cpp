// Whole runs of the built program on a fixture installation.
#include <gtest/gtest.h>

#include "support/program_fixture.h"

namespace tarvel {
namespace {

TEST(Conversion, AutoNamesWithALandscapeOption) {
  test::ProgramFixture fx;
  const auto plan = fx.plan("Task.fpl", test::condor2_plan());
  const auto run = fx.run({"-auto", "-l:Brenvale3", fx.win(plan)});
  ASSERT_EQ(run.exit_status, 0) << run.out << run.err;
  const std::string out = fx.output("Task_V3.fpl");
  EXPECT_EQ(
      out.rfind("[Version]\r\nCondor version=3000\r\n \r\n[Task]\r\nLandscape=Brenvale3\r\n", 0),
      0u)
      << out;
  EXPECT_NE(out.find("\r\nMaxStartGroundSpeed=170\r\n"), std::string::npos);
  EXPECT_NE(out.find("\r\nDisabledAirspaces=0,1,2,3\r\n"), std::string::npos);
  EXPECT_NE(out.find("\r\nThermalsInversionheight=1800\r\n"), std::string::npos);
  EXPECT_NE(fx.log().find(fx.win(plan) + " converted to " + fx.win(fx.c3_plans() / "Task_V3.fpl")),
            std::string::npos)
      << fx.log();
}

}  // namespace
}  // namespace tarvel
