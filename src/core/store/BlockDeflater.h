// Compresses a data file's content as one standard zlib stream (level 9)
// made of independent blocks: each block is deflated on its own, primed with
// the 32 KiB before it and ended on a byte boundary, so blocks can be
// compressed in parallel and a block whose content did not change since the
// last save reuses its compressed bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tf {

// What the block cache did: in the last save, the blocks copied from earlier
// saves or reads and those compressed anew; in the last read, the blocks it
// learnt from the file.
struct TDeflateStats {
  std::size_t BlocksReused = 0;
  std::size_t BlocksCompressed = 0;
  std::size_t BlocksLearnt = 0;
};
TDeflateStats DeflateStats();

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

  // Forgets every block remembered, as a new process starts.
  static void ForgetBlocks();

  // Splits `content` at fixed sizes; for content that has no row boundaries.
  static std::string Deflate(std::string_view content);

  static constexpr std::size_t kDictionary = 32 * 1024;
  static constexpr std::size_t kMinBlock = 64 * 1024;
  static constexpr std::size_t kMaxBlock = 1024 * 1024;

 private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl_;
};

// Learns the blocks of a zlib stream while it is inflated. Wherever the stream
// has an empty stored block ending on a byte boundary (a sync flush, as this
// program's writer ends each of its blocks), the compressed bytes since the
// previous such place decode from the 32 KiB of content before them alone.
// When the stream has been read to its verified end, these spans become the
// blocks the next save may copy, as if this process had written the file.
// A stream without such places (a file from elsewhere) teaches nothing.
class TBlockHarvest {
 public:
  // Whether reads of this process learn blocks (by default they do). A
  // process that will not save turns it off and reads a little faster.
  static void SetEnabled(bool enabled);
  static bool Enabled();

  explicit TBlockHarvest(std::string_view compressed);
  ~TBlockHarvest();
  TBlockHarvest(const TBlockHarvest&) = delete;
  TBlockHarvest& operator=(const TBlockHarvest&) = delete;

  // Content inflated since the last call, in order.
  void AddContent(const std::uint8_t* data, std::size_t size);
  // The inflater stopped between two deflate blocks, on a byte boundary, with
  // `consumed` bytes of the compressed stream read.
  void AtBlockBoundary(std::size_t consumed);
  // The stream ended and its checksum matched.
  void Finish();

 private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl_;
};

}  // namespace tf
