#include "store/ValueStream.h"

#include <cstring>

#include "store/BlockDeflater.h"
#include "store/StoreError.h"
#include "store/TextCodec.h"

namespace tf {
namespace {

constexpr std::size_t kWindow = 64 * 1024;

}  // namespace

bool IsAscii(std::string_view text) {
  unsigned char any = 0;
  for (char c : text) any |= static_cast<unsigned char>(c);
  return any < 0x80;
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 0x6 || (c >> 4) == 0xE || (c >> 3) == 0x1E) {
      len = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 4;
      cp = c & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
      bool ok = i + len <= text.size();
      for (std::size_t k = 1; ok && k < len; ++k) {
        const unsigned char cc = static_cast<unsigned char>(text[i + k]);
        ok = (cc & 0xC0) == 0x80;
        cp = (cp << 6) | (cc & 0x3F);
      }
      if (!ok || cp > 0x10FFFF) cp = 0xFFFD, len = 1;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);  // lone surrogates from WTF-8 come back as they were
    }
    i += len;
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    AppendCodePoint(out, c);
  }
  return out;
}

void DoubleToExtended(double value, std::uint8_t out[10]) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, 8);
  const unsigned sign = static_cast<unsigned>(bits >> 63);
  int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t fraction = bits & ((1ULL << 52) - 1);
  std::uint64_t mantissa = 0;
  unsigned biased = 0;
  if (exponent == 0x7FF) {  // infinity or NaN
    biased = 0x7FFF;
    mantissa = (1ULL << 63) | (fraction << 11);
  } else if (exponent == 0 && fraction == 0) {
    biased = 0;
  } else {
    if (exponent == 0) {  // subnormal double: normalise, extended has the range
      exponent = 1;
      while ((fraction & (1ULL << 52)) == 0) fraction <<= 1, --exponent;
      fraction &= (1ULL << 52) - 1;
    }
    biased = static_cast<unsigned>(exponent - 1023 + 16383);
    mantissa = (1ULL << 63) | (fraction << 11);
  }
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  const unsigned top = (sign << 15) | biased;
  out[8] = static_cast<std::uint8_t>(top);
  out[9] = static_cast<std::uint8_t>(top >> 8);
}

double ExtendedToDouble(const std::uint8_t in[10]) {
  std::uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  const unsigned top = in[8] | (in[9] << 8);
  const std::uint64_t sign = static_cast<std::uint64_t>(top >> 15) << 63;
  const int biased = static_cast<int>(top & 0x7FFF);
  auto make = [&](std::uint64_t bits) {
    bits |= sign;
    double d;
    std::memcpy(&d, &bits, 8);
    return d;
  };
  if (biased == 0x7FFF) {
    const std::uint64_t payload = (mantissa << 1) >> 12;  // drop the integer bit
    if ((mantissa << 1) == 0) return make(0x7FFULL << 52);
    return make((0x7FFULL << 52) | (payload ? payload : 1ULL << 51));
  }
  if (mantissa == 0) return make(0);
  // value = mantissa * 2^(e - 63), mantissa normalised so bit 63 is set.
  int e = (biased == 0 ? 1 : biased) - 16383;
  while ((mantissa & (1ULL << 63)) == 0) mantissa <<= 1, --e;
  int shift = 11;                     // 64 bits down to 53
  if (e < -1022) shift += -1022 - e;  // subnormal result
  if (shift > 64) return make(0);
  std::uint64_t kept = shift == 64 ? 0 : mantissa >> shift;
  const std::uint64_t rest = shift == 64 ? mantissa : mantissa & ((1ULL << shift) - 1);
  const std::uint64_t half = 1ULL << (shift - 1);
  if (rest > half || (rest == half && (kept & 1))) ++kept;  // halves to even
  if (e < -1022) {
    // kept may have rounded up into the smallest normal, which the bits express naturally.
    return make(kept);
  }
  if (kept == (1ULL << 53)) kept >>= 1, ++e;
  if (e > 1023) return make(0x7FFULL << 52);
  return make((static_cast<std::uint64_t>(e + 1023) << 52) | (kept & ((1ULL << 52) - 1)));
}

void TStreamWriter::RowBoundary() {
  if (Sink_ == nullptr) return;
  const std::size_t size = Out_.size();
  if (size >= TBlockDeflater::kMinBlock) {
    // Blocks end after rows chosen by their own bytes, so an edit moves no
    // boundary elsewhere and the blocks around it stay the same.
    std::uint64_t hash = 0x9E3779B97F4A7C15ULL;
    const char* row = Out_.data() + RowStart_;
    const std::size_t length = size - RowStart_;
    for (std::size_t i = 0; i + 8 <= length; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, row + i, 8);
      hash = (hash ^ word) * 0x100000001B3ULL;
      hash ^= hash >> 29;
    }
    if ((hash & 63) == 0 || size >= TBlockDeflater::kMaxBlock) {
      Sink_->AddBlock(std::move(Out_));
      Out_ = Sink_->TakeBuffer();
    }
  }
  RowStart_ = Out_.size();
}

