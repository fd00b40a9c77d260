#include "model/Transactions.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <vector>

#include "base/CategoryList.h"
#include "base/Formats.h"
#include "base/Guid.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/ModelText.h"
#include "model/MoneySum.h"
#include "model/MonthIndex.h"
#include "model/PatternMatcher.h"

namespace tf {
namespace {

const std::vector<const TFieldDefNode*>& Columns() {
  static const auto schema = BuildSchema({
      {"TransactionID", TBoneFieldKind::String, TVariant::String(""), true, true},
      {"Date", TBoneFieldKind::String, TVariant::String("")},
      {"Description", TBoneFieldKind::String, TVariant::String("")},
      {"Category", TBoneFieldKind::String, TVariant::String("")},
      {"Amount", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"Balance", TBoneFieldKind::Money, TVariant::ShortInt(0)},
      {"RawLineData", TBoneFieldKind::String, TVariant::String("")},
      {"TransactionType", TBoneFieldKind::Integer, TVariant::ShortInt(1), false},
      {"SortOrder", TBoneFieldKind::Integer, TVariant::ShortInt(0), false},
      {"ParentTransactionID", TBoneFieldKind::String, TVariant::String("")},
      {"LockedForAutoMatching", TBoneFieldKind::Bool, TVariant::Bool(false)},
  });
  return schema;
}

const char* const kTypeNames[4] = {"Income", "Expense", "Transfer", "Deposit"};
const char* const kOfxTypes[4] = {"CREDIT", "DEBIT", "CREDIT", "DEBIT"};

// Year, month or day 0 admits any.
bool DateMatches(const TTransactions& row, int year, int month, int day) {
  if (year == 0 && month == 0 && day == 0) return true;
  int y, m, d;
  row.DecodedDate(y, m, d);
  return (year == 0 || year == y) && (month == 0 || month == m) && (day == 0 || day == d);
}

bool SelectorAdmits(const std::string& category, const std::string& selector, bool mainCategory) {
  if (selector == kSelectAllCategories || category == selector) return true;
  if (mainCategory && MainCategoryPart(category) == selector) return true;
  return selector == kSelectUncategorised && category.empty();
}

// Which selectors admit a category, for many selectors at once; the same
// rules as SelectorAdmits.
class TSelectorSet {
 public:
  TSelectorSet(const std::vector<std::string>& selectors, bool mainCategory)
      : MainCategory_(mainCategory) {
    for (std::size_t i = 0; i < selectors.size(); ++i) {
      ByText_[selectors[i]].push_back(i);
      if (selectors[i] == kSelectAllCategories) All_.push_back(i);
      if (selectors[i] == kSelectUncategorised) Uncategorised_.push_back(i);
    }
  }

  // The indexes of the selectors that admit `category`, each once. A table
  // has a few dozen categories over many rows: each is worked out once.
  const std::vector<std::size_t>& Admitting(const std::string& category) {
    const auto known = Memo_.find(std::string_view(category));
    if (known != Memo_.end()) return known->second;
    Found_.assign(All_.begin(), All_.end());
    Append(category);
    if (MainCategory_) {
      const std::string_view main = MainCategoryPart(category);
      if (main != category) Append(main);
    }
    if (category.empty()) Found_.insert(Found_.end(), Uncategorised_.begin(), Uncategorised_.end());
    if (Found_.size() > 1) {
      std::sort(Found_.begin(), Found_.end());
      Found_.erase(std::unique(Found_.begin(), Found_.end()), Found_.end());
    }
    return Memo_.emplace(category, Found_).first->second;
  }

 private:
  // Looked up by view, so a row's main part needs no copy.
  struct THash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
      return std::hash<std::string_view>{}(text);
    }
  };

  void Append(std::string_view text) {
    const auto found = ByText_.find(text);
    if (found != ByText_.end())
      Found_.insert(Found_.end(), found->second.begin(), found->second.end());
  }

  bool MainCategory_;
  std::unordered_map<std::string, std::vector<std::size_t>, THash, std::equal_to<>> ByText_, Memo_;
  std::vector<std::size_t> All_, Uncategorised_, Found_;
};

}  // namespace

TTransactions::TEditor& TTransactions::Editor() {
  static TEditor editor;
  return editor;
}

TTransactions::TTransactions(TBone* owner, TBoneKind kind) : TBone(owner, kind) {
  SetClassTag(kClassTag);
  static const TAtom name("Transactions");
  SetName(name);
  static const TAtom display("Description ( Category )");
  SetDisplayTemplate(display);
  AddDefinedFields(Fields(), Columns());
}

TBone* TTransactions::NewRow(TBoneKind kind) {
  return AddRow(std::make_unique<TTransactions>(this, kind));
}

bool TTransactions::Edit(void* ownerWindow) {
  if (!Editor() || !Editor()(*this, ownerWindow)) return false;
  if (FieldAt(fTransactionID)->AsString().empty()) AssignNewId();
  SetModified(true);
  return true;
}

