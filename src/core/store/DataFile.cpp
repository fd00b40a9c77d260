#include "store/DataFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <new>

#include "store/BlockDeflater.h"
#include "store/StoreError.h"

namespace tf {
namespace {

std::string Reason(int error) {
  return std::strerror(error);
}

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

// Closes the descriptor however the function ends.
class TFileDescriptor {
 public:
  explicit TFileDescriptor(int fd) : Fd_(fd) {}
  ~TFileDescriptor() {
    if (Fd_ >= 0) ::close(Fd_);
  }
  TFileDescriptor(const TFileDescriptor&) = delete;
  TFileDescriptor& operator=(const TFileDescriptor&) = delete;
  int Get() const { return Fd_; }

 private:
  int Fd_;
};

std::string KindName(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a named pipe";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  if (S_ISSOCK(mode)) return "a socket";
  return "something else";
}

std::string NotRegular(mode_t mode) {
  return "It is " + KindName(mode) + ", not a regular file.";
}

std::string Mebibytes(off_t size) {
  return std::to_string((static_cast<unsigned long long>(size) + (1u << 20) - 1) >> 20) + " MiB";
}

void ReadInto(std::string& bytes, int fd, const std::string& path) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n == 0) return;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw EFileError("Cannot read file \"" + path + "\". " + Reason(errno));
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

std::string ReadLink(const std::string& link) {
  std::string target(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(link.c_str(), target.data(), target.size());
    if (n < 0) return {};
    if (static_cast<std::size_t>(n) < target.size())
      return target.substr(0, static_cast<std::size_t>(n));
    target.resize(target.size() * 2);
  }
}

std::string BaseNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Refuses to replace what is not a plain, writable file; a missing file is fine.
void CheckReplaceable(const std::string& path, const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0) return;
  if (!S_ISREG(old.st_mode)) CannotCreate(path, NotRegular(old.st_mode));
  // The mode bits first: the superuser passes every access check.
  if ((old.st_mode & 0222) == 0) CannotCreate(path, "The file is read-only.");
  if (::access(target.c_str(), W_OK) != 0) CannotCreate(path, Reason(errno));
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0644 & ~mask;
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
  // Opening without blocking: a named pipe with no writer would wait forever.
  const TFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (fd.Get() < 0) throw EFileError("Cannot open file \"" + path + "\". " + Reason(errno));
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0)
    throw EFileError("Cannot open file \"" + path + "\". " + Reason(errno));
  if (!S_ISREG(info.st_mode))
    throw EFileError("Cannot open file \"" + path + "\". " + NotRegular(info.st_mode));
  ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
  try {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    ReadInto(bytes, fd.Get(), path);
    return bytes;
  } catch (const std::bad_alloc&) {
    throw EFileError("Cannot read file \"" + path + "\". At " + Mebibytes(info.st_size) +
                     " it is too large for the memory available.");
  }
}

std::string ResolveSavePath(const std::string& path) {
  constexpr int kMaxLinks = 40;
  std::string current = path;
  for (int hop = 0; hop < kMaxLinks; ++hop) {
    struct stat info {};
    if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
    std::string target = ReadLink(current);
    if (target.empty()) CannotCreate(path, Reason(errno));
    if (target.front() != '/') target = FolderOf(current) + "/" + target;
    current = std::move(target);
  }
  CannotCreate(path, Reason(ELOOP));
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ResolveSavePath(path);
  CheckReplaceable(path, target);
  std::string temp = target + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) CannotCreate(path, Reason(errno));
  struct stat old {};
  // Keep the permissions the user gave the old file.
  ::fchmod(fd, ::stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : NewFileMode());
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int error = errno;
  if (::close(fd) != 0 || !written) {
    ::unlink(temp.c_str());
    CannotCreate(path, Reason(written ? errno : error));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int renameError = errno;
    ::unlink(temp.c_str());
    CannotCreate(path, Reason(renameError));
  }
  // Make the rename itself durable.
  const int dir = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

int RemoveStaleTemporaries(const std::string& path) {
  const std::string target = ResolveSavePath(path);
  const std::string folder = FolderOf(target);
  const std::string prefix = BaseNameOf(target) + ".tmp-";
  constexpr std::size_t kSuffixLength = 6;  // mkstemp's XXXXXX
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix) != 0)
      continue;
    const std::string stale = folder + "/" + name;
    struct stat info {};
    if (::lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::unlink(stale.c_str()) == 0)
      ++removed;
  }
  ::closedir(dir);
  return removed;
}

std::string DeflateContent(std::string_view content) {
  return TBlockDeflater::Deflate(content);
}

TInflateSource::TInflateSource(std::string_view compressed)
    : Harvest_(TBlockHarvest::Enabled() ? std::make_unique<TBlockHarvest>(compressed) : nullptr) {
  if (inflateInit2(&Stream_, 15) != Z_OK) throw EStoreError("Decompression error");
  Stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  Stream_.avail_in = static_cast<uInt>(std::min<std::size_t>(compressed.size(), UINT_MAX));
  Begin_ = Stream_.next_in;
}

TInflateSource::~TInflateSource() {
  inflateEnd(&Stream_);
}

std::size_t TInflateSource::Read(std::uint8_t* buffer, std::size_t max) {
  if (Finished_ || max == 0) return 0;
  Stream_.next_out = buffer;
  Stream_.avail_out = static_cast<uInt>(std::min<std::size_t>(max, UINT_MAX));
  // Stopping at every deflate block lets the harvest see where blocks end;
  // the buffer is still filled whole, so a fault found further on is met
  // before its content is handed out, as without the stops.
  while (Stream_.avail_out != 0) {
    const Bytef* produced = Stream_.next_out;
    const int result = inflate(&Stream_, Z_BLOCK);
    if (Harvest_)
      Harvest_->AddContent(produced, static_cast<std::size_t>(Stream_.next_out - produced));
    if (result == Z_STREAM_END) {
      Finished_ = true;
      if (Harvest_) Harvest_->Finish();
      break;
    }
    if (result == Z_BUF_ERROR ||
        (result == Z_OK && Stream_.avail_in == 0 && Stream_.avail_out != 0)) {
      throw EStoreError("Decompression error: the data ends before the compressed stream does");
    }
    if (result != Z_OK) {
      throw EStoreError(std::string("Decompression error: ") +
                        (Stream_.msg ? Stream_.msg : "the data is not a zlib stream"));
    }
    // Between two blocks (128), not in the last one (64), no bits left over.
    if (Harvest_ && (Stream_.data_type & (256 | 128 | 64 | 63)) == 128)
      Harvest_->AtBlockBoundary(static_cast<std::size_t>(Stream_.next_in - Begin_));
  }
  return static_cast<std::size_t>(Stream_.next_out - buffer);
}

}  // namespace tf
