#include "geometry/utm.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "geometry/geometry_fixtures.h"
#include "support/test_support.h"
#include "util/log_message.h"

namespace tarvel {
namespace {

using test::TrnFields;

TrnFields landscape_fields(float orig_e, float orig_n, std::uint8_t zone, char hemi,
                           std::int32_t cells_x = 1024, std::int32_t cells_y = 2048) {
  TrnFields f;
  f.orig_e = orig_e;
  f.orig_n = orig_n;
  f.zone = zone;
  f.hemi = hemi;
  f.cells_x = cells_x;
  f.cells_y = cells_y;
  return f;
}

// An Alpine landscape in zone 32 north and an Australian one in zone 56 south.
const TrnFields kAlps = landscape_fields(700000, 5000000, 32, 'N');
const TrnFields kSydney = landscape_fields(400000, 6300000, 56, 'S', 2048, 1536);

// Each test runs in its own folder, which also receives the log file.
class UtmTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_cwd_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.path());
    reset_log_state();
  }
  void TearDown() override {
    reset_log_state();
    std::filesystem::current_path(old_cwd_);
  }

  // Writes a terrain file and returns its path as the program passes it.
  std::string landscape(const std::string& rel, const TrnFields& f) {
    return test::win_path(dir_.write(rel, test::trn_bytes(f)));
  }
  void write(const std::string& rel, const std::string& bytes) { dir_.write(rel, bytes); }
  std::filesystem::path file(const std::string& rel) const { return dir_.path() / rel; }
  // The log's lines without the CR of Windows line ends.
  std::string log_text() const {
    std::string text = test::read_file(dir_.path() / "Logfile.txt");
    std::erase(text, '\r');
    return text;
  }
  const std::string& console() const { return console_.text(); }

  UtmState utm_;  // the projection's state, fresh for each test

  void init_ok(const std::string& path) {
    float rxm = 0, rym = 0;
    ASSERT_EQ(utm_init(utm_, path, rxm, rym), 1);
  }

 private:
  test::TempDir dir_;
  test::ConsoleCapture console_;
  std::filesystem::path old_cwd_;
};

TEST_F(UtmTest, GridToLatLonAndBackAtAKnownPoint) {
  init_ok(landscape("alps.trn", kAlps));
  float lat = 0, lon = 0;
  ASSERT_EQ(xytolatlon(utm_, 100000, 200000, lat, lon), 1);
  EXPECT_NEAR(lat, 46.945988, 2e-6);
  EXPECT_NEAR(lon, 10.314031, 2e-6);
  // Back from the 32-bit latitude and longitude: exact only to their resolution.
  float x = 0, y = 0;
  ASSERT_EQ(latlontoxy(utm_, lat, lon, x, y), 1);
  EXPECT_NEAR(x, 100000.02, 0.02);
  EXPECT_NEAR(y, 199999.92, 0.02);
}

TEST_F(UtmTest, LatLonToGridAtKnownPoints) {
  struct Case {
    const char* name;
    TrnFields land;
    float lat, lon;
    double x, y;
  };
  const Case cases[] = {
      {"zone 32 north, on the central meridian", kAlps, 46, 9, 200000, 94047.49},
      {"zone 56 south", kSydney, -33, 150, 180299.99, 44714.15},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    init_ok(landscape(std::string(c.name) + ".trn", c.land));
    float x = 0, y = 0;
    ASSERT_EQ(latlontoxy(utm_, c.lat, c.lon, x, y), 1);
    EXPECT_NEAR(x, c.x, 0.02);
    EXPECT_NEAR(y, c.y, 0.02);
  }
}

TEST_F(UtmTest, ZoneGivesTheCentralMeridian) {
  // On the central meridian the easting is the false easting: X = orig_e - 500 km.
  struct Case {
    std::uint8_t zone;
    float meridian;
  };
  const Case cases[] = {{1, -177}, {31, 3}, {32, 9}, {60, 177}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.zone));
    init_ok(landscape("zone" + std::to_string(c.zone) + ".trn",
                      landscape_fields(700000, 5000000, c.zone, 'N')));
    float x = 0, y = 0;
    ASSERT_EQ(latlontoxy(utm_, 45, c.meridian, x, y), 1);
    EXPECT_EQ(x, 200000.0f);
    float lat = 0, lon = 0;
    ASSERT_EQ(xytolatlon(utm_, 200000, 0, lat, lon), 1);
    EXPECT_EQ(lon, c.meridian);
  }
}

