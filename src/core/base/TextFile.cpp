#include "base/TextFile.h"

#include "base/ListText.h"
#include "store/DataFile.h"

namespace tf {

void SaveTextToFile(const std::string& text, const std::string& path) {
  WriteFileAtomically(path, ToLinesText(ParseLinesText(text)));
}

}  // namespace tf
