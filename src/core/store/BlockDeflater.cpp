#include "store/BlockDeflater.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include "store/StoreError.h"

namespace tf {
namespace {

std::uint64_t Rotl(std::uint64_t x, int r) {
  return (x << r) | (x >> (64 - r));
}

std::uint64_t Mix64(std::uint64_t k) {
  k ^= k >> 33;
  k *= 0xFF51AFD7ED558CCDULL;
  k ^= k >> 33;
  k *= 0xC4CEB9FE1A85EC53ULL;
  return k ^ (k >> 33);
}

struct THash128 {
  std::uint64_t A = 0, B = 0;
  friend bool operator==(const THash128&, const THash128&) = default;
};

// A 128-bit non-cryptographic hash (the MurmurHash3 x64 construction) to
// recognise blocks that are unchanged since the last save.
THash128 Hash128(std::string_view data) {
  const std::uint64_t c1 = 0x87C37B91114253D5ULL, c2 = 0x4CF5AD432745937FULL;
  std::uint64_t h1 = 0x9E3779B97F4A7C15ULL, h2 = 0xC2B2AE3D27D4EB4FULL;
  const std::size_t blocks = data.size() / 16;
  const char* p = data.data();
  for (std::size_t i = 0; i < blocks; ++i, p += 16) {
    std::uint64_t k1, k2;
    std::memcpy(&k1, p, 8);
    std::memcpy(&k2, p + 8, 8);
    k1 *= c1;
    k1 = Rotl(k1, 31);
    k1 *= c2;
    h1 ^= k1;
    h1 = Rotl(h1, 27);
    h1 += h2;
    h1 = h1 * 5 + 0x52DCE729;
    k2 *= c2;
    k2 = Rotl(k2, 33);
    k2 *= c1;
    h2 ^= k2;
    h2 = Rotl(h2, 31);
    h2 += h1;
    h2 = h2 * 5 + 0x38495AB5;
  }
  std::uint64_t k1 = 0, k2 = 0;
  const std::size_t tail = data.size() % 16;
  for (std::size_t i = tail; i > 8; --i) k2 = (k2 << 8) | static_cast<unsigned char>(p[i - 1]);
  for (std::size_t i = std::min<std::size_t>(tail, 8); i > 0; --i)
    k1 = (k1 << 8) | static_cast<unsigned char>(p[i - 1]);
  k2 *= c2;
  k2 = Rotl(k2, 33);
  k2 *= c1;
  h2 ^= k2;
  k1 *= c1;
  k1 = Rotl(k1, 31);
  k1 *= c2;
  h1 ^= k1;
  h1 ^= data.size();
  h2 ^= data.size();
  h1 += h2;
  h2 += h1;
  h1 = Mix64(h1);
  h2 = Mix64(h2);
  h1 += h2;
  h2 += h1;
  return {h1, h2};
}

// What a block's compressed bytes depend on: its content and the 32 KiB
// before it. The Adler-32 of the content is part of the key too, so a hash
// collision would also have to match the checksum the file ends with.
struct TBlockKey {
  THash128 Content, Dictionary;
  std::uint32_t Adler = 0;
  std::size_t Length = 0;
  friend bool operator==(const TBlockKey&, const TBlockKey&) = default;
};

struct TBlockKeyHash {
  std::size_t operator()(const TBlockKey& k) const {
    return k.Content.A ^ Rotl(k.Dictionary.A, 17);
  }
};

using TCompressed = std::shared_ptr<const std::string>;

// The blocks of the last save, shared by every save of the process: the
// content decides, not the file name, so any tree saved twice profits.
struct TBlockCache {
  std::mutex Lock;
  std::unordered_map<TBlockKey, TCompressed, TBlockKeyHash> Blocks;
};

TBlockCache& Cache() {
  static TBlockCache* cache = new TBlockCache;  // outlives every static saver
  return *cache;
}

struct TStatsStore {
  std::atomic<std::size_t> Reused{0}, Compressed{0}, Learnt{0};
};

TStatsStore& Stats() {
  static TStatsStore* stats = new TStatsStore;
  return *stats;
}

std::uint32_t AdlerOf(std::string_view data) {
  return static_cast<std::uint32_t>(
      adler32_z(adler32(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.data()), data.size()));
}

TBlockKey KeyOf(std::string_view content, const THash128& dictionary) {
  TBlockKey key;
  key.Content = Hash128(content);
  key.Dictionary = dictionary;
  key.Adler = AdlerOf(content);
  key.Length = content.size();
  return key;
}

// The last 32 KiB of the content so far: the dictionary of the next block.
struct TWindow {
  std::string Tail;

