// An interned, immutable text. The store repeats the same column names,
// templates and table names in every row; an atom keeps one copy of each and
// compares by pointer.
#pragma once

#include <string>
#include <string_view>

namespace tf {

class TAtom {
 public:
  TAtom();  // the empty text
  explicit TAtom(std::string_view text);

  const std::string& str() const { return *Text_; }
  operator const std::string&() const { return *Text_; }
  bool empty() const { return Text_->empty(); }
  std::size_t size() const { return Text_->size(); }

  friend bool operator==(TAtom a, TAtom b) { return a.Text_ == b.Text_; }
  std::size_t Hash() const { return std::hash<const void*>()(Text_); }

 private:
  const std::string* Text_;
};

}  // namespace tf
