// Speed of reading and writing flight plans: the typical Condor 2 plan that a
// conversion reads, Condor 3 plans whose disabled-airspace list covers 1,000,
// 4,000 and 8,193 airspaces (read and written; the figures per airspace show
// that the cost grows linearly), and the widest plan the record can hold.
// Console trace lines are captured in memory, so the figures leave out the
// terminal.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "bench_plans.h"
#include "flightplan/flight_plan.h"
#include "flightplan/read_fpl.h"
#include "geometry/get_airspace_size.h"
#include "support/memory_plan_output.h"
#include "util/console.h"
#include "writer/plan_output.h"
#include "writer/write_fpl_v3.h"

namespace {

using namespace tarvel;
using tarvel::bench::ConsoleSink;
using tarvel::bench::ViewStream;

// Airspace counts of the scaling runs: 8,193 is every airspace the record can
// flag.
void airspace_counts(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(4000)->Arg(8193)->Complexity(benchmark::oN);
}

void BM_ReadCondor2Plan(benchmark::State& state) {
  const std::string text = bench::typical_condor2_plan();
  auto fp = std::make_unique<FlightPlan>();
  ConsoleSink console;
  for (auto _ : state) {
    console.clear();
    ViewStream in(text);
    int nl = 0;
    int ios = 0;
    read_fpl(*fp, in, "plan.fpl", 15, true, nl, ios);
    benchmark::DoNotOptimize(fp->dist_tot);
  }
  if (fp->nb_wp != 6 || fp->nb_pz != 2 || fp->nb_fpldesc != 1) state.SkipWithError("plan not read");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadCondor2Plan)->Unit(benchmark::kMicrosecond);

// A fresh read of a Condor 3 plan: the landscape's airspace file is counted
// (that sizes the line buffer) and the whole disabled-airspace list is read.
void BM_ReadCondor3Plan(benchmark::State& state) {
  const int airspaces = static_cast<int>(state.range(0));
  const std::string text = bench::condor3_plan_text(airspaces);
  auto fp = std::make_unique<FlightPlan>();
  ConsoleSink console;
  for (auto _ : state) {
    console.clear();
    ViewStream in(text);
    int nl = 0;
    int ios = 0;
    read_fpl(*fp, in, "plan.fpl", 15, true, nl, ios);
    benchmark::DoNotOptimize(fp->last_dis_as);
  }
  const int last = std::min(airspaces - 1, cmaxdisabledairspaceblockscount);
  if (fp->fpl_vers != 3 || fp->nb_as_zones != airspaces || fp->last_dis_as != last ||
      !fp->qas_disa(last)) {
    state.SkipWithError("the disabled-airspace list was not read whole");
  }
  state.SetComplexityN(airspaces);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadCondor3Plan)->Apply(airspace_counts)->Unit(benchmark::kMicrosecond);

// What the driver does for one output: a new file is created, the plan is
// gathered, written in one go and the file is closed. (The file is removed
// between iterations, outside the timing: replacing a file is the file
// system's own cost, which tools/bench-batch shows.)
void BM_WriteCondor3Plan(benchmark::State& state) {
  const int airspaces = static_cast<int>(state.range(0));
  const auto fp = bench::converted_plan(airspaces);
  const bench::TempFolder folder;
  const std::string path = (folder.path() / "plan_V3.fpl").string();
  ConsoleSink console;
  std::size_t bytes = 0;
  for (auto _ : state) {
    console.clear();
    FilePlanOutput out;
    out.open(path);
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, "Destination");
    benchmark::DoNotOptimize(out.close());
    state.PauseTiming();
    bytes = static_cast<std::size_t>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
    state.ResumeTiming();
  }
  state.SetComplexityN(airspaces);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_WriteCondor3Plan)->Apply(airspace_counts)->Unit(benchmark::kMicrosecond);

// The writer alone, without the file system.
void BM_WriteCondor3PlanToMemory(benchmark::State& state) {
  const int airspaces = static_cast<int>(state.range(0));
  const auto fp = bench::converted_plan(airspaces);
  ConsoleSink console;
  for (auto _ : state) {
    console.clear();
    MemoryPlanOutput out;
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, "Destination");
    benchmark::DoNotOptimize(out.text.data());
  }
  state.SetComplexityN(airspaces);
}
BENCHMARK(BM_WriteCondor3PlanToMemory)->Apply(airspace_counts)->Unit(benchmark::kMicrosecond);

// Counting the airspaces of a destination landscape, as every conversion does.
void BM_AirspaceCount(benchmark::State& state) {
  const int airspaces = static_cast<int>(state.range(0));
  bench::Condor3Landscapes& lands = bench::Condor3Landscapes::instance();
  const std::string land = lands.landscape(airspaces);
  const std::string path = (lands.root() / "Landscapes" / land / (land + ".air")).string();
  int count = 0;
  for (auto _ : state) {
    count = get_airspace_size(path);
    benchmark::DoNotOptimize(count);
  }
  if (count != airspaces) state.SkipWithError("wrong count");
  state.SetComplexityN(airspaces);
}
BENCHMARK(BM_AirspaceCount)->Arg(250)->Arg(8193)->Unit(benchmark::kMicrosecond);

// The widest plan: 31 turnpoints, 11 penalty zones, 17 weather zones of 17
// points, 16 description lines and every airspace flag set.
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
  fp->nb_as_zones = cmaxdisabledairspaceblockscount + 1;
  fp->last_dis_as = cmaxdisabledairspaceblockscount;
  fp->qas_disa.fill(true);
  fp->nb_fpldesc = 16;
  return fp;
}

void BM_WriteWidePlanToFile(benchmark::State& state) {
  const auto fp = wide_plan();
  const bench::TempFolder folder;
  const std::string path = (folder.path() / "wide_V3.fpl").string();
  ConsoleSink console;
  for (auto _ : state) {
    console.clear();
    FilePlanOutput out;
    out.open(path);
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, "Valley");
    benchmark::DoNotOptimize(out.close());
    state.PauseTiming();
    std::filesystem::remove(path);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WriteWidePlanToFile)->Unit(benchmark::kMicrosecond);

void BM_WriteWidePlanToMemory(benchmark::State& state) {
  const auto fp = wide_plan();
  ConsoleSink console;
  for (auto _ : state) {
    console.clear();
    MemoryPlanOutput out;
    int iost = 0;
    write_fpl_v3(*fp, out, iost, false, "Valley");
    benchmark::DoNotOptimize(out.text.data());
  }
}
BENCHMARK(BM_WriteWidePlanToMemory)->Unit(benchmark::kMicrosecond);

// The widest plan read back as a Condor 3 plan on a landscape of 8,193
// airspaces: every key the reader knows, the longest lines it takes.
void BM_ReadWidePlan(benchmark::State& state) {
  const std::string land = bench::Condor3Landscapes::instance().landscape(8193);
  std::string text;
  {
    ConsoleSink console;
    MemoryPlanOutput out;
    int iost = 0;
    write_fpl_v3(*wide_plan(), out, iost, false, land);
    text = out.text;
  }
  auto fp = std::make_unique<FlightPlan>();
  ConsoleSink console;
  for (auto _ : state) {
    console.clear();
    ViewStream in(text);
    int nl = 0;
    int ios = 0;
    read_fpl(*fp, in, "plan.fpl", 15, false, nl, ios);
    benchmark::DoNotOptimize(fp->last_dis_as);
  }
  if (fp->nb_wp != 31 || fp->last_dis_as != cmaxdisabledairspaceblockscount) {
    state.SkipWithError("plan not read whole");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadWidePlan)->Unit(benchmark::kMicrosecond);

}  // namespace
