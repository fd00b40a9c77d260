#include "gui/app/CommandLine.h"

namespace tf {

std::vector<std::string> DataFileArguments(const QStringList& arguments) {
  std::vector<std::string> result;
  for (qsizetype i = 1; i < arguments.size(); ++i) result.push_back(arguments[i].toStdString());
  if (result.size() == 1 && !arguments.isEmpty())
    result.insert(result.begin(), arguments.front().toStdString());
  return result;
}

}  // namespace tf
