#include "workspace/AmountEntry.h"

#include "base/Formats.h"

namespace tf {

bool IsAmountCharacter(char32_t c) {
  // The blank is the thousands separator some users choose.
  return (c >= U'0' && c <= U'9') || c == U'-' || c == U',' || c == U'.' || c == U' ' || c == U'\b';
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

std::string NegatedAmountText(const std::string& text) {
  // Only the sign changes, so "1,234.50" stays grouped as the user sees it.
  if (!IsAmountText(text) || ParseAmountCurrency(text, TCurrency{}) == TCurrency{}) return text;
  std::string negated = text;
  const std::size_t minus = negated.find('-');
  if (minus != std::string::npos) return negated.erase(minus, 1);
  const std::size_t first = negated.find_first_not_of(' ');
  return negated.insert(first == std::string::npos ? 0 : first, 1, '-');
}

}  // namespace tf
