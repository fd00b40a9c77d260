#include "workspace/AccountEntry.h"

#include <algorithm>

#include "base/Formats.h"
#include "model/Account.h"
#include "model/ModelText.h"

namespace tf {
namespace {

const std::int32_t kAccountColours[] = {11366697, 1250231, 12740093, 13937996, 14573824,
                                        14595740, 2215720, 4763379,  47690,    50175,
                                        6080154,  6711039, 8078592,  8651007};

}  // namespace

const std::vector<std::string>& AccountTypeItems() {
  static const std::vector<std::string> items = {
      "Current Account", "Credit Card", "Saving Account", "Home Loan", "Vehicle Loan", "Other"};
  return items;
}

const std::vector<std::string>& AccountColourItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> texts;
    for (std::int32_t colour : kAccountColours) texts.push_back(std::to_string(colour));
    std::sort(texts.begin(), texts.end());
    return texts;
  }();
  return items;
}

TColor AccountColourRgb(std::int32_t stored) {
  const auto bgr = static_cast<std::uint32_t>(stored) & 0xFFFFFF;
  return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

bool IsAccountEntryValid(const std::string& name, int typeIndex) {
  return !Trimmed(name).empty() && typeIndex >= 0;
}

TCurrency StartingBalanceAfterEdit(const TAccount& account, const std::string& loadedText,
                                   const std::string& enteredText) {
  const TCurrency starting = account.FieldAt(TAccount::fStartingBalance)->AsCurrency();
  // The box shows two decimals: a text left as shown is no new balance,
  // even when the exact balance has more decimals.
  if (enteredText == loadedText) return starting;
  const TCurrency entered = ParseAmountCurrency(enteredText, TCurrency{});
  const TCurrency current = account.FieldAt(TAccount::fBalance)->AsCurrency();
  if (entered == current) return starting;
  return entered - TCurrency::FromDouble(account.TotalAmount());
}

}  // namespace tf
