// The commands of the transactions page driven through its widgets: the
// buttons, both popup menus, the keys and the drag onto another account;
// what each does to the model and whether it wrote the data file.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "WorkspaceGuiSupport.h"
#include "base/Formats.h"
#include "gui/app/Application.h"
#include "gui/app/DateConversion.h"
#include "gui/workspace/ActivityStrip.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/TransactionDrag.h"
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

QStringList Captions(const QMenu& menu) {
  QStringList captions;
  for (const QAction* action : menu.actions())
    captions << (action->isSeparator() ? "-" : action->text());
  return captions;
}

double Amount(const TTransactions& row) {
  return row.FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble();
}

// The live transactions of an account, as descriptions in stored order.
QStringList LiveDescriptions(const TAccount& account) {
  QStringList texts;
  const TTransactions* table = account.TransactionsTable();
  for (int i = 0; i < table->RowCount(); ++i)
    if (!table->TransactionAt(i)->Deleted)
      texts << QString::fromStdString(Text(*table->TransactionAt(i), TTransactions::fDescription));
  return texts;
}

QAction* ActionWithData(const QMenu& menu, const QString& data) {
  for (QAction* action : menu.actions())
    if (action->data().toString() == data) return action;
  return nullptr;
}

// Presses the left button in the viewport and moves it, as a hand would.
void PressAndMove(QWidget& viewport, QPoint from, QPoint by) {
  QTest::mousePress(&viewport, Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(from + by), viewport.mapToGlobal(QPointF(from + by)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&viewport, &move);
}

}  // namespace

class TransactionCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;
  TAccount* Card_ = nullptr;

  void AddData() {
    Cheque_ = AddAccount("Cheque", "{A}", 1000);
    AddTransaction(*Cheque_, "02 Mar 2010", "WOOLWORTHS", -84.99, "Food - groceries", ttExpense,
                   "{T1}");
    AddTransaction(*Cheque_, "03 Mar 2010", "Salary", 850, "Income - paycheck", ttIncome, "{T2}");
    AddTransaction(*Cheque_, "04 Mar 2010", "Fuel", -115.49, "", ttExpense, "{T3}");
    AddTransaction(*Cheque_, "05 Mar 2010", "To savings", -500, "", ttTransfer, "{T4}");
    Card_ = AddAccount("Card", "{B}", -50);
    Global().Accounts.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String("01 Mar 2010"));
    Global().Accounts.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Mar 2010"));
    Global().Accounts.RebuildCategoryList();
  }

  std::unique_ptr<TfrmTransactionViewer> ShowViewer() {
    auto viewer = std::make_unique<TfrmTransactionViewer>(Global(), Context_->Dialogs);
    viewer->resize(1000, 600);
    viewer->show();
    return viewer;
  }

  bool Saved() const { return QFile::exists(Context_->DataFile()); }

  // The data file read back into a root of its own.
  std::unique_ptr<TAccount> Reloaded() const {
    auto root = std::make_unique<TAccount>(nullptr, TBoneKind::List);
    root->LoadFromFile(Context_->DataFile().toStdString(), true);
    return root;
  }

  static void SelectRows(TfrmTransactionViewer& viewer, int top, int bottom) {
    QAbstractItemModel* model = viewer.grdMain->model();
    viewer.grdMain->setCurrentIndex(model->index(top, 0));
    viewer.grdMain->selectionModel()->select(
        QItemSelection(model->index(top, 0), model->index(bottom, 4)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }

  static int CurrentRow(const TfrmTransactionViewer& viewer) {
    return viewer.grdMain->currentIndex().row();
  }

  static void Popup(TfrmTransactionViewer& viewer) {
    emit viewer.grdMain->customContextMenuRequested(QPoint(5, 5));
    QVERIFY(viewer.Menus->PopupMenuTransactions->isVisible());
    viewer.Menus->PopupMenuTransactions->hide();
  }

  // A drag entering the widget at a point, moving there and dropping: what was accepted.
  struct TDragAnswers {
    bool Entered = false, Moved = false, Dropped = false;
  };
  static TDragAnswers DragOnto(QWidget& target, QPoint point, const QMimeData* data) {
    TDragAnswers answers;
    QDragEnterEvent enter(point, Qt::CopyAction, data, Qt::LeftButton, {});
    enter.ignore();
    QApplication::sendEvent(&target, &enter);
    answers.Entered = enter.isAccepted();
    QDragMoveEvent move(point, Qt::CopyAction, data, Qt::LeftButton, {});
    move.ignore();
    QApplication::sendEvent(&target, &move);
    answers.Moved = move.isAccepted();
    QDropEvent drop(QPointF(point), Qt::CopyAction, data, Qt::LeftButton, {});
    drop.ignore();
    QApplication::sendEvent(&target, &drop);
    answers.Dropped = drop.isAccepted();
    return answers;
  }

  static QPoint AccountPoint(const TfrmTransactionViewer& viewer, int row) {
    return viewer.grdAccounts->visualRect(viewer.grdAccounts->model()->index(row, 0)).center();
  }

  // The transaction editor confirms, writing what the test gives; the dates it opened with.
  std::vector<std::string> EditedDates_;
  std::vector<std::string>* ConfirmingEditor(const std::string& description, double amount) {
    TTransactions::Editor() = [this, description, amount](TTransactions& row, void*) {
      EditedDates_.push_back(Text(row, TTransactions::fDate));
      if (!description.empty())
        row.FieldAt(TTransactions::fDescription)->SetValue(TVariant::String(description));
      if (amount != 0)
        row.FieldAt(TTransactions::fAmount)
            ->SetValue(TVariant::Currency(TCurrency::FromDouble(amount)));
      return true;
    };
    return &EditedDates_;
  }

 private slots:
  void init() {
    EditedDates_.clear();
    Context_ = std::make_unique<TWorkspaceContext>();
    AddData();
  }
  void cleanup() {
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Context_.reset();
  }

  void everyButtonIsOfferedWithItsHint() {
    auto viewer = ShowViewer();
    const std::pair<QPushButton*, const char*> buttons[] = {
        {viewer->btnAddAccount, "Create new an Account"},
        {viewer->btnDeleteAccount, "Delete Selected Account"},
        {viewer->btnTranAdd, "Create new a Transaction for selected Account (Shortcut key Insert)"},
        {viewer->btnTransDelete, "Delete Selected Transaction (Shortcut key Delete)"},
        {viewer->btnRemoveDuups, ""},
        {viewer->btnRecogniseTransactions,
         "Recognise Transactions based on patterns you have has supplied (Alt + R)"},
        {viewer->btnRecogniseManagement, "Manage the auto recognition patterns"},
    };
    for (const auto& [button, hint] : buttons) {
      QVERIFY2(button->isEnabled(), qPrintable(button->text()));
      QCOMPARE(button->toolTip(), QString::fromUtf8(hint));
    }
    QCOMPARE(viewer->btnTranAdd->text(), QStringLiteral("Add"));
    QCOMPARE(viewer->btnTransDelete->text(), QStringLiteral("Delete"));
    QCOMPARE(viewer->btnRemoveDuups->text(), QStringLiteral("Remove Duplicates"));
    QCOMPARE(viewer->btnRecogniseTransactions->text(), QStringLiteral("&Recognise Transactions"));
    QCOMPARE(viewer->btnRecogniseManagement->text(), QStringLiteral("…"));
    QCOMPARE(viewer->btnImport->toolTip(),
             QStringLiteral("Import Transactions from statements of the bank (Alt + I)"));
  }

  void theMenusHoldTheirItemsInOrderAndVerbatim() {
    auto viewer = ShowViewer();
    const TTransactionMenus& menus = *viewer->Menus;
    QCOMPARE(Captions(*menus.PopupMenuAccounts),
             QStringList(
                 {"Open/Change (double click)", "Add (Insert Key)", "Delete (Delete Key)", "-"}));
    QCOMPARE(menus.PopupMenuAccounts->defaultAction(), menus.meuitemOpenAccount);
    QCOMPARE(
        Captions(*menus.PopupMenuTransactions),
        QStringList({"Open/Change (double click)", "Add (Insert Key)", "Delete (Delete Key)", "-",
                     "Copy", "Paste", "Copy as \"Transfer Deposit\"", "-", "Assign to...",
                     "Lock/Unlock Auto Recognition", "-", "Duplicate to...", "-", "Export to..."}));
    QCOMPARE(menus.PopupMenuTransactions->defaultAction(), menus.mnuOpenTransaction);
    QCOMPARE(Captions(*menus.popmRemoveDuups),
             QStringList({"Remove Duplicates by Date, Description and Amount",
                          "Remove Duplicates by Date and Amount"}));
    // Before the first popup "Assign to..." holds only its hidden place holder.
    const QList<QAction*> placeHolder = menus.menuitemAssignto->actions();
    QCOMPARE(placeHolder.size(), 1);
    QCOMPARE(placeHolder[0]->text(), QStringLiteral("(place holder)"));
    QVERIFY(!placeHolder[0]->isVisible() && !placeHolder[0]->isEnabled());
  }

  void thePopupOffersCopyAndPasteByTheSelection_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<bool>("copy");
    QTest::addColumn<bool>("asDeposit");
    QTest::addColumn<bool>("paste");
    QTest::newRow("an expense") << 0 << 0 << false << true << false << false;
    QTest::newRow("a transfer") << 3 << 3 << false << true << true << false;
    QTest::newRow("a block") << 2 << 3 << true << false << false << true;
    QTest::newRow("after a copy") << 0 << 0 << true << true << false << true;
  }

  void thePopupOffersCopyAndPasteByTheSelection() {
    QFETCH(int, top);
    QFETCH(int, bottom);
    QFETCH(bool, copied);
    auto viewer = ShowViewer();
    if (copied) viewer->mnuCopyTransactionClick();
    SelectRows(*viewer, top, bottom);
    Popup(*viewer);
    const TTransactionMenus& menus = *viewer->Menus;
    QTEST(menus.mnuCopyTransaction->isEnabled(), "copy");
    QTEST(menus.mnuCreateDepostTransferTransaction->isEnabled(), "asDeposit");
    QTEST(menus.mnuPasteTransaction->isEnabled(), "paste");
  }

  void nothingButPasteIsOfferedWithoutATransaction() {
    auto viewer = ShowViewer();
    viewer->mnuCopyTransactionClick();
    viewer->grdAccounts->setCurrentIndex(viewer->grdAccounts->model()->index(1, 0));
    Popup(*viewer);
    QVERIFY(!viewer->Menus->mnuCopyTransaction->isEnabled());
    QVERIFY(viewer->Menus->mnuPasteTransaction->isEnabled());
  }

  void assignToIsRebuiltFromTheCategoriesOnEveryPopup() {
    AddTransaction(*Cheque_, "06 Mar 2010", "Linen", -20, "Bed & Bath - towels");
    Global().Accounts.RebuildCategoryList();
    auto viewer = ShowViewer();
    Popup(*viewer);
    Popup(*viewer);
    QMenu& assign = *viewer->Menus->menuitemAssignto;
    QStringList mains;
    for (const QAction* action : assign.actions())
      if (action->menu() != nullptr) mains << action->data().toString();
    QCOMPARE(mains.join("\r\n").toStdString(), Global().Categories.MainCategoriesText());
    QCOMPARE(assign.actions().size(), mains.size() + 1);
    const QAction* none = assign.actions().last();
    QCOMPARE(none->text(), QStringLiteral("n/a"));
    QCOMPARE(none->toolTip(), QStringLiteral("Remove category"));
    // A name with '&' is shown as it is written, not as a mnemonic.
    const QAction* bath = ActionWithData(assign, "Bed & Bath");
    QVERIFY(bath != nullptr);
    QCOMPARE(bath->text(), QStringLiteral("Bed && Bath"));
    QCOMPARE(Captions(*bath->menu()), QStringList({"towels"}));
  }

  void assigningACategoryChangesTheBlockWithoutSaving() {
    AddTransaction(*Cheque_, "06 Mar 2010", "Linen", -20, "Bed & Bath - towels");
    Global().Accounts.RebuildCategoryList();
    auto viewer = ShowViewer();
    SelectRows(*viewer, 0, 2);
    Popup(*viewer);
    QMenu& assign = *viewer->Menus->menuitemAssignto;
    assign.actions().last()->trigger();
    QCOMPARE(Column(*viewer->grdMain, TTransactionsGridModel::colCategory),
             QStringList({"", "", "", "", "Bed & Bath - towels"}));
    ActionWithData(*ActionWithData(assign, "Bed & Bath")->menu(), "towels")->trigger();
    QCOMPARE(Column(*viewer->grdMain, TTransactionsGridModel::colCategory),
             QStringList({"Bed & Bath - towels", "Bed & Bath - towels", "Bed & Bath - towels", "",
                          "Bed & Bath - towels"}));
    QVERIFY(!Saved());
  }

  void lockingInvertsEachRowOfTheBlockWithoutSaving() {
    Cheque_->TransactionsTable()
        ->TransactionAt(1)
        ->FieldAt(TTransactions::fLockedForAutoMatching)
        ->SetValue(TVariant::Bool(true));
    auto viewer = ShowViewer();
    SelectRows(*viewer, 0, 1);
    viewer->Menus->menuItemLock->trigger();
    const QAbstractItemModel* model = viewer->grdMain->model();
    QVERIFY(model->index(0, 2).data(TTransactionsGridModel::kLockedRole).toBool());
    QVERIFY(!model->index(1, 2).data(TTransactionsGridModel::kLockedRole).toBool());
    QVERIFY(!model->index(2, 2).data(TTransactionsGridModel::kLockedRole).toBool());
    QVERIFY(!Saved());
  }

  void addingATransactionListsSelectsAndSavesIt() {
    std::vector<std::string>* seen = ConfirmingEditor("Coffee", -30);
    auto viewer = ShowViewer();
    viewer->SetNewTransactionDate(ParseStatementDate("04 Mar 2010"));
    QTest::mouseClick(viewer->btnTranAdd, Qt::LeftButton);
    QCOMPARE(*seen, std::vector<std::string>{"04 Mar 2010"});
    QCOMPARE(Column(*viewer->grdMain, 1),
             QStringList({"WOOLWORTHS", "Salary", "Fuel", "Coffee", "To savings"}));
    QCOMPARE(CurrentRow(*viewer), 3);
    QCOMPARE(viewer->grdMain->model()->index(3, 4).data().toString(), QStringLiteral("1,619.52"));
    QVERIFY(Saved());
    QCOMPARE(LiveDescriptions(*Reloaded()->AccountAt(0)),
             QStringList({"WOOLWORTHS", "Salary", "Fuel", "Coffee", "To savings"}));
    // The Insert key adds too, proposing the day of the last one added.
    viewer->grdMain->setFocus();
    QTest::keyClick(viewer->grdMain, Qt::Key_Insert);
    QCOMPARE(seen->size(), 2u);
    QCOMPARE(seen->back(), std::string("04 Mar 2010"));
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 6);
  }

  void aCancelledNewTransactionLeavesNoRowAndNoSave() {
    TTransactions::Editor() = [](TTransactions&, void*) { return false; };
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnTranAdd, Qt::LeftButton);
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QCOMPARE(Cheque_->TransactionsTable()->RowCount(), 5);
    QVERIFY(Cheque_->TransactionsTable()->TransactionAt(4)->Deleted);
    QVERIFY(!Saved());
  }

  void deletingAsksUnlessAModifierIsHeld_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("asked");
    QTest::newRow("button") << "button" << true;
    QTest::newRow("shift click") << "shift click" << false;
    QTest::newRow("ctrl click") << "ctrl click" << false;
    QTest::newRow("delete key") << "key" << true;
    QTest::newRow("shift delete") << "shift key" << false;
    QTest::newRow("alt delete") << "alt key" << false;
    QTest::newRow("menu") << "menu" << true;
  }

  void deletingAsksUnlessAModifierIsHeld() {
    QFETCH(QString, how);
    QFETCH(bool, asked);
    auto viewer = ShowViewer();
    SelectRows(*viewer, 1, 1);
    if (how == "button") QTest::mouseClick(viewer->btnTransDelete, Qt::LeftButton);
    if (how == "shift click")
      QTest::mouseClick(viewer->btnTransDelete, Qt::LeftButton, Qt::ShiftModifier);
    if (how == "ctrl click")
      QTest::mouseClick(viewer->btnTransDelete, Qt::LeftButton, Qt::ControlModifier);
    if (how == "key") QTest::keyClick(viewer->grdMain, Qt::Key_Delete);
    if (how == "shift key") QTest::keyClick(viewer->grdMain, Qt::Key_Delete, Qt::ShiftModifier);
    if (how == "alt key") QTest::keyClick(viewer->grdMain, Qt::Key_Delete, Qt::AltModifier);
    if (how == "menu") viewer->Menus->mnuDeleteTransaction->trigger();
    QCOMPARE(Context_->Script->Asked.size(), asked ? 1u : 0u);
    if (asked)
      QCOMPARE(Context_->Script->Asked[0], QString::fromLatin1(kDeleteTransactionsQuestion));
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"WOOLWORTHS", "Fuel", "To savings"}));
    QCOMPARE(CurrentRow(*viewer), 1);
    QVERIFY(Saved());
    QCOMPARE(LiveDescriptions(*Reloaded()->AccountAt(0)),
             QStringList({"WOOLWORTHS", "Fuel", "To savings"}));
    // The next click asks again: the modifier of one click is not kept.
    Context_->Script->ConfirmAnswers = {false};
    QTest::mouseClick(viewer->btnTransDelete, Qt::LeftButton);
    QCOMPARE(Context_->Script->Asked.size(), asked ? 2u : 1u);
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 3);
  }

  void answeringNoDeletesNothing() {
    Context_->Script->ConfirmAnswers = {false};
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnTransDelete, Qt::LeftButton);
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QVERIFY(!Saved());
  }

  void aBlockIsDeletedWhole() {
    auto viewer = ShowViewer();
    SelectRows(*viewer, 1, 3);
    QTest::keyClick(viewer->grdMain, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"WOOLWORTHS"}));
    QCOMPARE(CurrentRow(*viewer), 0);
    // The account's balance follows: 1000 - 84.99.
    QCOMPARE(viewer->grdAccounts->model()->index(0, 1).data().toString(), QStringLiteral("915.01"));
  }

  void deletingTheLastRowSelectsTheNewLastOne() {
    auto viewer = ShowViewer();
    SelectRows(*viewer, 3, 3);
    QTest::keyClick(viewer->grdMain, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(CurrentRow(*viewer), 2);
    QCOMPARE(viewer->SelectedTransaction()->FieldAt(TTransactions::fDescription)->AsString(),
             std::string("Fuel"));
    SelectRows(*viewer, 0, 2);
    QTest::keyClick(viewer->grdMain, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({""}));
    QCOMPARE(CurrentRow(*viewer), 0);
    QCOMPARE(viewer->SelectedTransaction(), nullptr);
    // Nothing selected: the command does nothing, and asks nothing.
    QTest::mouseClick(viewer->btnTransDelete, Qt::LeftButton);
    QVERIFY(Context_->Script->Asked.empty());
  }

  void copyFillsTheClipboardAndPastingTwiceMakesTwoRows() {
    ConfirmingEditor("", 0);
    auto viewer = ShowViewer();
    SelectRows(*viewer, 0, 0);
    viewer->Menus->mnuCopyTransaction->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("02 Mar 2010\tWOOLWORTHS\tFood - groceries\t-84.99\t915.01"));
    QCOMPARE(Text(viewer->CopiedTransaction(), TTransactions::fTransactionID), std::string("{T1}"));
    viewer->grdAccounts->setCurrentIndex(viewer->grdAccounts->model()->index(1, 0));
    viewer->Menus->mnuPasteTransaction->trigger();
    viewer->Menus->mnuPasteTransaction->trigger();
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({"WOOLWORTHS", "WOOLWORTHS"}));
    const std::string first = Text(*viewer->TransactionAtRow(0), TTransactions::fTransactionID);
    const std::string second = Text(*viewer->TransactionAtRow(1), TTransactions::fTransactionID);
    QVERIFY(first != second && first != "{T1}" && second != "{T1}");
    QVERIFY(!first.empty() && !second.empty());
    QCOMPARE(viewer->TransactionAtRow(1)->OwnerAccountId(), std::string("{B}"));
    QCOMPARE(CurrentRow(*viewer), 1);
    QVERIFY(Saved());
    QCOMPARE(LiveDescriptions(*Reloaded()->AccountAt(1)),
             QStringList({"WOOLWORTHS", "WOOLWORTHS"}));
    // The slot stays filled, the source untouched.
    QVERIFY(!viewer->CopiedTransaction().Deleted);
    QCOMPARE(LiveDescriptions(*Cheque_).size(), 4);
  }

  void aCancelledPasteLeavesNothing() {
    TTransactions::Editor() = [](TTransactions&, void*) { return false; };
    auto viewer = ShowViewer();
    viewer->Menus->mnuCopyTransaction->trigger();
    viewer->Menus->mnuPasteTransaction->trigger();
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QVERIFY(!Saved());
  }

  void copyAsTransferDepositMakesTheAmountPositive_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("pasted");
    QTest::newRow("out") << -500.0 << 500.0;
    QTest::newRow("in") << 200.0 << 200.0;
  }

  void copyAsTransferDepositMakesTheAmountPositive() {
    QFETCH(double, amount);
    QFETCH(double, pasted);
    Cheque_->TransactionsTable()
        ->TransactionAt(3)
        ->FieldAt(TTransactions::fAmount)
        ->SetValue(TVariant::Currency(TCurrency::FromDouble(amount)));
    ConfirmingEditor("", 0);
    auto viewer = ShowViewer();
    SelectRows(*viewer, 3, 3);
    viewer->Menus->mnuCreateDepostTransferTransaction->trigger();
    QCOMPARE(Amount(viewer->CopiedTransaction()), pasted);
    QCOMPARE(viewer->CopiedTransaction().GetTransactionType(), int(ttDeposit));
    viewer->grdAccounts->setCurrentIndex(viewer->grdAccounts->model()->index(1, 0));
    viewer->Menus->mnuPasteTransaction->trigger();
    const TTransactions* row = viewer->TransactionAtRow(0);
    QCOMPARE(Amount(*row), pasted);
    QCOMPARE(row->GetTransactionType(), int(ttDeposit));
    QCOMPARE(Amount(*Cheque_->TransactionsTable()->TransactionAt(3)), amount);
  }

  void duplicateToCopiesTheBlockToThePickedDate() {
    Context_->Script->PickedDate = ParseStatementDate("10 Mar 2010");
    auto viewer = ShowViewer();
    viewer->SetNewTransactionDate(ParseStatementDate("07 Mar 2010"));
    SelectRows(*viewer, 0, 1);
    viewer->Menus->menuitemDuplicateto->trigger();
    QCOMPARE(Context_->Script->PickInitials,
             std::vector<TDateTime>{ParseStatementDate("07 Mar 2010")});
    QCOMPARE(Column(*viewer->grdMain, 1),
             QStringList({"WOOLWORTHS", "Salary", "Fuel", "To savings", "WOOLWORTHS", "Salary"}));
    QCOMPARE(Column(*viewer->grdMain, 0).mid(4), QStringList({"10 Mar 2010", "10 Mar 2010"}));
    QCOMPARE(CurrentRow(*viewer), 5);
    QVERIFY(Text(*viewer->TransactionAtRow(5), TTransactions::fTransactionID) != "{T2}");
    QVERIFY(Saved());
    // The proposed date of a new transaction is not changed.
    QCOMPARE(viewer->NewTransactionDate(), ParseStatementDate("07 Mar 2010"));
  }

  void aCancelledDatePickDuplicatesNothing() {
    auto viewer = ShowViewer();
    viewer->Menus->menuitemDuplicateto->trigger();
    QCOMPARE(Context_->Script->PickInitials.size(), 1u);
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QVERIFY(!Saved());
  }

  void aMoveOfTenPixelsStartsADragAndNotASelection() {
    auto viewer = ShowViewer();
    QSignalSpy started(viewer->Drag, &TTransactionDrag::dragStarted);
    QWidget& viewport = *viewer->grdMain->viewport();
    const QPoint row1 = viewer->grdMain->visualRect(viewer->grdMain->model()->index(1, 1)).center();
    PressAndMove(viewport, row1, QPoint(0, 9));
    QCOMPARE(started.count(), 0);
    QTest::mouseRelease(&viewport, Qt::LeftButton, {}, row1 + QPoint(0, 9));
    QCOMPARE(viewer->grdMain->selectionModel()->selectedRows().size(), 1);
    PressAndMove(viewport, row1, QPoint(0, 25));
    QCOMPARE(started.count(), 1);
    QCOMPARE(viewer->grdMain->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(CurrentRow(*viewer), 1);
  }

  void aPressInsideTheBlockKeepsItForTheDrag() {
    auto viewer = ShowViewer();
    SelectRows(*viewer, 0, 2);
    QSignalSpy started(viewer->Drag, &TTransactionDrag::dragStarted);
    QWidget& viewport = *viewer->grdMain->viewport();
    const QPoint row1 = viewer->grdMain->visualRect(viewer->grdMain->model()->index(1, 1)).center();
    PressAndMove(viewport, row1, QPoint(12, 0));
    QCOMPARE(started.count(), 1);
    QCOMPARE(viewer->SelectedTransactions().size(), 3u);
    // Without a drag the release selects the pressed row alone, as a click.
    QTest::mousePress(&viewport, Qt::LeftButton, {}, row1);
    QCOMPARE(viewer->SelectedTransactions().size(), 3u);
    QTest::mouseRelease(&viewport, Qt::LeftButton, {}, row1);
    QCOMPARE(viewer->SelectedTransactions().size(), 1u);
    QCOMPARE(CurrentRow(*viewer), 1);
  }

  void droppingOnAnotherAccountCopiesTheRows() {
    auto viewer = ShowViewer();
    SelectRows(*viewer, 2, 3);
    std::unique_ptr<QMimeData> data(viewer->Drag->NewMimeData());
    const TDragAnswers answers =
        DragOnto(*viewer->grdAccounts->viewport(), AccountPoint(*viewer, 1), data.get());
    QVERIFY(answers.Entered && answers.Moved && answers.Dropped);
    QCOMPARE(LiveDescriptions(*Card_), QStringList({"Fuel", "To savings"}));
    const TTransactions* deposit = Card_->TransactionsTable()->TransactionAt(1);
    QCOMPARE(deposit->GetTransactionType(), int(ttDeposit));
    QCOMPARE(Amount(*deposit), 500.0);
    QCOMPARE(Amount(*Card_->TransactionsTable()->TransactionAt(0)), -115.49);
    // -50 - 115.49 + 500; the cheque list is not refilled.
    QCOMPARE(viewer->grdAccounts->model()->index(1, 1).data().toString(), QStringLiteral("334.51"));
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QCOMPARE(viewer->SelectedTransactions().size(), 2u);
    QVERIFY(Saved());
    QCOMPARE(LiveDescriptions(*Reloaded()->AccountAt(1)), QStringList({"Fuel", "To savings"}));
  }

  void aDropOnTheOwnAccountOrFromElsewhereIsRefused() {
    auto viewer = ShowViewer();
    QWidget& target = *viewer->grdAccounts->viewport();
    QVERIFY(!viewer->AcceptsDropAt(AccountPoint(*viewer, 0)));
    QVERIFY(viewer->AcceptsDropAt(AccountPoint(*viewer, 1)));
    std::unique_ptr<QMimeData> own(viewer->Drag->NewMimeData());
    // Over its own account the drag is taken in, but no drop is offered.
    const TDragAnswers onOwn = DragOnto(target, AccountPoint(*viewer, 0), own.get());
    QVERIFY(onOwn.Entered && !onOwn.Moved && !onOwn.Dropped);
    // Rows of another page, or text of another program, are not taken at all.
    TfrmTransactionViewer other(Global(), Context_->Dialogs);
    std::unique_ptr<QMimeData> otherPage(other.Drag->NewMimeData());
    QMimeData text;
    text.setText(QStringLiteral("02 Mar 2010\tWOOLWORTHS"));
    for (const QMimeData* data :
         {static_cast<const QMimeData*>(otherPage.get()), static_cast<const QMimeData*>(&text)})
      QVERIFY(!DragOnto(target, AccountPoint(*viewer, 1), data).Entered);
    viewer->DropOnAccountAt(AccountPoint(*viewer, 0));
    QCOMPARE(LiveDescriptions(*Cheque_).size(), 4);
    QCOMPARE(LiveDescriptions(*Card_).size(), 0);
    QVERIFY(!Saved());
  }

  void removingDuplicatesKeepsTheLowestListedRow_data() {
    QTest::addColumn<bool>("byDescription");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("message");
    QTest::newRow("date and amount")
        << false << QStringList({" shop c", "Salary", "Fuel", "To savings"})
        << "Information: 4 Duplicate(s) has been removed ";
    QTest::newRow("with description")
        << true << QStringList({"WOOLWORTHS", "Shop A", " shop c", "Salary", "Fuel", "To savings"})
        << "Information: 2 Duplicate(s) has been removed ";
  }

  void removingDuplicatesKeepsTheLowestListedRow() {
    QFETCH(bool, byDescription);
    // Five rows of 2 March for -84.99; three of them "shop c" apart from case and blanks.
    for (const char* description : {"SHOP C ", "Shop A", "shop c", " shop c"})
      AddTransaction(*Cheque_, "02 Mar 2010", description, -84.99, "");
    // Another day is no duplicate.
    AddTransaction(*Cheque_, "06 Apr 2010", "WOOLWORTHS", -84.99, "");
    Cheque_->TransactionsTable()->SortTransactions();
    auto viewer = ShowViewer();
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 8);
    QTest::mouseClick(viewer->btnRemoveDuups, Qt::LeftButton);
    QVERIFY(viewer->Menus->popmRemoveDuups->isVisible());
    viewer->Menus->popmRemoveDuups->hide();
    (byDescription ? viewer->Menus->menuitemDeDuupDesc : viewer->Menus->menuitemDeDuupDateAmount)
        ->trigger();
    QTEST(Column(*viewer->grdMain, 1), "left");
    QCOMPARE(Context_->Script->Asked.size(), 1u);
    QTEST(Context_->Script->Asked[0], "message");
    QVERIFY(Saved());
    // Only the listed rows took part: the April row outside the range stays.
    QCOMPARE(LiveDescriptions(*Reloaded()->AccountAt(0)).count("WOOLWORTHS"),
             byDescription ? 2 : 1);
  }

  void withoutDuplicatesAWarningIsShownAndNothingSaved() {
    auto viewer = ShowViewer();
    viewer->Menus->menuitemDeDuupDateAmount->trigger();
    QCOMPARE(
        Context_->Script->Asked,
        std::vector<QString>{"Warning: No duplicates found for the current listed transactions"});
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QVERIFY(!Saved());
  }

  void recognitionShowsWorkingAndChangesNothingTheSecondTime() {
    AddPattern("fuel", mtContains, "Car - fuel");
    auto viewer = ShowViewer();
    QString captionWhileRunning;
    bool enabledWhileRunning = true;
    QTimer::singleShot(100, viewer.get(), [&] {
      captionWhileRunning = viewer->btnRecogniseTransactions->text();
      enabledWhileRunning = viewer->btnRecogniseTransactions->isEnabled();
    });
    QTest::mouseClick(viewer->btnRecogniseTransactions, Qt::LeftButton);
    QCOMPARE(captionWhileRunning, QStringLiteral("working..."));
    QVERIFY(!enabledWhileRunning);
    QCOMPARE(viewer->btnRecogniseTransactions->text(), QStringLiteral("&Recognise Transactions"));
    QVERIFY(viewer->btnRecogniseTransactions->isEnabled());
    QCOMPARE(Column(*viewer->grdMain, 2)[2], QStringLiteral("Car - fuel"));
    std::string before;
    Global().Accounts.SaveToStream(before);
    QTest::mouseClick(viewer->btnRecogniseTransactions, Qt::LeftButton);
    std::string after;
    Global().Accounts.SaveToStream(after);
    QVERIFY(before == after);
    QVERIFY(!Saved());
  }

  void aFailingRecognitionStillRestoresTheButton() {
    QStringList errors;
    static_cast<TApplication*>(qApp)->SetErrorHandler(
        [&errors](const std::string& message) { errors << QString::fromStdString(message); });
    auto viewer = ShowViewer();
    viewer->Recognition = [](TAccount&) {
      throw std::runtime_error("The patterns could not be read.");
    };
    QTest::mouseClick(viewer->btnRecogniseTransactions, Qt::LeftButton);
    QCOMPARE(errors, QStringList({"The patterns could not be read."}));
    QCOMPARE(viewer->btnRecogniseTransactions->text(), QStringLiteral("&Recognise Transactions"));
    QVERIFY(viewer->btnRecogniseTransactions->isEnabled());
  }

  void thePatternListEditorIsFollowedByASave() {
    int opened = 0;
    TImportSettings::ListEditor() = [&opened](TImportSettings& table) {
      ++opened;
      QCOMPARE(&table, Global().Accounts.PatternTable());
    };
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnRecogniseManagement, Qt::LeftButton);
    QCOMPARE(opened, 1);
    QVERIFY(Saved());
  }

  void addingAnAccountGivesItAnIdAndSaves() {
    TAccount::Editor() = [](TAccount& account, void*) {
      account.FieldAt(TAccount::fAccountName)->SetValue(TVariant::String("Savings"));
      return true;
    };
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnAddAccount, Qt::LeftButton);
    QCOMPARE(Column(*viewer->grdAccounts, 0), QStringList({"Cheque", "Card", "Savings"}));
    QCOMPARE(viewer->SelectedAccount(), Global().Accounts.AccountAt(2));
    QVERIFY(!Global().Accounts.AccountAt(2)->FieldAt(TAccount::fAccountID)->AsString().empty());
    QVERIFY(Saved());
    QCOMPARE(Reloaded()->AccountAt(2)->FieldAt(TAccount::fAccountName)->AsString(),
             std::string("Savings"));
    viewer->grdAccounts->setFocus();
    QTest::keyClick(viewer->grdAccounts, Qt::Key_Insert);
    QCOMPARE(Column(*viewer->grdAccounts, 0).size(), 4);
  }

  void aCancelledAccountIsMarkedDeletedAndNotSaved() {
    TAccount::Editor() = [](TAccount&, void*) { return false; };
    auto viewer = ShowViewer();
    viewer->Menus->meuitemAddAccount->trigger();
    QCOMPARE(Column(*viewer->grdAccounts, 0), QStringList({"Cheque", "Card"}));
    QVERIFY(Global().Accounts.AccountAt(2)->Deleted);
    QVERIFY(!Saved());
  }

  void deletingAnAccountAsksWithItsNameUnlessAModifierIsHeld() {
    auto viewer = ShowViewer();
    Context_->Script->ConfirmAnswers = {false};
    QTest::mouseClick(viewer->btnDeleteAccount, Qt::LeftButton);
    QCOMPARE(Context_->Script->Asked.size(), 1u);
    QVERIFY(Context_->Script->Asked[0].startsWith(
        "Delete account(Cheque)?\r\n\t\r\n\ttip: If you hold"));
    QVERIFY(!Cheque_->Deleted && !Saved());
    viewer->Menus->meuitemDeleteAccount->trigger();
    QCOMPARE(Context_->Script->Asked.size(), 2u);
    QVERIFY(Cheque_->Deleted);
    QCOMPARE(Column(*viewer->grdAccounts, 0), QStringList({"Card"}));
    QCOMPARE(viewer->SelectedAccount(), Card_);
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({""}));
    QVERIFY(Saved());
    QVERIFY(Reloaded()->AccountAt(0)->Deleted);
    QTest::keyClick(viewer->grdAccounts, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Context_->Script->Asked.size(), 2u);
    QVERIFY(Card_->Deleted);
    QCOMPARE(viewer->SelectedAccount(), nullptr);
  }

  // A statement in the program's own layout, chosen in the open dialog.
  void ChooseStatement(const std::vector<const char*>& lines) {
    QByteArray bytes("Date,Type,Description,Category,Sub Category,Amount,Balance\r\n");
    for (const char* line : lines) bytes += QByteArray(line) + "\r\n";
    const QString path = QDir(Context_->Home->path()).filePath("statement.csv");
    WriteBytes(path, bytes);
    Context_->Script->OpenFiles.push_back(TChosenFile{path, 7});
  }

  void anImportIsSortedRecalculatedListedAndSaved() {
    ChooseStatement({R"("06 Mar 2010","Expense","PHARMACY","","","-20","0")",
                     R"("01 Mar 2010","Income","INTEREST","","","5","0")"});
    auto viewer = ShowViewer();
    QVERIFY(viewer->btnImport->isEnabled());
    QCOMPARE(viewer->btnImport->text(), QStringLiteral("&Import Transactions"));
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(Column(*viewer->grdMain, 1),
             QStringList({"INTEREST", "WOOLWORTHS", "Salary", "Fuel", "To savings", "PHARMACY"}));
    // 1000 + 5 - 84.99 + 850 - 115.49 - 500 - 20, in date order.
    QCOMPARE(Column(*viewer->grdMain, 4).first(), QStringLiteral("1,005.00"));
    QCOMPARE(Column(*viewer->grdMain, 4).last(), QStringLiteral("1,134.52"));
    QCOMPARE(viewer->grdAccounts->model()->index(0, 1).data().toString(),
             QStringLiteral("1,134.52"));
    QVERIFY(Saved());
    QCOMPARE(LiveDescriptions(*Reloaded()->AccountAt(0)).first(), QStringLiteral("INTEREST"));
  }

  void anImportIntoAnotherAccountSortsThatAccount() {
    AddTransaction(*Card_, "20 Mar 2010", "LATER", -10, "");
    ChooseStatement({R"("02 Mar 2010","Expense","EARLIER","","","-5","0")"});
    Context_->Script->ExecDialog = [](QDialog& dialog) {
      auto& import = dynamic_cast<TfrmStatementImport&>(dialog);
      import.cbxAccount->setCurrentIndex(import.cbxAccount->findText("Card", Qt::MatchStartsWith));
      return int(QDialog::Accepted);
    };
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(LiveDescriptions(*Card_), QStringList({"EARLIER", "LATER"}));
    QCOMPARE(Card_->TransactionsTable()
                 ->TransactionAt(1)
                 ->FieldAt(TTransactions::fBalance)
                 ->AsCurrency()
                 .ToDouble(),
             -65.0);
    QCOMPARE(viewer->grdAccounts->model()->index(1, 1).data().toString(), QStringLiteral("-65.00"));
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QVERIFY(Saved());
  }

  void aCancelledOrEmptyImportSavesNothing() {
    auto viewer = ShowViewer();
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    ChooseStatement({});
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(Context_->Script->Asked,
             std::vector<QString>{"Warning: File seems to be empty, import will not continue"});
    ChooseStatement({R"("06 Mar 2010","Expense","PHARMACY","","","-20","0")"});
    Context_->Script->ExecDialog = [](QDialog&) { return int(QDialog::Rejected); };
    QTest::mouseClick(viewer->btnImport, Qt::LeftButton);
    QCOMPARE(Column(*viewer->grdMain, 1).size(), 4);
    QVERIFY(!Saved());
  }

  void theActivityGestureAddsTwentyRowsToTheSelectedAccount() {
    auto viewer = ShowViewer();
    viewer->dtpFrom->setDate(ToQDate(ParseStatementDate("15 Mar 2010")));
    QTest::mousePress(viewer->pboxActivity, Qt::RightButton,
                      Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier, QPoint(5, 5));
    QCOMPARE(LiveDescriptions(*Cheque_).size(), 24);
    // Listed from 15 March: six of them.
    QCOMPARE(Column(*viewer->grdMain, 0).size(), 6);
    // Dated from the first of the month shown, sorted in with the others.
    viewer->chkIgnoreDates->click();
    QCOMPARE(Column(*viewer->grdMain, 0).first(), QStringLiteral("01 Mar 2010"));
    QCOMPARE(Column(*viewer->grdMain, 0).last(), QStringLiteral("20 Mar 2010"));
    QVERIFY(!Saved());
    // Without an account the gesture does nothing.
    Global().Accounts.Rows().Clear();
    viewer->RefreshAccounts();
    emit viewer->pboxActivity->testDataRequested();
    QCOMPARE(Column(*viewer->grdMain, 1), QStringList({""}));
  }

  void doubleClickOnAnEmptyAccountsGridAddsAnAccount() {
    Global().Accounts.Rows().Clear();
    int edited = 0;
    TAccount::Editor() = [&edited](TAccount&, void*) {
      ++edited;
      return false;
    };
    auto viewer = ShowViewer();
    emit viewer->grdAccounts->doubleClicked(viewer->grdAccounts->model()->index(0, 0));
    QCOMPARE(edited, 1);
  }
};

TF_GUI_TEST_MAIN(TransactionCommandsTest)
#include "TransactionCommandsTest.moc"
