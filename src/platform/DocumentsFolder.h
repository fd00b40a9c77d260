// Where the user keeps documents; the data folder "Tallyfold" is made inside
// it.
#pragma once

#include <string>

namespace tf {

// The documents folder with "/" separators and no trailing one; empty text
// when the system cannot name one.
std::string UserDocumentsFolder();

}  // namespace tf
