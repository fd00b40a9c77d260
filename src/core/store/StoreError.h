// Errors of reading and writing the data file. The message names the file
// and says what went wrong; the caller shows it to the user.
#pragma once

#include <stdexcept>
#include <string>

namespace tf {

class EStoreError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value of the wrong type where the format wants another ("Invalid property value").
class EReadError : public EStoreError {
 public:
  using EStoreError::EStoreError;
};

class EFileError : public EStoreError {
 public:
  using EStoreError::EStoreError;
};

}  // namespace tf