TEST_F(UtmTest, OnlyUpperCaseSMeansSouth) {
  // The false northing of the south is 10,000 km: the same point lies that far
  // further north on the grid of a southern landscape.
  float y_south = 0, x = 0;
  init_ok(landscape("south.trn", landscape_fields(400000, 6300000, 56, 'S')));
  ASSERT_EQ(latlontoxy(utm_, -33, 150, x, y_south), 1);
  for (char hemi : {'s', 'N', 'X', '\0'}) {
    SCOPED_TRACE(static_cast<int>(hemi));
    init_ok(landscape(std::string("north") + std::to_string(hemi) + ".trn",
                      landscape_fields(400000, 6300000, 56, hemi)));
    float y = 0;
    ASSERT_EQ(latlontoxy(utm_, -33, 150, x, y), 1);
    EXPECT_NEAR(y, y_south - 10000000.0, 1.0);
  }
}

// Half the spacing of 32-bit values around v.
double half_ulp(float v) {
  return 0.5 *
         (std::nextafter(std::fabs(v), std::numeric_limits<float>::infinity()) - std::fabs(v));
}

TEST_F(UtmTest, RoundTripOverWholeLandscapes) {
  struct Case {
    const char* name;
    TrnFields land;
  };
  const Case cases[] = {{"zone 32 north", kAlps}, {"zone 56 south", kSydney}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    float xmax = 0, ymax = 0;
    ASSERT_EQ(utm_init(utm_, landscape(std::string(c.name) + ".trn", c.land), xmax, ymax), 1);
    double worst = 0;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
      for (int j = 0; j <= kSteps; ++j) {
        const float x = xmax * static_cast<float>(i) / kSteps;
        const float y = ymax * static_cast<float>(j) / kSteps;
        float lat = 0, lon = 0, x2 = 0, y2 = 0;
        ASSERT_EQ(xytolatlon(utm_, x, y, lat, lon), 1);
        ASSERT_EQ(latlontoxy(utm_, lat, lon, x2, y2), 1);
        // What the rounding of latitude and longitude to 32 bits may move a
        // point on the ground (about 111.7 km a degree at most, scale factor
        // below 1.001 in a landscape), plus the 32-bit spacing of X and Y.
        const double ground =
            1.001 * 111700.0 *
            std::hypot(half_ulp(lat), half_ulp(lon) * std::cos(lat * std::numbers::pi / 180));
        const double bound = ground + half_ulp(x2) + half_ulp(y2) + 1e-3;
        const double err = std::hypot(x2 - x, y2 - y);
        ASSERT_LE(err, bound) << "at " << x << ", " << y;
        worst = std::max(worst, err);
      }
    }
    EXPECT_GT(worst, 0.0);  // the grid really went through 32-bit degrees
  }
}

TEST_F(UtmTest, TwoGridsAtOnceGiveWhatOneStateSwitchingBetweenThemGives) {
  // Alps to Sydney, grid -> degrees -> grid, by the two grids side by side
  // and by one state made active on each in turn: the same bits.
  const std::string alps = landscape("alps.trn", kAlps);
  const std::string sydney = landscape("sydney.trn", kSydney);
  UtmState from_state, to_state;
  float rxm = 0, rym = 0;
  ASSERT_EQ(utm_init(from_state, alps, rxm, rym), 1);
  ASSERT_EQ(utm_init(to_state, sydney, rxm, rym), 1);
  const UtmGrid& from = *from_state.active;
  const UtmGrid& to = *to_state.active;
  const GridPoint points[] = {{0, 0}, {100000, 200000}, {92160, 184320}, {-400000, -300000}};

  std::vector<GridPoint> side_by_side;
  for (const GridPoint p : points) side_by_side.push_back(to.to_grid(from.to_latlon(p)));

  std::vector<LatLon> degrees;
  ASSERT_EQ(utm_init(utm_, alps, rxm, rym), 1);
  for (const GridPoint p : points) {
    LatLon g;
    ASSERT_EQ(xytolatlon(utm_, p.x, p.y, g.lat, g.lon), 1);
    degrees.push_back(g);
  }
  ASSERT_EQ(utm_init(utm_, sydney, rxm, rym), 1);
  for (std::size_t i = 0; i < degrees.size(); ++i) {
    SCOPED_TRACE(i);
    GridPoint p;
    ASSERT_EQ(latlontoxy(utm_, degrees[i].lat, degrees[i].lon, p.x, p.y), 1);
    EXPECT_EQ(p.x, side_by_side[i].x);
    EXPECT_EQ(p.y, side_by_side[i].y);
  }
  // Each state kept its own landscape; a failed opening empties only its own.
  EXPECT_EQ(from_state.active->fich, alps);
  ASSERT_EQ(utm_init(to_state, "missing.trn", rxm, rym), 0);
  EXPECT_FALSE(to_state.active.has_value());
  float x = 0, y = 0;
  EXPECT_EQ(latlontoxy(from_state, 46, 9, x, y), 1);
  EXPECT_NEAR(y, 94047.49, 0.02);
}