void TStreamWriter::WriteLE(std::uint64_t value, int bytes) {
  char buf[8];
  for (int i = 0; i < bytes; ++i) buf[i] = static_cast<char>(value >> (8 * i));
  Out_.append(buf, static_cast<std::size_t>(bytes));
}

void TStreamWriter::WriteInteger(std::int64_t value) {
  if (value >= -128 && value <= 127) {
    Out_.push_back(static_cast<char>(vt::Int8));
    Out_.push_back(static_cast<char>(value));
  } else if (value >= -32768 && value <= 32767) {
    Out_.push_back(static_cast<char>(vt::Int16));
    WriteLE(static_cast<std::uint64_t>(value), 2);
  } else {
    Out_.push_back(static_cast<char>(vt::Int32));
    WriteLE(static_cast<std::uint64_t>(value), 4);
  }
}

void TStreamWriter::WriteText(std::string_view text) {
  if (!IsAscii(text)) {
    Out_.push_back(static_cast<char>(vt::UTF8String));
    WriteLE(text.size(), 4);
  } else if (text.size() <= 255) {
    Out_.push_back(static_cast<char>(vt::String));
    Out_.push_back(static_cast<char>(text.size()));
  } else {
    Out_.push_back(static_cast<char>(vt::LString));
    WriteLE(text.size(), 4);
  }
  Out_.append(text);
}

void TStreamWriter::WriteVariant(const TVariant& value) {
  switch (value.Type()) {
    case TVarType::Empty:
      Out_.push_back(static_cast<char>(vt::Nil));
      return;
    case TVarType::Null:
      Out_.push_back(static_cast<char>(vt::Null));
      return;
    case TVarType::Boolean:
      WriteBool(value.BoolValue());
      return;
    case TVarType::ShortInt:
    case TVarType::Byte:
    case TVarType::SmallInt:
    case TVarType::Word:
    case TVarType::Integer:
      WriteInteger(value.IntValue());
      return;
    case TVarType::LongWord:
    case TVarType::Int64:
      if (value.IntValue() >= INT32_MIN && value.IntValue() <= INT32_MAX) {
        WriteInteger(value.IntValue());
      } else {
        Out_.push_back(static_cast<char>(vt::Int64));
        WriteLE(static_cast<std::uint64_t>(value.IntValue()), 8);
      }
      return;
    case TVarType::Single: {
      Out_.push_back(static_cast<char>(vt::Single));
      const float f = static_cast<float>(value.FloatValue());
      std::uint32_t bits;
      std::memcpy(&bits, &f, 4);
      WriteLE(bits, 4);
      return;
    }
    case TVarType::Double: {
      Out_.push_back(static_cast<char>(vt::Extended));
      std::uint8_t ext[10];
      DoubleToExtended(value.FloatValue(), ext);
      Out_.append(reinterpret_cast<const char*>(ext), 10);
      return;
    }
    case TVarType::Currency:
      Out_.push_back(static_cast<char>(vt::Currency));
      WriteLE(static_cast<std::uint64_t>(value.IntValue()), 8);
      return;
    case TVarType::Date: {
      Out_.push_back(static_cast<char>(vt::Date));
      const double d = value.FloatValue();
      std::uint64_t bits;
      std::memcpy(&bits, &d, 8);
      WriteLE(bits, 8);
      return;
    }
    case TVarType::String:
      WriteText(value.Text());
      return;
    case TVarType::WideString:
      if (IsAscii(value.Text())) {
        WriteText(value.Text());
      } else {
        const std::u16string units = Utf8ToUtf16(value.Text());
        Out_.push_back(static_cast<char>(vt::WString));
        WriteLE(units.size(), 4);
        for (char16_t u : units) WriteLE(u, 2);
      }
      return;
  }
}

std::size_t TMemorySource::Read(std::uint8_t* buffer, std::size_t max) {
  const std::size_t n = std::min(max, Bytes_.size() - Pos_);
  std::memcpy(buffer, Bytes_.data() + Pos_, n);
  Pos_ += n;
  return n;
}

TStreamReader::TStreamReader(TByteSource& source) : Source_(source), Window_(kWindow) {}

void TStreamReader::Fail(const char* what) {
  throw EReadError(what);
}

bool TStreamReader::Ensure(std::size_t count) {
  if (End_ - Pos_ >= count) return true;
  if (Exhausted_) return false;
  if (Pos_ > 0) {
    std::memmove(Window_.data(), Window_.data() + Pos_, End_ - Pos_);
    End_ -= Pos_;
    Pos_ = 0;
  }
  if (Window_.size() < count) Window_.resize(count);
  while (End_ < count) {
    const std::size_t n = Source_.Read(Window_.data() + End_, Window_.size() - End_);
    if (n == 0) {
      Exhausted_ = true;
      return false;
    }
    End_ += n;
  }
  return true;
}

std::uint8_t TStreamReader::ReadByte() {
  if (Pos_ == End_ && !Ensure(1)) Fail("Stream read error");
  return Window_[Pos_++];
}

