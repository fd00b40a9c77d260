// The budget page's commands through their buttons and menus: Create
// Budget (new and copied, also from the month itself), Synchronise and
// Cleanup with its report, the grid menu, adding an item through the
// category dialog, the export in both forms, and that every change reaches
// the data file without any other command.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>

#include "BudgetGuiSupport.h"
#include "base/Formats.h"
#include "gui/app/FrmMain.h"
#include "gui/app/MainPages.h"
#include "gui/budgets/BudgetExportCommand.h"
#include "gui/budgets/BudgetGridModel.h"
#include "gui/workspace/FrmCatergorySelection.h"

using namespace tf;
using namespace tf::test;

namespace {

QAction* MonthAction(QMenu& copyFrom, const QString& hint) {
  for (QAction* year : copyFrom.actions())
    if (year->menu() != nullptr)
      for (QAction* month : year->menu()->actions())
        if (month->toolTip() == hint) return month;
  return nullptr;
}

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

class BudgetCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TBudgetPage> Page_;

  void AddCategories(const char* lines) { Global().Categories.SetLinesText(lines); }

  QMenu& OpenCreateMenu() {
    Page_->Child<QPushButton>("btnCreateBudget").click();
    auto& menu = Page_->Child<QMenu>("PopupMenuCreateBudget");
    if (!QTest::qWaitFor([&] { return menu.isVisible(); })) throw std::runtime_error("no menu");
    return menu;
  }

  void CopyFrom(const QString& hint) {
    QMenu& menu = OpenCreateMenu();
    QAction* month = MonthAction(Page_->Child<QMenu>("mnuItemCopyfrom"), hint);
    QVERIFY(month != nullptr);
    menu.hide();
    month->trigger();
  }

 private slots:
  void init() { Page_ = std::make_unique<TBudgetPage>(); }
  void cleanup() { Page_.reset(); }

  void copyFromOffersThreeYearsOfMonths() {
    Page_->Show();
    OpenCreateMenu().hide();
    auto& copyFrom = Page_->Child<QMenu>("mnuItemCopyfrom");
    const QList<QAction*> years = copyFrom.actions();
    QCOMPARE(years.size(), 3);
    const int thisYear = QDate::currentDate().year();
    QCOMPARE(years.first()->text(), QString::number(thisYear - 2));
    QCOMPARE(years.last()->text(), QString::number(thisYear));
    QCOMPARE(years.first()->toolTip(), QStringLiteral("Year"));
    QStringList months;
    for (QAction* month : years.first()->menu()->actions()) months << month->text();
    QCOMPARE(months, QStringList({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep",
                                  "Oct", "Nov", "Dec"}));
    QCOMPARE(years.first()->menu()->actions().first()->toolTip(),
             QStringLiteral("01 Jan %1").arg(thisYear - 2));
    // Rebuilt, not added to, on the next opening.
    OpenCreateMenu().hide();
    QCOMPARE(copyFrom.actions().size(), 3);
  }

  void newBudgetHasALinePerCategoryAndIsSaved() {
    AddCategories("Food\r\nSalary\r\nRent\r\n");
    TAccount* cheque = AddAccount("Cheque", "{A}");
    AddTransaction(*cheque, "01 Mar 2026", "pay", 900, "Salary", ttIncome);
    AddBudget("Old", 2026, 3, 5, false);
    Page_->Show();
    QMenu& menu = OpenCreateMenu();
    menu.hide();
    Page_->Child<QAction>("menuitemNewBudget").trigger();
    QCOMPARE(Page_->Rows(), QStringList({"Income", "Salary", "Expenses", "Food", "Rent"}));
    QCOMPARE(Page_->SavedLines(), QStringList({"Salary=0", "Food=0", "Rent=0"}));
  }

  void copyFromTheDisplayedMonthKeepsItsAmounts() {
    const int year = QDate::currentDate().year();
    AddCategories("Food\r\nRent\r\n");
    AddBudget("Food", year, 3, 450.25, false);
    AddBudget("Rent", year, 3, 800, false);
    AddBudget("Rent", year - 1, 11, 700, false);
    Page_->Show(EncodeDate(year, 3, 1));
    CopyFrom(QStringLiteral("01 Mar %1").arg(year));
    QCOMPARE(Page_->Rows(), QStringList({"Expenses", "Food", "Rent", ""}));
    QCOMPARE(QStringList({Page_->Cell(1, 3), Page_->Cell(2, 3)}),
             QStringList({"450.25", "800.00"}));
    QVERIFY(Page_->SavedLines().contains("Food=450.25"));
    // From another month: its amounts, and none for a category it lacks.
    CopyFrom(QStringLiteral("01 Nov %1").arg(year - 1));
    QCOMPARE(QStringList({Page_->Cell(1, 3), Page_->Cell(2, 3)}), QStringList({"0.00", "700.00"}));
    QCOMPARE(Page_->SavedLines().size(), 3);
  }

