// The release package is named after the build's version, which CMake derives
// from the program's version number; both must give the same text.
#include <gtest/gtest.h>

#include "driver/tarvel_vers.h"
#include "util/fixed_text.h"
#include "writer/numver_to_char.h"

namespace tarvel {
namespace {

TEST(ReleaseVersion, PackageVersionIsTheProgramsVersionText) {
  int numver = 0;
  vers_num(numver);
  FixedText<8> text;
  int len = 0;
  numver_to_char(numver, text, len);
  EXPECT_EQ(text.trimmed(), TARVEL_PROJECT_VERSION);
}

}  // namespace
}  // namespace tarvel
