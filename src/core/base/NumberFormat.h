// The user's number separators ("thousands" and "decimal" preferences) and
// the display form of amounts built from them, used by every grid and label.
#pragma once

#include <string>

#include "base/PreferenceStore.h"
#include "store/Currency.h"

namespace tf {

class TNumberFormat {
 public:
  static constexpr const char* kThousandsSetting = "thousands";
  static constexpr const char* kDecimalSetting = "decimal";

  explicit TNumberFormat(TPreferenceStore& store);

  // Reads both separators; a missing or empty one falls back to "," and "."
  // and a longer text counts by its first character.
  void LoadNumberFormat();
  void SaveNumberFormat();
  bool NumberFormatLoaded() const { return loaded_; }

  std::string GetThousandSeparator();
  std::string GetDecimalSeparator();
  // Each replaces one separator and stores both.
  void SetThousandSeparator(const std::string& separator);
  void SetDecimalSeparator(const std::string& separator);

  // Two decimals, digits grouped by three, "-" before the digits; the amount
  // is first taken to four decimals (halves to even), then to two (halves
  // away from zero). 123456.78 gives "123,456.78" with the defaults.
  std::string FormatAmount(double amount);
  std::string FormatAmount(TCurrency amount);

 private:
  void EnsureLoaded();

  TPreferenceStore& store_;
  std::string thousandSeparator_ = ",";
  std::string decimalSeparator_ = ".";
  bool loaded_ = false;
};

}  // namespace tf
