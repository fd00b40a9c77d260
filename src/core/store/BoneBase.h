// The base of every record-store object and the owning list the store is
// built from. A list owns its items: removing an item destroys it.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/StoreChanges.h"

namespace tf {

class EListError : public std::out_of_range {
 public:
  explicit EListError(int index)
      : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

class TBoneBase {
 public:
  explicit TBoneBase(TBoneBase* owner = nullptr) : Owner_(owner) {}
  TBoneBase* Owner() const { return Owner_; }
  void SetOwner(TBoneBase* owner) { Owner_ = owner; }

 protected:
  ~TBoneBase() = default;  // never deleted through the base

 private:
  TBoneBase* Owner_;
};

// Items are held by pointer so that references to them stay valid while the
// list grows, sorts or moves them.
template <class T>
class TBoneBaseList : public TBoneBase {
 public:
  explicit TBoneBaseList(TBoneBase* owner = nullptr) : TBoneBase(owner) {}

  int Count() const { return static_cast<int>(Items_.size()); }
  T* GetItem(int index) const {
    return index < 0 || index >= Count() ? nullptr : Items_[static_cast<std::size_t>(index)].get();
  }
  void Move(int from, int to) {
    CheckIndex(from);
    CheckIndex(to);
    NoteStoreChange();
    auto item = std::move(Items_[static_cast<std::size_t>(from)]);
    Items_.erase(Items_.begin() + from);
    Items_.insert(Items_.begin() + to, std::move(item));
  }
  T* Add(std::unique_ptr<T> item) {
    NoteStoreChange();
    Items_.push_back(std::move(item));
    return Items_.back().get();
  }
  void Clear() {
    NoteStoreChange();
    Items_.clear();
  }
  int Remove(const T* item) {
    NoteStoreChange();
    for (std::size_t i = 0; i < Items_.size(); ++i) {
      if (Items_[i].get() == item) {
        Items_.erase(Items_.begin() + static_cast<std::ptrdiff_t>(i));
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  void Delete(int index) {
    CheckIndex(index);
    NoteStoreChange();
    Items_.erase(Items_.begin() + index);
  }
  void Reserve(std::size_t count) { Items_.reserve(count); }

  // Whoever takes the items to change them (a sort) changes the positions.
  std::vector<std::unique_ptr<T>>& Items() {
    NoteStoreChange();
    return Items_;
  }
  const std::vector<std::unique_ptr<T>>& Items() const { return Items_; }

 private:
  void CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(index);
  }
  std::vector<std::unique_ptr<T>> Items_;
};

}  // namespace tf
