#include "store/Atom.h"

#include <mutex>
#include <unordered_set>

namespace tf {
namespace {

struct TAtomPool {
  std::mutex Lock;
  // Node-based, so the strings never move; atoms live as long as the process.
  std::unordered_set<std::string> Texts;
};

TAtomPool& Pool() {
  static TAtomPool* pool = new TAtomPool;  // never destroyed: atoms outlive statics
  return *pool;
}

const std::string* EmptyText() {
  static const std::string* empty = &*Pool().Texts.insert(std::string()).first;
  return empty;
}

}  // namespace

TAtom::TAtom() : Text_(EmptyText()) {}

TAtom::TAtom(std::string_view text) {
  if (text.empty()) {
    Text_ = EmptyText();
    return;
  }
  TAtomPool& pool = Pool();
  std::lock_guard<std::mutex> guard(pool.Lock);
  Text_ = &*pool.Texts.emplace(text).first;
}

}  // namespace tf
