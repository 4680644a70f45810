// libFuzzer target. user.reg texts, parsed and then used as the hive of the installation discovery.
#include "fuzz/fuzz_main.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tarvel::fuzz::user_reg_input(data, size);
}
