// The budget page on offscreen widgets, with 1,000, 10,000 and 100,000
// transactions over five years and 60 budget lines in the displayed month:
// RefreshBudget (the actual amounts summed anew) up to the painted grid,
// and one keystroke in the Budgeted cell up to the repainted totals.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/budgets/BudgetDialogs.h"
#include "gui/budgets/FrmBudgetViewer.h"
#include "model/Account.h"
#include "model/Budget.h"
#include "model/Transactions.h"
#include "store/DateTime.h"

namespace {

using namespace tf;

constexpr int kLines = 60;
constexpr int kYear = 2026, kMonth = 3;

std::string Category(int index) {
  return "Category " + std::to_string(index / 6) + " - part " + std::to_string(index % 6);
}

void Set(TBone& row, int field, const std::string& text) {
  row.FieldAt(field)->SetValue(TVariant::String(text));
}

// Five accounts sharing the transactions, the last day being the end of the
// displayed month; every transaction in one of the 60 budgeted categories.
void FillAccounts(int transactions) {
  std::mt19937_64 random(20260301);
  const TDateTime end = EncodeDate(kYear, kMonth, 31), start = end - 5 * 365;
  for (int a = 0; a < 5; ++a) {
    TAccount* account = Global().Accounts.NewAccount();
    account->AssignNewId();
    Set(*account, TAccount::fAccountName, "Account " + std::to_string(a));
    TTransactions* table = account->TransactionsTable();
    const int count = transactions / 5;
    for (int t = 0; t < count; ++t) {
      TTransactions* row = table->NewTransaction();
      const int category = static_cast<int>(random() % kLines);
      const bool income = category % 10 == 0;
      row->AssignNewId();
      Set(*row, TTransactions::fDate,
          FormatDayMonthYear(start + static_cast<double>(t) * (end - start) / count));
      Set(*row, TTransactions::fDescription, "PURCHASE " + std::to_string(random() % 100000));
      Set(*row, TTransactions::fCategory, Category(category));
      const auto cents = (income ? 1 : -1) * static_cast<std::int64_t>(random() % 250000);
      row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{cents * 100}));
      row->SetTransactionType(income ? ttIncome : ttExpense);
    }
    table->SortTransactions();
  }
  for (int i = 0; i < kLines; ++i) {
    TBudget* line = Global().Accounts.BudgetTable()->NewBudget();
    line->AssignNewId();
    Set(*line, TBudget::fCategoryName, Category(i));
    line->FieldAt(TBudget::fYear)->SetValue(TVariant::Integer(kYear));
    line->FieldAt(TBudget::fMonth)->SetValue(TVariant::Integer(kMonth));
    line->FieldAt(TBudget::fMax)->SetValue(TVariant::Currency(TCurrency{1000 * 10000}));
    line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(i % 10 == 0));
  }
}

// The page over the data of one size, made once per size.
struct TPage {
  int Size = 0;
  std::unique_ptr<TfrmBudgetViewer> Viewer;

  static TPage& Instance() {
    static TPage page;
    return page;
  }
  static TPage& For(int transactions) {
    TPage& page = Instance();
    if (page.Size != transactions) page.Build(transactions);
    return page;
  }

  void Build(int transactions) {
    Viewer.reset();
    Global().Reset();
    FillAccounts(transactions);
    Global().Accounts.RebuildCategoryList();
    Viewer = std::make_unique<TfrmBudgetViewer>(Global(), DesktopDialogs(Global()),
                                                DesktopBudgetDialogs());
    Viewer->resize(1100, 700);
    Viewer->show();
    Viewer->ShowMonth(EncodeDate(kYear, kMonth, 1));
    Viewer->RefreshBudget();
    QApplication::processEvents();
    Size = transactions;
  }
};

void BM_RefreshBudget(benchmark::State& state) {
  TPage& page = TPage::For(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    page.Viewer->RefreshBudget();
    page.Viewer->repaint();
  }
  state.counters["lines"] = static_cast<double>(kLines);
}

// A digit typed or taken back in the Budgeted cell of a line in the middle,
// up to the repainted Difference and totals.
void BM_BudgetedKeystroke(benchmark::State& state) {
  TPage& page = TPage::For(static_cast<int>(state.range(0)));
  page.Viewer->RefreshBudget();
  page.Viewer->SelectCell(kLines / 2, 3);
  QApplication::processEvents();
  auto* editor = page.Viewer->findChild<QLineEdit*>(QStringLiteral("edtBudgeted"));
  if (editor == nullptr) return state.SkipWithError("the Budgeted editor did not open");
  editor->end(false);
  bool typing = true;
  for (auto _ : state) {
    if (typing)
      editor->insert(QStringLiteral("5"));
    else
      editor->backspace();
    typing = !typing;
    // Paints what the keystroke invalidated: the editor, the Difference
    // cell and the totals.
    QApplication::processEvents();
  }
}

BENCHMARK(BM_RefreshBudget)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BudgetedKeystroke)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // Widgets without a display; the figures are the page's own work.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QApplication::setFont(tf::FormFont());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  // The page goes before the application object.
  TPage::Instance().Viewer.reset();
  tf::Global().Reset();
  return 0;
}
