#include "geometry/read_trn.h"

#include <gtest/gtest.h>

#include <string>

#include "geometry/geometry_fixtures.h"
#include "support/test_support.h"

namespace tarvel {
namespace {

using test::trn_bytes;
using test::TrnFields;

struct HeaderCase {
  const char* name;
  TrnFields fields;
  std::string tail;  // bytes after the header (the elevation data)
  float xmax, ymax;
  int nlon;
};

TEST(ReadTrnHdr, ReadsEveryFieldOfTheHeader) {
  auto fields = [](std::int32_t cx, std::int32_t cy, float rew, float rns, std::uint8_t zone,
                   char hemi, std::uint8_t filler = 0) {
    TrnFields f;
    f.cells_x = cx;
    f.cells_y = cy;
    f.rew = rew;
    f.rns = rns;
    f.zone = zone;
    f.hemi = hemi;
    f.filler = filler;
    f.orien = 12.5f;
    f.orig_e = 612345.5f;
    f.orig_n = 5123456.0f;
    return f;
  };
  const HeaderCase cases[] = {
      {"negative cell size along X", fields(1024, 2048, -90, 90, 32, 'N'), "", 92160, 184320, 32},
      {"both cell sizes negative", fields(100, 200, -30, -25, 33, 'N'), "", 3000, 5000, 33},
      {"negative cell count", fields(-10, 5, 90, 90, 32, 'N'), "", 900, 450, 32},
      {"zone byte 0xFF is -1", fields(10, 10, 90, 90, 0xFF, 'N'), "", 900, 900, -1},
      {"zone byte 0x80 is -128", fields(10, 10, 90, 90, 0x80, 'N'), "", 900, 900, -128},
      {"southern hemisphere", fields(64, 32, 30, 30, 56, 'S'), "", 1920, 960, 56},
      {"ignored bytes set", fields(64, 32, 30, 30, 56, 'S', 0xFF), "", 1920, 960, 56},
      {"elevation data after the header", fields(64, 32, 30, 30, 1, 'N'),
       std::string("\x01\x02\xff\xfe\0\0\x7f", 7) + std::string(5000, '\xAB'), 1920, 960, 1},
  };
  test::TempDir dir;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = dir.write("land.trn", trn_bytes(c.fields) + c.tail);
    float xmax = -1, ymax = -1, orig_e = -1, orig_n = -1, orien = -1;
    int nlon = 999;
    char zlat = '?';
    ASSERT_EQ(read_trn_hdr(p.string(), xmax, ymax, orig_e, orig_n, orien, nlon, zlat), 0);
    EXPECT_EQ(xmax, c.xmax);
    EXPECT_EQ(ymax, c.ymax);
    EXPECT_EQ(orig_e, 612345.5f);
    EXPECT_EQ(orig_n, 5123456.0f);
    EXPECT_EQ(orien, 12.5f);
    EXPECT_EQ(nlon, c.nlon);
    EXPECT_EQ(zlat, c.fields.hemi);
  }
}

TEST(ReadTrnHdr, TrailingBlanksAreNotPartOfTheName) {
  test::TempDir dir;
  const auto p = dir.write("land.trn", trn_bytes(TrnFields{}));
  float xmax = 0, ymax = 0, e = 0, n = 0, o = 0;
  int nlon = 0;
  char zlat = ' ';
  EXPECT_EQ(read_trn_hdr(p.string() + "      ", xmax, ymax, e, n, o, nlon, zlat), 0);
  EXPECT_EQ(xmax, 92160.0f);
}

TEST(ReadTrnHdr, ShortMissingOrFolderFails) {
  const std::string header = trn_bytes(TrnFields{});
  struct Case {
    const char* name;
    int size;  // bytes of the header written; -1: no file; -2: a folder of that name
  };
  const Case cases[] = {
      {"35 bytes", 35},           {"32 bytes, hemisphere missing", 32},
      {"30 bytes, zone cut", 30}, {"28 bytes", 28},
      {"27 bytes", 27},           {"empty file", 0},
      {"missing file", -1},       {"a folder", -2},
  };
  test::TempDir dir;
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto p = dir.path() / ("land" + std::to_string(n++) + ".trn");
    if (c.size >= 0)
      dir.write(p.filename().string(), header.substr(0, static_cast<std::size_t>(c.size)));
    if (c.size == -2) std::filesystem::create_directory(p);
    float xmax = -1, ymax = -2, e = 0, nn = 0, o = 0;
    int nlon = 999;
    char zlat = '?';
    EXPECT_NE(read_trn_hdr(p.string(), xmax, ymax, e, nn, o, nlon, zlat), 0);
    EXPECT_EQ(xmax, -1);
    EXPECT_EQ(ymax, -2);
    EXPECT_EQ(nlon, 999);
  }
}

}  // namespace
}  // namespace tarvel
