// Speed of reading and writing one flight plan, with a disabled-airspace list
// of every airspace the record can hold (the widest plan the program meets).
// Console trace lines are captured in memory, so the figures leave out the
// terminal.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "flightplan/flight_plan.h"
#include "flightplan/read_fpl.h"
#include "util/console.h"
#include "writer/plan_output.h"
#include "writer/write_fpl_v3.h"

namespace {

using namespace tarvel;

std::unique_ptr<FlightPlan> wide_plan() {
  auto fp = std::make_unique<FlightPlan>();
  init_read_fpl(*fp);
  init_glider(*fp);
  init_wp(*fp);
  fp->nb_wp = 31;
  for (int i = 0; i < 31; ++i) {
    fp->tpnam(i) = "Turnpoint " + std::to_string(i);
    fp->tpx(i) = 123456.7f + static_cast<float>(i) * 1000.3f;
    fp->tpy(i) = 98765.4f - static_cast<float>(i) * 700.1f;
  }
  fp->nb_pz = 11;
  fp->wzcount = 17;
  for (int n = 0; n < 17; ++n) fp->pointcount(n) = 17;
  fp->last_dis_as = cmaxdisabledairspaceblockscount;
  fp->qas_disa.fill(true);
  fp->nb_fpldesc = 16;
  return fp;
}

std::string plan_text(const FlightPlan& fp) {
  std::string console;
  set_console_capture(&console);
  MemoryPlanOutput out;
  int iost = 0;
  write_fpl_v3(fp, out, iost, false, "Valley");
  set_console_capture(nullptr);
  return out.text;
}

void BM_ReadWidePlan(benchmark::State& state) {
  // An overlay read sizes the airspace line for 8192 zones.
  const std::string text = "[Version]\r\nCondor version=3000\r\n" + plan_text(*wide_plan());
  auto fp = wide_plan();
  std::string console;
  set_console_capture(&console);
  for (auto _ : state) {
    console.clear();
    std::istringstream in(text, std::ios::binary);
    int nl = 0;
    int ios = 0;
    read_fpl(*fp, in, "plan.fpl", -16, false, false, nl, ios);
    benchmark::DoNotOptimize(fp->last_dis_as);
  }
  set_console_capture(nullptr);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadWidePlan)->Unit(benchmark::kMicrosecond);

void BM_WriteWidePlanToFile(benchmark::State& state) {
  const auto fp = wide_plan();
  const std::string path =
      (std::filesystem::temp_directory_path() / "tarvel_bench_plan_V3.fpl").string();
  std::string console;
  set_console_capture(&console);
  for (auto _ : state) {
    console.clear();
    FilePlanOutput out;
    out.open(path);
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, "Valley");
    benchmark::DoNotOptimize(out.close());
  }
  set_console_capture(nullptr);
  std::remove(path.c_str());
}
BENCHMARK(BM_WriteWidePlanToFile)->Unit(benchmark::kMicrosecond);

void BM_WriteWidePlanToMemory(benchmark::State& state) {
  const auto fp = wide_plan();
  std::string console;
  set_console_capture(&console);
  for (auto _ : state) {
    console.clear();
    MemoryPlanOutput out;
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, "Valley");
    benchmark::DoNotOptimize(out.text.data());
  }
  set_console_capture(nullptr);
}
BENCHMARK(BM_WriteWidePlanToMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
