#include "import/StatementFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "import/StatementFileError.h"
#include "import/TextEncoding.h"

namespace tf {
namespace {

std::filesystem::path PathFromUtf8(const std::string& name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

[[noreturn]] void Fail(const std::string& fileName, const std::string& what) {
  throw TStatementFileError(fileName, "The statement file \"" + fileName + "\" " + what);
}

std::string ReadAllBytes(const std::string& fileName) {
  const std::filesystem::path path = PathFromUtf8(fileName);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) Fail(fileName, "does not exist.");
  if (std::filesystem::is_directory(path, ec)) Fail(fileName, "is a folder, not a file.");
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    const std::string reason = errno != 0 ? std::strerror(errno) : "access denied";
    Fail(fileName, "cannot be opened (" + reason + "). Check that no other program holds it.");
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) Fail(fileName, "could not be read to the end.");
  return bytes;
}

}  // namespace

std::vector<std::string> SplitStatementLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lineFeed = text.find('\n', start);
    if (lineFeed == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    std::size_t end = lineFeed;
    if (end > start && text[end - 1] == '\r') --end;
    lines.emplace_back(text.substr(start, end - start));
    start = lineFeed + 1;
  }
  return lines;
}

std::vector<std::string> ReadStatementLines(const std::string& fileName) {
  return SplitStatementLines(StatementBytesToUtf8(ReadAllBytes(fileName)));
}

}  // namespace tf
