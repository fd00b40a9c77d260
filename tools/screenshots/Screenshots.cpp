// tallyfold-screenshots: builds a sample data set in a temporary folder and
// writes one PNG per window into the folder given on the command line, so
// that the look of every page and dialog can be checked at a glance and
// kept in the repository. A shot is one row of kShots: its file name, the
// data set it needs and a function that makes the widget.
//
//   tallyfold-screenshots OUT [NAME...]   all shots, or only those named
//   tallyfold-screenshots --list          the names
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Global.h"
#include "base/MemoryPreferenceStore.h"
#include "budgets/BudgetMonth.h"
#include "calculators/LoanScheduleDocument.h"
#include "calculators/RepaymentSchedule.h"
#include "gui/app/Application.h"
#include "gui/app/ErrorReporter.h"
#include "gui/app/FormLook.h"
#include "gui/app/FrmDatePicker.h"
#include "gui/app/FrmErrorWindow.h"
#include "gui/app/FrmMain.h"
#include "gui/app/FrmPasswordPrompt.h"
#include "gui/app/FrmSettings.h"
#include "gui/app/MainPages.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/budgets/FrmBudgetViewer.h"
#include "gui/calculators/FrmCalcMain.h"
#include "gui/calculators/FrmCapitalInvestment.h"
#include "gui/calculators/FrmPersonalLoanCalc.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/FrmExpenseBarReport.h"
#include "gui/reports/FrmFinancialYearReport.h"
#include "gui/reports/FrmMonthCompare.h"
#include "gui/reports/FrmMoreReports.h"
#include "gui/reports/FrmReportView.h"
#include "gui/reports/ReportWindowDialogs.h"
#include "gui/workspace/FrmAccountEdit.h"
#include "gui/workspace/FrmCategoryManagement.h"
#include "gui/workspace/FrmCatergorySelection.h"
#include "gui/workspace/FrmCsvMapping.h"
#include "gui/workspace/FrmImportSettingsEdit.h"
#include "gui/workspace/FrmImportSettingsListEdit.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/FrmTransactionsEdit.h"
#include "gui/workspace/ImportPreviewModel.h"
#include "gui/workspace/RowEditors.h"
#include "gui/workspace/TransactionMenus.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementFormats.h"
#include "import/StatementImport.h"
#include "import/StatementRecognition.h"
#include "model/Account.h"
#include "model/Budget.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "store/DateTime.h"

