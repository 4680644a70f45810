// Cost of turning one real into its output text, over the values a
// converted plan holds: grid positions, elevations, weather values, zero.
#include <benchmark/benchmark.h>

#include <array>

#include "util/fixed_text.h"
#include "writer/to_char.h"

namespace {

constexpr std::array<float, 16> kValues = {
    123456.703f, 98765.3984f, 452.0f,  0.0f,  1500.0f, 0.5f, 3000.0f, -1.5f,
    291.449982f, 101234.5f,   1820.5f, 12.5f, 270.0f,  4.5f, 0.1f,    -0.0000001f};

void run(benchmark::State& state, const char* fstr) {
  tarvel::FixedText<20> buff;
  int lb = 0;
  std::size_t i = 0;
  for (auto _ : state) {
    tarvel::f2b(kValues[i], buff, fstr, lb);
    benchmark::DoNotOptimize(buff.data());
    benchmark::DoNotOptimize(lb);
    i = (i + 1) % kValues.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_f2b_F16_6(benchmark::State& state) { run(state, "(F16.6)"); }
BENCHMARK(BM_f2b_F16_6);

void BM_f2b_F12_2(benchmark::State& state) { run(state, "(F12.2)"); }
BENCHMARK(BM_f2b_F12_2);

void BM_i2b(benchmark::State& state) {
  tarvel::FixedText<16> buff;
  int lb = 0;
  int v = -40000;
  for (auto _ : state) {
    tarvel::i2b(v, buff, lb);
    benchmark::DoNotOptimize(buff.data());
    v = v < 40000 ? v + 7 : -40000;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_i2b);

}  // namespace
