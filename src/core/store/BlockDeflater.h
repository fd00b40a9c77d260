// Compresses a data file's content as one standard zlib stream (level 9)
// made of independent blocks: each block is deflated on its own, primed with
// the 32 KiB before it and ended on a byte boundary, so blocks can be
// compressed in parallel and a block whose content did not change since the
// last save reuses its compressed bytes.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace tf {

class TBlockDeflater {
 public:
  TBlockDeflater();
  ~TBlockDeflater();
  TBlockDeflater(const TBlockDeflater&) = delete;
  TBlockDeflater& operator=(const TBlockDeflater&) = delete;

  // The next piece of content, in order. Takes the buffer.
  void AddBlock(std::string&& block);
  // An empty buffer to fill with the next block (recycled from earlier ones).
  std::string TakeBuffer();
  // The complete zlib stream. Blocks compressed here are remembered for the
  // next save, whose unchanged blocks then cost nothing.
  std::string Finish();

  // Splits `content` at fixed sizes; for content that has no row boundaries.
  static std::string Deflate(std::string_view content);

  static constexpr std::size_t kDictionary = 32 * 1024;
  static constexpr std::size_t kMinBlock = 64 * 1024;
  static constexpr std::size_t kMaxBlock = 1024 * 1024;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl_;
};

}  // namespace tf
