// Commands of the transactions page on offscreen widgets, each including
// the save of the data file that follows it: adding a transaction whose
// editor is confirmed, deleting one, and copying one onto another account
// by drag and drop. One account of 10,000 or 100,000 transactions, listed
// for one month (the usual view) or in full ("Ignore Dates").
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QTableView>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "app/Global.h"
#include "base/Formats.h"
#include "gui/app/DateConversion.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "store/DateTime.h"

namespace {

using namespace tf;
namespace fs = std::filesystem;

const char* const kMerchants[] = {
    "POS PURCHASE WOOLWORTHS SANDTON", "DEBIT ORDER DISCOVERY HEALTH",
    "ATM WITHDRAWAL ABSA ROSEBANK",    "SALARY ACME HOLDINGS (PTY) LTD",
    "POS PURCHASE ENGEN BRYANSTON",    "MONTHLY ACCOUNT FEE"};
const char* const kCategories[] = {"Food - groceries",      "Personal - medical",
                                   "Other - miscellaneous", "Income - paycheck",
                                   "Transportation - gas",  ""};
const TDateTime kFirstDay = EncodeDate(1995, 1, 1);
constexpr double kDays = 30 * 365.25;

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
  for (int t = 0; t < transactions; ++t) {
    TTransactions* row = table->NewTransaction();
    const std::size_t kind = random() % 6;
    row->AssignNewId();
    Set(*row, TTransactions::fDate, FormatDisplayDate(kFirstDay + t * kDays / transactions));
    Set(*row, TTransactions::fDescription,
        std::string(kMerchants[kind]) + " " + std::to_string(random() % 100000));
    Set(*row, TTransactions::fCategory, kCategories[kind]);
    const std::int64_t cents = (kind == 3 ? 1 : -1) * static_cast<std::int64_t>(random() % 250000);
    row->FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency{cents * 100}));
    row->SetTransactionType(kind == 3 ? ttIncome : ttExpense);
    row->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(t % 40));
  }
  return account;
}

TWorkspaceDialogs AgreeingDialogs() {
  TWorkspaceDialogs dialogs = DesktopDialogs(Global());
  dialogs.Confirm = [](QWidget*, const QString&) { return true; };
  dialogs.Inform = dialogs.Warn = [](QWidget*, const QString&, const QString&) {};
  return dialogs;
}

// A fresh context with the data file in its own folder, saved once so that
// the timed saves reuse unchanged blocks as they do in a running program.
struct TPage {
  fs::path Folder;
  TWorkspaceDialogs Dialogs = AgreeingDialogs();
  std::unique_ptr<TfrmTransactionViewer> Viewer;
  TAccount* Big = nullptr;
  TAccount* Small = nullptr;

  TPage(int transactions, bool listAll) {
    Folder = fs::temp_directory_path() / ("tallyfold-command-bench-" + std::to_string(::getpid()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
    TGlobalServices services;
    services.DocumentsFolder = [folder = Folder.string()] {
      return std::optional<std::string>(folder);
    };
    Global().Initialise(std::move(services));
    Global().OpenDataFile();
    std::mt19937_64 random(20240105);
    Big = NewAccount("Cheque", transactions, random);
    Small = NewAccount("Savings", 100, random);
    Global().Accounts.RebuildCategoryList();
    Global().SaveFile();
    TTransactions::Editor() = [](TTransactions& row, void*) {
      Set(row, TTransactions::fDescription, "COFFEE");
      row.FieldAt(TTransactions::fAmount)->SetValue(TVariant::Currency(TCurrency::FromUnits(-30)));
      return true;
    };
    Viewer = std::make_unique<TfrmTransactionViewer>(Global(), Dialogs);
    Viewer->resize(1200, 700);
    Viewer->show();
    // The last month of the account, or every row.
    const TDateRange month = MonthRange(kFirstDay + kDays - 1);
    Viewer->dtpFrom->setDate(ToQDate(month.From));
    Viewer->dtpTo->setDate(ToQDate(month.To));
    if (listAll) Viewer->chkIgnoreDates->click();
    Viewer->SetNewTransactionDate(month.From + 10);
    QApplication::processEvents();
  }
  ~TPage() {
    Viewer.reset();
    TTransactions::Editor() = {};
    Global().Reset();
    fs::remove_all(Folder);
  }
  void SelectLastRow() {
    QAbstractItemModel* model = Viewer->grdMain->model();
    Viewer->grdMain->setCurrentIndex(model->index(model->rowCount() - 1, 0));
  }
};

void Counters(benchmark::State& state, const TPage& page) {
  state.counters["transactions"] = page.Big->TransactionsTable()->LiveRowCount();
  state.counters["listed"] = static_cast<double>(page.Viewer->ListedTransactions().size());
}

void BM_AddTransactionAndSave(benchmark::State& state) {
  TPage page(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    page.Viewer->btnTranAddClick();
    QApplication::processEvents();
  }
  Counters(state, page);
}

void BM_DeleteTransactionAndSave(benchmark::State& state) {
  TPage page(static_cast<int>(state.range(0)), state.range(1) != 0);
  TTransactions* deleted = nullptr;
  for (auto _ : state) {
    // The row deleted last time comes back, so that every round deletes one.
    state.PauseTiming();
    if (deleted != nullptr) {
      deleted->Deleted = false;
      page.Viewer->ShowTransactions(page.Big);
    }
    page.SelectLastRow();
    deleted = page.Viewer->SelectedTransaction();
    state.ResumeTiming();
    page.Viewer->DeleteTransactions(false);
    QApplication::processEvents();
  }
  Counters(state, page);
}

void BM_DragCopyAndSave(benchmark::State& state) {
  TPage page(static_cast<int>(state.range(0)), state.range(1) != 0);
  const QPoint savings =
      page.Viewer->grdAccounts->visualRect(page.Viewer->grdAccounts->model()->index(1, 0)).center();
  page.SelectLastRow();
  for (auto _ : state) {
    page.Viewer->DropOnAccountAt(savings);
    QApplication::processEvents();
  }
  Counters(state, page);
}

// The part of every command above that is the save alone: one row changed, then written.
void BM_SaveAfterOneChange(benchmark::State& state) {
  TPage page(static_cast<int>(state.range(0)), state.range(1) != 0);
  TTransactions* row = page.Big->TransactionsTable()->TransactionAt(0);
  int n = 0;
  for (auto _ : state) {
    Set(*row, TTransactions::fDescription, "CHANGED " + std::to_string(++n));
    Global().SaveFile();
  }
  Counters(state, page);
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgNames({"transactions", "all"});
  for (int transactions : {10'000, 100'000})
    for (int all : {0, 1}) benchmark->Args({transactions, all});
  // The first saves of a file deflate every block; later ones reuse most.
  benchmark->Unit(benchmark::kMillisecond)->MinTime(2);
}

BENCHMARK(BM_AddTransactionAndSave)->Apply(Sizes);
BENCHMARK(BM_DeleteTransactionAndSave)->Apply(Sizes);
BENCHMARK(BM_DragCopyAndSave)->Apply(Sizes);
BENCHMARK(BM_SaveAfterOneChange)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