namespace {

using namespace tf;

// --- the data sets

enum class TDataSet { Sample, Empty };

struct TTransactionSample {
  int Day;
  const char* Description;
  double Amount;
  const char* Category;
  int Type;
};

// March 2025 of a cheque account: pay, rent, shopping, fuel and bills.
const TTransactionSample kChequeMonth[] = {
    {1, "SALARY ACME HOLDINGS", 32500.00, "Income - paycheck", ttIncome},
    {1, "INTERNET PMT TO J SMITH RENT", -9800.00, "Home - rent", ttExpense},
    {2, "DEBIT ORDER DISCOVERY HEALTH", -2450.00, "Personal - medical", ttExpense},
    {3, "POS PURCHASE WOOLWORTHS SANDTON", -684.35, "Food - groceries", ttExpense},
    {4, "POS PURCHASE ENGEN BRYANSTON", -850.00, "Transportation - gas", ttExpense},
    {5, "DEBIT ORDER VODACOM CONTRACT", -599.00, "Utilities - cell phone", ttExpense},
    {7, "PREPAID ELECTRICITY CITY POWER", -1000.00, "Utilities - electric", ttExpense},
    {8, "POS PURCHASE PICK N PAY HYDE PARK", -1243.80, "Food - groceries", ttExpense},
    {9, "ATM WITHDRAWAL ABSA ROSEBANK", -500.00, "", ttExpense},
    {10, "TRANSFER TO SAVINGS", -3000.00, "Other - transfer", ttTransfer},
    {12, "PURCHASE TAKEALOT.COM", -1899.00, "Other - miscellaneous", ttExpense},
    {14, "POS PURCHASE WOOLWORTHS SANDTON", -412.60, "Food - groceries", ttExpense},
    {15, "MONTHLY ACCOUNT FEE", -115.00, "Other - bank charges", ttExpense},
    {17, "POS PURCHASE ENGEN BRYANSTON", -790.00, "Transportation - gas", ttExpense},
    {19, "NANDOS ROSEBANK", -325.50, "Food - dining out", ttExpense},
    {21, "POS PURCHASE PICK N PAY HYDE PARK", -978.15, "Food - groceries", ttExpense},
    {24, "REFUND TAKEALOT.COM", 349.00, "Other - miscellaneous", ttIncome},
    {26, "POS PURCHASE WOOLWORTHS SANDTON", -566.20, "Food - groceries", ttExpense},
    {28, "DIS-CHEM PHARMACY", -287.45, "Personal - medical", ttExpense},
    {31, "INTEREST CREDIT", 12.37, "Income - interest", ttIncome},
};

const TTransactionSample kCardMonth[] = {
    {6, "NETFLIX.COM", -199.00, "Entertainment - movies", ttExpense},
    {11, "UBER TRIP", -87.40, "Transportation - taxi", ttExpense},
    {18, "AMAZON MARKETPLACE", -1450.00, "Other - miscellaneous", ttExpense},
    {25, "PAYMENT RECEIVED THANK YOU", 2500.00, "Other - transfer", ttDeposit},
};

const TTransactionSample kSavingsMonth[] = {
    {10, "TRANSFER FROM CHEQUE", 3000.00, "Other - transfer", ttDeposit},
    {31, "INTEREST CREDIT", 84.12, "Income - interest", ttIncome},
};

void Set(TBone& row, int field, const std::string& text) {
  row.FieldAt(field)->SetValue(TVariant::String(text));
}

template <std::size_t N>
TAccount* AddAccount(const char* name, const char* type, double starting, int colour,
                     const TTransactionSample (&month)[N]) {
  TAccount* account = Global().Accounts.NewAccount();
  account->AssignNewId();
  Set(*account, TAccount::fAccountName, name);
  Set(*account, TAccount::fAccountType, type);
  account->FieldAt(TAccount::fStartingBalance)
      ->SetValue(TVariant::Currency(TCurrency::FromDouble(starting)));
  account->ListFieldAt(TAccount::lfAccountColour)->SetValue(TVariant::Integer(colour));
  int order = 0;
  for (const TTransactionSample& sample : month) {
    TTransactions* row = account->TransactionsTable()->NewTransaction();
    row->AssignNewId();
    Set(*row, TTransactions::fDate, FormatDayMonthYear(EncodeDate(2025, 3, sample.Day)));
    Set(*row, TTransactions::fDescription, sample.Description);
    Set(*row, TTransactions::fCategory, sample.Category);
    row->FieldAt(TTransactions::fAmount)
        ->SetValue(TVariant::Currency(TCurrency::FromDouble(sample.Amount)));
    row->FieldAt(TTransactions::fSortOrder)->SetValue(TVariant::Integer(order++));
    row->SetTransactionType(sample.Type);
  }
  account->TransactionsTable()->SortTransactions();
  return account;
}

void AddPattern(const char* match, int matchType, const char* category, const std::string& account,
                int type) {
  TImportSettings* pattern = Global().Accounts.PatternTable()->NewPattern();
  Set(*pattern, TImportSettings::fMatchValue, match);
  pattern->SetMatchType(matchType);
  Set(*pattern, TImportSettings::fCategoryName, category);
  Set(*pattern, TImportSettings::fAccountID, account);
  pattern->SetTransactionType(type);
}

void FillSample() {
  TAccount* cheque =
      AddAccount("Cheque Account", "Current Account", 4210.55, 13937996, kChequeMonth);
  AddAccount("Visa Card", "Credit Card", -3120.00, 1250231, kCardMonth);
  AddAccount("Savings", "Saving Account", 15000.00, 2215720, kSavingsMonth);
  const std::string chequeId = cheque->FieldAt(TAccount::fAccountID)->AsString();
  AddPattern("WOOLWORTHS", mtContains, "Food - groceries", "", ttExpense);
  AddPattern("PICK N PAY", mtContains, "Food - groceries", "", ttExpense);
  AddPattern("SALARY", mtStartsWith, "Income - paycheck", chequeId, ttIncome);
  AddPattern("ENGEN", mtContains, "Transportation - gas", "", ttExpense);
  AddPattern("CITY POWER", mtEndsWith, "Utilities - electric", chequeId, ttExpense);
  AddPattern("INTEREST CREDIT", mtExactMatch, "Income - interest", "", ttIncome);
  TAccount& root = Global().Accounts;
  root.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String("01 Mar 2025"));
  root.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Mar 2025"));
  root.ListFieldAt(TAccount::lfIgnoreDates)->SetValue(TVariant::Bool(false));
  root.RecalculateBalances();
  root.RebuildCategoryList();
}

TGlobalServices ServicesIn(const QString& folder) {
  TGlobalServices services;
  services.Preferences = std::make_unique<TMemoryPreferenceStore>();
  const std::string path = folder.toStdString();
  services.DocumentsFolder = [path]() -> std::optional<std::string> { return path; };
  services.ProgramFolder = [path] { return path; };
  return services;
}

// Global() on the data set's own folder, its data file opened. The sample
// is written once and read back each time, so every shot starts alike.
class TDataSets {
 public:
  explicit TDataSets(const QString& root) : Root_(root) {}

