// One writer at a time: a process that may write a data file holds an
// exclusive lock on "<data file>.lock" beside it. The lock is the operating
// system's (flock), so it goes with the process however that ends; the file
// only says who holds it (program, process id, host and since when).
#pragma once

#include <string>

#include "store/StoreError.h"

namespace tf {

// Another process holds the data file; the message names it.
class EFileLocked : public EFileError {
 public:
  EFileLocked(const std::string& dataPath, const std::string& holder);
  std::string DataPath;
  std::string Holder;  // "tallyfold-cli import (process 4711 on pc, since ...)"
};

class TDataFileLock {
 public:
  // Takes the lock of `dataPath` (through its symbolic links) for
  // `program`. EFileLocked when another process holds it, EFileError when
  // the lock file cannot be created.
  TDataFileLock(const std::string& dataPath, const std::string& program);
  // Releases the lock and removes the lock file.
  ~TDataFileLock();
  TDataFileLock(const TDataFileLock&) = delete;
  TDataFileLock& operator=(const TDataFileLock&) = delete;

  const std::string& DataPath() const { return DataPath_; }

  // "<data file>.lock", beside the file the data path links to.
  static std::string LockPathOf(const std::string& dataPath);

 private:
  std::string DataPath_;
  std::string LockPath_;
  int Fd_ = -1;
};

}  // namespace tf
