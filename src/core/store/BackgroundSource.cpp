#include "store/BackgroundSource.h"

#include <cstring>

namespace tf {

TBackgroundSource::TBackgroundSource(TByteSource& inner)
    : Inner_(inner), Worker_([this] { Produce(); }) {}

TBackgroundSource::~TBackgroundSource() {
  {
    std::lock_guard<std::mutex> guard(Lock_);
    Stopping_ = true;
  }
  Changed_.notify_all();
  Worker_.join();
}

void TBackgroundSource::Produce() {
  try {
    for (;;) {
      std::string chunk(kChunk, '\0');
      std::size_t filled = 0;
      while (filled < kChunk) {
        const std::size_t n =
            Inner_.Read(reinterpret_cast<std::uint8_t*>(chunk.data()) + filled, kChunk - filled);
        if (n == 0) break;
        filled += n;
      }
      chunk.resize(filled);
      std::unique_lock<std::mutex> guard(Lock_);
      Changed_.wait(guard, [this] { return Stopping_ || Chunks_.size() < kAhead; });
      if (Stopping_) return;
      if (filled == 0) {
        Finished_ = true;
        Changed_.notify_all();
        return;
      }
      Chunks_.push_back(std::move(chunk));
      Changed_.notify_all();
    }
  } catch (...) {
    std::lock_guard<std::mutex> guard(Lock_);
    Error_ = std::current_exception();
    Finished_ = true;
    Changed_.notify_all();
  }
}

std::size_t TBackgroundSource::Read(std::uint8_t* buffer, std::size_t max) {
  if (Pos_ == Current_.size()) {
    std::unique_lock<std::mutex> guard(Lock_);
    Changed_.wait(guard, [this] { return !Chunks_.empty() || Finished_; });
    if (Chunks_.empty()) {
      if (Error_) std::rethrow_exception(Error_);
      return 0;
    }
    Current_ = std::move(Chunks_.front());
    Chunks_.pop_front();
    Pos_ = 0;
    Changed_.notify_all();
  }
  const std::size_t n = std::min(max, Current_.size() - Pos_);
  std::memcpy(buffer, Current_.data() + Pos_, n);
  Pos_ += n;
  return n;
}

}  // namespace tf
