// A count of structural changes to the record store: rows and child tables
// added, removed, moved or sorted, and whole tables read. Indexes built over
// row positions (the month index) compare it with the count they were built
// at, so they notice by themselves that the rows moved.
#pragma once

#include <atomic>
#include <cstdint>

namespace tf {

inline std::atomic<std::uint64_t> StoreChangeCounter{0};

inline void NoteStoreChange() {
  StoreChangeCounter.fetch_add(1, std::memory_order_relaxed);
}

inline std::uint64_t StoreChangeCount() {
  return StoreChangeCounter.load(std::memory_order_relaxed);
}

}  // namespace tf