  void Open(TDataSet set) {
    const bool sample = set == TDataSet::Sample;
    const QString folder = Root_ + (sample ? QStringLiteral("/sample") : QStringLiteral("/empty"));
    QDir().mkpath(folder);
    Global().Initialise(ServicesIn(folder));
    Global().OpenDataFile();
    if (sample && !SampleWritten_) {
      FillSample();
      Global().SaveFile();
      SampleWritten_ = true;
    }
    Global().Accounts.RebuildCategoryList();
  }

 private:
  QString Root_;
  bool SampleWritten_ = false;
};

// --- helpers for the shots

TAccount& Account(int index) {
  return *Global().Accounts.AccountAt(index);
}

TTransactions& Transaction(int account, int index) {
  return *Account(account).TransactionsTable()->TransactionAt(index);
}

TImportSettings& Pattern(int index) {
  return *Global().Accounts.PatternTable()->PatternAt(index);
}

std::unique_ptr<QWidget> MainWindow() {
  auto window =
      std::make_unique<TfrmMain>(Global(), DefaultMainPages(Global()), std::vector<std::string>{});
  window->resize(1180, 720);
  window->Start();
  return window;
}

// The main window at a given size: the design size and the smallest one,
// where every caption of the transactions page must still be whole.
std::unique_ptr<QWidget> MainWindowSized(int width, int height) {
  auto window =
      std::make_unique<TfrmMain>(Global(), DefaultMainPages(Global()), std::vector<std::string>{});
  window->Start();
  window->resize(QSize(width, height).expandedTo(window->minimumSize()));
  return window;
}

void Settle(int milliseconds);

// A picture as a widget, for shots composed of several windows.
std::unique_ptr<QWidget> Picture(const QPixmap& pixmap) {
  auto label = std::make_unique<QLabel>();
  label->setPixmap(pixmap);
  label->setFixedSize(pixmap.size());
  return label;
}

// The main window with popup menus painted over it where they opened: a
// grab of the window alone leaves its popups out. `open` opens the menus
// and returns them, outermost first.
std::unique_ptr<QWidget> WindowWithMenus(
    const std::function<std::vector<QMenu*>(TfrmTransactionViewer&)>& open) {
  std::unique_ptr<QWidget> window = MainWindow();
  window->show();
  Settle(300);
  auto* viewer = window->findChild<TfrmTransactionViewer*>();
  std::vector<QMenu*> menus = open(*viewer);
  Settle(300);
  QPixmap picture = window->grab();
  QPainter painter(&picture);
  for (QMenu* menu : menus)
    if (menu->isVisible()) painter.drawPixmap(window->mapFromGlobal(menu->pos()), menu->grab());
  painter.end();
  for (auto it = menus.rbegin(); it != menus.rend(); ++it) (*it)->hide();
  return Picture(picture);
}

QPoint CellCentre(QTableView& grid, int row, int column) {
  return grid.viewport()->mapToGlobal(grid.visualRect(grid.model()->index(row, column)).center());
}

std::vector<QMenu*> OpenTransactionMenu(TfrmTransactionViewer& viewer) {
  viewer.grdMain->setCurrentIndex(viewer.grdMain->model()->index(3, 0));
  viewer.mnuCopyTransactionClick();
  QMenu* menu = viewer.Menus->PopupMenuTransactions;
  menu->popup(CellCentre(*viewer.grdMain, 3, 2));
  Settle(100);
  menu->setActiveAction(viewer.Menus->menuitemAssignto->menuAction());
  Settle(200);
  QMenu* assign = viewer.Menus->menuitemAssignto;
  std::vector<QMenu*> menus = {menu, assign};
  for (QAction* action : assign->actions()) {
    if (action->menu() != nullptr && action->text() == QStringLiteral("Food")) {
      assign->setActiveAction(action);
      Settle(200);
      menus.push_back(action->menu());
      break;
    }
  }
  return menus;
}

// The import dialog as it asks for the account of a 25-row statement, with
// the entries the parser left out.
std::unique_ptr<QWidget> ImportDialog(TLeftOutEntries leftOut = {}) {
  std::unique_ptr<TCSVParser> parser = CreateStatementParser(7);
  parser->LeftOut = leftOut;
  for (int i = 0; i < 25; ++i)
    parser->ParseLine("\"0" + std::to_string(1 + i % 9) + " Apr 2025\",\"\",\"POS PURCHASE " +
                          std::to_string(i) + "\",\"\",\"\",\"-12.50\",\"0\"",
                      parser->Lines.emplace_back());
  TWorkspaceDialogs dialogs = DesktopDialogs(Global());
  QPixmap picture;
  dialogs.Exec = [&picture](QDialog& dialog) {
    dialog.show();
    Settle(150);
    picture = dialog.grab();
    return int(QDialog::Rejected);
  };
  TfrmStatementImport dialog(dialogs);
  dialog.ImportLines(*parser, Global().Accounts, &Account(0));
  return Picture(picture);
}

