// libFuzzer target. Terrain files: the header and the projection it selects.
#include "fuzz/fuzz_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarvel::fuzz::read_trn_input(data, size);
}
