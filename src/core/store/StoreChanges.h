// Counts of changes to the record store. The structural count covers rows
// and child tables added, removed, moved or sorted, and whole tables read:
// indexes built over row positions (the month index) compare it with the
// count they were built at, so they notice by themselves that the rows moved.
// The content count covers everything a save would write differently: the
// structural changes and every field value, flag or definition set to
// something new. A save compares it with the count the file was written at.
#pragma once

#include <atomic>
#include <cstdint>

namespace tf {

inline std::atomic<std::uint64_t> StoreChangeCounter{0};
inline std::atomic<std::uint64_t> ContentChangeCounter{0};

// A plain load and store: only the one thread that owns a tree changes it, and
// a lost count among racing threads would still leave the count changed.
inline void NoteContentChange() {
  ContentChangeCounter.store(ContentChangeCounter.load(std::memory_order_relaxed) + 1,
                             std::memory_order_relaxed);
}

inline void NoteStoreChange() {
  StoreChangeCounter.fetch_add(1, std::memory_order_relaxed);
  NoteContentChange();
}

inline std::uint64_t StoreChangeCount() {
  return StoreChangeCounter.load(std::memory_order_relaxed);
}

inline std::uint64_t ContentChangeCount() {
  return ContentChangeCounter.load(std::memory_order_relaxed);
}

// A flag of a stored record: setting it to another value counts as a change.
class TStoredFlag {
 public:
  constexpr TStoredFlag(bool value = false) : Value_(value) {}
  TStoredFlag(const TStoredFlag&) = default;
  TStoredFlag& operator=(bool value) {
    if (value != Value_) {
      Value_ = value;
      NoteContentChange();
    }
    return *this;
  }
  TStoredFlag& operator=(const TStoredFlag& other) { return *this = other.Value_; }
  operator bool() const { return Value_; }

 private:
  bool Value_;
};

}  // namespace tf
