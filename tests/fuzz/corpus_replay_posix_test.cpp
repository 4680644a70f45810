// Every file of the fuzz corpora, seeds and the inputs of past findings, run
// through its target in the ordinary test build: a reader that crashes, trips
// a sanitizer or breaks a target's check on one of them fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "fuzz/fuzz_targets.h"

namespace tarvel {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  int (*run)(const std::uint8_t*, std::size_t);
};

const Target kTargets[] = {
    {"read_fpl", &fuzz::read_fpl_input},           {"read_ini", &fuzz::read_ini_input},
    {"user_reg", &fuzz::user_reg_input},           {"read_trn", &fuzz::read_trn_input},
    {"airspace_size", &fuzz::airspace_size_input}, {"read_value", &fuzz::read_value_input},
};

class CorpusReplay : public testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryFileRunsThrough) {
  const fs::path folder =
      fs::path(TARVEL_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / GetParam().name;
  ASSERT_TRUE(fs::is_directory(folder)) << folder;
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << "no seed in " << folder;
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    const std::string bytes = test::read_file(file);
    EXPECT_EQ(GetParam().run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Fuzz, CorpusReplay, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& param_info) {
                           return std::string(param_info.param.name);
                         });

}  // namespace
}  // namespace tarvel
