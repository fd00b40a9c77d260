#include "import/StatementFile.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>

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

std::string KindName(mode_t mode) {
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  if (S_ISSOCK(mode)) return "a socket";
  return "no regular file";
}

std::string Mebibytes(std::size_t bytes) {
  return std::to_string(bytes >> 20) + " MiB";
}

// Refuses what is no regular file or too large before a byte is read: a
// named pipe would block and a device would be read without end.
void CheckBeforeReading(const std::string& fileName, const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return;  // opening reports it
  if (!S_ISREG(info.st_mode)) Fail(fileName, "is " + KindName(info.st_mode) + ", not a file.");
  if (static_cast<std::size_t>(info.st_size) > kMaxStatementBytes)
    Fail(fileName, "is larger than the " + Mebibytes(kMaxStatementBytes) +
                       " a statement may have; split it into smaller statements.");
}

std::string ReadAllBytes(const std::string& fileName) {
  const std::filesystem::path path = PathFromUtf8(fileName);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) Fail(fileName, "does not exist.");
  if (std::filesystem::is_directory(path, ec)) Fail(fileName, "is a folder, not a file.");
  CheckBeforeReading(fileName, path);
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) {
    const std::string reason = errno != 0 ? std::strerror(errno) : "access denied";
    Fail(fileName, "cannot be opened (" + reason + "). Check that no other program holds it.");
  }
  std::string bytes;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    // A file that grew while it was read.
    if (bytes.size() > kMaxStatementBytes)
      Fail(fileName, "is larger than the " + Mebibytes(kMaxStatementBytes) +
                         " a statement may have; split it into smaller statements.");
  }
  if (in.bad()) Fail(fileName, "could not be read to the end.");
  return bytes;
}

void CheckLineLengths(std::string_view text, const std::string& fileName) {
  std::size_t start = 0, number = 1;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (end - start > kMaxStatementLineBytes)
      Fail(fileName, "has a line longer than " + Mebibytes(kMaxStatementLineBytes) + " (line " +
                         std::to_string(number) + "); it is no bank statement.");
    start = end + 1;
    ++number;
  }
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

std::vector<std::string> StatementBytesToLines(std::string_view bytes,
                                               const std::string& fileName) {
  try {
    if (bytes.size() > kMaxStatementBytes)
      Fail(fileName, "is larger than the " + Mebibytes(kMaxStatementBytes) +
                         " a statement may have; split it into smaller statements.");
    CheckLineLengths(bytes, fileName);
    return SplitStatementLines(StatementBytesToUtf8(bytes));
  } catch (const std::bad_alloc&) {
    Fail(fileName, "does not fit into the memory available.");
  }
}

std::vector<std::string> ReadStatementLines(const std::string& fileName) {
  try {
    return StatementBytesToLines(ReadAllBytes(fileName), fileName);
  } catch (const std::bad_alloc&) {
    Fail(fileName, "does not fit into the memory available.");
  }
}

}  // namespace tf