  void synchroniseReportsWhatItAddedAndRemoved() {
    AddCategories("Food\r\nRent\r\nTravel\r\n");
    TAccount* cheque = AddAccount("Cheque", "{A}");
    AddTransaction(*cheque, "01 Mar 2026", "shop", -50, "Food");
    AddTransaction(*cheque, "02 Mar 2026", "rent", -800, "Rent");
    AddBudget("Rent", 2026, 3, 800, false);
    AddBudget("Travel", 2026, 3, 0, false);
    Page_->Show();
    Page_->Child<QPushButton>("btnClearEmptyItems").click();
    QCOMPARE(Page_->Rows(), QStringList({"Expenses", "Food", "Rent", ""}));
    QCOMPARE(
        Page_->Context.Script->Asked,
        std::vector<QString>({"Information: Report\r\n\r\nThe following actions has occured\r\n\r\n"
                              "1 Item(s) was added\r\n1 Item(s) was removed\r\n"}));
    QCOMPARE(Page_->SavedLines(), QStringList({"Food=0", "Rent=800"}));
    // Nothing left to do: no message.
    Page_->Child<QPushButton>("btnClearEmptyItems").click();
    QCOMPARE(Page_->Context.Script->Asked.size(), std::size_t(1));
  }

  void copyActualFromLastMonthMakesItPositive() {
    TAccount* cheque = AddAccount("Cheque", "{A}");
    AddTransaction(*cheque, "12 Feb 2026", "shop", -320.50, "Food");
    AddTransaction(*cheque, "13 Feb 2026", "moved", -1000, "Food", ttTransfer);
    AddBudget("Food", 2026, 2, 0, false);
    AddBudget("Food", 2026, 3, 10, false);
    AddBudget("Fuel", 2026, 3, 10, false);
    Page_->Show();
    Page_->Page->SelectCell(1, TBudgetGridModel::colBudgeted);
    Page_->Child<QAction>("Copyvaluefromlastmonth1").trigger();
    QCOMPARE(Page_->Cell(1, 3), QStringLiteral("320.50"));
    QCOMPARE(Page_->Totals().at(4), QStringLiteral("-330.50"));
    // The editor shows the copied amount.
    QTRY_VERIFY(Page_->Editor() != nullptr && Page_->Editor()->isVisible());
    QCOMPARE(Page_->Editor()->text(), QStringLiteral("320.50"));
    QVERIFY(Page_->SavedLines().contains("Food=320.5"));
    // No line last month: nothing happens.
    Page_->Page->SelectCell(2, TBudgetGridModel::colBudgeted);
    Page_->Child<QAction>("Copyvaluefromlastmonth1").trigger();
    QCOMPARE(Page_->Cell(2, 3), QStringLiteral("10.00"));
  }

  void changeTypeMovesTheLineAndIsSaved() {
    AddBudget("Bonus", 2026, 3, 0, false);
    AddBudget("Rent", 2026, 3, 0, false);
    Page_->Show();
    Page_->Page->SelectCell(1, TBudgetGridModel::colBudgeted);
    auto& menu = Page_->Child<QMenu>("popmGridPopup");
    Page_->Page->PopupGridMenu(QPoint(10, 10));
    QTRY_VERIFY(menu.isVisible());
    QVERIFY(Page_->Child<QAction>("menuitemChangeTypeIncomeExpense").isEnabled());
    menu.hide();
    Page_->Child<QAction>("menuitemChangeTypeIncomeExpense").trigger();
    QCOMPARE(Page_->Rows(), QStringList({"Income", "Bonus", "Expenses", "Rent"}));
    QCOMPARE(Page_->Page->CurrentLine()->FieldAt(TBudget::fCategoryName)->AsString(), "Bonus");
    const std::unique_ptr<TAccount> saved = Page_->Reloaded();
    QVERIFY(
        saved->BudgetTable()->FindBudget(2026, 3, "Bonus")->FieldAt(TBudget::fIncome)->AsBool());
    // On a section row the line commands are off.
    Page_->Page->SelectCell(0, 1);
    Page_->Page->PopupGridMenu(QPoint(10, 10));
    QTRY_VERIFY(menu.isVisible());
    QVERIFY(!Page_->Child<QAction>("Copyvaluefromlastmonth1").isEnabled());
    menu.hide();
  }

  void addNewBudgetItemThroughTheCategoryDialog() {
    AddCategories("Car - fuel\r\nFood - groceries\r\n");
    AddBudget("Food - groceries", 2026, 3, 0, false);
    std::vector<std::string> existing;
    Page_->Context.Script->ExecDialog = [&existing](QDialog& dialog) {
      auto& selection = static_cast<TfrmCatergorySelection&>(dialog);
      existing = selection.ExistingCategories;
      selection.show();
      selection.edCategory->setEditText("Car");
      selection.cbxSubCategory->setEditText("insurance");
      selection.BudgetTypes->button(1)->click();
      selection.btnOk->click();
      return selection.result();
    };
    Page_->Show();
    Page_->Child<QAction>("menuitemAddnewbudgetitem").trigger();
    QCOMPARE(existing, std::vector<std::string>({"Food - groceries"}));
    QCOMPARE(Page_->Rows(), QStringList({"Expenses", "Car - insurance", "Food - groceries", ""}));
    QCOMPARE(Page_->Page->CurrentLine()->FieldAt(TBudget::fCategoryName)->AsString(),
             "Car - insurance");
    QCOMPARE(Page_->Grid().currentIndex().column(), int(TBudgetGridModel::colBudgeted));
    QVERIFY(Global().Categories.IndexOf("Car - insurance") >= 0);
    QVERIFY(Page_->SavedLines().contains("Car - insurance=0"));

    Page_->Context.Script->ExecDialog = [](QDialog&) { return int(QDialog::Rejected); };
    Page_->Child<QAction>("menuitemAddnewbudgetitem").trigger();
    QCOMPARE(Page_->Rows().size(), 4);
  }

