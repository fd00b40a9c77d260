// Reads arbitrary bytes as the uncompressed content of a data file, where the
// value stream's parser is reached directly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Account.h"
#include "store/StoreError.h"
#include "store/TreeDump.h"
#include "store/ValueStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tf::TAccount root;
  tf::TMemorySource source(std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    root.LoadFromStream(source);
  } catch (const tf::EStoreError&) {
    return 0;
  }
  // What was read must write and dump without trouble.
  std::string out;
  root.SaveToStream(out);
  (void)tf::DumpTreeJson(root);
  return 0;
}
