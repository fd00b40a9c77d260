// The tagged value every field of the record store holds, and the text
// conversions between tags that the whole program relies on. Text is UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "store/Currency.h"
#include "store/DateTime.h"

namespace tf {

enum class TVarType : std::uint8_t {
  Empty,
  Null,
  Boolean,
  ShortInt,
  Byte,
  SmallInt,
  Word,
  Integer,
  LongWord,
  Int64,
  Single,
  Double,
  Currency,
  Date,
  String,
  WideString
};

class TVariant {
 public:
  TVariant() = default;  // Null
  static TVariant Empty() { return TVariant(TVarType::Empty); }
  static TVariant Null() { return TVariant(TVarType::Null); }
  static TVariant Bool(bool value);
  static TVariant ShortInt(std::int8_t value) { return Int(TVarType::ShortInt, value); }
  static TVariant Byte(std::uint8_t value) { return Int(TVarType::Byte, value); }
  static TVariant SmallInt(std::int16_t value) { return Int(TVarType::SmallInt, value); }
  static TVariant Word(std::uint16_t value) { return Int(TVarType::Word, value); }
  static TVariant Integer(std::int32_t value) { return Int(TVarType::Integer, value); }
  static TVariant LongWord(std::uint32_t value) { return Int(TVarType::LongWord, value); }
  static TVariant Int64(std::int64_t value) { return Int(TVarType::Int64, value); }
  static TVariant Single(float value);
  static TVariant Double(double value);
  static TVariant Currency(TCurrency value) { return Int(TVarType::Currency, value.Raw); }
  static TVariant Date(TDateTime value);
  static TVariant String(std::string text);
  // Text that came in as UTF-16; held here as UTF-8 (WTF-8 for lone surrogates).
  static TVariant WideString(std::string utf8);

  TVarType Type() const { return Type_; }
  bool IsNull() const { return Type_ == TVarType::Null; }
  bool IsEmpty() const { return Type_ == TVarType::Empty; }
  bool IsInteger() const;  // ShortInt .. Int64
  bool IsText() const { return Type_ == TVarType::String || Type_ == TVarType::WideString; }

  // Raw payloads; only meaningful for the matching tag.
  std::int64_t IntValue() const { return Int_; }
  double FloatValue() const { return Float_; }
  bool BoolValue() const { return Int_ != 0; }
  TCurrency CurrencyValue() const { return TCurrency{Int_}; }
  const std::string& Text() const { return Text_; }
  std::string TakeText() { return std::move(Text_); }

  // The conversion to text: "True"/"False", shortest money text, 15 digits for
  // floats, "." as decimal separator whatever the user's locale.
  std::string ToText() const;

  friend bool operator==(const TVariant& a, const TVariant& b);

 private:
  explicit TVariant(TVarType type) : Type_(type) {}
  static TVariant Int(TVarType type, std::int64_t value);

  TVarType Type_ = TVarType::Null;
  union {
    std::int64_t Int_ = 0;
    double Float_;
  };
  std::string Text_;
};

// The conversions from text; false when the text does not convert.
bool TryTextToInt32(std::string_view text, std::int32_t& out);
bool TryTextToInt64(std::string_view text, std::int64_t& out);
bool TryTextToDouble(std::string_view text, double& out);
bool TryTextToBool(std::string_view text, bool& out);
// "yyyy-mm-dd", "hh:nn[:ss[.zzz]]" or both separated by a blank.
bool TryTextToDateTime(std::string_view text, TDateTime& out);
bool TryTextToTime(std::string_view text, TDateTime& out);

std::string FloatToText(double value);
std::string DateTimeToText(TDateTime value);

}  // namespace tf
