// The value stream of the data file: one type byte per value, little-endian
// payloads, no padding. The writer appends to memory; the reader pulls from a
// byte source (a file's inflated content or a buffer) through a small window.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/Variant.h"

namespace tf {

namespace vt {
constexpr std::uint8_t Null = 0x00, Int8 = 0x02, Int16 = 0x03, Int32 = 0x04, Extended = 0x05,
                       String = 0x06, False = 0x08, True = 0x09, LString = 0x0C, Nil = 0x0D,
                       Single = 0x0F, Currency = 0x10, Date = 0x11, WString = 0x12, Int64 = 0x13,
                       UTF8String = 0x14;
}

// x87 80-bit extended real, exact in both directions for every double.
void DoubleToExtended(double value, std::uint8_t out[10]);
double ExtendedToDouble(const std::uint8_t in[10]);

// UTF-8 (WTF-8 for lone surrogates) and UTF-16 code units.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
bool IsAscii(std::string_view text);

class TBlockDeflater;

class TStreamWriter {
 public:
  explicit TStreamWriter(std::string& out) : Out_(out) {}

  // Hands finished pieces of content to `sink` at row boundaries, so the
  // content never has to exist in memory as a whole.
  void SetBlockSink(TBlockDeflater* sink) { Sink_ = sink; }
  // Called before each row; may pass the content so far on to the sink.
  void RowBoundary();

  void WriteBool(bool value) { Out_.push_back(static_cast<char>(value ? vt::True : vt::False)); }
  void WriteInteger(std::int64_t value);
  void WriteText(std::string_view text);
  void WriteVariant(const TVariant& value);
  void WriteRaw(std::string_view bytes) { Out_.append(bytes); }

 private:
  void WriteLE(std::uint64_t value, int bytes);
  std::string& Out_;
  TBlockDeflater* Sink_ = nullptr;
  std::size_t RowStart_ = 0;
};

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Up to `max` bytes into `buffer`; 0 only at the end of the content.
  virtual std::size_t Read(std::uint8_t* buffer, std::size_t max) = 0;
};

class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::string_view bytes) : Bytes_(bytes) {}
  std::size_t Read(std::uint8_t* buffer, std::size_t max) override;

 private:
  std::string_view Bytes_;
  std::size_t Pos_ = 0;
};

class TStreamReader {
 public:
  explicit TStreamReader(TByteSource& source);

  bool ReadBool();
  std::int32_t ReadInteger();
  std::string ReadText();
  void ReadText(std::string& out);
  TVariant ReadVariant();
  // Consumes `bytes` when the stream continues with exactly them.
  bool TryConsume(std::string_view bytes);
  // True when the content has been read to its end.
  bool AtEnd();

 private:
  std::uint8_t ReadByte();
  std::uint64_t ReadLE(int bytes);
  std::uint32_t ReadLength();
  void ReadBytes(std::string& out, std::size_t count);
  // Makes at least `count` bytes available in the window, false at the end.
  bool Ensure(std::size_t count);
  [[noreturn]] void Fail(const char* what);

  TByteSource& Source_;
  std::vector<std::uint8_t> Window_;
  std::size_t Pos_ = 0, End_ = 0;
  bool Exhausted_ = false;
};

}  // namespace tf
