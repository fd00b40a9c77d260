#include "store/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <map>
#include <sstream>

#include "store/DataFile.h"

namespace tf {
namespace {

constexpr int kAttempts = 20;

std::string HostName() {
  char name[256] = {};
  if (::gethostname(name, sizeof name - 1) != 0) return "an unknown host";
  return name;
}

std::string LocalTimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32] = {};
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

std::string LockContent(const std::string& program) {
  return "program=" + program + "\npid=" + std::to_string(::getpid()) + "\nhost=" + HostName() +
         "\nstarted=" + LocalTimeText() + "\n";
}

// "program (process 4711 on host, since time)" from what the holder wrote;
// "another program" while it has not written it yet.
std::string DescribeHolder(int fd) {
  char buffer[4096];
  const ssize_t n = ::pread(fd, buffer, sizeof buffer, 0);
  std::map<std::string, std::string> values;
  std::istringstream lines(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0));
  for (std::string line; std::getline(lines, line);) {
    const auto equals = line.find('=');
    if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
  }
  if (values["pid"].empty()) return "another program";
  const std::string program = values["program"].empty() ? "a program" : values["program"];
  return program + " (process " + values["pid"] + " on " + values["host"] + ", since " +
         values["started"] + ")";
}

bool SameFile(int fd, const std::string& path) {
  struct stat open {
  }, named{};
  return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

[[noreturn]] void CannotCreate(const std::string& path, int error) {
  throw EFileError("Cannot create file \"" + path + "\". " + std::strerror(error));
}

}  // namespace

EFileLocked::EFileLocked(const std::string& dataPath, const std::string& holder)
    : EFileError("The data file \"" + dataPath + "\" is in use by " + holder + "."),
      DataPath(dataPath),
      Holder(holder) {}

std::string TDataFileLock::LockPathOf(const std::string& dataPath) {
  return ResolveSavePath(dataPath) + ".lock";
}

TDataFileLock::TDataFileLock(const std::string& dataPath, const std::string& program)
    : DataPath_(dataPath), LockPath_(LockPathOf(dataPath)) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const int fd = ::open(LockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) CannotCreate(LockPath_, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      const std::string holder = error == EWOULDBLOCK ? DescribeHolder(fd) : std::string();
      ::close(fd);
      if (error == EWOULDBLOCK) throw EFileLocked(dataPath, holder);
      CannotCreate(LockPath_, error);
    }
    // The holder removes its lock file as it lets go; a lock on a file that
    // is no longer under the name counts for nothing.
    if (!SameFile(fd, LockPath_)) {
      ::close(fd);
      continue;
    }
    const std::string content = LockContent(program);
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, content.data(), content.size(), 0) != static_cast<ssize_t>(content.size())) {
      const int error = errno;
      ::unlink(LockPath_.c_str());
      ::close(fd);
      CannotCreate(LockPath_, error);
    }
    Fd_ = fd;
    return;
  }
  throw EFileLocked(dataPath, "another program that keeps taking and releasing it");
}

TDataFileLock::~TDataFileLock() {
  // Removed while still held, so nobody takes a lock on the old file.
  if (SameFile(Fd_, LockPath_)) ::unlink(LockPath_.c_str());
  ::close(Fd_);
}

}  // namespace tf
