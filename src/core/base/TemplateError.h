// Raised when a document asks for a template the program does not contain;
// the document is then not produced.
#pragma once

#include <stdexcept>
#include <string>

namespace tf {

class TTemplateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace tf
