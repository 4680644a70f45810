// libFuzzer target. Plans in both reading modes (the first byte chooses), then written as Condor 3
// plans.
#include "fuzz/fuzz_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarvel::fuzz::read_fpl_input(data, size);
}