TEST_F(UtmTest, SameNameAgainReadsNothing) {
  const std::string path = landscape("alps.trn", kAlps);
  float rxm = 0, rym = 0;
  ASSERT_EQ(utm_init(utm_, path, rxm, rym), 1);
  EXPECT_EQ(rxm, 92160.0f);
  EXPECT_EQ(rym, 184320.0f);

  // The file changes, then vanishes: the same name is still answered from the
  // stored state, also when it comes with trailing blanks.
  landscape("alps.trn", landscape_fields(1, 2, 3, 'S', 10, 10));
  for (const std::string& name : {path, path + "     "}) {
    rxm = rym = 0;
    EXPECT_EQ(utm_init(utm_, name, rxm, rym), 1);
    EXPECT_EQ(rxm, 92160.0f);
    EXPECT_EQ(rym, 184320.0f);
  }
  ASSERT_TRUE(std::filesystem::remove(file("alps.trn")));
  rxm = rym = 0;
  EXPECT_EQ(utm_init(utm_, path, rxm, rym), 1);
  EXPECT_EQ(rxm, 92160.0f);
  float x = 0, y = 0;
  ASSERT_EQ(latlontoxy(utm_, 46, 9, x, y), 1);
  EXPECT_NEAR(y, 94047.49, 0.02);  // still the first header's origin

  const std::string expected_repeat = " utm_init " + path + "\n utm_init : ALREADY INITIALIZED T\n";
  std::size_t repeats = 0;
  for (std::size_t at = console().find(expected_repeat); at != std::string::npos;
       at = console().find(expected_repeat, at + 1)) {
    ++repeats;
  }
  EXPECT_EQ(repeats, 3u);
  EXPECT_EQ(log_text(), "");
}

TEST_F(UtmTest, AnotherNameReloads) {
  const std::string source = landscape("c2/alps.trn", kAlps);
  const std::string destination = landscape("c3/sydney.trn", kSydney);
  float rxm = 0, rym = 0;
  ASSERT_EQ(utm_init(utm_, source, rxm, rym), 1);
  EXPECT_EQ(rxm, 92160.0f);
  ASSERT_EQ(utm_init(utm_, destination, rxm, rym), 1);
  EXPECT_EQ(rxm, 184320.0f);
  EXPECT_EQ(rym, 138240.0f);
  float x = 0, y = 0;
  ASSERT_EQ(latlontoxy(utm_, -33, 150, x, y), 1);
  EXPECT_NEAR(x, 180299.99, 0.02);

  // The source changed on disk in between: going back to it reads it afresh.
  landscape("c2/alps.trn", landscape_fields(710000, 5000000, 32, 'N', 512, 256));
  ASSERT_EQ(utm_init(utm_, source, rxm, rym), 1);
  EXPECT_EQ(rxm, 46080.0f);
  EXPECT_EQ(rym, 23040.0f);
  ASSERT_EQ(latlontoxy(utm_, 46, 9, x, y), 1);
  EXPECT_NEAR(x, 210000, 0.02);
  EXPECT_EQ(console().find("ALREADY"), std::string::npos);
}

TEST_F(UtmTest, TerrainNameIsFoundAnywhereInThePath) {
  struct Case {
    const char* rel;
  };
  const Case cases[] = {{"land.trn"}, {"LAND.TRN"}, {"maps.trnx/land.dat"}, {"land.trn.bak"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rel);
    float rxm = 0, rym = 0;
    EXPECT_EQ(utm_init(utm_, landscape(c.rel, kAlps), rxm, rym), 1);
    EXPECT_EQ(rxm, 92160.0f);
  }
}

TEST_F(UtmTest, FailedInitLeavesNoLandscape) {
  struct Case {
    const char* name;
    const char* rel;
    std::string bytes;         // written when not empty
    std::string console_line;  // after the " utm_init ..." line; {} stands for the path
    std::string log_line;
  };
  const std::string header = test::trn_bytes(kSydney);
  const Case cases[] = {
      {"missing terrain file", "missing.trn", "", "", "UTM unable to read {}"},
      {"35-byte header", "short.trn", header.substr(0, 35), "", "UTM unable to read {}"},
      {"elevation model .dem", "land.dem", header, " unrecognised file type {}",
       "UTM unrecognised file type {}"},
      {"elevation model .ASC", "land.ASC", header, " unrecognised file type {}",
       "UTM unrecognised file type {}"},
      {"no known ending", "land.bin", header, " unrecognised file type {}",
       "UTM unrecognised file type {}"},
  };
  const std::string good = landscape("good.trn", kAlps);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    init_ok(good);
    const std::string path = test::win_path(file(c.rel));
    if (!c.bytes.empty()) write(c.rel, c.bytes);
    const std::size_t console_from = console().size();
    const std::size_t log_from = log_text().size();
    float rxm = -1, rym = -2;
    EXPECT_EQ(utm_init(utm_, path, rxm, rym), 0);
    EXPECT_EQ(rxm, -1);
    EXPECT_EQ(rym, -2);

    auto with_path = [&](std::string s) {
      const auto at = s.find("{}");
      if (at != std::string::npos) s.replace(at, 2, path);
      return s;
    };
    const std::string said = console().substr(console_from);
    EXPECT_EQ(said.substr(0, said.find('\n')), " utm_init " + path);
    if (!c.console_line.empty()) {
      EXPECT_NE(said.find(with_path(c.console_line) + "\n"), std::string::npos) << said;
    }
    EXPECT_NE(log_text().find(with_path(c.log_line) + "\n", log_from), std::string::npos)
        << log_text();

    // Nothing is active now, not even the landscape loaded before.
    float a = 7, b = 8;
    EXPECT_EQ(latlontoxy(utm_, 46, 9, a, b), 0);
    EXPECT_EQ(xytolatlon(utm_, 1, 2, a, b), 0);
    EXPECT_EQ(a, 7);
    EXPECT_EQ(b, 8);
  }
}

