// A column mapping for a bank's CSV file that none of the fixed layouts
// knows: which column holds the date (and in what order), the amount or the
// money in and out, the description and the balance. Saved under a name the
// user gives, so the next statement of that bank reads in two clicks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tf {

enum class TDateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

struct TCsvProfile {
  std::string Name;       // the user's name for it, such as "Capitec"
  std::string AccountID;  // the account it was last used for; may be empty
  char Separator = ',';   // ',', ';' or '\t'
  int SkipLines = 1;      // heading lines before the first row
  int DateColumn = 1;     // columns are counted from 1
  TDateOrder DateOrder = TDateOrder::DayMonthYear;
  int AmountColumn = 0;  // one signed amount; 0 when two columns are used
  int InColumn = 0;      // money in (positive) and out (taken as negative)
  int OutColumn = 0;
  std::vector<int> DescriptionColumns;  // joined by a blank, in this order
  char DecimalSeparator = '.';          // '.' or ','
  int BalanceColumn = 0;                // 0: the file has none
  int ColumnCount = 0;                  // the columns of the file it was made for; 0: unknown
  std::string Heading;                  // that file's last heading line, to know the bank again

  bool TwoAmountColumns() const { return AmountColumn == 0; }
};

// Why the profile cannot read a file, in words for the user; empty when it
// can. The mapping dialog and "tallyfold-cli profile add" both ask this.
std::string ProfileProblem(const TCsvProfile& profile);

// "dmy", "mdy", "ymd", as the command line and the data file spell them.
const char* DateOrderCode(TDateOrder order);
bool TryDateOrderFromCode(std::string_view code, TDateOrder& order);
// "day-month-year" and so on, for the dialog.
const char* DateOrderCaption(TDateOrder order);

// "comma", "semicolon", "tab" for the separators, the character for others.
std::string SeparatorName(char separator);

// "2,3" for the description columns and back; false for anything but
// whole numbers joined by commas.
std::string ColumnListText(const std::vector<int>& columns);
bool TryColumnListFromText(std::string_view text, std::vector<int>& columns);

}  // namespace tf
