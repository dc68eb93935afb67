// Feeds arbitrary bytes to the CSA reader and checks what it accepted.
#include <cstdint>
#include <string_view>

#include "fuzz/record_checks.h"
#include "records/csa.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qz::fuzzing::CheckRecord(qz::CSA解読(bytes));
  return 0;
}