// April's ABSA statement for the cheque account: its first two rows were
// imported with March's, the fee of 0 is left out, and the user unticked
// the transfer.
const std::vector<std::string> kAprilStatement = {
    "Date,Description,Amount,Balance",
    "20250331,INTEREST CREDIT,12.37,9421.48",
    "20250331,POS PURCHASE WOOLWORTHS SANDTON,-566.20,8855.28",
    "20250401,SALARY ACME HOLDINGS,32500.00,41355.28",
    "20250401,INTERNET PMT TO J SMITH RENT,-9800.00,31555.28",
    "20250402,POS PURCHASE PICK N PAY HYDE PARK,-1102.45,30452.83",
    "20250403,CARD REPLACEMENT FEE,0.00,30452.83",
    "20250404,POS PURCHASE ENGEN BRYANSTON,-905.00,29547.83",
    "20250405,TRANSFER TO SAVINGS,-3000.00,26547.83",
    "20250407,PREPAID ELECTRICITY CITY POWER,-1000.00,25547.83",
    "20250409,NANDOS ROSEBANK,-298.00,25249.83",
};

std::unique_ptr<QWidget> ImportPreview(bool minimumSize = false) {
  std::unique_ptr<TCSVParser> parser = CreateStatementParser(1);
  parser->LoadLines(kAprilStatement);
  std::vector<TCSVLineData> imported(parser->Lines.begin(), parser->Lines.begin() + 2);
  ImportLines(Global().Accounts, Account(0), imported, true, {});
  TWorkspaceDialogs dialogs = DesktopDialogs(Global());
  QPixmap picture;
  dialogs.Exec = [&picture, minimumSize](QDialog& dialog) {
    auto& import = static_cast<TfrmStatementImport&>(dialog);
    import.PreviewModel().ToggleTick(7);
    if (minimumSize) dialog.resize(dialog.minimumSize());
    dialog.show();
    import.grdPreview->setFocus();
    import.grdPreview->setCurrentIndex(import.PreviewModel().index(7, 2));
    Settle(150);
    picture = dialog.grab();
    return int(QDialog::Rejected);
  };
  TfrmStatementImport dialog(dialogs);
  const std::optional<TStatementRecognition> found = RecogniseStatementFormat(kAprilStatement);
  dialog.OfferFormats(found ? found->Format : 1, found ? found->Sentence : std::string(),
                      [](int, std::string& refusal) {
                        refusal = "Only the format recognised is read in this picture";
                        return std::unique_ptr<TCSVParser>();
                      });
  dialog.ImportLines(*parser, Global().Accounts, &Account(0));
  return Picture(picture);
}

// "Other bank (CSV)" over a semicolon statement with money in and out, the
// profile named, one row with an impossible date shown in red.
std::unique_ptr<QWidget> CsvMapping() {
  std::vector<std::string> lines = {"Capitec Bank statement  1 Mar 2025 - 31 Mar 2025",
                                    "Nr;Date;Description;Money In;Money Out;Balance"};
  const char* const rows[] = {"1;01/03/2025;SALARY ACME LTD;32 000,00;;32 965,00",
                              "2;01/03/2025;DEBIT ORDER HOME LOAN;;9 800,00;23 165,00",
                              "3;03/03/2025;CARD PURCHASE PICK N PAY;;1 245,60;21 919,40",
                              "4;04/03/2025;CARD PURCHASE ENGEN;;850,00;21 069,40",
                              "5;06/03/2025;TRANSFER FROM SAVINGS;2 000,00;;23 069,40",
                              "6;31/02/2025;REVERSAL;;15,00;23 054,40",
                              "7;08/03/2025;MONTHLY ACCOUNT FEE;;7,50;23 046,90",
                              "8;10/03/2025;CARD PURCHASE WOOLWORTHS;;612,35;22 434,55",
                              "9;12/03/2025;PREPAID ELECTRICITY;;900,00;21 534,55",
                              "10;15/03/2025;INTEREST;12,81;;21 547,36"};
  for (const char* row : rows) lines.emplace_back(row);
  const TCsvProfile guess = GuessProfile(lines);
  auto dialog = std::make_unique<TfrmCsvMapping>(lines, std::vector<TCsvProfile>{}, -1, guess);
  dialog->edtName->setText(QStringLiteral("Capitec"));
  return dialog;
}

// --- the budget page

struct TBudgetSample {
  const char* Category;
  double Budgeted;
  bool Income;
};

