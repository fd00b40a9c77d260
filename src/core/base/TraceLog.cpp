#include "base/TraceLog.h"

namespace tf {

void TTraceLog::Add(const std::string& message) {
  Entries_.push_front(message);
  if (Entries_.size() > kCapacity) Entries_.pop_back();
}

std::string TTraceLog::Text() const {
  std::string text;
  for (const std::string& entry : Entries_) text += entry + "\r\n";
  return text;
}

}  // namespace tf
