// The data file on disk: a zlib stream (level 9, window 15, memory level 8)
// of the root's record, read whole and written whole. Writing never leaves a
// half-written file behind: the new file replaces the old one only when it is
// complete on disk.
#pragma once

#include <zlib.h>

#include <memory>
#include <string>
#include <string_view>

#include "store/ValueStream.h"

namespace tf {

// The file's bytes; EFileError "Cannot open file "<path>". <reason>". Only a
// regular file is read: a named pipe or a device is refused by its kind
// instead of blocking or reading without end, and a file larger than the
// memory available is refused with its name.
std::string ReadWholeFile(const std::string& path);

// The file a save of `path` replaces: `path` itself, or the end of its chain
// of symbolic links, so that a linked data file stays a link.
std::string ResolveSavePath(const std::string& path);

// Writes a temporary file beside the file `path` names (through its links),
// syncs it and renames it over that file. A file that is read-only or is no
// regular file is refused. On any failure the old file is untouched and
// EFileError "Cannot create file "<path>". <reason>" is raised.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files that saves of `path` left behind when they were
// killed before their rename. Only the one process that may write the file
// calls it. The number removed.
int RemoveStaleTemporaries(const std::string& path);

// One standard zlib stream of `content`, as deflate level 9 writes it.
std::string DeflateContent(std::string_view content);

class TBlockHarvest;

// Inflates a zlib stream piece by piece for the stream reader. On the way it
// learns the stream's blocks for the next save (TBlockHarvest).
class TInflateSource : public TByteSource {
 public:
  explicit TInflateSource(std::string_view compressed);
  ~TInflateSource() override;
  TInflateSource(const TInflateSource&) = delete;
  TInflateSource& operator=(const TInflateSource&) = delete;

  std::size_t Read(std::uint8_t* buffer, std::size_t max) override;

 private:
  z_stream Stream_{};
  const Bytef* Begin_ = nullptr;
  std::unique_ptr<TBlockHarvest> Harvest_;
  bool Finished_ = false;
};

}  // namespace tf