// What March 2025 was planned at: some lines over, some under.
const TBudgetSample kBudgetMonth[] = {
    {"Income - paycheck", 32000.00, true},    {"Income - interest", 10.00, true},
    {"Food - groceries", 3500.00, false},     {"Food - dining out", 400.00, false},
    {"Home - rent", 9800.00, false},          {"Personal - medical", 2500.00, false},
    {"Transportation - gas", 1500.00, false}, {"Utilities - cell phone", 599.00, false},
    {"Utilities - electric", 900.00, false},  {"Other - miscellaneous", 2000.00, false},
    {"Other - bank charges", 115.00, false},  {"Entertainment - movies", 199.00, false},
    {"Transportation - taxi", 150.00, false},
};

// The lines of March 2025 in memory only (the sample file stays as it is):
// one per category used that month, then the planned amounts.
void FillBudgetMonth() {
  TBudgetMonth month(Global().Accounts, 2025, 3);
  month.Refresh();
  month.Synchronise();
  for (const TBudgetSample& sample : kBudgetMonth) {
    TBudget* line = Global().Accounts.BudgetTable()->FindBudget(2025, 3, sample.Category);
    if (line == nullptr) continue;
    line->FieldAt(TBudget::fMax)
        ->SetValue(TVariant::Currency(TCurrency::FromDouble(sample.Budgeted)));
    line->FieldAt(TBudget::fIncome)->SetValue(TVariant::Bool(sample.Income));
  }
}

// The main window on its "Budgets" tab at a month, with or without the
// March budget.
std::unique_ptr<QWidget> BudgetWindow(TDateTime month, bool withBudget) {
  std::unique_ptr<QWidget> window = MainWindow();
  if (withBudget) FillBudgetMonth();
  window->findChild<QTabBar*>()->setCurrentIndex(1);
  window->findChild<TfrmBudgetViewer*>()->ShowMonth(month);
  return window;
}

QTableView& BudgetGrid(TfrmBudgetViewer& page) {
  return *page.findChild<QTableView*>(QStringLiteral("grdMain"));
}

// The budget window with popup menus painted over it, as WindowWithMenus.
std::unique_ptr<QWidget> BudgetWindowWithMenus(
    const std::function<std::vector<QMenu*>(TfrmBudgetViewer&)>& open) {
  std::unique_ptr<QWidget> window = BudgetWindow(EncodeDate(2025, 3, 1), true);
  window->show();
  Settle(300);
  std::vector<QMenu*> menus = open(*window->findChild<TfrmBudgetViewer*>());
  Settle(300);
  QPixmap picture = window->grab();
  QPainter painter(&picture);
  for (QMenu* menu : menus)
    if (menu->isVisible()) painter.drawPixmap(window->mapFromGlobal(menu->pos()), menu->grab());
  painter.end();
  for (auto it = menus.rbegin(); it != menus.rend(); ++it) (*it)->hide();
  return Picture(picture);
}

std::vector<QMenu*> OpenCreateBudgetMenu(TfrmBudgetViewer& page) {
  auto* button = page.findChild<QPushButton*>(QStringLiteral("btnCreateBudget"));
  auto* menu = page.findChild<QMenu*>(QStringLiteral("PopupMenuCreateBudget"));
  menu->popup(button->mapToGlobal(QPoint(button->width() / 2, button->height() / 2)));
  Settle(100);
  auto* copyFrom = page.findChild<QMenu*>(QStringLiteral("mnuItemCopyfrom"));
  menu->setActiveAction(copyFrom->menuAction());
  Settle(200);
  std::vector<QMenu*> menus = {menu, copyFrom};
  QAction* year = copyFrom->actions().isEmpty() ? nullptr : copyFrom->actions().first();
  if (year != nullptr && year->menu() != nullptr) {
    copyFrom->setActiveAction(year);
    Settle(200);
    menus.push_back(year->menu());
  }
  return menus;
}

std::vector<QMenu*> OpenBudgetGridMenu(TfrmBudgetViewer& page) {
  QTableView& grid = BudgetGrid(page);
  page.SelectCell(5, 3);
  auto* menu = page.findChild<QMenu*>(QStringLiteral("popmGridPopup"));
  page.PopupGridMenu(CellCentre(grid, 5, 1));
  return {menu};
}

