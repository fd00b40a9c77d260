// The account a script names: by its "AccountID" or by its name, among the
// accounts without the Deleted mark, with a message the user can act on when
// the name fits none or more than one.
#pragma once

#include <stdexcept>
#include <string>

namespace tf {

class TAccount;

class EAccountNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The live account of the root whose "AccountID" is `wanted`, or else the
// only live one called `wanted`. EAccountNotFound when there is none, or when
// two share the name (the ID then tells them apart).
TAccount& FindAccountByNameOrId(const TAccount& root, const std::string& wanted);

}  // namespace tf