std::uint64_t TStreamReader::ReadLE(int bytes) {
  if (!Ensure(static_cast<std::size_t>(bytes))) Fail("Stream read error");
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(Window_[Pos_ + i]) << (8 * i);
  Pos_ += static_cast<std::size_t>(bytes);
  return value;
}

std::uint32_t TStreamReader::ReadLength() {
  const std::uint32_t length = static_cast<std::uint32_t>(ReadLE(4));
  if (length > 0x7FFFFFFFu) Fail("Invalid property value");
  return length;
}

void TStreamReader::ReadBytes(std::string& out, std::size_t count) {
  out.clear();
  // Grow only with what actually arrives, so a huge length in a short file
  // fails at its end instead of allocating what it claims.
  while (count > 0) {
    if (Pos_ == End_ && !Ensure(1)) Fail("Stream read error");
    const std::size_t n = std::min(count, End_ - Pos_);
    out.append(reinterpret_cast<const char*>(Window_.data() + Pos_), n);
    Pos_ += n;
    count -= n;
  }
}

bool TStreamReader::ReadBool() {
  return ReadByte() == vt::True;
}

std::int32_t TStreamReader::ReadInteger() {
  switch (ReadByte()) {
    case vt::Int8:
      return static_cast<std::int8_t>(ReadLE(1));
    case vt::Int16:
      return static_cast<std::int16_t>(ReadLE(2));
    case vt::Int32:
      return static_cast<std::int32_t>(ReadLE(4));
    default:
      Fail("Invalid property value");
  }
}

void TStreamReader::ReadText(std::string& out) {
  const std::uint8_t type = ReadByte();
  switch (type) {
    case vt::String:
    case vt::LString: {
      const std::size_t length = type == vt::String ? ReadByte() : ReadLength();
      ReadBytes(out, length);
      if (!IsAscii(out)) out = Windows1252ToUtf8(out);
      return;
    }
    case vt::UTF8String:
      ReadBytes(out, ReadLength());
      return;
    case vt::WString: {
      const std::uint32_t count = ReadLength();
      std::string raw;
      if (count > 0x3FFFFFFFu) Fail("Invalid property value");
      ReadBytes(raw, static_cast<std::size_t>(count) * 2);
      std::u16string units(count, u'\0');
      for (std::uint32_t i = 0; i < count; ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(raw[2 * i]) |
                                         (static_cast<unsigned char>(raw[2 * i + 1]) << 8));
      out = Utf16ToUtf8(units);
      return;
    }
    default:
      Fail("Invalid property value");
  }
}

std::string TStreamReader::ReadText() {
  std::string text;
  ReadText(text);
  return text;
}

TVariant TStreamReader::ReadVariant() {
  if (Pos_ == End_ && !Ensure(1)) Fail("Stream read error");
  const std::uint8_t type = Window_[Pos_];
  switch (type) {
    case vt::String:
    case vt::LString:
      return TVariant::String(ReadText());
    case vt::UTF8String:
    case vt::WString:
      return TVariant::WideString(ReadText());
    default:
      break;
  }
  ++Pos_;
  switch (type) {
    case vt::Null:
      return TVariant::Null();
    case vt::Nil:
      return TVariant::Empty();
    case vt::Int8:
      return TVariant::ShortInt(static_cast<std::int8_t>(ReadLE(1)));
    case vt::Int16:
      return TVariant::SmallInt(static_cast<std::int16_t>(ReadLE(2)));
    case vt::Int32:
      return TVariant::Integer(static_cast<std::int32_t>(ReadLE(4)));
    case vt::Int64:
      return TVariant::Int64(static_cast<std::int64_t>(ReadLE(8)));
    case vt::False:
      return TVariant::Bool(false);
    case vt::True:
      return TVariant::Bool(true);
    case vt::Currency:
      return TVariant::Currency(TCurrency{static_cast<std::int64_t>(ReadLE(8))});
    case vt::Extended: {
      if (!Ensure(10)) Fail("Stream read error");
      const double d = ExtendedToDouble(Window_.data() + Pos_);
      Pos_ += 10;
      return TVariant::Double(d);
    }
    case vt::Single: {
      const std::uint32_t bits = static_cast<std::uint32_t>(ReadLE(4));
      float f;
      std::memcpy(&f, &bits, 4);
      return TVariant::Double(f);
    }
    case vt::Date: {
      const std::uint64_t bits = ReadLE(8);
      double d;
      std::memcpy(&d, &bits, 8);
      return TVariant::Date(d);
    }
    default:
      Fail("Invalid property value");
  }
}

bool TStreamReader::TryConsume(std::string_view bytes) {
  if (!Ensure(bytes.size())) return false;
  if (std::memcmp(Window_.data() + Pos_, bytes.data(), bytes.size()) != 0) return false;
  Pos_ += bytes.size();
  return true;
}

bool TStreamReader::AtEnd() {
  return !Ensure(1);
}

}  // namespace tf