// January and February made from the sample's March (in memory only).
void AddTwoEarlierMonths() {
  for (int a = 0; a < Global().Accounts.RowCount(); ++a) {
    TTransactions& table = *Account(a).TransactionsTable();
    const int march = table.RowCount();
    for (const auto& [month, share] : {std::pair{"Jan", 0.8}, {"Feb", 1.1}}) {
      for (int i = 0; i < march; ++i) {
        const TTransactions& from = *table.TransactionAt(i);
        TTransactions* row = table.NewTransaction();
        row->AssignFields(&from, false);
        std::string date = from.FieldAt(TTransactions::fDate)->AsString();
        if (date.substr(0, 2) > "28") date.replace(0, 2, "28");
        Set(*row, TTransactions::fDate, date.replace(3, 3, month));
        const double amount = from.FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble();
        const bool pay = from.GetTransactionType() == ttIncome;
        row->FieldAt(TTransactions::fAmount)
            ->SetValue(TVariant::Currency(TCurrency::FromDouble(pay ? amount : amount * share)));
      }
    }
    table.SortTransactions();
  }
}

// The reports page over the sample and two more months made from it, on
// 31 March 2025; `drill` shows the pies drilled down.
std::unique_ptr<QWidget> ReportsPage(bool drill) {
  AddTwoEarlierMonths();
  auto view = std::make_unique<TfrmReportView>(Global(), DesktopDialogs(Global()), nullptr,
                                               [] { return EncodeDate(2025, 3, 31) + 0.5; });
  view->resize(1180, 700);
  view->ShowReports();
  if (drill) {
    view->chkShowPie->click();
    view->BuildIncomeExpenseBreakdown(TBreakdownSide::Expenses, "");
    view->BuildSpendingBySubcategory("Food");
  }
  return view;
}

// The report chooser over the sample's three months with the report of
// `entry` shown (none for 0) and, for the chart reports, run over them.
std::unique_ptr<QWidget> MoreReports(int entry) {
  AddTwoEarlierMonths();
  auto chooser = std::make_unique<TfrmMoreReports>(Global(), DesktopReportWindowDialogs());
  chooser->resize(entry >= 2 ? 1000 : 750, entry >= 2 ? 720 : 500);
  chooser->ChooseReport(entry);
  const TPeriod period{EncodeDate(2025, 1, 1), EncodeDate(2025, 3, 31)};
  if (auto* report = qobject_cast<TfrmFinancialYearReport*>(chooser->HostedReport())) {
    report->SetPeriod(period);
  } else if (auto* bars = qobject_cast<TfrmExpenseBarReport*>(chooser->HostedReport())) {
    bars->SetPeriod(period);
    bars->btnRunReport->click();
  } else if (auto* compare = qobject_cast<TfrmMonthCompare*>(chooser->HostedReport())) {
    compare->SetMonths(EncodeDate(2025, 2, 1), EncodeDate(2025, 3, 1));
    compare->btnRunReport->click();
  }
  return chooser;
}

// The calculators page with figures typed in: a car loan of 250,000 at
// 11.5 % over five years, and 500 a month saved at 8 % for ten years.
std::unique_ptr<TfrmCalcMain> CalculatorsPage(int tab) {
  auto page = std::make_unique<TfrmCalcMain>(Global(), DesktopCalculatorDialogs());
  page->resize(760, 480);
  TfrmPersonalLoanCalc& loan = *page->PersonalLoan;
  loan.edtAnnualInterestRate->setText(QStringLiteral("11.5"));
  loan.cbxTermMonths->setEditText(QStringLiteral("60"));
  loan.edtLoanAmount->setText(QStringLiteral("250000"));
  loan.dtpStartDate->setDate(QDate(2025, 4, 1));
  TfrmCapitalInvestment& investment = *page->CapitalInvestment;
  investment.cbxDepositType->setCurrentIndex(1);
  investment.edtAnnualInterestRate->setText(QStringLiteral("8"));
  investment.cbxTermYear->setEditText(QStringLiteral("10"));
  investment.edtInvestAmount->setText(QStringLiteral("500"));
  page->pagMain->setCurrentIndex(tab);
  return page;
}

// The main window on its "Calculators" tab, the car loan's term worked out
// from a larger repayment (Up pressed in the repayment box).
std::unique_ptr<QWidget> MainWindowCalculators() {
  auto window =
      std::make_unique<TfrmMain>(Global(), DefaultMainPages(Global()), std::vector<std::string>{});
  window->resize(1180, 720);
  window->Start();
  window->tcMain->setCurrentIndex(3);
  window->show();
  window->activateWindow();
  Settle(300);
  auto* loan = window->findChild<TfrmPersonalLoanCalc*>();
  loan->edtAnnualInterestRate->setText(QStringLiteral("11.5"));
  loan->cbxTermMonths->setEditText(QStringLiteral("60"));
  loan->edtLoanAmount->setText(QStringLiteral("250000"));
  loan->dtpStartDate->setDate(QDate(2025, 4, 1));
  loan->edtRepayments->setFocus();
  Settle(100);
  for (int i = 0; i < 5; ++i) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(loan->edtRepayments, &press);
    QApplication::sendEvent(loan->edtRepayments, &release);
  }
  return window;
}