TTransactions* TTransactions::NewTransaction(TBoneKind kind) {
  return static_cast<TTransactions*>(NewRow(kind));
}

TTransactions* TTransactions::TransactionAt(int index) const {
  return BoneAs<TTransactions>(RowAt(index));
}

double TTransactions::DateValue() const {
  if (DateCache_ == 0) {
    std::string scratch;
    DateCache_ = ParseStatementDate(FieldText(FieldAt(fDate), scratch));
    DecodeDate(DateCache_, CachedYear_, CachedMonth_, CachedDay_);
  }
  return DateCache_;
}

void TTransactions::DecodedDate(int& year, int& month, int& day) const {
  DateValue();
  year = CachedYear_;
  month = CachedMonth_;
  day = CachedDay_;
}

void TTransactions::AssignNewId() {
  FieldAt(fTransactionID)->SetValue(TVariant::String(NewGuid()));
}

int TTransactions::GetTransactionType() const {
  const int code = FieldInteger(FieldAt(fTransactionType));
  return code > 3 ? ttExpense : code;
}

void TTransactions::SetTransactionType(int code) {
  FieldAt(fTransactionType)->SetValue(TVariant::Integer(code));
}

std::string TTransactions::TransactionTypeName() const {
  const int code = GetTransactionType();
  return code >= 0 && code < 4 ? kTypeNames[code] : "";
}

int TTransactions::TransactionTypeFromName(const std::string& name) {
  const std::string_view word = Trimmed(name);
  for (int code = 0; code < 4; ++code)
    if (SameIgnoringCase(word, kTypeNames[code])) return code;
  return ttExpense;
}

std::string TTransactions::OfxTransactionType() const {
  const int code = GetTransactionType();
  return code >= 0 && code < 4 ? kOfxTypes[code] : "";
}

const std::string* TTransactions::OwnerAccountIdText() const {
  if (Kind() == TBoneKind::Single) {
    const auto* table = BoneAs<TTransactions>(OwnerBone());
    return table ? table->OwnerAccountIdText() : nullptr;
  }
  const auto* account = BoneAs<TAccount>(OwnerBone());
  return account ? account->FieldAt(TAccount::fAccountID)->TextOrNull() : nullptr;
}

std::string TTransactions::OwnerAccountId() const {
  const std::string* id = OwnerAccountIdText();
  return id ? *id : std::string();
}

std::string TTransactions::CompactId() const {
  std::string scratch;
  return WithoutIdPunctuation(FieldText(FieldAt(fTransactionID), scratch));
}

std::string TTransactions::MainCategory() const {
  return MainCategoryOf(FieldAt(fCategory)->AsString());
}

std::string TTransactions::SubCategory() const {
  return SubCategoryOf(FieldAt(fCategory)->AsString());
}

int TTransactions::CompareTransactions(const TBone* a, const TBone* b) {
  const auto* x = BoneAs<TTransactions>(a);
  const auto* y = BoneAs<TTransactions>(b);
  if (x == nullptr || y == nullptr) return 0;
  const double dayX = DateOf(x->DateValue()), dayY = DateOf(y->DateValue());
  if (dayX != dayY) return dayX < dayY ? -1 : 1;
  const int orderX = FieldInteger(x->FieldAt(fSortOrder));
  const int orderY = FieldInteger(y->FieldAt(fSortOrder));
  return orderX < orderY ? -1 : (orderX > orderY ? 1 : 0);
}

// The keys are read once per row rather than once per comparison.
void TTransactions::SortTransactions() {
  auto& items = Rows().Items();
  const bool allRows = std::all_of(items.begin(), items.end(), [](const auto& item) {
    return BoneAs<TTransactions>(item.get()) != nullptr;
  });
  if (!allRows) {
    SortRows(CompareTransactions);
    return;
  }
  struct TKeyed {
    double Day;
    int Order;
    std::unique_ptr<TBone> Row;
  };
  std::vector<TKeyed> keyed;
  keyed.reserve(items.size());
  for (auto& item : items) {
    const auto* row = static_cast<const TTransactions*>(item.get());
    keyed.push_back(
        {DateOf(row->DateValue()), FieldInteger(row->FieldAt(fSortOrder)), std::move(item)});
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const TKeyed& a, const TKeyed& b) {
    return a.Day != b.Day ? a.Day < b.Day : a.Order < b.Order;
  });
  for (std::size_t i = 0; i < keyed.size(); ++i) items[i] = std::move(keyed[i].Row);
}

bool TTransactions::PassesRowTest(int year, int month, int day, int type) const {
  // The date first: it is cached in the row, where the type is in its fields.
  return !Deleted && DateMatches(*this, year, month, day) && GetTransactionType() == type;
}

