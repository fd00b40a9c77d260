// What the account editor offers and decides: the six account types, the
// fourteen account colours (stored as 0x00BBGGRR numbers in decimal text),
// the validation, and the current-balance rule that derives the starting
// balance from the balance the user types.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/GridColors.h"
#include "store/Currency.h"

namespace tf {

class TAccount;

// "Current Account", "Credit Card", "Saving Account", "Home Loan",
// "Vehicle Loan", "Other".
const std::vector<std::string>& AccountTypeItems();

// The stored colour numbers as decimal texts, sorted as text.
const std::vector<std::string>& AccountColourItems();

// The 0xRRGGBB colour a stored 0x00BBGGRR number means.
TColor AccountColourRgb(std::int32_t stored);

// A name of more than blanks and a chosen type.
bool IsAccountEntryValid(const std::string& name, int typeIndex);

// The starting balance to store. `loadedText` is the balance as the box
// showed it, `enteredText` what it holds at Ok. When the user changed it to
// another amount, the starting balance becomes that amount minus the live
// transactions' total, so that the running balance arrives at it.
TCurrency StartingBalanceAfterEdit(const TAccount& account, const std::string& loadedText,
                                   const std::string& enteredText);

}  // namespace tf