// The repayment schedule of a small loan as a browser would show it.
std::unique_ptr<QWidget> LoanScheduleShot() {
  const TMortgageRecord record = BuildRepaymentSchedule(12, 12, 10000, 10, EncodeDate(2025, 1, 1));
  auto browser = std::make_unique<QTextBrowser>();
  browser->setHtml(QString::fromStdString(LoanScheduleDocument(record, {})));
  browser->resize(660, 640);
  return browser;
}

// --- the shots

struct TShot {
  const char* Name;  // the PNG's file name without ".png"
  TDataSet Data;
  std::function<std::unique_ptr<QWidget>()> Make;
  int SettleMs = 150;  // time for timers (the help panel waits 500 ms)
};

const std::vector<TShot>& Shots() {
  static const std::vector<TShot> shots = {
      {"main-transactions", TDataSet::Sample, MainWindow},
      {"main-empty-help", TDataSet::Empty, MainWindow, 900},
      {"main-default-size", TDataSet::Sample, [] { return MainWindowSized(868, 638); }},
      {"main-minimum-size", TDataSet::Sample, [] { return MainWindowSized(0, 0); }},
      {"transaction-menu", TDataSet::Sample, [] { return WindowWithMenus(OpenTransactionMenu); }},
      {"remove-duplicates-menu", TDataSet::Sample,
       [] {
         return WindowWithMenus([](TfrmTransactionViewer& viewer) {
           QWidget& button = *viewer.btnRemoveDuups;
           viewer.Menus->popmRemoveDuups->popup(button.mapToGlobal(QPoint(20, 10)));
           return std::vector<QMenu*>{viewer.Menus->popmRemoveDuups};
         });
       }},
      {"accounts-menu", TDataSet::Sample,
       [] {
         return WindowWithMenus([](TfrmTransactionViewer& viewer) {
           viewer.Menus->PopupMenuAccounts->popup(CellCentre(*viewer.grdAccounts, 1, 0));
           return std::vector<QMenu*>{viewer.Menus->PopupMenuAccounts};
         });
       }},
      {"activity-strip", TDataSet::Sample,
       [] {
         std::unique_ptr<QWidget> window = MainWindow();
         window->show();
         Settle(300);
         auto* viewer = window->findChild<TfrmTransactionViewer*>();
         return Picture(viewer->pnlBottom->grab());
       }},
      {"reports", TDataSet::Sample, [] { return ReportsPage(false); }},
      {"reports-pie-drilldown", TDataSet::Sample, [] { return ReportsPage(true); }},
      {"import-dialog", TDataSet::Sample, [] { return ImportDialog(); }},
      {"import-dialog-left-out", TDataSet::Sample,
       [] {
         return ImportDialog({2, 1});
       }},
      {"import-preview", TDataSet::Sample, [] { return ImportPreview(); }},
      {"import-preview-minimum-size", TDataSet::Sample, [] { return ImportPreview(true); }},
      {"csv-mapping", TDataSet::Sample, [] { return CsvMapping(); }},
      {"more-reports", TDataSet::Sample, [] { return MoreReports(0); }},
      {"financial-year-report", TDataSet::Sample, [] { return MoreReports(1); }},
      {"expense-bar-report", TDataSet::Sample, [] { return MoreReports(2); }},
      {"expense-line-report", TDataSet::Sample, [] { return MoreReports(3); }},
      {"month-compare", TDataSet::Sample, [] { return MoreReports(4); }},
      {"transaction-editor", TDataSet::Sample,
       [] {
         return std::make_unique<TfrmTransactionsEdit>(Global(), Transaction(0, 3),
                                                       DesktopDialogs(Global()));
       }},
      {"account-editor", TDataSet::Sample,
       [] {
         return std::make_unique<TfrmAccountEdit>(Global(), Account(0), DesktopDialogs(Global()));
       }},
      {"category-management", TDataSet::Sample,
       [] { return std::make_unique<TfrmCategoryManagement>(Global(), DesktopDialogs(Global())); }},
      {"category-selection", TDataSet::Sample,
       [] {
         auto dialog = std::make_unique<TfrmCatergorySelection>(Global());
         dialog->ExistingCategories = {"Food - groceries"};
         dialog->SelectedMain = "Food";
         dialog->SelectedSub = "groceries";
         return dialog;
       }},
      {"pattern-list-editor", TDataSet::Sample,
       [] {
         return std::make_unique<TfrmImportSettingsListEdit>(
             Global(), *Global().Accounts.PatternTable(), DesktopDialogs(Global()));
       }},
      {"pattern-editor", TDataSet::Sample,
       [] { return std::make_unique<TfrmImportSettingsEdit>(Global(), Pattern(2)); }},
      {"settings", TDataSet::Sample, [] { return std::make_unique<TfrmSettings>(Global()); }},
      {"password-prompt", TDataSet::Sample,
       [] { return std::make_unique<TfrmPasswordPrompt>(QStringLiteral("secret")); }},
      {"date-picker", TDataSet::Sample,
       [] { return std::make_unique<TfrmDatePicker>(EncodeDate(2025, 3, 14)); }},
      {"budgets-page", TDataSet::Sample,
       [] {
         std::unique_ptr<QWidget> window = BudgetWindow(EncodeDate(2025, 3, 1), true);
         auto* page = window->findChild<TfrmBudgetViewer*>();
         page->SelectCell(6, 3);
         return window;
       }},
      {"budgets-empty-month", TDataSet::Sample,
       [] { return BudgetWindow(EncodeDate(2025, 4, 1), false); }},
      {"budget-create-menu", TDataSet::Sample,
       [] { return BudgetWindowWithMenus(OpenCreateBudgetMenu); }},
      {"budget-grid-menu", TDataSet::Sample,
       [] { return BudgetWindowWithMenus(OpenBudgetGridMenu); }},
      {"main-calculators", TDataSet::Sample, MainWindowCalculators},
      {"calculator-loan", TDataSet::Sample, [] { return CalculatorsPage(0); }},
      {"calculator-investment", TDataSet::Sample, [] { return CalculatorsPage(1); }},
      {"loan-schedule", TDataSet::Sample, LoanScheduleShot},
      {"error-window", TDataSet::Sample,
       [] {
         auto window = std::make_unique<TfrmErrorWindow>(TfrmErrorWindow::TMailSender{});
         Global().Trace("Main - Create - 4");
         Global().TraceError("Cannot open file \"statement.csv\". Permission denied");
         window->SetReport(TErrorReporter::ReportText(Global()));
         window->chkShowError->setChecked(true);
         return window;
       }},
      {"error-window-backup", TDataSet::Sample,
       [] {
         auto window = std::make_unique<TfrmErrorWindow>(TfrmErrorWindow::TMailSender{});
         Global().TraceError(
             "Cannot read file \"data.tfold\". Decompression error: incorrect "
             "header check");
         window->SetReport(TErrorReporter::ReportText(Global()));
         window->SetOffer(QStringLiteral("The data file cannot be read. The newest backup that "
                                         "reads holds your data as it was on 10 Dec 2026. Opening "
                                         "it keeps the damaged file beside it."),
                          QStringLiteral("Open Backup of 10 Dec 2026"));
         return window;
       }},
  };
  return shots;
}

void Settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QApplication::sendPostedEvents();
  }
}

bool Take(const TShot& shot, TDataSets& data, const QString& folder) {
  data.Open(shot.Data);
  std::unique_ptr<QWidget> widget = shot.Make();
  widget->show();
  widget->raise();
  widget->activateWindow();
  Settle(shot.SettleMs);
  const QString path =
      folder + QLatin1Char('/') + QLatin1String(shot.Name) + QStringLiteral(".png");
  const bool saved = widget->grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(QDir::toNativeSeparators(path)));
  widget->close();
  widget.reset();
  Settle(20);
  return saved;
}

int Usage() {
  std::fprintf(stderr,
               "usage: tallyfold-screenshots OUT [NAME...]\n"
               "       tallyfold-screenshots --list\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  // The names need no display.
  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const TShot& shot : Shots()) std::printf("%s\n", shot.Name);
    return 0;
  }
  if (argc < 2 || argv[1][0] == '-') return Usage();
  TApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Quillmere"));
  QCoreApplication::setApplicationName(QStringLiteral("Tallyfold"));
  QApplication::setFont(FormFont());
  QApplication::setWindowIcon(ProgramIcon());
  QStringList args = QCoreApplication::arguments().mid(1);
  const QString folder = QDir(args.takeFirst()).absolutePath();
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "cannot create the folder %s\n", qPrintable(folder));
    return 1;
  }
  for (const QString& name : args) {
    const auto& shots = Shots();
    if (std::none_of(shots.begin(), shots.end(),
                     [&](const TShot& shot) { return name == QLatin1String(shot.Name); })) {
      std::fprintf(stderr, "no shot named %s (see --list)\n", qPrintable(name));
      return 2;
    }
  }

  QTemporaryDir home;
  if (!home.isValid()) {
    std::fprintf(stderr, "cannot create a temporary folder\n");
    return 1;
  }
  // The dialogs that rows open are the program's own.
  RegisterRowEditors(Global());
  TDataSets data(home.path());
  int failed = 0;
  for (const TShot& shot : Shots())
    if (args.isEmpty() || args.contains(QLatin1String(shot.Name)))
      failed += Take(shot, data, folder) ? 0 : 1;
  Global().Reset();
  return failed == 0 ? 0 : 1;
}
