// The transactions page on offscreen widgets, with one account of 1,000,
// 10,000 and 100,000 transactions listed in full ("Ignore Dates"): one
// keystroke in the filter box up to the repainted grid, and choosing the
// account up to the painted page.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "app/Global.h"
#include "gui/app/FormLook.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "store/DateTime.h"

namespace {

using namespace tf;

const char* const kMerchants[] = {"POS PURCHASE WOOLWORTHS SANDTON",
                                  "DEBIT ORDER DISCOVERY HEALTH",
                                  "ATM WITHDRAWAL ABSA ROSEBANK",
                                  "INTERNET PMT TO J SMITH RENT",
                                  "SALARY ACME HOLDINGS (PTY) LTD",
                                  "POS PURCHASE ENGEN BRYANSTON",
                                  "MONTHLY ACCOUNT FEE",
                                  "PURCHASE TAKEALOT.COM",
                                  "DEBIT ORDER VODACOM CONTRACT",
                                  "POS PURCHASE PICK N PAY HYDE PARK",
                                  "INTEREST CREDIT",
                                  "PREPAID ELECTRICITY CITY POWER"};
const char* const kCategories[] = {"Food - groceries",       "Personal - medical",
                                   "Other - miscellaneous",  "Home - rent",
                                   "Income - paycheck",      "Transportation - gas",
                                   "Other - bank charges",   "",
                                   "Utilities - cell phone", "Food - dining out",
                                   "Income - interest",      "Utilities - electric"};

void Set(TBone& row, int field, const std::string& text) {
  row.FieldAt(field)->SetValue(TVariant::String(text));
}

TAccount* NewAccount(const std::string& name, int transactions, std::mt19937_64& random) {
  TAccount* account = Global().Accounts.NewAccount();
  account->AssignNewId();
  Set(*account, TAccount::fAccountName, name);
  Set(*account, TAccount::fAccountType, "Current Account");
  TTransactions* table = account->TransactionsTable();
  table->Rows().Reserve(static_cast<std::size_t>(transactions));
  const TDateTime start = EncodeDate(1995, 1, 1);
  for (int t = 0; t < transactions; ++t) {
    TTransactions* row = table->NewTransaction();
    const std::size_t kind = random() % 12;
    const auto cents = (kind == 4 ? 1 : -1) * static_cast<std::int64_t>(random() % 250000);
    row->AssignNewId();
    Set(*row, TTransactions::fDate,
        FormatDayMonthYear(start + static_cast<double>(t) * 11000.0 / transactions));
    Set(*row, TTransactions::fDescription,
        std::string(kMerchants[kind]) + " " + std::to_string(random() % 100000));
    Set(*row, TTransactions::fCategory, kCategories[kind]);
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{cents * 100}));
    row->SetTransactionType(kind == 4 ? ttIncome : ttExpense);
  }
  return account;
}

// The page over a data set of one large and one small account, made once
// per size; Global() holds the data of the last size asked for.
struct TPage {
  int Size = 0;
  std::unique_ptr<TfrmTransactionViewer> Viewer;

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
    std::mt19937_64 random(20240105);
    NewAccount("Cheque", transactions, random);
    NewAccount("Savings", 10, random);
    Global().Accounts.RebuildCategoryList();
    Viewer = std::make_unique<TfrmTransactionViewer>(Global(), DesktopDialogs(Global()));
    Viewer->resize(1100, 700);
    Viewer->show();
    QApplication::processEvents();
    SetIgnoreDates(true);
    SelectAccount(0);
    QApplication::processEvents();
    Size = transactions;
  }

  void SelectAccount(int row) {
    Viewer->grdAccounts->setCurrentIndex(Viewer->grdAccounts->model()->index(row, 0));
  }
  void SetIgnoreDates(bool ignore) {
    if (Viewer->chkIgnoreDates->isChecked() != ignore) Viewer->chkIgnoreDates->click();
  }
  int Listed() const { return Viewer->grdMain->model()->rowCount(); }
};

// "PURCHAS" and "PURCHASE" list about a third of the rows; each iteration
// is one keystroke (a letter typed or taken back) and the grid's repaint.
void BM_FilterKeystroke(benchmark::State& state) {
  TPage& page = TPage::For(static_cast<int>(state.range(0)));
  page.SelectAccount(0);
  QLineEdit& filter = *page.Viewer->edtTransactionsFilter;
  filter.setText(QStringLiteral("PURCHAS"));
  QApplication::processEvents();
  bool typing = true;
  for (auto _ : state) {
    if (typing)
      filter.insert(QStringLiteral("E"));
    else
      filter.backspace();
    typing = !typing;
    page.Viewer->grdMain->viewport()->repaint();
  }
  state.counters["listed"] = page.Listed();
  filter.clear();
  QApplication::processEvents();
}

// Choosing the large account in the accounts grid (coming from the small
// one) until the page has painted its first screen; every row listed, or
// (second argument 0) only those of the date range, which is this month.
void BM_SelectAccount(benchmark::State& state) {
  TPage& page = TPage::For(static_cast<int>(state.range(0)));
  page.SetIgnoreDates(state.range(1) != 0);
  for (auto _ : state) {
    state.PauseTiming();
    page.SelectAccount(1);
    page.Viewer->repaint();
    state.ResumeTiming();
    page.SelectAccount(0);
    page.Viewer->repaint();
  }
  state.counters["listed"] = page.Listed();
  page.SetIgnoreDates(true);
}

BENCHMARK(BM_FilterKeystroke)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectAccount)
    ->ArgsProduct({{1000, 10000, 100000}, {1, 0}})
    ->ArgNames({"", "all"})
    ->Unit(benchmark::kMillisecond);

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