TEST_F(UtmTest, TransformsRefuseBeforeAnyLandscape) {
  float a = 7, b = 8;
  EXPECT_EQ(xytolatlon(utm_, 100000, 200000, a, b), 0);
  EXPECT_EQ(latlontoxy(utm_, 46, 9, a, b), 0);
  EXPECT_EQ(a, 7);
  EXPECT_EQ(b, 8);
  EXPECT_EQ(console(), " UTM NOT INITIALIZED\n UTM NOT INITIALIZED\n");
  EXPECT_EQ(log_text(), "UTM NOT INITIALIZED\nUTM NOT INITIALIZED\n");
}

TEST_F(UtmTest, FarPointsAreExtrapolated) {
  init_ok(landscape("alps.trn", kAlps));
  float lat = 0, lon = 0;
  // 400 km east of the landscape and south of its origin: negative grid values.
  ASSERT_EQ(xytolatlon(utm_, -400000, -300000, lat, lon), 1);
  EXPECT_TRUE(std::isfinite(lat) && std::isfinite(lon));
  float x = 0, y = 0;
  ASSERT_EQ(latlontoxy(utm_, lat, lon, x, y), 1);
  EXPECT_NEAR(x, -400000, 1.0);
  EXPECT_NEAR(y, -300000, 1.0);
  // A point of another zone stays on this zone's central meridian.
  ASSERT_EQ(latlontoxy(utm_, 0, 30, x, y), 1);
  EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
  EXPECT_LT(x, -1500000);
  EXPECT_EQ(console().find("UTM NOT"), std::string::npos);
}

TEST_F(UtmTest, HugeOffsetsAreShownAndStillConverted) {
  init_ok(landscape("alps.trn", kAlps));
  float lat = 0, lon = 0;
  // Easting offset (700 km + 2,000,000 km) - 500 km, northing 5,000 km.
  EXPECT_EQ(xytolatlon(utm_, -2e9f, 0, lat, lon), 1);
  EXPECT_NE(console().find("\n 2000200 5000\n"), std::string::npos) << console();
  // Northing beyond the limit, easting offset 200 km.
  EXPECT_EQ(xytolatlon(utm_, 0, 2e9f, lat, lon), 1);
  EXPECT_NE(console().find("\n 200 2005000\n"), std::string::npos) << console();
  // Within the limit nothing is shown.
  const std::size_t before = console().size();
  EXPECT_EQ(xytolatlon(utm_, 100000, 200000, lat, lon), 1);
  EXPECT_EQ(console().size(), before);
}

TEST_F(UtmTest, LongitudesAcrossTheAntimeridianMeetTheirTwins) {
  // Zone 60 is centred on 177 E; 179.5 W is the meridian 180.5 E, 3.5 degrees
  // east of the centre, not 356.5 degrees west of it.
  init_ok(landscape("chatham.trn", landscape_fields(900000, 5600000, 60, 'S')));
  float x_east = 0, y_east = 0, x_west = 0, y_west = 0;
  ASSERT_EQ(latlontoxy(utm_, -44, 180.5f, x_east, y_east), 1);
  ASSERT_EQ(latlontoxy(utm_, -44, -179.5f, x_west, y_west), 1);
  EXPECT_NEAR(x_west, x_east, 0.02);
  EXPECT_NEAR(y_west, y_east, 0.02);
  // And the grid point converts back to the same meridian.
  float lat = 0, lon = 0;
  ASSERT_EQ(xytolatlon(utm_, x_west, y_west, lat, lon), 1);
  EXPECT_NEAR(lat, -44, 1e-5);
  EXPECT_NEAR(std::remainder(lon - -179.5, 360.0), 0, 1e-5);
}

}  // namespace
}  // namespace tarvel
