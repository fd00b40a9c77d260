#include "budgets/BudgetMonth.h"

#include <stdexcept>

#include "base/CategoryList.h"
#include "base/Formats.h"
#include "model/Account.h"
#include "model/Budget.h"

namespace tf {
namespace {

void SetMoney(TBudget& line, int field, TCurrency value) {
  line.FieldAt(field)->SetValue(TVariant::Currency(value));
}

TBudgetMonthRow SectionRow(const char* caption) {
  TBudgetMonthRow row;
  row.Kind = TBudgetRowKind::Section;
  row.Section = caption;
  return row;
}

}  // namespace

std::vector<TBudgetSourceYear> CopySourceYears(TDateTime today) {
  int year = 0, month = 0, day = 0;
  DecodeDate(today, year, month, day);
  std::vector<TBudgetSourceYear> years;
  for (int y = year - 2; y <= year; ++y) {
    TBudgetSourceYear& source = years.emplace_back();
    source.Year = y;
    for (int m = 1; m <= 12; ++m) source.Months.push_back(EncodeDate(y, m, 1));
  }
  return years;
}

TBudgetMonth::TBudgetMonth(TAccount& root, int year, int month)
    : Root_(root), Year_(year), Month_(month) {
  if (month < 1 || month > 12) {
    throw std::invalid_argument("A budget month must be a month from 1 to 12, not " +
                                std::to_string(month) + ".");
  }
}

TCategoryList& TBudgetMonth::CategoryList() const {
  TCategoryList* list = Root_.Categories();
  if (list == nullptr) throw std::logic_error("The data has no category list.");
  return *list;
}

TBudget& TBudgetMonth::BudgetTable() const {
  TBudget* table = Root_.BudgetTable();
  if (table == nullptr) throw std::logic_error("The data has no budget table.");
  return *table;
}

// The month's signed sum of the income and expense transactions whose
// category is exactly `category`, to the ten-thousandth.
TCurrency TBudgetMonth::MonthSum(const std::string& category) const {
  return TCurrency::FromDouble(Root_.SumCategory(Year_, Month_, 0, category, false));
}

std::string TBudgetMonth::MonthText() const {
  return std::string(ShortMonthName(Month_)) + " " + std::to_string(Year_);
}

void TBudgetMonth::Refresh() {
  TBudget& table = BudgetTable();
  table.SortBudgets();
  Rows_.clear();
  const TBudget* previous = nullptr;
  int count = 0;
  for (int i = 0; i < table.RowCount(); ++i) {
    TBudget* line = table.BudgetAt(i);
    if (line == nullptr || line->Deleted || line->FieldAt(TBudget::fYear)->AsInteger() != Year_ ||
        line->FieldAt(TBudget::fMonth)->AsInteger() != Month_) {
      continue;
    }
    const bool income = line->FieldAt(TBudget::fIncome)->AsBool();
    const bool previousIncome = previous && previous->FieldAt(TBudget::fIncome)->AsBool();
    if (income && previous == nullptr) Rows_.push_back(SectionRow("Income"));
    if (!income && (previous == nullptr || previousIncome)) Rows_.push_back(SectionRow("Expenses"));
    AppendLine(*line);
    previous = line;
    ++count;
  }
  // The grid always has room for both section rows.
  while (Rows_.size() < static_cast<std::size_t>(count) + 2) Rows_.emplace_back();
}

void TBudgetMonth::AppendLine(TBudget& line) {
  SetMoney(line, TBudget::fActual, MonthSum(line.FieldAt(TBudget::fCategoryName)->AsString()));
  TBudgetMonthRow row;
  row.Kind = TBudgetRowKind::Line;
  row.Line = &line;
  ReadLine(row);
  Rows_.push_back(std::move(row));
}

void TBudgetMonth::ReadLine(TBudgetMonthRow& row) {
  const TBudget& line = *row.Line;
  row.Income = line.FieldAt(TBudget::fIncome)->AsBool();
  row.Category = line.FieldAt(TBudget::fCategoryName)->AsString();
  row.Actual = line.FieldAt(TBudget::fActual)->AsCurrency();
  row.Budgeted = line.FieldAt(TBudget::fMax)->AsCurrency();
  // Remaining works on exact money values, so its double is exact to far
  // below a ten-thousandth.
  row.Difference = TCurrency::FromDouble(line.Remaining());
}

std::vector<TBudget*> TBudgetMonth::Lines() const {
  std::vector<TBudget*> lines;
  for (const TBudgetMonthRow& row : Rows_) {
    if (row.Kind == TBudgetRowKind::Line) lines.push_back(row.Line);
  }
  return lines;
}

TBudget* TBudgetMonth::LineAt(std::size_t row) const {
  return row < Rows_.size() && Rows_[row].Kind == TBudgetRowKind::Line ? Rows_[row].Line : nullptr;
}

void TBudgetMonth::SetBudgeted(std::size_t row, const std::string& text) {
  TBudget* line = LineAt(row);
  if (line == nullptr) return;
  SetBudgeted(row, ParseAmountCurrency(text, TCurrency{}));
}

void TBudgetMonth::SetBudgeted(std::size_t row, TCurrency amount) {
  TBudget* line = LineAt(row);
  if (line == nullptr) return;
  SetMoney(*line, TBudget::fMax, amount);
  ReadLine(Rows_[row]);
}

bool TBudgetMonth::CopyActualFromLastMonth(std::size_t row) {
  TBudget* line = LineAt(row);
  if (line == nullptr) return false;
  const int year = Month_ == 1 ? Year_ - 1 : Year_;
  const int month = Month_ == 1 ? 12 : Month_ - 1;
  const std::string category = line->FieldAt(TBudget::fCategoryName)->AsString();
  TBudget* last = BudgetTable().FindBudget(year, month, category);
  if (last == nullptr) return false;
  // The stored "Actual" is only as new as the last time that month was
  // shown; transactions changed since then count too.
  TCurrency value = TCurrency::FromDouble(Root_.SumCategory(year, month, 0, category, false));
  SetMoney(*last, TBudget::fActual, value);
  if (value < TCurrency{}) value = -value;
  SetMoney(*line, TBudget::fMax, value);
  ReadLine(Rows_[row]);
  return true;
}

void TBudgetMonth::ChangeType(std::size_t row) {
  TBudget* line = LineAt(row);
  if (line == nullptr) return;
  line->FieldAt(TBudget::fIncome)
      ->SetValue(TVariant::Bool(!line->FieldAt(TBudget::fIncome)->AsBool()));
  Refresh();
}

int TBudgetMonth::CreateBudget(TDateTime sourceMonth) {
  // The old lines stay live while the new ones are made: the source may be
  // this very month, and the first live line of a category is the old one.
  const std::vector<TBudget*> old = Lines();
  const int added = BudgetTable().CreateMonth(EncodeDate(Year_, Month_, 1), sourceMonth);
  for (TBudget* line : old) line->Deleted = true;
  Refresh();
  return added;
}

TBudgetSyncResult TBudgetMonth::Synchronise() {
  TBudgetSyncResult result;
  TBudget& table = BudgetTable();
  for (const std::string& category : CategoryList().Entries()) {
    if (table.FindBudget(Year_, Month_, category) != nullptr) continue;
    const TCurrency sum = MonthSum(category);
    if (sum == TCurrency{}) continue;
    TBudget* line = table.NewBudget();
    line->FieldAt(TBudget::fCategoryName)->SetValue(TVariant::String(category));
    line->AssignNewId();
    line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(Year_));
    line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(Month_));
    SetMoney(*line, TBudget::fActual, sum);
    ++result.Added;
  }
  // Only the lines listed before: the ones just added are not listed yet.
  for (TBudget* line : Lines()) {
    if (line->FieldAt(TBudget::fActual)->AsCurrency() == TCurrency{} &&
        line->FieldAt(TBudget::fMax)->AsCurrency() == TCurrency{}) {
      line->Deleted = true;
      ++result.Removed;
    }
  }
  Refresh();
  return result;
}

std::string TBudgetMonth::SyncReport(const TBudgetSyncResult& result) {
  if (result.Added <= 0 && result.Removed <= 0) return {};
  std::string text = "Report\r\n\r\nThe following actions has occured\r\n\r\n";
  if (result.Added > 0) text += std::to_string(result.Added) + " Item(s) was added\r\n";
  if (result.Removed > 0) text += std::to_string(result.Removed) + " Item(s) was removed\r\n";
  return text;
}

std::string TBudgetMonth::ListedCategories() const {
  std::string text;
  for (const TBudgetMonthRow& row : Rows_) {
    if (row.Kind == TBudgetRowKind::Line) text += row.Category + "\r\n";
  }
  return text;
}

TBudget* TBudgetMonth::AddLine(const std::string& main, const std::string& sub, bool income) {
  TBudget* line = BudgetTable().NewBudget();
  line->AssignNewId();
  line->FieldAt(TBudget::fCategoryName)->SetValue(TVariant::String(JoinCategory(main, sub)));
  line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(Year_));
  line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(Month_));
  line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(income));
  Refresh();
  Root_.RebuildCategoryList();
  return line;
}

}  // namespace tf
