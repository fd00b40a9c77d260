#include "app/LoadFailure.h"

namespace tf {

std::string LoadFailureMessage(const std::string& dataFilePath) {
  static constexpr const char* kIndent = "\t\t";
  static constexpr const char* kLines[] = {
      "1) You entered the wrong password, in that case close down and try again.",
      "2) The data file called \"data.tfold\" is corrupted, in that case you really",
      "   have a problem. You can delete the file and the program will start with no details",
      "   and you have to start from scratch to capturing transactions and budgets.",
      "3) The data file is located here ",
  };
  std::string text = "One of 2 things could have happened\r\n\r\n";
  for (const char* line : kLines) text += std::string(kIndent) + line + "\r\n";
  return text + kIndent + "   " + dataFilePath;
}

}  // namespace tf