  void aTypedAmountReachesTheFileWhenTheTabIsLeft() {
    AddBudget("Food", 2026, 3, 0, false);
    Page_->Show();
    Page_->Page->SelectCell(1, TBudgetGridModel::colBudgeted);
    QTest::keyClicks(Page_->Editor(), "275");
    QVERIFY(!Page_->Saved());
    Page_->Page->hide();
    QCOMPARE(Page_->SavedLines(), QStringList({"Food=275"}));
  }

  void aTypedAmountReachesTheFileWhenAnotherRowIsChosen() {
    AddBudget("Food", 2026, 3, 0, false);
    AddBudget("Rent", 2026, 3, 0, false);
    Page_->Show();
    Page_->Page->SelectCell(1, TBudgetGridModel::colBudgeted);
    QTest::keyClicks(Page_->Editor(), "42");
    QTest::keyClick(Page_->Editor(), Qt::Key_Down);
    QTRY_VERIFY(Page_->Saved());
    QCOMPARE(Page_->SavedLines(), QStringList({"Food=42", "Rent=0"}));
    QCOMPARE(Page_->Grid().currentIndex().row(), 2);
  }

  void theMainWindowsBudgetsTabSavesATypedAmountWhenLeft() {
    AddBudget("Food", 2026, 3, 10, false);
    Global().SaveFile();
    TfrmMain window(Global(), DefaultMainPages(Global()), {});
    window.Start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.tcMain->setCurrentIndex(TfrmMain::tabBudgets);
    auto* page = window.findChild<TfrmBudgetViewer*>();
    QVERIFY(page != nullptr && page->isVisible());
    page->ShowMonth(EncodeDate(2026, 3, 1));
    page->SelectCell(1, TBudgetGridModel::colBudgeted);
    auto* editor = page->findChild<QLineEdit*>(QStringLiteral("edtBudgeted"));
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "640");
    QCOMPARE(Page_->SavedLines(), QStringList({"Food=10"}));
    window.tcMain->setCurrentIndex(TfrmMain::tabTransactions);
    QCOMPARE(Page_->SavedLines(), QStringList({"Food=640"}));
  }

  void exportWritesTheFormTheFilterChooses() {
    AddBudget("Food - groceries", 2026, 3, 1500, false);
    TAccount* cheque = AddAccount("Cheque", "{A}");
    AddTransaction(*cheque, "02 Mar 2026", "shop", -1250, "Food - groceries");
    Page_->Show();
    const QString folder = Page_->Context.Home->path();
    auto& script = *Page_->Script;
    script.ExportFiles = {TChosenFile{folder + "/Budget for Mar 2026", 2},
                          TChosenFile{folder + "/Budget for Mar 2026", 1},
                          TChosenFile{folder + "/report.CSV", 1}, std::nullopt};
    auto& export_ = Page_->Child<QPushButton>("btnExport");
    for (int i = 0; i < 4; ++i) export_.click();
    QCOMPARE(script.PresetNames, QStringList(4, "Budget for Mar 2026"));
    QCOMPARE(script.Filters, QStringList({"Comma Delimited File (*.csv)", "HTML File (*.htm)"}));
    QCOMPARE(script.InitialFilters, std::vector<int>(4, 2));
    QCOMPARE(script.Opened, QStringList({folder + "/Budget for Mar 2026.html"}));
    const QString html = ReadText(folder + "/Budget for Mar 2026.html");
    QVERIFY(html.contains("Mar 2026"));
    QVERIFY(html.contains("Food - groceries"));
    QCOMPARE(ReadText(folder + "/Budget for Mar 2026.csv"),
             QStringLiteral(
                 "\"Type\",\"Category\",\"Actual\",\"Budgeted\",\"Difference\"\r\n"
                 "\"Expense\",\"Food - groceries\",\"-1,250.00\",\"1,500.00\",\"250.00\"\r\n"));
    QVERIFY(QFile::exists(folder + "/report.CSV"));
    QCOMPARE(QDir(folder).entryList({"*.csv", "*.CSV", "*.html"}, QDir::Files).size(), 3);
  }
};

TF_GUI_TEST_MAIN(BudgetCommandsTest)
#include "BudgetCommandsTest.moc"
