// libFuzzer target. Value texts: numbers, key/value lines and lists.
#include "fuzz/fuzz_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarvel::fuzz::read_value_input(data, size);
}
