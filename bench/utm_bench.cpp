// Cost of one grid <-> latitude/longitude conversion on an active landscape.
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "bench_plans.h"
#include "geometry/utm.h"

namespace {

void put_le32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Writes a terrain header (zone 32 north, 1024 x 2048 cells of 90 m) to a
// temporary file and makes it the active landscape of a projection state.
class ActiveLandscape {
 public:
  ActiveLandscape() {
    path_ = std::filesystem::temp_directory_path() /
            ("tarvel-bench-" + std::to_string(std::random_device{}()) + ".trn");
    std::string h;
    put_le32(h, 1024);
    put_le32(h, 2048);
    put_le32(h, std::bit_cast<std::uint32_t>(0.0f));
    put_le32(h, std::bit_cast<std::uint32_t>(90.0f));
    put_le32(h, std::bit_cast<std::uint32_t>(90.0f));
    put_le32(h, std::bit_cast<std::uint32_t>(700000.0f));
    put_le32(h, std::bit_cast<std::uint32_t>(5000000.0f));
    h += std::string("\x20\0\0\0N\0\0\0", 8);
    if (std::FILE* f = std::fopen(path_.string().c_str(), "wb")) {
      std::fwrite(h.data(), 1, h.size(), f);
      std::fclose(f);
    }
    float rxm = 0, rym = 0;
    tarvel::bench::ConsoleSink console;  // the "utm_init" line
    ok_ = tarvel::utm_init(utm_, path_.string(), rxm, rym) == 1;
  }
  ~ActiveLandscape() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  bool ok() const { return ok_; }
  const tarvel::UtmState& utm() const { return utm_; }

 private:
  tarvel::UtmState utm_;
  std::filesystem::path path_;
  bool ok_ = false;
};

void BM_latlontoxy(benchmark::State& state) {
  ActiveLandscape land;
  if (!land.ok()) {
    state.SkipWithError("no landscape");
    return;
  }
  float x = 0, y = 0;
  unsigned i = 0;
  for (auto _ : state) {
    const float lat = 45.2f + 0.03f * static_cast<float>(i % 64);
    const float lon = 8.1f + 0.05f * static_cast<float>(i / 64 % 64);
    tarvel::latlontoxy(land.utm(), lat, lon, x, y);
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(y);
    ++i;
  }
}
BENCHMARK(BM_latlontoxy);

void BM_xytolatlon(benchmark::State& state) {
  ActiveLandscape land;
  if (!land.ok()) {
    state.SkipWithError("no landscape");
    return;
  }
  float lat = 0, lon = 0;
  unsigned i = 0;
  for (auto _ : state) {
    const float x = 1440.0f * static_cast<float>(i % 64);
    const float y = 2880.0f * static_cast<float>(i / 64 % 64);
    tarvel::xytolatlon(land.utm(), x, y, lat, lon);
    benchmark::DoNotOptimize(lat);
    benchmark::DoNotOptimize(lon);
    ++i;
  }
}
BENCHMARK(BM_xytolatlon);

}  // namespace
