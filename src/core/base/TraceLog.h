// The short trace of what the program did last: literal step messages and
// errors, newest first, kept for the error window and the error report.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace tf {

class TTraceLog {
 public:
  static constexpr std::size_t kCapacity = 100;

  // Puts the message on top; the oldest one goes once more than 100 are held.
  void Add(const std::string& message);
  void Clear() { Entries_.clear(); }

  std::size_t Count() const { return Entries_.size(); }
  const std::string& operator[](std::size_t index) const { return Entries_.at(index); }
  const std::deque<std::string>& Entries() const { return Entries_; }
  // The entries newest first, each followed by CR LF, as the error report lists them.
  std::string Text() const;

 private:
  std::deque<std::string> Entries_;
};

}  // namespace tf
