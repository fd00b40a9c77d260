// The error a user meets when a statement file cannot be opened or read; the
// message names the file and what went wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace tf {

class TStatementFileError : public std::runtime_error {
 public:
  TStatementFileError(const std::string& fileName, const std::string& message)
      : std::runtime_error(message), FileName(fileName) {}

  std::string FileName;
};

}  // namespace tf
