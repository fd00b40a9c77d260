#include "store/DataFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "store/BlockDeflater.h"
#include "store/StoreError.h"

namespace tf {
namespace {

std::string Reason(int error) { return std::strerror(error); }

[[noreturn]] void CannotCreate(const std::string& path, const std::string& reason) {
  throw EFileError("Cannot create file \"" + path + "\". " + reason);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw EFileError("Cannot open file \"" + path + "\". " + Reason(errno));
  std::string bytes;
  struct stat info{};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) bytes.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      throw EFileError("Cannot read file \"" + path + "\". " + Reason(error));
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string temp = path + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) CannotCreate(path, Reason(errno));
  struct stat old{};
  // Keep the permissions the user gave the old file.
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  else ::fchmod(fd, 0644 & ~[] { mode_t m = ::umask(0); ::umask(m); return m; }());
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int error = errno;
  if (::close(fd) != 0 || !written) {
    ::unlink(temp.c_str());
    CannotCreate(path, Reason(written ? errno : error));
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int renameError = errno;
    ::unlink(temp.c_str());
    CannotCreate(path, Reason(renameError));
  }
  // Make the rename itself durable.
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

std::string DeflateContent(std::string_view content) { return TBlockDeflater::Deflate(content); }

TInflateSource::TInflateSource(std::string_view compressed) {
  if (inflateInit2(&Stream_, 15) != Z_OK) throw EStoreError("Decompression error");
  Stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  Stream_.avail_in = static_cast<uInt>(std::min<std::size_t>(compressed.size(), UINT_MAX));
}

TInflateSource::~TInflateSource() { inflateEnd(&Stream_); }

std::size_t TInflateSource::Read(std::uint8_t* buffer, std::size_t max) {
  if (Finished_ || max == 0) return 0;
  Stream_.next_out = buffer;
  Stream_.avail_out = static_cast<uInt>(std::min<std::size_t>(max, UINT_MAX));
  while (Stream_.avail_out == static_cast<uInt>(std::min<std::size_t>(max, UINT_MAX))) {
    const int result = inflate(&Stream_, Z_NO_FLUSH);
    if (result == Z_STREAM_END) {
      Finished_ = true;
      break;
    }
    if (result == Z_BUF_ERROR || (result == Z_OK && Stream_.avail_in == 0 &&
                                  Stream_.avail_out != 0)) {
      throw EStoreError("Decompression error: the data ends before the compressed stream does");
    }
    if (result != Z_OK) {
      throw EStoreError(std::string("Decompression error: ") +
                        (Stream_.msg ? Stream_.msg : "the data is not a zlib stream"));
    }
  }
  return static_cast<std::size_t>(Stream_.next_out - buffer);
}

}  // namespace tf
