// The budget page as the user sees it: the rows and sections of a month,
// the amounts and their colours, the totals grid, the Budgeted editor
// following each keystroke, the clicks and the keys.
#include <QDateEdit>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

#include "BudgetGuiSupport.h"
#include "gui/budgets/BudgetGridModel.h"
#include "gui/budgets/BudgetTotalsModel.h"

using namespace tf;
using namespace tf::test;

namespace {

constexpr int kKind = TBudgetGridModel::kKindRole;
constexpr int kSign = TBudgetGridModel::kSignRole;

int TotalSign(const TBudgetPage& page, int row, int column) {
  return page.TotalsGrid().model()->index(row, column).data(TBudgetTotalsModel::kSignRole).toInt();
}

}  // namespace

class BudgetViewerTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TBudgetPage> Page_;

  // March 2026: groceries overspent, salary above plan, and rows that must not count.
  void AddMonth() {
    TAccount* cheque = AddAccount("Cheque", "{A}");
    TAccount* card = AddAccount("Card", "{B}");
    AddTransaction(*cheque, "03 Mar 2026", "shop", -400, "Food - groceries");
    AddTransaction(*card, "20 Mar 2026", "market", -250, "Food - groceries");
    AddTransaction(*cheque, "25 Mar 2026", "pay", 1200, "Income - paycheck", ttIncome);
    AddTransaction(*cheque, "26 Mar 2026", "to savings", -5000, "Food - groceries", ttTransfer);
    AddTransaction(*card, "27 Mar 2026", "paid in", 900, "Income - paycheck", ttDeposit);
    AddTransaction(*cheque, "28 Feb 2026", "last month", -99, "Food - groceries");
    AddBudget("Food - groceries", 2026, 3, 500, false);
    AddBudget("Income - paycheck", 2026, 3, 1000, true);
    Global().ClearMonthIndex();
  }

 private slots:
  void init() { Page_ = std::make_unique<TBudgetPage>(); }
  void cleanup() { Page_.reset(); }

  void emptyMonthShowsTheHeadingAndTwoEmptyRows() {
    Page_->Show();
    QAbstractItemModel& grid = *Page_->Grid().model();
    QStringList headings;
    for (int column = 0; column < 5; ++column)
      headings << grid.headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headings, QStringList({"Type", "Category", "Actual", "Budgeted", "Difference"}));
    QCOMPARE(Page_->Rows(), QStringList({"", ""}));
    QCOMPARE(Page_->Totals(), QStringList(9, "0.00"));
    for (int row = 1; row < 4; ++row)
      for (int column = 1; column < 4; ++column) QCOMPARE(TotalSign(*Page_, row, column), 0);
    QCOMPARE(Page_->TotalsGrid().model()->index(0, 2).data().toString(),
             QStringLiteral("Expenses"));
    QCOMPARE(Page_->TotalsGrid().model()->index(3, 0).data().toString(),
             QStringLiteral("Difference"));
  }

  void expensesOnlyLeaveAnEmptyRowAtTheBottom() {
    AddBudget("Rent", 2026, 3, 800, false);
    AddBudget("car", 2026, 3, 0, false);
    Page_->Show();
    QCOMPARE(Page_->Rows(), QStringList({"Expenses", "car", "Rent", ""}));
    QCOMPARE(Page_->CellRole(0, 1, kKind).toInt(), int(TBudgetRowKind::Section));
    QCOMPARE(Page_->Grid().rowHeight(0), 30);
    QCOMPARE(Page_->Grid().rowHeight(1), 20);
    QCOMPARE(Page_->CellRole(3, 1, kKind).toInt(), int(TBudgetRowKind::Empty));
  }

  void overspentExpenseAndIncomeAbovePlan() {
    AddMonth();
    Page_->Show();
    QCOMPARE(Page_->Rows(),
             QStringList({"Income", "Income - paycheck", "Expenses", "Food - groceries"}));
    // Transfers and deposits never count.
    QCOMPARE(QStringList({Page_->Cell(3, 2), Page_->Cell(3, 3), Page_->Cell(3, 4)}),
             QStringList({"-650.00", "500.00", "-150.00"}));
    QCOMPARE(Page_->CellRole(3, 4, kSign).toInt(), -1);
    QCOMPARE(QStringList({Page_->Cell(1, 2), Page_->Cell(1, 3), Page_->Cell(1, 4)}),
             QStringList({"1,200.00", "1,000.00", "200.00"}));
    QCOMPARE(Page_->CellRole(1, 4, kSign).toInt(), 1);
    QCOMPARE(Page_->CellRole(1, 0, TBudgetGridModel::kIncomeRole).toBool(), true);
    QCOMPARE(Page_->CellRole(3, 0, TBudgetGridModel::kIncomeRole).toBool(), false);
    QCOMPARE(Page_->Totals(), QStringList({"1,200.00", "-650.00", "550.00",  //
                                           "1,000.00", "-500.00", "500.00",  //
                                           "200.00", "-150.00", "50.00"}));
    QCOMPARE(TotalSign(*Page_, 2, 2), -1);
    QCOMPARE(TotalSign(*Page_, 3, 1), 1);
  }

  void typingIntoBudgetedUpdatesDifferenceAndTotalsEachKeystroke() {
    AddMonth();
    Page_->Show();
    Page_->Page->SelectCell(3, TBudgetGridModel::colBudgeted);
    QLineEdit* editor = Page_->Editor();
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->text(), QStringLiteral("500.00"));
    editor->selectAll();
    const char* typed[][3] = {{"7", "-643.00", "-643.00"},
                              {"0", "-580.00", "-580.00"},
                              {"0", "50.00", "50.00"},
                              {"0", "6,350.00", "6,350.00"}};
    for (const auto& step : typed) {
      QTest::keyClick(editor, step[0][0]);
      QCOMPARE(Page_->Cell(3, 4), QString::fromLatin1(step[1]));
      QCOMPARE(Page_->Totals().at(7), QString::fromLatin1(step[2]));
    }
    QCOMPARE(Page_->Totals().at(4), QStringLiteral("-7,000.00"));
    // Not one keystroke reached the file.
    QVERIFY(!Page_->Saved());
  }

  void escapeTakesTheEditBack() {
    AddMonth();
    TBudget* food = AddBudget("Food - snacks", 2026, 3, 25, false);
    Page_->Show();
    Page_->Page->SelectCell(4, TBudgetGridModel::colBudgeted);
    QLineEdit* editor = Page_->Editor();
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, "99");
    QCOMPARE(Max(*food), 99.0);
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(Max(*food), 25.0);
    QCOMPARE(Page_->Cell(4, 3), QStringLiteral("25.00"));
    QCOMPARE(Page_->Totals().at(4), QStringLiteral("-525.00"));
    QVERIFY(!Page_->Saved());
  }

  void aClickLandsInTheBudgetedCell() {
    AddMonth();
    Page_->Show();
    QTableView& grid = Page_->Grid();
    const QRect category = grid.visualRect(grid.model()->index(3, 1));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, category.center());
    QCOMPARE(grid.currentIndex().row(), 3);
    QCOMPARE(grid.currentIndex().column(), int(TBudgetGridModel::colBudgeted));
    QVERIFY(Page_->Editor() != nullptr && Page_->Editor()->isVisible());
    auto& line = Page_->Child<QFrame>("pnlLine");
    QVERIFY(line.isVisible());
    QCOMPARE(line.y(), grid.viewport()
                           ->mapTo(Page_->Page.get(),
                                   QPoint(0, grid.visualRect(grid.currentIndex()).bottom() + 1))
                           .y());
    // A click on the type column stays there.
    const QRect type = grid.visualRect(grid.model()->index(1, 0));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, type.center());
    QCOMPARE(grid.currentIndex().column(), int(TBudgetGridModel::colType));
  }

  void doubleClickOnTheTypeFlipsTheSection() {
    AddMonth();
    Page_->Show();
    QTableView& grid = Page_->Grid();
    const QRect type = grid.visualRect(grid.model()->index(3, 0));
    // As the window system sends it: a click, then a press that is a double click.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, type.center());
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, type.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, type.center());
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, type.center());
    QCOMPARE(Page_->Rows(), QStringList({"Income", "Food - groceries", "Income - paycheck", ""}));
    QCOMPARE(Page_->SavedLines().size(), 2);
  }

  void keysMoveEditAndOpenTheMenu() {
    AddMonth();
    Page_->Show();
    QTableView& grid = Page_->Grid();
    Page_->Page->SelectCell(0, TBudgetGridModel::colBudgeted);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.currentIndex().row(), 1);
    QLineEdit* editor = Page_->Editor();
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(Page_->Editor() == nullptr || !Page_->Editor()->isVisible());
    QTest::keyClick(&grid, Qt::Key_F2);
    QTRY_VERIFY(Page_->Editor() != nullptr && Page_->Editor()->isVisible());
    // Enter takes the amount and closes the editor; Enter again opens it.
    QTest::keyClicks(Page_->Editor(), "1500");
    QTest::keyClick(Page_->Editor(), Qt::Key_Return);
    QTRY_VERIFY(Page_->Saved());
    QCOMPARE(Page_->SavedLines(), QStringList({"Income - paycheck=1500", "Food - groceries=500"}));
    QTRY_VERIFY(Page_->Editor() == nullptr || !Page_->Editor()->isVisible());
    QTest::keyClick(&grid, Qt::Key_Return);
    QTRY_VERIFY(Page_->Editor() != nullptr && Page_->Editor()->isVisible());

    auto& menu = Page_->Child<QMenu>("popmGridPopup");
    QTest::keyClick(Page_->Editor(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(menu.isVisible());
    menu.hide();

    auto& picker = Page_->Child<QDateEdit>("dtpDate");
    QTest::keyClick(Page_->Editor(), Qt::Key_PageDown);
    QCOMPARE(picker.date(), QDate(2026, 4, 1));
    QCOMPARE(Page_->Rows(), QStringList({"", ""}));
    QTest::keyClick(&grid, Qt::Key_PageUp);
    QCOMPARE(picker.date(), QDate(2026, 3, 1));
    QCOMPARE(Page_->Rows().size(), 4);
  }

  void arrowsPassThroughTheBudgetedCellUntilSomethingIsTyped() {
    AddMonth();
    Page_->Show();
    QTableView& grid = Page_->Grid();
    Page_->Page->SelectCell(1, TBudgetGridModel::colActual);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(grid.currentIndex().column(), int(TBudgetGridModel::colBudgeted));
    QVERIFY(Page_->Editor() != nullptr);
    QTest::keyClick(Page_->Editor(), Qt::Key_Right);
    QCOMPARE(grid.currentIndex().column(), int(TBudgetGridModel::colDifference));
    QTest::keyClick(&grid, Qt::Key_Left);
    QTRY_VERIFY(Page_->Editor() != nullptr && Page_->Editor()->isVisible());
    QTest::keyClicks(Page_->Editor(), "12");
    QTest::keyClick(Page_->Editor(), Qt::Key_Left);
    QCOMPARE(grid.currentIndex().column(), int(TBudgetGridModel::colBudgeted));
    QCOMPARE(Page_->Editor()->cursorPosition(), 1);
  }

  void tabReachesEveryControl() {
    Page_->Show();
    QStringList reached;
    QWidget* start = &Page_->Child<QToolButton>("btnPreviousMonth");
    start->setFocus();
    QTRY_VERIFY(start->hasFocus());
    // The picker takes one Tab per field (month, year) before passing the focus on.
    for (int i = 0; i < 8; ++i) {
      QWidget* focus = QApplication::focusWidget();
      while (focus != nullptr && focus->objectName().isEmpty()) focus = focus->parentWidget();
      const QString name = focus ? focus->objectName() : QString();
      if (reached.isEmpty() || reached.last() != name) reached << name;
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(reached, QStringList({"btnPreviousMonth", "dtpDate", "btnNextMonth", "grdMain",
                                   "btnCreateBudget", "btnClearEmptyItems", "btnExport"}));
  }

  void monthButtonsAndThePickerShowTheirMonth() {
    AddMonth();
    AddBudget("Rent", 2026, 2, 800, false);
    Page_->Show(EncodeDate(2026, 3, 31));
    auto& picker = Page_->Child<QDateEdit>("dtpDate");
    Page_->Child<QToolButton>("btnPreviousMonth").click();
    QCOMPARE(picker.date(), QDate(2026, 2, 28));
    QCOMPARE(Page_->Rows(), QStringList({"Expenses", "Rent", ""}));
    // Changing the picker itself lists its month, so the commands act on what is shown.
    picker.setDate(QDate(2026, 3, 28));
    QCOMPARE(Page_->Page->Month()->Month(), 3);
    QCOMPARE(Page_->Rows().size(), 4);
    QCOMPARE(picker.displayFormat(), QStringLiteral("MMM yyyy"));
    QCOMPARE(picker.text(), QStringLiteral("Mar 2026"));
  }
};

TF_GUI_TEST_MAIN(BudgetViewerTest)
#include "BudgetViewerTest.moc"
