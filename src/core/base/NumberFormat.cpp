#include "base/NumberFormat.h"

namespace tf {
namespace {

// The first character of a UTF-8 text with its continuation bytes, so that a
// separator such as a no-break space is not cut in half.
std::string FirstCharacter(const std::string& text) {
  if (text.empty()) return text;
  std::size_t length = 1;
  while (length < text.size() && length < 4 &&
         (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return text.substr(0, length);
}

std::string SeparatorOr(const std::string& text, const char* fallback) {
  return text.empty() ? std::string(fallback) : FirstCharacter(text);
}

}  // namespace

TNumberFormat::TNumberFormat(TPreferenceStore& store) : store_(store) {}

void TNumberFormat::LoadNumberFormat() {
  thousandSeparator_ = SeparatorOr(store_.ReadSetting(kThousandsSetting), ",");
  decimalSeparator_ = SeparatorOr(store_.ReadSetting(kDecimalSetting), ".");
  loaded_ = true;
}

void TNumberFormat::SaveNumberFormat() {
  // Saving before loading would overwrite the stored choice with the defaults.
  EnsureLoaded();
  store_.WriteSetting(kThousandsSetting, thousandSeparator_);
  store_.WriteSetting(kDecimalSetting, decimalSeparator_);
}

std::string TNumberFormat::GetThousandSeparator() {
  EnsureLoaded();
  return thousandSeparator_;
}

std::string TNumberFormat::GetDecimalSeparator() {
  EnsureLoaded();
  return decimalSeparator_;
}

void TNumberFormat::SetThousandSeparator(const std::string& separator) {
  EnsureLoaded();
  thousandSeparator_ = SeparatorOr(separator, ",");
  SaveNumberFormat();
}

void TNumberFormat::SetDecimalSeparator(const std::string& separator) {
  EnsureLoaded();
  decimalSeparator_ = SeparatorOr(separator, ".");
  SaveNumberFormat();
}

std::string TNumberFormat::FormatAmount(double amount) {
  return FormatAmount(TCurrency::FromDouble(amount));
}

std::string TNumberFormat::FormatAmount(TCurrency amount) {
  EnsureLoaded();
  return FormatCurrencyGrouped(amount, thousandSeparator_, decimalSeparator_);
}

void TNumberFormat::EnsureLoaded() {
  if (!loaded_) LoadNumberFormat();
}

}  // namespace tf
