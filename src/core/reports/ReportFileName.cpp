#include "reports/ReportFileName.h"

namespace tf {
namespace {

// From the last "." of the last path component, or empty.
std::string Extension(const std::string& path) {
  const std::size_t dot = path.find_last_of(".\\/:");
  if (dot == std::string::npos || path[dot] != '.') return {};
  return path.substr(dot);
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

std::string ReportFileName(const std::string& chosen) {
  return Upper(Extension(chosen)) == ".HTM" ? chosen : chosen + ".htm";
}

}  // namespace tf
