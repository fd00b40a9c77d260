// The data file on disk: a zlib stream (level 9, window 15, memory level 8)
// of the root's record, read whole and written whole. Writing never leaves a
// half-written file behind: the new file replaces the old one only when it is
// complete on disk.
#pragma once

#include <string>
#include <string_view>

#include <zlib.h>

#include "store/ValueStream.h"

namespace tf {

// The file's bytes; EFileError "Cannot open file "<path>". <reason>".
std::string ReadWholeFile(const std::string& path);

// Writes a temporary file beside `path`, syncs it and renames it over `path`.
// On any failure the old file is untouched and EFileError
// "Cannot create file "<path>". <reason>" is raised.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// One standard zlib stream of `content`, as deflate level 9 writes it.
std::string DeflateContent(std::string_view content);

// Inflates a zlib stream piece by piece for the stream reader.
class TInflateSource : public TByteSource {
 public:
  explicit TInflateSource(std::string_view compressed);
  ~TInflateSource() override;
  TInflateSource(const TInflateSource&) = delete;
  TInflateSource& operator=(const TInflateSource&) = delete;

  std::size_t Read(std::uint8_t* buffer, std::size_t max) override;

 private:
  z_stream Stream_{};
  bool Finished_ = false;
};

}  // namespace tf