  void Append(std::string_view data) {
    if (data.size() >= TBlockDeflater::kDictionary) {
      Tail.assign(data.substr(data.size() - TBlockDeflater::kDictionary));
    } else {
      Tail += data;
      if (Tail.size() > TBlockDeflater::kDictionary)
        Tail.erase(0, Tail.size() - TBlockDeflater::kDictionary);
    }
  }
  THash128 Hash() const { return Hash128(Tail); }
};

std::string CompressBlock(std::string_view data, std::string_view dictionary) {
  z_stream s{};
  if (deflateInit2(&s, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw EStoreError("Compression error: cannot start the compressor");
  if (!dictionary.empty() &&
      deflateSetDictionary(&s, reinterpret_cast<const Bytef*>(dictionary.data()),
                           static_cast<uInt>(dictionary.size())) != Z_OK) {
    deflateEnd(&s);
    throw EStoreError("Compression error: cannot prime the compressor");
  }
  std::string out(deflateBound(&s, static_cast<uLong>(data.size())) + 64, '\0');
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  s.avail_in = static_cast<uInt>(data.size());
  for (;;) {
    s.next_out = reinterpret_cast<Bytef*>(out.data()) + s.total_out;
    s.avail_out = static_cast<uInt>(out.size() - s.total_out);
    const int result = deflate(&s, Z_SYNC_FLUSH);
    if (result != Z_OK && result != Z_BUF_ERROR) {
      deflateEnd(&s);
      throw EStoreError("Compression error");
    }
    if (s.avail_in == 0 && s.avail_out > 0) break;
    out.resize(out.size() * 2);
  }
  out.resize(s.total_out);
  deflateEnd(&s);
  return out;
}

struct TSlot {
  TBlockKey Key;
  TCompressed Compressed;
};

struct TJob {
  TSlot* Slot;
  std::string Data;
  std::string Dictionary;
};

}  // namespace

struct TBlockDeflater::TImpl {
  std::deque<TSlot> Slots;  // a deque: workers hold pointers while blocks are added
  TWindow Window;
  uLong Adler = adler32(0L, Z_NULL, 0);
  std::size_t Reused = 0, Compressed = 0;
  std::unordered_map<TBlockKey, TCompressed, TBlockKeyHash> Previous;

  std::mutex Lock;
  std::condition_variable Wake, Done, Space;
  std::deque<TJob> Jobs;
  std::size_t Busy = 0;
  bool Stopping = false;
  std::exception_ptr Error;
  std::vector<std::string> FreeBuffers;
  std::vector<std::thread> Workers;

  void StartWorkers() {
    if (!Workers.empty()) return;
    const unsigned count = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < count; ++i) Workers.emplace_back([this] { Work(); });
  }

  void Work() {
    std::unique_lock<std::mutex> guard(Lock);
    for (;;) {
      Wake.wait(guard, [this] { return Stopping || !Jobs.empty(); });
      if (Jobs.empty()) return;
      TJob job = std::move(Jobs.front());
      Jobs.pop_front();
      ++Busy;
      guard.unlock();
      Space.notify_one();
      try {
        job.Slot->Compressed =
            std::make_shared<const std::string>(CompressBlock(job.Data, job.Dictionary));
      } catch (...) {
        guard.lock();
        if (!Error) Error = std::current_exception();
        guard.unlock();
      }
      job.Data.clear();
      guard.lock();
      if (FreeBuffers.size() < 8) FreeBuffers.push_back(std::move(job.Data));
      --Busy;
      Done.notify_all();
    }
  }

  void WaitForJobs() {
    std::unique_lock<std::mutex> guard(Lock);
    Done.wait(guard, [this] { return Jobs.empty() && Busy == 0; });
  }

  void StopWorkers() {
    {
      std::lock_guard<std::mutex> guard(Lock);
      Stopping = true;
    }
    Wake.notify_all();
    for (std::thread& worker : Workers) worker.join();
    Workers.clear();
  }

  void Add(std::string&& data) {
    TSlot& slot = Slots.emplace_back();
    slot.Key = KeyOf(data, Window.Hash());
    Adler = adler32_combine(Adler, slot.Key.Adler, static_cast<z_off_t>(data.size()));
    const auto found = Previous.find(slot.Key);
    if (found != Previous.end()) {
      slot.Compressed = found->second;
      ++Reused;
      Window.Append(data);
      Recycle(std::move(data));
      return;
    }
    ++Compressed;
    std::string dictionary = Window.Tail;
    Window.Append(data);
    StartWorkers();
    {
      // A bounded queue: the writer waits for the compressors instead of
      // holding the whole content in blocks waiting their turn.
      std::unique_lock<std::mutex> guard(Lock);
      Space.wait(guard, [this] { return Jobs.size() < Workers.size(); });
      Jobs.push_back({&slot, std::move(data), std::move(dictionary)});
    }
    Wake.notify_one();
  }

  void Recycle(std::string&& buffer) {
    buffer.clear();
    std::lock_guard<std::mutex> guard(Lock);
    if (FreeBuffers.size() < 8) FreeBuffers.push_back(std::move(buffer));
  }
};

TBlockDeflater::TBlockDeflater() : Impl_(std::make_unique<TImpl>()) {
  std::lock_guard<std::mutex> guard(Cache().Lock);
  Impl_->Previous = Cache().Blocks;
}

TBlockDeflater::~TBlockDeflater() {
  Impl_->StopWorkers();
}

void TBlockDeflater::AddBlock(std::string&& block) {
  if (block.empty()) return;
  // Very long rows come as one piece; split them so no block is unbounded.
  if (block.size() > 4 * kMaxBlock) {
    for (std::size_t at = 0; at < block.size(); at += kMaxBlock)
      Impl_->Add(block.substr(at, kMaxBlock));
    return;
  }
  Impl_->Add(std::move(block));
}

std::string TBlockDeflater::TakeBuffer() {
  std::lock_guard<std::mutex> guard(Impl_->Lock);
  if (Impl_->FreeBuffers.empty()) {
    std::string buffer;
    buffer.reserve(2 * kMinBlock);
    return buffer;
  }
  std::string buffer = std::move(Impl_->FreeBuffers.back());
  Impl_->FreeBuffers.pop_back();
  return buffer;
}

std::string TBlockDeflater::Finish() {
  Impl_->WaitForJobs();
  Impl_->StopWorkers();
  if (Impl_->Error) std::rethrow_exception(Impl_->Error);
  std::size_t size = 2 + 2 + 4;
  for (const TSlot& slot : Impl_->Slots) size += slot.Compressed->size();
  std::string out;
  out.reserve(size);
  out += "\x78\xDA";  // deflate, 32 KiB window, level 9
  std::unordered_map<TBlockKey, TCompressed, TBlockKeyHash> used;
  for (const TSlot& slot : Impl_->Slots) {
    out += *slot.Compressed;
    used.emplace(slot.Key, slot.Compressed);
  }
  out += std::string("\x03\x00", 2);  // an empty final block closes the stream
  const uLong adler = Impl_->Adler;
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((adler >> shift) & 0xFF);
  Stats().Reused = Impl_->Reused;
  Stats().Compressed = Impl_->Compressed;
  std::lock_guard<std::mutex> guard(Cache().Lock);
  Cache().Blocks = std::move(used);
  return out;
}

void TBlockDeflater::ForgetBlocks() {
  std::lock_guard<std::mutex> guard(Cache().Lock);
  Cache().Blocks.clear();
}

std::string TBlockDeflater::Deflate(std::string_view content) {
  TBlockDeflater deflater;
  const std::size_t piece = 4 * kMinBlock;
  for (std::size_t at = 0; at < content.size(); at += piece)
    deflater.AddBlock(std::string(content.substr(at, piece)));
  return deflater.Finish();
}

TDeflateStats DeflateStats() {
  TDeflateStats stats;
  stats.BlocksReused = Stats().Reused;
  stats.BlocksCompressed = Stats().Compressed;
  stats.BlocksLearnt = Stats().Learnt;
  return stats;
}

struct TBlockHarvest::TImpl {
  std::string_view Compressed;
  static constexpr std::size_t kNotStarted = static_cast<std::size_t>(-1);
  std::size_t SpanStart = kNotStarted;
  std::size_t ContentSoFar = 0;
  std::string Pending;  // the content since SpanStart
  TWindow Window;
  std::unordered_map<TBlockKey, TCompressed, TBlockKeyHash> Learnt;
  bool Usable = true;
};

namespace {
std::atomic<bool> HarvestEnabled{true};
}  // namespace

void TBlockHarvest::SetEnabled(bool enabled) {
  HarvestEnabled = enabled;
}

bool TBlockHarvest::Enabled() {
  return HarvestEnabled;
}

TBlockHarvest::TBlockHarvest(std::string_view compressed) : Impl_(std::make_unique<TImpl>()) {
  Impl_->Compressed = compressed;
}

TBlockHarvest::~TBlockHarvest() = default;

void TBlockHarvest::AddContent(const std::uint8_t* data, std::size_t size) {
  TImpl& h = *Impl_;
  h.ContentSoFar += size;
  if (h.SpanStart == TImpl::kNotStarted) {
    h.Window.Append({reinterpret_cast<const char*>(data), size});
    return;
  }
  // A block longer than any this program writes is no block of ours; keep
  // no more than a few of them in memory.
  if (h.Pending.size() + size > 4 * TBlockDeflater::kMaxBlock) {
    h.Window.Append(h.Pending);
    h.Window.Append({reinterpret_cast<const char*>(data), size});
    h.Pending.clear();
    h.SpanStart = TImpl::kNotStarted;
    return;
  }
  h.Pending.append(reinterpret_cast<const char*>(data), size);
}

void TBlockHarvest::AtBlockBoundary(std::size_t consumed) {
  TImpl& h = *Impl_;
  if (consumed > h.Compressed.size()) return;
  if (h.ContentSoFar == 0 && h.SpanStart == TImpl::kNotStarted) {
    h.SpanStart = consumed;  // just after the zlib header
    return;
  }
  // Only an empty stored block (0x0000 0xFFFF) marks the end of a writer's block.
  static constexpr char kSyncMark[] = {'\x00', '\x00', '\xFF', '\xFF'};
  if (consumed < 4 || h.Compressed.substr(consumed - 4, 4) != std::string_view(kSyncMark, 4))
    return;
  if (h.SpanStart != TImpl::kNotStarted && consumed > h.SpanStart && !h.Pending.empty()) {
    const TBlockKey key = KeyOf(h.Pending, h.Window.Hash());
    h.Learnt.emplace(key, std::make_shared<const std::string>(
                              h.Compressed.substr(h.SpanStart, consumed - h.SpanStart)));
  }
  // Content seen outside a span (a too long one) still moves the window on.
  h.Window.Append(h.Pending);
  h.Pending.clear();
  h.SpanStart = consumed;
}

void TBlockHarvest::Finish() {
  TImpl& h = *Impl_;
  // A stream without a single block of ours leaves the cache as it was: a
  // file from elsewhere is compressed in full by its first save anyway.
  Stats().Learnt = h.Learnt.size();
  if (h.Learnt.empty()) return;
  std::lock_guard<std::mutex> guard(Cache().Lock);
  Cache().Blocks = std::move(h.Learnt);
}

}  // namespace tf
