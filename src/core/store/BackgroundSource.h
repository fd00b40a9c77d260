// Reads another byte source on a worker thread, a chunk ahead of the reader,
// so inflating the data file overlaps with parsing it.
#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

#include "store/ValueStream.h"

namespace tf {

class TBackgroundSource : public TByteSource {
 public:
  explicit TBackgroundSource(TByteSource& inner);
  ~TBackgroundSource() override;
  TBackgroundSource(const TBackgroundSource&) = delete;
  TBackgroundSource& operator=(const TBackgroundSource&) = delete;

  // Errors of the inner source reach the reader here, in order.
  std::size_t Read(std::uint8_t* buffer, std::size_t max) override;

 private:
  void Produce();

  static constexpr std::size_t kChunk = 1024 * 1024;
  static constexpr std::size_t kAhead = 4;

  TByteSource& Inner_;
  std::mutex Lock_;
  std::condition_variable Changed_;
  std::deque<std::string> Chunks_;
  bool Finished_ = false, Stopping_ = false;
  std::exception_ptr Error_;
  std::string Current_;
  std::size_t Pos_ = 0;
  std::thread Worker_;
};

}  // namespace tf
