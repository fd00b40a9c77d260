// "Transaction Details" driven through its widgets: loading, validation with
// the tinted date, the amount box's keys, the side doors (date picker,
// category editor, category suggestion, new pattern), storing and Escape.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "WorkspaceGuiSupport.h"
#include "base/Formats.h"
#include "gui/workspace/AmountEdit.h"
#include "gui/workspace/FrmTransactionsEdit.h"

using namespace tf;
using namespace tf::test;

namespace {

const QColor kInvalid(0xFF, 0xEA, 0xEA);

QColor BaseOf(const QWidget& widget) {
  return widget.palette().color(QPalette::Base);
}

}  // namespace

class TransactionsEditTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Account_ = nullptr;
  TTransactions* Row_ = nullptr;

  std::unique_ptr<TfrmTransactionsEdit> ShowEditor(TTransactions& row) {
    auto editor = std::make_unique<TfrmTransactionsEdit>(Global(), row, Context_->Dialogs);
    editor->show();
    return editor;
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Account_ = AddAccount("Cheque", "{A}");
    Row_ = AddTransaction(*Account_, "05 Jan 2008", "Woolworths", -1234.5, "Food - groceries",
                          ttExpense, "{T1}");
    AddTransaction(*Account_, "06 Jan 2008", "woolworths", -1, "", ttExpense);
    AddTransaction(*Account_, "07 Jan 2008", "Engen", -2, "", ttExpense);
    AddPattern("salary", mtStartsWith, "Income - paycheck", "{A}", ttIncome);
    AddPattern("pharm", mtContains, "Personal - medical", "{OTHER}");
    Global().Accounts.RebuildCategoryList();
  }
  void cleanup() { Context_.reset(); }

  void loadsEveryControlFromTheRow() {
    Row_->FieldAt(TTransactions::fLockedForAutoMatching)->SetValue(TVariant::Bool(true));
    auto editor = ShowEditor(*Row_);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Transaction Details"));
    QCOMPARE(editor->edDate->text(), QStringLiteral("05 Jan 2008"));
    QCOMPARE(editor->edDescription->currentText(), QStringLiteral("Woolworths"));
    QCOMPARE(editor->edAmount->text(), QStringLiteral("-1,234.50"));
    QCOMPARE(editor->edCategory->currentText(), QStringLiteral("Food"));
    QCOMPARE(editor->cbxSubCategory->currentText(), QStringLiteral("groceries"));
    QCOMPARE(editor->TransTypes->checkedId(), 1);
    QCOMPARE(editor->TransTypes->button(3)->text(), QStringLiteral("Deposit from Transfer"));
    QVERIFY(editor->chkLocked->isChecked());
    QCOMPARE(editor->chkLocked->text(), QStringLiteral("Prevent Auto Recognition Matches"));
    QCOMPARE(editor->lblDateFormat->text(), QStringLiteral("dd mmm yyyy (ex 01 Jan 2010)"));
    QCOMPARE(editor->btnAutoRecognise->text(),
             QStringLiteral("Create &New Auto Recognition Pattern"));
    QCOMPARE(editor->btnCategoryManagement->toolTip(), QStringLiteral("Manage Categories"));
    QVERIFY(editor->btnOk->isEnabled());
    // The completion list: every live description once, ignoring case.
    QStringList descriptions;
    for (int i = 0; i < editor->edDescription->count(); ++i)
      descriptions << editor->edDescription->itemText(i);
    QCOMPARE(descriptions, QStringList({"Engen", "Woolworths"}));
    QCOMPARE(editor->edDescription->maxVisibleItems(), 20);
  }

  void theDateIsAValidDayAsPeopleTypeIt_data() {
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("valid");
    QTest::newRow("normal") << "01 Jan 2010" << true;
    QTest::newRow("hyphens") << "01-Jan-2010" << true;
    QTest::newRow("one digit day") << "1 Jan 2010" << true;
    QTest::newRow("lower case month") << "7 dec 2026" << true;
    QTest::newRow("capitals") << "07 DEC 2026" << true;
    QTest::newRow("no month name") << "07 12 2026" << false;
    QTest::newRow("three digit day") << "107 Dec 2026" << false;
    QTest::newRow("no such day") << "31 Feb 2010" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("too long") << "01 Jan 20100" << false;
  }

  void theDateIsAValidDayAsPeopleTypeIt() {
    QFETCH(QString, date);
    QFETCH(bool, valid);
    auto editor = ShowEditor(*Row_);
    editor->edDate->clear();
    QTest::keyClicks(editor->edDate, date);
    QCOMPARE(editor->btnOk->isEnabled(), valid);
    QCOMPARE(BaseOf(*editor->edDate) == kInvalid, !valid);
  }

  void aBlankDescriptionKeepsOkDisabled() {
    auto editor = ShowEditor(*Row_);
    editor->edDescription->setEditText(QStringLiteral("   "));
    QVERIFY(!editor->btnOk->isEnabled());
    QCOMPARE(BaseOf(*editor->edDate) == kInvalid, false);
    editor->edDescription->setEditText(QStringLiteral("x"));
    QVERIFY(editor->btnOk->isEnabled());
  }

  void aNewRowStartsWithOkDisabled() {
    TTransactions* row = Account_->TransactionsTable()->NewTransaction();
    row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String("10 Feb 2010"));
    auto editor = ShowEditor(*row);
    QVERIFY(!editor->btnOk->isEnabled());
    QCOMPARE(editor->edAmount->text(), QStringLiteral("0.00"));
  }

  void theAmountBoxTakesOnlyAmountCharacters() {
    auto editor = ShowEditor(*Row_);
    editor->edAmount->clear();
    QTest::keyClicks(editor->edAmount, QStringLiteral("a-1x2,5R "));
    QCOMPARE(editor->edAmount->text(), QStringLiteral("-12,5 "));  // a blank groups thousands
    QTest::keyClick(editor->edAmount, Qt::Key_Backspace);
    QTest::keyClick(editor->edAmount, Qt::Key_Backspace);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("-12,"));
    QTest::keyClick(editor->edAmount, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("-12,"));
  }

  void pastingAndCopyingTakeTheWholeText() {
    auto editor = ShowEditor(*Row_);
    QApplication::clipboard()->setText(QStringLiteral("R 12,50"));
    QTest::keyClick(editor->edAmount, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("12.5"));
    QApplication::clipboard()->setText(QStringLiteral("(1,234.56)"));
    QTest::keyClick(editor->edAmount, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("1234.56"));
    editor->edAmount->setSelection(0, 2);
    QTest::keyClick(editor->edAmount, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1234.56"));
  }

  void plusMinusChangesOnlyTheSign() {
    auto editor = ShowEditor(*Row_);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("-1,234.50"));
    QTest::mouseClick(editor->btnPlusMinus, Qt::LeftButton);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("1,234.50"));
    QTest::mouseClick(editor->btnPlusMinus, Qt::LeftButton);
    QCOMPARE(editor->edAmount->text(), QStringLiteral("-1,234.50"));
  }

  // Ctrl+A then typing replaces the amount; a text that reads as no amount
  // tints the box and keeps Ok disabled, so 0 is never stored by mistake.
  void anAmountThatDoesNotReadIsRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("stored");
    QTest::newRow("grouped") << "-1,234.56abc" << true << -1234.56;
    QTest::newRow("blank thousands") << "1 234,5" << true << 1234.5;
    QTest::newRow("minus inside") << "12-3" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("lone minus") << "-" << false << 0.0;
    QTest::newRow("empty is zero") << "" << true << 0.0;
  }

  void anAmountThatDoesNotReadIsRefused() {
    QFETCH(QString, typed);
    QFETCH(bool, valid);
    QFETCH(double, stored);
    auto editor = ShowEditor(*Row_);
    QTest::keyClick(editor->edAmount, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(editor->edAmount->selectedText(), editor->edAmount->text());
    QTest::keyClick(editor->edAmount, Qt::Key_Delete);
    QTest::keyClicks(editor->edAmount, typed);
    QCOMPARE(editor->btnOk->isEnabled(), valid);
    QCOMPARE(BaseOf(*editor->edAmount) == kInvalid, !valid);
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    if (valid) {
      QCOMPARE(editor->result(), int(QDialog::Accepted));
      QCOMPARE(Row_->FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble(), stored);
    } else {
      QVERIFY(editor->isVisible());
      QCOMPARE(Row_->FieldAt(TTransactions::fAmount)->AsCurrency().ToDouble(), -1234.5);
    }
  }

  void aRefusedDateSaysWhy() {
    auto editor = ShowEditor(*Row_);
    QVERIFY(!editor->lblDateFormat->isEnabled());
    editor->edDate->setText(QStringLiteral("7 Dex 2026"));
    QVERIFY(editor->lblDateFormat->isEnabled());
    QVERIFY(editor->edDate->toolTip().contains(QStringLiteral("ex 01 Jan 2010")));
    editor->edDate->setText(QStringLiteral("7 dec 2026"));
    QVERIFY(!editor->lblDateFormat->isEnabled());
    QVERIFY(editor->edDate->toolTip().isEmpty());
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(Text(*Row_, TTransactions::fDate), std::string("07 Dec 2026"));
  }

  void okStoresTheRowWithTheDateNormalised() {
    auto editor = ShowEditor(*Row_);
    QCOMPARE(FormatDisplayDate(Row_->DateValue()), std::string("05 Jan 2008"));
    editor->edDate->setText(QStringLiteral("01-jan-2010"));
    editor->edDescription->setEditText(QStringLiteral(" Pick n Pay "));
    editor->edAmount->setText(QStringLiteral("-12,5"));
    editor->edCategory->setEditText(QStringLiteral("Food"));
    editor->cbxSubCategory->setEditText(QString());
    editor->TransTypes->button(2)->click();
    editor->chkLocked->setChecked(true);
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(Text(*Row_, TTransactions::fDate), std::string("01 Jan 2010"));
    QCOMPARE(FormatDisplayDate(Row_->DateValue()), std::string("01 Jan 2010"));
    QCOMPARE(Text(*Row_, TTransactions::fDescription), std::string(" Pick n Pay "));
    QCOMPARE(Text(*Row_, TTransactions::fCategory), std::string("Food - "));
    QCOMPARE(Row_->FieldAt(TTransactions::fAmount)->AsCurrency(), TCurrency::FromDouble(-12.5));
    QCOMPARE(Row_->GetTransactionType(), int(ttTransfer));
    QVERIFY(Row_->FieldAt(TTransactions::fLockedForAutoMatching)->AsBool());
  }

  void blankCategoryBoxesStoreNoCategory() {
    auto editor = ShowEditor(*Row_);
    editor->edCategory->setEditText(QString());
    editor->cbxSubCategory->setEditText(QString());
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(Text(*Row_, TTransactions::fCategory), std::string());
  }

  void escapeCancelsAndLeavesTheRowAlone() {
    auto editor = ShowEditor(*Row_);
    editor->edDescription->setEditText(QStringLiteral("Changed"));
    QTest::keyClick(editor->edAmount, Qt::Key_Escape);
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QVERIFY(!editor->isVisible());
    QCOMPARE(Text(*Row_, TTransactions::fDescription), std::string("Woolworths"));
  }

  void theDatePickerFillsTheDate() {
    auto editor = ShowEditor(*Row_);
    Context_->Script->PickedDate = ParseStatementDate("17 Mar 2011");
    QTest::mouseClick(editor->btnDateSelect, Qt::LeftButton);
    QCOMPARE(Context_->Script->PickInitials.back(), ParseStatementDate("05 Jan 2008"));
    QCOMPARE(editor->edDate->text(), QStringLiteral("17 Mar 2011"));
    Context_->Script->PickedDate = 0;  // cancelled
    QTest::mouseClick(editor->btnDateSelect, Qt::LeftButton);
    QCOMPARE(editor->edDate->text(), QStringLiteral("17 Mar 2011"));
  }

  void leavingTheDescriptionSuggestsACategory() {
    TTransactions* row = Account_->TransactionsTable()->NewTransaction();
    row->FieldAt(TTransactions::fDate)->SetValue(TVariant::String("10 Feb 2010"));
    auto editor = ShowEditor(*row);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    editor->edDescription->setFocus();
    QTest::keyClicks(editor->edDescription, QStringLiteral("SALARY FEB"));
    editor->edAmount->setFocus();
    QCOMPARE(editor->edCategory->currentText(), QStringLiteral("Income"));
    QCOMPARE(editor->cbxSubCategory->currentText(), QStringLiteral("paycheck"));
    QCOMPARE(editor->TransTypes->checkedId(), 1);  // only the category is taken
  }

  void aChosenCategoryIsNotReplacedByASuggestion() {
    auto editor = ShowEditor(*Row_);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    editor->edDescription->setFocus();
    editor->edDescription->setEditText(QStringLiteral("SALARY"));
    editor->edAmount->setFocus();
    QCOMPARE(editor->edCategory->currentText(), QStringLiteral("Food"));
  }

  void theCategoryEditorRefillsTheBoxesAndKeepsTheChoice() {
    auto editor = ShowEditor(*Row_);
    Context_->Script->ManageCategories = [] {
      Global().Categories.Add("Food - takeaways");
      return true;
    };
    QTest::mouseClick(editor->btnCategoryManagement, Qt::LeftButton);
    QCOMPARE(editor->edCategory->currentText(), QStringLiteral("Food"));
    QCOMPARE(editor->cbxSubCategory->currentText(), QStringLiteral("groceries"));
    QVERIFY(editor->cbxSubCategory->findText(QStringLiteral("takeaways")) >= 0);
  }

  void aNewPatternTakesTheEntryAndACancelledOneIsMarkedDeleted() {
    std::vector<std::string> seen;
    bool confirm = true;
    TImportSettings::Editor() = [&](TImportSettings& pattern, void*) {
      seen.push_back(pattern.DisplayText() + " " + Text(pattern, TImportSettings::fAccountID) +
                     " " + Text(pattern, TImportSettings::fCategoryName) + " " +
                     std::to_string(pattern.GetTransactionType()));
      return confirm;
    };
    auto editor = ShowEditor(*Row_);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    TImportSettings* patterns = Global().Accounts.PatternTable();
    QTest::mouseClick(editor->btnAutoRecognise, Qt::LeftButton);
    QCOMPARE(patterns->RowCount(), 3);
    QVERIFY(!patterns->PatternAt(2)->Deleted);
    QCOMPARE(seen.back(), std::string("Woolworths(Contains) {A} Food - groceries 1"));
    confirm = false;
    // A mnemonic animates the click, which lands a moment later.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(patterns->RowCount(), 4);
    QVERIFY(patterns->PatternAt(3)->Deleted);
    // The transaction itself is still untouched and the dialog open.
    QVERIFY(editor->isVisible());
  }
};

TF_GUI_TEST_MAIN(TransactionsEditTest)
#include "TransactionsEditTest.moc"
