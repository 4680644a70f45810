// Whole runs of the built program: the console trace of the projection as a
// conversion leaves it. Each landscape's grid is opened with a "utm_init"
// line, source first; a position far off the source grid is noted before
// the destination's line; a terrain file opened again right after itself,
// in the same plan or by the next plan, is not read again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/stubbed_run.h"

namespace tarvel {
namespace {

using Installation = test::StubbedInstallation;

// Whether `parts` appear in `text` in this order, each after the previous.
::testing::AssertionResult in_order(const std::string& text,
                                    const std::vector<std::string>& parts) {
  std::size_t from = 0;
  for (const std::string& p : parts) {
    const std::size_t at = text.find(p, from);
    if (at == std::string::npos) {
      return ::testing::AssertionFailure() << "no \"" << p << "\" after offset " << from << " in\n"
                                           << text;
    }
    from = at + p.size();
  }
  return ::testing::AssertionSuccess();
}

const std::string kBrenvale = "C:\\Condor2\\Landscapes\\Brenvale\\Brenvale.trn";
const std::string kBrenvale3 = "C:\\Condor3\\Landscapes\\Brenvale3\\Brenvale3.trn";

TEST(ProjectionTrace, AFarPositionIsNotedAgainstTheSourceBeforeTheDestinationOpens) {
  Installation in;
  // Turnpoint 1 two million km east of Brenvale: (700 km + 2,000,000 km) -
  // 500 km from the central meridian, northing (126.5 + 5,000) km.
  std::string text = test::condor2_plan();
  const std::string from = "TPPosX1=98000\r\n";
  ASSERT_NE(text.find(from), std::string::npos);
  text.replace(text.find(from), from.size(), "TPPosX1=-2e9\r\n");
  const std::string plan = in.fx.win(in.fx.plan("Far.fpl", text));
  const auto r = in.run({"-auto", "-l:Brenvale3", plan});
  ASSERT_EQ(r.exit_status, 0) << r.err;
  EXPECT_TRUE(in_order(r.out, {"\n utm_init " + kBrenvale + "\n", " 2000200 5126.5\n",
                               " utm_init " + kBrenvale3 + "\n", " converted to "}));
  EXPECT_EQ(r.out.find("ALREADY"), std::string::npos);
}

TEST(ProjectionTrace, TheSameTerrainFileOpenedAgainIsNotReadAgain) {
  // The Condor 2 landscapes folder is Condor 3's: plans on Brenvale3 convert
  // from its grid to its grid. The second plan's source is the first plan's
  // destination, which the run keeps.
  Installation in;
  in.fx.settings("Condor2_Landscapes_Path=C:\\Condor3\\Landscapes\\\n");
  const std::string first = in.fx.win(in.fx.plan("One.fpl", test::condor2_plan("Brenvale3")));
  const std::string second = in.fx.win(in.fx.plan("Two.fpl", test::condor2_plan("Brenvale3")));
  const auto r = in.run({"-auto", "-l:Brenvale3", first, second});
  ASSERT_EQ(r.exit_status, 0) << r.err;
  const std::string open = " utm_init " + kBrenvale3 + "\n";
  const std::string again = " utm_init : ALREADY INITIALIZED T\n";
  EXPECT_TRUE(in_order(r.out, {"\n" + open + open + again, "One.fpl converted to ",
                               "\n" + open + again + open + again, "Two.fpl converted to "}));
  // A plan converted onto its own grid keeps its positions, to what the
  // 32-bit degrees between keep.
  EXPECT_NEAR(std::stod(test::value_of(in.fx.output("One_V3.fpl"), "TPPosX1")), 98000, 0.05);
}

}  // namespace
}  // namespace tarvel
