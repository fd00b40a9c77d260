// The transactions page as a new user meets it: Tab reaching every control,
// the bottom row readable at the window's smallest size, a word after an
// import or an export, the new account selected, "n/a" on a selected row,
// and the getting-started panel on demand.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
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
#include "gui/app/FrmMain.h"
#include "gui/app/FrmSettings.h"
#include "gui/app/MainPages.h"
#include "gui/workspace/ActivityStrip.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/HelpPanel.h"
#include "gui/workspace/TransactionMenus.h"
#include "gui/workspace/TransactionsGridModel.h"

using namespace tf;
using namespace tf::test;

namespace {

QStringList Column(const QTableView& grid, int column) {
  QStringList texts;
  for (int row = 0; row < grid.model()->rowCount(); ++row)
    texts << grid.model()->index(row, column).data().toString();
  return texts;
}

QDate Day(const char* text) {
  return ToQDate(ParseStatementDate(text));
}

// The widget's rectangle in the coordinates of `top`.
QRect RectIn(const QWidget& widget, const QWidget& top) {
  return QRect(widget.mapTo(&top, QPoint(0, 0)), widget.size());
}

}  // namespace

class TransactionPageGuidanceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;
  TAccount* Card_ = nullptr;

  void AddData() {
    Cheque_ = AddAccount("Cheque", "{A}", 1000);
    AddTransaction(*Cheque_, "02 Mar 2010", "WOOLWORTHS", -84.99, "Food - groceries", ttExpense);
    AddTransaction(*Cheque_, "03 Mar 2010", "Salary", 850, "Income - paycheck", ttIncome);
    AddTransaction(*Cheque_, "04 Mar 2010", "Fuel", -115.49, "", ttExpense);
    Card_ = AddAccount("Card", "{B}", -50);
    Global().Accounts.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String("01 Mar 2010"));
    Global().Accounts.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Mar 2010"));
    Global().Accounts.RebuildCategoryList();
  }

  std::unique_ptr<TfrmTransactionViewer> ShowViewer(bool active = false) {
    auto viewer = std::make_unique<TfrmTransactionViewer>(Global(), Context_->Dialogs);
    viewer->resize(1000, 600);
    viewer->show();
    if (active) {
      viewer->activateWindow();
      if (!QTest::qWaitForWindowActive(viewer.get())) return nullptr;
    }
    return viewer;
  }

  // A statement in the program's own layout, chosen in the open dialog.
  void ChooseStatement(const std::vector<const char*>& lines) {
    QByteArray bytes("Date,Type,Description,Category,Sub Category,Amount,Balance\r\n");
    for (const char* line : lines) bytes += QByteArray(line) + "\r\n";
    const QString path = QDir(Context_->Home->path()).filePath("statement.csv");
    WriteBytes(path, bytes);
    Context_->Script->OpenFiles.push_back(TChosenFile{path, 7});
  }

  void ChooseNovemberStatement() {
    ChooseStatement({R"("30 Nov 2010","Expense","PHARMACY","","","-20","0")",
                     R"("02 Nov 2010","Income","INTEREST","","","5","0")"});
  }

  // The main window around the page, as the program shows it.
  std::unique_ptr<TfrmMain> MainWindow(TfrmTransactionViewer*& viewer) {
    TMainPages pages;
    pages.Transactions = [this, &viewer](QWidget* parent) {
      viewer = new TfrmTransactionViewer(Global(), Context_->Dialogs, parent);
      return TWorkspacePage{viewer, {}};
    };
    pages.Reports = pages.Budgets = pages.Calculators = EmptyPage;
    return std::make_unique<TfrmMain>(Global(), pages, std::vector<std::string>{});
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    AddData();
  }
  void cleanup() { Context_.reset(); }

  // Tab and Shift+Tab leave a grid for the next control; the arrows still
  // move within it, and neither changes what Tab did not mean to change.
  void tabLeavesEachGrid() {
    auto viewer = ShowViewer(true);
    QVERIFY(viewer);
    viewer->grdAccounts->setFocus();
    QCOMPARE(QApplication::focusWidget(), viewer->grdAccounts);
    const int row = 1;
    viewer->grdMain->setCurrentIndex(viewer->grdMain->model()->index(row, 0));

    QTest::keyClick(viewer->grdAccounts, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), viewer->grdMain);
    QCOMPARE(viewer->SelectedAccount(), Cheque_);
    QTest::keyClick(viewer->grdMain, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), viewer->btnAddAccount);
    QCOMPARE(viewer->grdMain->currentIndex().row(), row);
    for (QWidget* next : std::initializer_list<QWidget*>{
             viewer->btnDeleteAccount, viewer->btnTranAdd, viewer->btnTransDelete,
             viewer->btnRemoveDuups, viewer->btnImport, viewer->btnRecogniseTransactions,
             viewer->btnRecogniseManagement}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }

    viewer->grdMain->setFocus();
    QTest::keyClick(viewer->grdMain, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), viewer->grdAccounts);
    QCOMPARE(viewer->grdMain->currentIndex().row(), row);
    QTest::keyClick(viewer->grdAccounts, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), viewer->chkIgnoreDates);
    QCOMPARE(viewer->SelectedAccount(), Cheque_);

    QTest::keyClick(viewer->grdAccounts, Qt::Key_Down);
    QCOMPARE(viewer->SelectedAccount(), Card_);
  }

  // Clicking into the year of a range picker and typing a year: the digits
  // typed on the way ("202") must not move the range before the year is whole.
  void aYearCanBeTypedIntoTheRangePickers_data() {
    QTest::addColumn<bool>("toPicker");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("from, a year back")
        << false << "2009" << Day("01 Mar 2009") << Day("31 Mar 2010");
    QTest::newRow("to, a year on") << true << "2011" << Day("01 Mar 2010") << Day("31 Mar 2011");
  }

  void aYearCanBeTypedIntoTheRangePickers() {
    QFETCH(bool, toPicker);
    QFETCH(QString, year);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    auto viewer = ShowViewer(true);
    QVERIFY(viewer);
    QDateEdit* picker = toPicker ? viewer->dtpTo : viewer->dtpFrom;
    // The year is the last part of "dd MMM yyyy": a click near the right end.
    const QPoint yearAt(picker->fontMetrics().horizontalAdvance(QStringLiteral("31 Mar 20")) + 4,
                        picker->height() / 2);
    auto* edit = picker->findChild<QLineEdit*>();
    QVERIFY(edit != nullptr);
    QTest::mouseClick(edit, Qt::LeftButton, {}, yearAt);
    QCOMPARE(QApplication::focusWidget(), picker);
    QTest::keyClicks(picker, year);
    QTest::keyClick(picker, Qt::Key_Return);
    QCOMPARE(viewer->dtpFrom->date(), from);
    QCOMPARE(viewer->dtpTo->date(), to);
  }

  void theBottomRowIsReadableAtTheDefaultAndTheSmallestSize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("default") << QSize(868, 638);
    QTest::newRow("smallest") << QSize();
  }

  // Every caption at its full width, every total inside the strip, nothing
  // on top of anything else: at 820 x 580 the captions were cut and the
  // totals squeezed between the buttons.
  void theBottomRowIsReadableAtTheDefaultAndTheSmallestSize() {
    QFETCH(QSize, size);
    // Totals of all four kinds, as wide as a household's get.
    AddTransaction(*Cheque_, "05 Mar 2010", "Bonus", 1234567.89, "", ttIncome);
    AddTransaction(*Cheque_, "06 Mar 2010", "House", -2345678.9, "", ttExpense);
    AddTransaction(*Cheque_, "07 Mar 2010", "Move", -345678.12, "", ttTransfer);
    AddTransaction(*Cheque_, "08 Mar 2010", "Back", 456789.01, "", ttDeposit);
    TfrmTransactionViewer* viewer = nullptr;
    auto window = MainWindow(viewer);
    QVERIFY(viewer != nullptr);
    window->resize(size.isValid() ? size : window->minimumSize());
    window->tcMainChange(TfrmMain::tabTransactions);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QVERIFY(window->width() <= 868 && window->height() <= 638);

    const QRect page = RectIn(*viewer, *window);
    QVERIFY(window->rect().contains(page));
    const std::vector<QWidget*> bottom = {viewer->btnAddAccount,
                                          viewer->btnDeleteAccount,
                                          viewer->btnTranAdd,
                                          viewer->btnTransDelete,
                                          viewer->btnRemoveDuups,
                                          viewer->btnImport,
                                          viewer->btnRecogniseTransactions,
                                          viewer->btnRecogniseManagement,
                                          viewer->pboxActivity};
    for (QWidget* control : bottom) {
      const QRect rect = RectIn(*control, *window);
      QVERIFY2(page.contains(rect),
               qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside the page %6,%7 %8x%9")
                              .arg(control->objectName())
                              .arg(rect.x())
                              .arg(rect.y())
                              .arg(rect.width())
                              .arg(rect.height())
                              .arg(page.x())
                              .arg(page.y())
                              .arg(page.width())
                              .arg(page.height())));
      if (control != viewer->pboxActivity)
        QVERIFY2(control->width() >= control->sizeHint().width(),
                 qPrintable(QStringLiteral("%1 is %2 wide, its caption needs %3")
                                .arg(control->objectName())
                                .arg(control->width())
                                .arg(control->sizeHint().width())));
      for (QWidget* other : bottom)
        if (other != control)
          QVERIFY2(!rect.intersects(RectIn(*other, *window)),
                   qPrintable(control->objectName() + QStringLiteral(" overlaps ") +
                              other->objectName()));
    }
    QVERIFY(viewer->pboxActivity->ContentWidth() > 0);
    QVERIFY(viewer->pboxActivity->width() >= viewer->pboxActivity->ContentWidth());
    for (QWidget* control : std::initializer_list<QWidget*>{
             viewer->dtpFrom, viewer->dtpTo, viewer->chkIgnoreDates, viewer->lblto,
             viewer->lblTransactionsHeading, viewer->btnNextMonth}) {
      QVERIFY(page.contains(RectIn(*control, *window)));
      QVERIFY(control->width() >= control->sizeHint().width());
    }
  }

  // Rows that land outside the range shown change nothing visible; the page
  // says what came in and offers to show it.
  void anImportOutsideTheRangeIsReportedAndShownOnRequest_data() {
    QTest::addColumn<bool>("moveRange");
    QTest::newRow("to the statement's months") << true;
    QTest::newRow("ignoring dates") << false;
  }

  void anImportOutsideTheRangeIsReportedAndShownOnRequest() {
    QFETCH(bool, moveRange);
    ChooseNovemberStatement();
    auto viewer = ShowViewer(true);
    QVERIFY(viewer);
    QVERIFY(!viewer->pnlNotice->isVisible());
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QVERIFY(viewer->pnlNotice->isVisible());
    QCOMPARE(viewer->lblNotice->text(),
             QStringLiteral("2 transactions imported into Cheque, 02 Nov 2010 to 30 Nov 2010. "
                            "The dates shown leave them out."));
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"WOOLWORTHS", "Salary", "Fuel"}));
    QVERIFY(viewer->btnShowImported->isVisible());
    QVERIFY(viewer->btnImportIgnoreDates->isVisible());
    // The keyboard is back in the page (once the window is active again).
    QTRY_COMPARE(QApplication::focusWidget(), viewer->grdMain);

    QTest::mouseClick(moveRange ? viewer->btnShowImported : viewer->btnImportIgnoreDates,
                      Qt::LeftButton);
    if (moveRange) {
      QCOMPARE(viewer->dtpFrom->date(), Day("01 Nov 2010"));
      QCOMPARE(viewer->dtpTo->date(), Day("30 Nov 2010"));
      QVERIFY(!viewer->chkIgnoreDates->isChecked());
      QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"INTEREST", "PHARMACY"}));
    } else {
      QVERIFY(viewer->chkIgnoreDates->isChecked());
      QVERIFY(!viewer->dtpFrom->isEnabled());
      QCOMPARE(Column(*viewer->grdMain, 1).size(), 5);
    }
    QVERIFY(!viewer->btnShowImported->isVisible());
    QVERIFY(!viewer->btnImportIgnoreDates->isVisible());
    QCOMPARE(viewer->lblNotice->text(),
             QStringLiteral("2 transactions imported into Cheque, 02 Nov 2010 to 30 Nov 2010."));
    QTest::mouseClick(viewer->btnCloseNotice, Qt::LeftButton);
    QVERIFY(!viewer->pnlNotice->isVisible());
  }

  void anImportIntoAnotherAccountOffersToSelectIt() {
    ChooseStatement({R"("06 Mar 2010","Expense","PHARMACY","","","-20","0")"});
    Context_->Script->ExecDialog = [](QDialog& dialog) {
      auto& import = dynamic_cast<TfrmStatementImport&>(dialog);
      import.cbxAccount->setCurrentIndex(import.cbxAccount->findText("Card", Qt::MatchStartsWith));
      return int(QDialog::Accepted);
    };
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(viewer->lblNotice->text(),
             QStringLiteral("1 transaction imported into Card, 06 Mar 2010. "
                            "Another account is shown."));
    QVERIFY(viewer->btnShowImported->isVisible());
    QVERIFY(!viewer->btnImportIgnoreDates->isVisible());
    QTest::mouseClick(viewer->btnShowImported, Qt::LeftButton);
    QCOMPARE(viewer->SelectedAccount(), Card_);
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"PHARMACY"}));
  }

  void anImportInsideTheRangeIsReportedWithoutOffers() {
    ChooseStatement({R"("06 Mar 2010","Expense","PHARMACY","","","-20","0")"});
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(viewer->lblNotice->text(),
             QStringLiteral("1 transaction imported into Cheque, 06 Mar 2010."));
    QVERIFY(!viewer->btnShowImported->isVisible());
    QVERIFY(!viewer->btnImportIgnoreDates->isVisible());
    // The same statement again brings nothing new, and says so.
    ChooseStatement({R"("06 Mar 2010","Expense","PHARMACY","","","-20","0")"});
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(viewer->lblNotice->text(),
             QStringLiteral("No new transactions: the statement's rows were imported before."));
  }

  void theExportProposesANameAndSaysWhereItWrote() {
    QString proposed;
    const QString path = QDir(Context_->Home->path()).filePath("march.csv");
    Context_->Dialogs.ChooseSaveFileNamed =
        [&proposed, path](QWidget*, const QString&, const QStringList&, int, const QString& name) {
          proposed = name;
          return std::optional<TChosenFile>(TChosenFile{path, 1});
        };
    auto viewer = ShowViewer();
    viewer->Menus->menuItemExporttoExcelFile->trigger();
    QCOMPARE(proposed, QStringLiteral("Cheque 01 Mar 2010 to 31 Mar 2010.csv"));
    QVERIFY(QFile::exists(path));
    QVERIFY(viewer->pnlNotice->isVisible());
    QCOMPARE(viewer->lblNotice->text(),
             QStringLiteral("3 transactions exported to %1.").arg(QDir::toNativeSeparators(path)));
    viewer->chkIgnoreDates->click();
    viewer->Menus->menuItemExporttoExcelFile->trigger();
    QCOMPARE(proposed, QStringLiteral("Cheque all dates.csv"));
  }

  void aNewAccountBecomesTheSelectedOne() {
    TAccount::Editor() = [](TAccount& account, void*) {
      account.FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Savings"));
      account.FieldAt(TAccount::fAccountType)->SetValue(TVariant::String("Savings Account"));
      return true;
    };
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnAddAccount, Qt::LeftButton);
    QVERIFY(viewer->SelectedAccount() != nullptr);
    QCOMPARE(viewer->SelectedAccount()->FieldAt(TAccount::fAccountName)->AsString(),
             std::string("Savings"));
    QCOMPARE(Column(*viewer->grdAccounts, 0), QStringList({"Cheque", "Card", "Savings"}));
    QCOMPARE(viewer->grdAccounts->currentIndex().row(), 2);
  }

  // The pale pink of an uncategorised row disappears on the selection's blue.
  void notApplicableIsReadableOnASelectedRow() {
    auto viewer = ShowViewer(true);
    QVERIFY(viewer);
    viewer->grdMain->setFocus();
    viewer->grdMain->setCurrentIndex(viewer->grdMain->model()->index(2, 0));  // Fuel, no category
    const QRect cell = viewer->grdMain->visualRect(
        viewer->grdMain->model()->index(2, TTransactionsGridModel::colCategory));
    const QImage image = viewer->grdMain->viewport()->grab(cell).toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        if (pixel.red() > 120 && pixel.green() < 80 && pixel.blue() < 80) ++dark;
      }
    QVERIFY2(dark > 5, "no deep red text in the selected n/a cell");
  }

  void f1AndTheSettingsDialogShowTheGettingStartedPanel() {
    auto viewer = ShowViewer(true);
    QVERIFY(viewer);
    Global().SetShowHelp(false);
    viewer->TimerFormShowTimer();
    QVERIFY(!viewer->pnlAccountHelp->isVisible());
    viewer->grdMain->setFocus();
    QTest::keyClick(viewer->grdMain, Qt::Key_F1);
    QVERIFY(viewer->pnlAccountHelp->isVisible());
    QTest::mouseClick(viewer->pnlAccountHelp->btnCloseHelp, Qt::LeftButton);
    QVERIFY(!viewer->pnlAccountHelp->isVisible());
    QVERIFY(!Global().ShowHelp());

    // The settings dialog of the window the page lives in.
    QWidget host;
    auto* page = new TfrmTransactionViewer(Global(), Context_->Dialogs, &host);
    host.resize(1000, 600);
    host.show();
    QTimer::singleShot(0, [] {
      auto* settings = qobject_cast<TfrmSettings*>(QApplication::activeModalWidget());
      if (settings == nullptr) return;
      QSignalSpy asked(settings, &TfrmSettings::showHelpRequested);
      QTest::mouseClick(settings->btnShowHelp, Qt::LeftButton);
      QCOMPARE(asked.count(), 1);
      QVERIFY(!settings->btnShowHelp->isEnabled());
      settings->accept();
    });
    QTimer::singleShot(0, [] {
      if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
    });
    TfrmSettings::ShowSettings(Global(), &host);
    QVERIFY(Global().ShowHelp());
    QVERIFY(page->pnlAccountHelp->isVisible());
  }
};

TF_GUI_TEST_MAIN(TransactionPageGuidanceTest)
#include "TransactionPageGuidanceTest.moc"
