// One calendar month of budget lines as the budget page shows it: the lines
// in page order under their "Income" and "Expenses" section rows, each with
// its month's actual amount, the totals below, and the page's commands.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "budgets/BudgetTotals.h"
#include "store/Currency.h"
#include "store/DateTime.h"

namespace tf {

class TBudget;
class TAccount;
class TCategoryList;

enum class TBudgetRowKind { Section, Line, Empty };

// One grid row below the header. Line rows refer to their budget line and
// carry its values as last read; section rows carry only their caption.
struct TBudgetMonthRow {
  TBudgetRowKind Kind = TBudgetRowKind::Empty;
  std::string Section;  // "Income" or "Expenses" on a section row
  TBudget* Line = nullptr;
  bool Income = false;
  std::string Category;
  TCurrency Actual, Budgeted, Difference;  // "Actual", "Max" and Remaining
};

// What Synchronise did: lines added for used categories, empty lines removed.
struct TBudgetSyncResult {
  int Added = 0;
  int Removed = 0;
};

// The years and months "Copy from..." offers: the calendar years from two
// before `today`'s to its own, each with the first days of its twelve months.
struct TBudgetSourceYear {
  int Year = 0;
  std::vector<TDateTime> Months;
};
std::vector<TBudgetSourceYear> CopySourceYears(TDateTime today);

// Works on the root of the data: its accounts, budget table, category list
// and month index.
class TBudgetMonth {
 public:
  static constexpr const char* kColumnCaptions[5] = {"Type", "Category", "Actual", "Budgeted",
                                                     "Difference"};

  // On the root of the data, with its attached category list and month
  // index. Raises std::invalid_argument for a month outside 1..12.
  TBudgetMonth(TAccount& root, int year, int month);

  int Year() const { return Year_; }
  int Month() const { return Month_; }
  // "Mar 2026".
  std::string MonthText() const;

  // Sorts the budget table, lists the month's live lines and sets the
  // "Actual" of each to the month's sum of its exact category.
  void Refresh();
  // The rows below the header: one section row before each section, the
  // lines, and empty rows so that there are always two more rows than lines.
  const std::vector<TBudgetMonthRow>& Rows() const { return Rows_; }
  // The listed lines, in page order.
  std::vector<TBudget*> Lines() const;
  // From the lines' current values, so it follows every edit.
  TBudgetTotals Totals() const { return BudgetTotalsOf(Lines()); }

  // The Budgeted cell edited: "Max" := the amount read from the text, 0 when
  // it holds none. Rows other than line rows are left alone.
  void SetBudgeted(std::size_t row, const std::string& text);
  void SetBudgeted(std::size_t row, TCurrency amount);
  // "Max" := last month's actual amount of the same category, summed anew
  // (and stored in last month's line), made positive; false when the row is
  // no line or last month has no line for the category.
  bool CopyActualFromLastMonth(std::size_t row);
  // Moves a line to the other section, then refreshes.
  void ChangeType(std::size_t row);

  // Create Budget: one line per category is made for this month, copied
  // from `sourceMonth`'s lines unless it is 0, and the lines listed before
  // are deleted. The source is read before anything is deleted, so copying
  // the month onto itself keeps its amounts. Refreshes; returns the number
  // of lines made.
  int CreateBudget(TDateTime sourceMonth);
  // Adds lines for categories used this month that have none and deletes
  // listed lines with nothing actual and nothing budgeted; refreshes.
  TBudgetSyncResult Synchronise();
  // The information message after Synchronise; empty when nothing changed.
  static std::string SyncReport(const TBudgetSyncResult& result);

  // The categories of the listed lines, one per line (for the category
  // selection dialog of "Add new budget item").
  std::string ListedCategories() const;
  // A new line for this month; refreshes and takes a new category into the
  // category list.
  TBudget* AddLine(const std::string& main, const std::string& sub, bool income);

 private:
  void AppendLine(TBudget& line);
  TBudget* LineAt(std::size_t row) const;
  static void ReadLine(TBudgetMonthRow& row);
  TBudget& BudgetTable() const;
  TCategoryList& CategoryList() const;
  TCurrency MonthSum(const std::string& category) const;

  TAccount& Root_;
  int Year_, Month_;
  std::vector<TBudgetMonthRow> Rows_;
};

}  // namespace tf
