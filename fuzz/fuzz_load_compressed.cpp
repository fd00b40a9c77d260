// Reads arbitrary bytes as a compressed data file: every input must end in a
// tree or in one store error, never in a crash, a hang or a huge allocation.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/Account.h"
#include "store/StoreError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::TAccount root;
  try {
    root.LoadFromCompressedStream(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const tf::EStoreError&) {
  }
  return 0;
}
