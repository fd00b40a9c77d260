#include "reports/FinancialYearReport.h"

#include <algorithm>
#include <optional>

#include "base/CategoryList.h"
#include "base/Formats.h"
#include "base/ReportTemplate.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "reports/ReportAmount.h"
#include "reports/ReportText.h"
#include "reports/RowColors.h"

namespace tf {
namespace {

constexpr int kReportTemplate = 0;

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareNoCase(const std::string& a, const std::string& b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = LowerAscii(a[i]), y = LowerAscii(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int Sign(double value) {
  return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

TCurrency AmountOf(const TTransactions& t) {
  return t.FieldAt(TTransactions::fAmount)->AsCurrency();
}

// The four row blocks of the template, cut out of its working text.
struct TReportBlocks {
  std::string Main, Sub, Row, Total;
};

// The running state of one report: the current group, its sums and the
// transaction rows of the current sub-category not yet written.
class TReportBuilder {
 public:
  explicit TReportBuilder(const TReportBlocks& blocks) : Blocks_(blocks) {}

  void Add(const TTransactions& t);
  std::string Finish();

 private:
  void StartMain(const std::string& main, const std::string& sub);
  void StartSub(const std::string& sub);
  void CloseSub();
  void CloseMain();
  std::string TotalRow(const std::string& name, TCurrency plus, TCurrency minus,
                       const char* styleId) const;

  const TReportBlocks& Blocks_;
  std::optional<std::string> Main_, Sub_;  // none before the first transaction
  TCurrency SubPlus_, SubMinus_, MainPlus_, MainMinus_;
  std::string Pending_, Output_;
  TRowColors Colors_;
};

void TReportBuilder::Add(const TTransactions& t) {
  const std::string category = t.FieldAt(TTransactions::fCategory)->AsString();
  const std::string main = MainCategoryOf(category), sub = SubCategoryOf(category);
  // Names are compared exactly: a change of letter case opens a new group.
  if (!Main_ || main != *Main_) {
    StartMain(main, sub);
  } else if (sub != *Sub_) {
    CloseSub();
    StartSub(sub);
  }
  const TCurrency amount = AmountOf(t);
  const TCurrency plus = amount > TCurrency{} ? amount : TCurrency{};
  const TCurrency minus = amount > TCurrency{} ? TCurrency{} : amount;
  SubPlus_ = SubPlus_ + plus, SubMinus_ = SubMinus_ + minus;
  MainPlus_ = MainPlus_ + plus, MainMinus_ = MainMinus_ + minus;
  const std::string date = FormatDayMonthYear(t.DateValue());
  const std::string plusText = FormatReportAmount(plus), minusText = FormatReportAmount(minus);
  const std::string balance = FormatReportAmount(SubPlus_ + SubMinus_);
  const std::string color = Colors_.Next();
  const std::string description = ReportText(t.FieldAt(TTransactions::fDescription)->AsString());
  AppendFilledTokens(Pending_, Blocks_.Row,
                     {{"DATE", date},
                      {"PLUS", plusText},
                      {"MINUS", minusText},
                      {"BALANCE", balance},
                      {"ROWCOLOR", color},
                      {"DESC", description}});
}

void TReportBuilder::StartMain(const std::string& main, const std::string& sub) {
  if (Main_) CloseMain();
  Main_ = main;
  Sub_ = sub;
  SubPlus_ = SubMinus_ = MainPlus_ = MainMinus_ = TCurrency{};
  Colors_.Reset();
  Output_ += FillToken("CATEGORY", ReportText(main), Blocks_.Main);
  Output_ += FillToken("SUBCATEGORY", ReportText(sub), Blocks_.Sub);
}

void TReportBuilder::StartSub(const std::string& sub) {
  Sub_ = sub;
  SubPlus_ = SubMinus_ = TCurrency{};
  Colors_.Reset();
  Output_ += FillToken("SUBCATEGORY", ReportText(sub), Blocks_.Sub);
}

void TReportBuilder::CloseSub() {
  Output_ += Pending_;
  Pending_.clear();
  Output_ += TotalRow(*Sub_, SubPlus_, SubMinus_, "2");
}

void TReportBuilder::CloseMain() {
  CloseSub();
  Output_ += TotalRow(*Main_, MainPlus_, MainMinus_, "1");
}

std::string TReportBuilder::TotalRow(const std::string& name, TCurrency plus, TCurrency minus,
                                     const char* styleId) const {
  std::string row = FillToken("PLUSBALANCE", FormatReportAmount(plus), Blocks_.Total);
  row = FillToken("MINUSBALANCE", FormatReportAmount(minus), row);
  row = FillToken("BALANCE", FormatReportAmount(plus + minus), row);
  row = FillToken("STYLEID", styleId, row);
  return FillToken("TOTALDESC", ReportText(name), row);
}

std::string TReportBuilder::Finish() {
  if (Main_) CloseMain();
  return Output_;
}

}  // namespace

int CompareReportTransactions(const TBone* a, const TBone* b) {
  const auto* x = BoneAs<TTransactions>(a);
  const auto* y = BoneAs<TTransactions>(b);
  if (x == nullptr || y == nullptr) return 0;
  const int byCategory = CompareNoCase(x->FieldAt(TTransactions::fCategory)->AsString(),
                                       y->FieldAt(TTransactions::fCategory)->AsString());
  if (byCategory != 0) return byCategory;
  const int byDay = Sign(DateOf(x->DateValue()) - DateOf(y->DateValue()));
  if (byDay != 0) return byDay;
  const int p = x->FieldAt(TTransactions::fSortOrder)->AsInteger();
  const int q = y->FieldAt(TTransactions::fSortOrder)->AsInteger();
  return p < q ? -1 : (p > q ? 1 : 0);
}

std::vector<const TTransactions*> CollectReportTransactions(const TAccount& accounts,
                                                            TDateTime from, TDateTime to) {
  // Each row's keys are read once: comparing through the fields would copy
  // two category texts per comparison, millions of times for a large file.
  struct TKeyed {
    std::string Category;
    double Day;
    int Order;
    const TTransactions* Row;
  };
  std::vector<TKeyed> keyed;
  for (int a = 0; a < accounts.RowCount(); ++a) {
    const TAccount* account = accounts.AccountAt(a);
    const TTransactions* table = account ? account->TransactionsTable() : nullptr;
    if (account == nullptr || account->Deleted || table == nullptr) continue;
    for (int i = 0; i < table->RowCount(); ++i) {
      const TTransactions* t = table->TransactionAt(i);
      if (t == nullptr || t->Deleted || !DateInRange(t->DateValue(), from, to)) continue;
      keyed.push_back({t->FieldAt(TTransactions::fCategory)->AsString(), DateOf(t->DateValue()),
                       t->FieldAt(TTransactions::fSortOrder)->AsInteger(), t});
    }
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const TKeyed& x, const TKeyed& y) {
    if (const int byCategory = CompareNoCase(x.Category, y.Category)) return byCategory < 0;
    if (x.Day != y.Day) return x.Day < y.Day;
    return x.Order < y.Order;
  });
  std::vector<const TTransactions*> result;
  result.reserve(keyed.size());
  for (const TKeyed& item : keyed) result.push_back(item.Row);
  return result;
}

std::string FinancialYearReport(const TAccount& accounts, TDateTime from, TDateTime to) {
  std::string text = LoadTemplate(kReportTemplate);
  TReportBlocks blocks;
  blocks.Main = CutRowBlock(text, 1);
  blocks.Sub = CutRowBlock(text, 2);
  blocks.Row = CutRowBlock(text, 3);
  blocks.Total = CutRowBlock(text, 4);
  text = FillToken("PERIODSTART", FormatDayMonthYear(from), text);
  text = FillToken("PERIODEND", FormatDayMonthYear(to), text);
  TReportBuilder builder(blocks);
  for (const TTransactions* t : CollectReportTransactions(accounts, from, to)) builder.Add(*t);
  return PlaceRows(text, builder.Finish());
}

std::string FinancialYearReportFileName(TDateTime from, TDateTime to) {
  return "Financial Year Report " + FormatDisplayDate(from) + " to " + FormatDisplayDate(to) +
         ".htm";
}

}  // namespace tf
