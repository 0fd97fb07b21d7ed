#include <cstddef>
#include <cstdint>

#include "fuzz_play.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qm::fuzz::readFuzzSave(data, size);
  return 0;
}