// With a year and a month, only that month's rows through the month index,
// rebuilt first when rows have changed since it was built. A range that still
// runs past the table visits nothing rather than the wrong rows.
std::pair<int, int> TTransactions::RowsToVisit(int year, int month) const {
  const int count = RowCount();
  if (year == 0 || month == 0) return {0, count - 1};
  const TAccount* root = TAccount::RootOf(this);
  TMonthIndex* index = root != nullptr ? root->MonthIndex() : nullptr;
  if (index == nullptr) return {0, count - 1};
  index->Build(*root, true);
  const std::string* id = OwnerAccountIdText();
  const auto range = index->FindMonthRange(id ? *id : std::string(), EncodeDate(year, month, 1), 0);
  if (range.second >= count) return {0, -1};
  return range;
}

TMoneySum TTransactions::SumRows(int first, int last, int year, int month, int day, int type,
                                 const std::string* selector, bool mainCategory) const {
  TMoneySum sum;
  std::string scratch;
  // Every category admitted: the category is not even looked at.
  if (selector != nullptr && *selector == kSelectAllCategories) selector = nullptr;
  for (int i = std::max(first, 0); i <= last; ++i) {
    const TTransactions* row = TransactionAt(i);
    if (row == nullptr || !row->PassesRowTest(year, month, day, type)) continue;
    if (selector != nullptr &&
        !SelectorAdmits(FieldText(row->FieldAt(fCategory), scratch), *selector, mainCategory))
      continue;
    sum.Add(row->FieldAt(fAmount)->AsCurrency());
  }
  return sum;
}

TMoneySum TTransactions::SumCategoryExact(int year, int month, int day, int type,
                                          const std::string& selector, bool mainCategory) const {
  if (Kind() == TBoneKind::Single) {
    TMoneySum sum;
    std::string scratch;
    if (PassesRowTest(year, month, day, type) &&
        SelectorAdmits(FieldText(FieldAt(fCategory), scratch), selector, mainCategory))
      sum.Add(FieldAt(fAmount)->AsCurrency());
    return sum;
  }
  const auto [first, last] = RowsToVisit(year, month);
  return SumRows(first, last, year, month, day, type, &selector, mainCategory);
}

std::vector<TMoneySum> TTransactions::SumCategoriesExact(int year, int month, int day, int type,
                                                         const std::vector<std::string>& selectors,
                                                         bool mainCategory) const {
  std::vector<TMoneySum> sums(selectors.size());
  TSelectorSet admitting(selectors, mainCategory);
  auto add = [&](const TTransactions& row, std::string& scratch) {
    if (!row.PassesRowTest(year, month, day, type)) return;
    const TCurrency amount = row.FieldAt(fAmount)->AsCurrency();
    for (std::size_t i : admitting.Admitting(FieldText(row.FieldAt(fCategory), scratch)))
      sums[i].Add(amount);
  };
  std::string scratch;
  if (Kind() == TBoneKind::Single) {
    add(*this, scratch);
    return sums;
  }
  const auto [first, last] = RowsToVisit(year, month);
  for (int i = std::max(first, 0); i <= last; ++i)
    if (const TTransactions* row = TransactionAt(i)) add(*row, scratch);
  return sums;
}

double TTransactions::SumByType(int year, int month, int day, int type) const {
  if (Kind() == TBoneKind::Single)
    return PassesRowTest(year, month, day, type) ? FieldAt(fAmount)->AsCurrency().ToDouble() : 0;
  const auto [first, last] = RowsToVisit(year, month);
  return SumRows(first, last, year, month, day, type, nullptr, false).ToDouble();
}

double TTransactions::SumCategory(int year, int month, int day, int type,
                                  const std::string& selector, bool mainCategory) const {
  return SumCategoryExact(year, month, day, type, selector, mainCategory).ToDouble();
}

double TTransactions::SumCategoryAllRows(int year, int month, int day, int type,
                                         const std::string& selector, bool mainCategory) const {
  if (Kind() == TBoneKind::Single)
    return SumCategoryExact(year, month, day, type, selector, mainCategory).ToDouble();
  return SumRows(0, RowCount() - 1, year, month, day, type, &selector, mainCategory).ToDouble();
}

std::string TTransactions::CategoryList(bool expense, bool income) const {
  std::vector<std::string_view> mains;
  std::deque<std::string> converted;  // texts of rows that hold no text value
  for (int i = 0; i < RowCount(); ++i) {
    const TTransactions* row = TransactionAt(i);
    if (row == nullptr) continue;
    const int type = row->GetTransactionType();
    if (!(expense && type == ttExpense) && !(income && type == ttIncome)) continue;
    const TBoneField* category = row->FieldAt(fCategory);
    const std::string* text = category->TextOrNull();
    if (text == nullptr) text = &converted.emplace_back(category->AsString());
    mains.push_back(MainCategoryPart(*text));
  }
  return SortedUniqueLines(mains);
}

void TTransactions::ApplyRecognition(const TAccount* owner) {
  const TAccount* root = TAccount::RootOf(owner);
  const TImportSettings* patterns = root ? root->PatternTable() : nullptr;
  if (patterns == nullptr) return;
  const TPatternMatcher matcher(*patterns);
  for (int i = 0; i < RowCount(); ++i) matcher.Recognise(TransactionAt(i), owner);
}

}  // namespace tf
