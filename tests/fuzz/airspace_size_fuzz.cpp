// libFuzzer target. Airspace files.
#include "fuzz/fuzz_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarvel::fuzz::airspace_size_input(data, size);
}
