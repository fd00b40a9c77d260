// The transactions page driven through its widgets: the two grids and what
// they show, the filter, the date range with its month buttons and "Ignore
// Dates", the view state in the data file, opening rows and the
// getting-started panel.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "WorkspaceGuiSupport.h"
#include "base/Formats.h"
#include "gui/app/DateConversion.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/HelpPanel.h"
#include "gui/workspace/TransactionsGridModel.h"

using namespace tf;
using namespace tf::test;

namespace {

QDate Day(const char* text) {
  return ToQDate(ParseStatementDate(text));
}

QStringList Column(const QTableView& grid, int column) {
  QStringList texts;
  for (int row = 0; row < grid.model()->rowCount(); ++row)
    texts << grid.model()->index(row, column).data().toString();
  return texts;
}

void PressAndRelease(QWidget& widget, Qt::Key key) {
  QTest::keyPress(&widget, key);
  QTest::keyRelease(&widget, key);
}

}  // namespace

class TransactionViewerTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;
  TAccount* Card_ = nullptr;

  // Two accounts; the cheque account has March rows and one in February.
  void AddData() {
    Cheque_ = AddAccount("Cheque", "{A}", 1000, 13937996);
    AddTransaction(*Cheque_, "27 Feb 2010", "February rent", -500, "Home - rent");
    AddTransaction(*Cheque_, "02 Mar 2010", "WOOLWORTHS SANDTON", -84.99, "Food - groceries");
    AddTransaction(*Cheque_, "03 Mar 2010", "Salary", 85, "Income - paycheck", ttIncome);
    AddTransaction(*Cheque_, "04 Mar 2010", "Fuel", -115.49, "");
    AddTransaction(*Cheque_, "05 Mar 2010", "Rent", -116, "Home - rent", ttTransfer, "{T5}");
    AddTransaction(*Cheque_, "20 Mar 2010", "Pharmacy", 100.5, "Personal - medical 100");
    AddTransaction(*Cheque_, "21 Mar 2010", "Gone", -7, "")->Deleted = true;
    Card_ = AddAccount("Card", "{B}", -50);
    AddAccount("Closed", "{C}")->Deleted = true;
    Global().Accounts.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String("01 Mar 2010"));
    Global().Accounts.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Mar 2010"));
  }

  std::unique_ptr<TfrmTransactionViewer> ShowViewer() {
    auto viewer = std::make_unique<TfrmTransactionViewer>(Global(), Context_->Dialogs);
    viewer->resize(1000, 600);
    viewer->show();
    return viewer;
  }

  void SelectAccountRow(TfrmTransactionViewer& viewer, int row) {
    viewer.grdAccounts->setCurrentIndex(viewer.grdAccounts->model()->index(row, 0));
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    AddData();
  }
  void cleanup() { Context_.reset(); }

  void controlsCarryTheirCaptionsAndHints() {
    auto viewer = ShowViewer();
    QCOMPARE(viewer->lblAccountHeading->text(), QStringLiteral("Accounts"));
    QCOMPARE(viewer->lblTransactionsHeading->text(), QStringLiteral("Transactions"));
    QVERIFY(viewer->lblAccountHeading->font().bold());
    QCOMPARE(viewer->lblAccountHeading->font().pixelSize(), 13);
    QCOMPARE(viewer->edtTransactionsFilter->placeholderText(),
             QStringLiteral("filter transactions here"));
    QCOMPARE(viewer->btnPreviousMonth->toolTip(), QStringLiteral("Previous Month"));
    QCOMPARE(viewer->btnNextMonth->toolTip(), QStringLiteral("Next Month"));
    QCOMPARE(viewer->dtpFrom->displayFormat(), QStringLiteral("dd MMM yyyy"));
    QCOMPARE(viewer->lblto->text(), QStringLiteral("to "));
    QCOMPARE(viewer->chkIgnoreDates->text(), QStringLiteral("Ignore Dates"));
    QCOMPARE(viewer->btnAddAccount->text(), QStringLiteral("Add\nAccount"));
    QCOMPARE(viewer->btnDeleteAccount->text(), QStringLiteral("Delete\nAccount"));
    QCOMPARE(viewer->btnImport->text(), QStringLiteral("&Import Transactions"));
    QCOMPARE(viewer->grdMain->horizontalHeader()->height(), 25);
    QCOMPARE(viewer->grdMain->verticalHeader()->defaultSectionSize(), 20);
    QCOMPARE(viewer->grdAccounts->verticalHeader()->defaultSectionSize(), 40);
    QCOMPARE(viewer->grdMain->selectionMode(), QAbstractItemView::ContiguousSelection);
  }

  void theAccountsGridShowsLiveAccountsWithTheFirstSelected() {
    auto viewer = ShowViewer();
    const QAbstractItemModel* model = viewer->grdAccounts->model();
    QCOMPARE(Column(*viewer->grdAccounts, 0), QStringList({"Cheque", "Card"}));
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Balance"));
    // 1000 - 500 - 84.99 + 85 - 115.49 - 116 + 100.5, the deleted row skipped.
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("369.02"));
    QCOMPARE(model->index(0, 1).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(0, 0, 255));
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("-50.00"));
    QCOMPARE(model->index(1, 1).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(255, 0, 0));
    QVERIFY(model->index(1, 1).data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(viewer->SelectedAccount(), Cheque_);
    QCOMPARE(viewer->grdAccounts->horizontalHeader()->sectionSize(0),
             viewer->grdAccounts->viewport()->width() / 2);
  }

  void theSwatchIsPaintedInTheAccountColour() {
    auto viewer = ShowViewer();
    const QImage image = viewer->grdAccounts->viewport()->grab().toImage();
    const QRect cell = viewer->grdAccounts->visualRect(viewer->grdAccounts->model()->index(0, 0));
    // 13937996 is 0x00D4AD4C: blue D4, green AD, red 4C.
    QCOMPARE(QColor(image.pixel(cell.left() + 14, cell.bottom() - 7)), QColor(0x4C, 0xAD, 0xD4));
  }

  void theTransactionsGridListsTheMonthInStoredOrder() {
    auto viewer = ShowViewer();
    QCOMPARE(Column(*viewer->grdMain, 1),
             QStringList({"WOOLWORTHS SANDTON", "Salary", "Fuel", "Rent", "Pharmacy"}));
    const QAbstractItemModel* model = viewer->grdMain->model();
    QCOMPARE(model->index(1, TTransactionsGridModel::colAmount).data().toString(),
             QStringLiteral("85.00"));
    QCOMPARE(model->index(1, TTransactionsGridModel::colAmount)
                 .data(Qt::ForegroundRole)
                 .value<QBrush>()
                 .color(),
             QColor(0, 0, 255));
    QVERIFY(!model->index(0, TTransactionsGridModel::colAmount).data(Qt::ForegroundRole).isValid());
    QCOMPARE(model->index(0, TTransactionsGridModel::colBalance).data().toString(),
             QStringLiteral("415.01"));
    QCOMPARE(model->index(1, TTransactionsGridModel::colDescription)
                 .data(TTransactionsGridModel::kImageRole)
                 .toInt(),
             0);
    QCOMPARE(model->index(3, TTransactionsGridModel::colDescription)
                 .data(TTransactionsGridModel::kImageRole)
                 .toInt(),
             1);
    QCOMPARE(model->index(0, TTransactionsGridModel::colDescription)
                 .data(TTransactionsGridModel::kImageRole)
                 .toInt(),
             3);
    QCOMPARE(viewer->SelectedTransaction()->FieldAt(TTransactions::fDescription)->AsString(),
             std::string("WOOLWORTHS SANDTON"));
    QCOMPARE(viewer->grdMain->horizontalHeader()->sectionSize(0), 80);
    QCOMPARE(viewer->grdMain->horizontalHeader()->sectionSize(2), 130);
  }

  void anUncategorisedRowShowsNaInPaleRed() {
    auto viewer = ShowViewer();
    viewer->grdMain->setFocus();
    const QImage image = viewer->grdMain->viewport()->grab().toImage();
    const QRect cell = viewer->grdMain->visualRect(viewer->grdMain->model()->index(2, 2));
    bool paleRed = false;
    for (int x = cell.left(); x <= cell.right(); ++x)
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        if (QColor(image.pixel(x, y)) == QColor(0xFF, 0xC6, 0xC6)) paleRed = true;
    QVERIFY(paleRed);
  }

  void selectingAnotherAccountShowsItsTransactions() {
    auto viewer = ShowViewer();
    SelectAccountRow(*viewer, 1);
    QCOMPARE(viewer->SelectedAccount(), Card_);
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({""}));
    QCOMPARE(viewer->SelectedTransaction(), nullptr);
  }

  void theFilterNarrowsTheListWhileTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("text") << "woolw" << QStringList({"WOOLWORTHS SANDTON"});
    QTest::newRow("category") << "PAYCHECK" << QStringList({"Salary"});
    QTest::newRow("amount near 100")
        << "100" << QStringList({"WOOLWORTHS SANDTON", "Salary", "Fuel", "Pharmacy"});
    QTest::newRow("uncategorised") << "n/a" << QStringList({"Fuel"});
    QTest::newRow("a day") << "05 mar 2010" << QStringList({"Rent"});
    QTest::newRow("spaces only") << "   "
                                 << QStringList({"WOOLWORTHS SANDTON", "Salary", "Fuel", "Rent",
                                                 "Pharmacy"});
    QTest::newRow("nothing") << "zzz" << QStringList({""});
  }

  void theFilterNarrowsTheListWhileTyping() {
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    auto viewer = ShowViewer();
    QTest::keyClicks(viewer->edtTransactionsFilter, typed);
    QCOMPARE(Column(*viewer->grdMain, 1), listed);
    viewer->edtTransactionsFilter->clear();
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 5);
  }

  void theMonthButtonsStepByMonthsOrByTheRangeLength() {
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnPreviousMonth, Qt::LeftButton);
    QCOMPARE(viewer->dtpFrom->date(), Day("01 Feb 2010"));
    QCOMPARE(viewer->dtpTo->date(), Day("28 Feb 2010"));
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"February rent"}));
    QTest::mouseClick(viewer->btnNextMonth, Qt::LeftButton);
    QCOMPARE(viewer->dtpFrom->date(), Day("01 Mar 2010"));
    viewer->dtpFrom->setDate(Day("05 Mar 2010"));
    viewer->dtpTo->setDate(Day("20 Mar 2010"));
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"Rent", "Pharmacy"}));
    QTest::mouseClick(viewer->btnPreviousMonth, Qt::LeftButton);
    QCOMPARE(viewer->dtpFrom->date(), Day("18 Feb 2010"));
    QCOMPARE(viewer->dtpTo->date(), Day("05 Mar 2010"));
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 5);
  }

  void anEndBeforeTheStartBecomesTheStartsMonthEnd() {
    auto viewer = ShowViewer();
    viewer->dtpTo->setDate(Day("10 Mar 2010"));
    viewer->dtpFrom->setDate(Day("15 Mar 2010"));
    QCOMPARE(viewer->dtpTo->date(), Day("31 Mar 2010"));
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"Pharmacy"}));
  }

  void ignoreDatesListsEveryLiveRowAndDisablesTheRange() {
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->chkIgnoreDates, Qt::LeftButton);
    QVERIFY(viewer->chkIgnoreDates->isChecked());
    for (QWidget* control :
         std::initializer_list<QWidget*>{viewer->btnNextMonth, viewer->btnPreviousMonth,
                                         viewer->dtpFrom, viewer->lblto, viewer->dtpTo})
      QVERIFY(!control->isEnabled());
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 6);
    QVERIFY(Global().Accounts.ListFieldAt(TAccount::lfIgnoreDates)->AsBool());
    QTest::mouseClick(viewer->chkIgnoreDates, Qt::LeftButton);
    QVERIFY(viewer->dtpFrom->isEnabled());
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 5);
  }

  void theViewStateIsWrittenOnEveryFillAndRestoredOnTheFirstShow() {
    {
      auto viewer = ShowViewer();
      QTest::mouseClick(viewer->btnNextMonth, Qt::LeftButton);
      QTest::mouseClick(viewer->chkIgnoreDates, Qt::LeftButton);
    }
    const TAccount& root = Global().Accounts;
    QCOMPARE(root.ListFieldAt(TAccount::lfStartDate)->AsString(), std::string("01 Apr 2010"));
    QCOMPARE(root.ListFieldAt(TAccount::lfEndDate)->AsString(), std::string("30 Apr 2010"));
    Global().SaveFile();
    Global().Accounts.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String(""));
    QVERIFY(Global().LoadFile());
    auto restored = ShowViewer();
    QCOMPARE(restored->dtpFrom->date(), Day("01 Apr 2010"));
    QCOMPARE(restored->dtpTo->date(), Day("30 Apr 2010"));
    QVERIFY(restored->chkIgnoreDates->isChecked());
    QVERIFY(!restored->dtpTo->isEnabled());
    QCOMPARE(Column(*restored->grdMain, 1).size(), 6);
  }

  void withoutAStoredRangeTheCurrentMonthIsShown() {
    Global().Accounts.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String(""));
    Global().Accounts.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("rubbish"));
    auto viewer = ShowViewer();
    QCOMPARE(viewer->DateRange(), MonthRange(Today()));
  }

  void enterOnATransactionOpensItsEditor() {
    int opened = 0;
    TTransactions::Editor() = [&opened](TTransactions& row, void*) {
      ++opened;
      row.FieldAt(TTransactions::fDescription)->SetValue(TVariant::String("Groceries"));
      return true;
    };
    auto viewer = ShowViewer();
    viewer->grdMain->setFocus();
    PressAndRelease(*viewer->grdMain, Qt::Key_Return);
    QCOMPARE(opened, 1);
    QCOMPARE(Column(*viewer->grdMain, 1).first(), QStringLiteral("Groceries"));
    QVERIFY(QFile::exists(Context_->DataFile()));
    // The release of a key pressed elsewhere (the editor's Enter) opens nothing.
    QTest::keyRelease(viewer->grdMain, Qt::Key_Return);
    QCOMPARE(opened, 1);
    PressAndRelease(*viewer->grdMain, Qt::Key_Space);
    QCOMPARE(opened, 2);
  }

  void aNewDateResortsAndKeepsTheRowSelected() {
    TTransactions::Editor() = [](TTransactions& row, void*) {
      row.FieldAt(TTransactions::fDate)->SetValue(TVariant::String("01 Mar 2010"));
      row.ClearDateCache();
      return true;
    };
    auto viewer = ShowViewer();
    viewer->SelectTransactionById("{T5}");
    QCOMPARE(viewer->grdMain->currentIndex().row(), 3);
    emit viewer->grdMain->doubleClicked(viewer->grdMain->currentIndex());
    QCOMPARE(Column(*viewer->grdMain, 1).first(), QStringLiteral("Rent"));
    QCOMPARE(viewer->grdMain->currentIndex().row(), 0);
    // The running balance follows the new order: 1000 - 500 - 116.
    QCOMPARE(viewer->grdMain->model()->index(0, 4).data().toString(), QStringLiteral("384.00"));
  }

  void aCancelledEditorChangesNothing() {
    TTransactions::Editor() = [](TTransactions&, void*) { return false; };
    auto viewer = ShowViewer();
    PressAndRelease(*viewer->grdMain, Qt::Key_Enter);
    QVERIFY(!QFile::exists(Context_->DataFile()));
  }

  void openingAnAccountRecalculatesAndSaves() {
    TAccount::Editor() = [](TAccount& account, void*) {
      account.FieldAt(TAccount::fStartingBalance)
          ->SetValue(TVariant::Currency(TCurrency::FromUnits(0)));
      return true;
    };
    auto viewer = ShowViewer();
    emit viewer->grdAccounts->doubleClicked(viewer->grdAccounts->model()->index(0, 0));
    QCOMPARE(viewer->grdAccounts->model()->index(0, 1).data().toString(),
             QStringLiteral("-630.98"));
    QVERIFY(QFile::exists(Context_->DataFile()));
  }

  void openingWithoutAnAccountAsksForANewOne() {
    Global().Accounts.Rows().Clear();
    auto viewer = ShowViewer();
    QSignalSpy spy(viewer.get(), &TfrmTransactionViewer::addAccountRequested);
    PressAndRelease(*viewer->grdAccounts, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
  }

  void theHelpPanelGreetsAnEmptyDataSetUntilHiddenForever() {
    Global().Accounts.Rows().Clear();
    auto viewer = ShowViewer();
    QCOMPARE(Column(*viewer->grdAccounts, 0), QStringList({""}));
    QCOMPARE(Column(*viewer->grdMain, 0), QStringList({""}));
    QVERIFY(viewer->TimerFormShow->isActive());
    QCOMPARE(viewer->TimerFormShow->interval(), 500);
    viewer->TimerFormShowTimer();
    QVERIFY(viewer->pnlAccountHelp->isVisible());
    QCOMPARE(viewer->pnlAccountHelp->geometry().right(), viewer->width() - 40 - 1);
    QCOMPARE(viewer->pnlAccountHelp->lblWelcome->text(), QStringLiteral("Welcome to Tallyfold"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(viewer->pnlAccountHelp->lblhelp3, &enter);
    QVERIFY(viewer->pnlHigh1->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(viewer->pnlAccountHelp->lblhelp3, &leave);
    QVERIFY(!viewer->pnlHigh1->isVisible());
    QApplication::sendEvent(viewer->pnlAccountHelp->lblHelp1, &enter);
    QVERIFY(viewer->pnlHigh2->isVisible() && viewer->pnlHigh3->isVisible());
    QTest::mouseClick(viewer->pnlAccountHelp->btnCloseHelp, Qt::LeftButton);
    QVERIFY(!viewer->pnlAccountHelp->isVisible());
    QVERIFY(!Global().ShowHelp());
    auto again = ShowViewer();
    again->TimerFormShowTimer();
    QVERIFY(!again->pnlAccountHelp->isVisible());
  }

  void theHelpPanelStaysHiddenOnceThereAreAccounts() {
    Global().Accounts.AccountAt(0)->Deleted = true;
    Global().Accounts.AccountAt(1)->Deleted = true;
    auto viewer = ShowViewer();
    viewer->TimerFormShowTimer();
    // Deleted rows still count: the user has made accounts before.
    QVERIFY(!viewer->pnlAccountHelp->isVisible());
  }
};

TF_GUI_TEST_MAIN(TransactionViewerTest)
#include "TransactionViewerTest.moc"
