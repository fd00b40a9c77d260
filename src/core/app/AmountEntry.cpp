#include "app/AmountEntry.h"

#include "app/Formats.h"

namespace tf {

bool IsAmountCharacter(char32_t c) {
  return (c >= U'0' && c <= U'9') || c == U'-' || c == U',' || c == U'.' || c == U'\b';
}

std::string PlainAmountText(TCurrency value, const std::string& decimal) {
  std::string text = CurrencyToText(value);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, decimal);
  return text;
}

std::string PastedAmountText(const std::string& clipboard, const std::string& decimal) {
  return PlainAmountText(ParseAmountCurrency(clipboard, TCurrency{}), decimal);
}

std::string NegatedAmountText(const std::string& text, const std::string& decimal) {
  return PlainAmountText(-ParseAmountCurrency(text, TCurrency{}), decimal);
}

}  // namespace tf
