// Feeds arbitrary bytes to the KIF reader and checks what it accepted.
#include <cstdint>
#include <string_view>

#include "fuzz/record_checks.h"
#include "records/kif.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  qz::fuzzing::CheckRecord(qz::KIF解読(bytes));
  return 0;
}
