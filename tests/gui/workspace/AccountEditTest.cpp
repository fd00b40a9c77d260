// "Account Details" driven through its widgets: what it shows, the six
// types, the fourteen colours drawn as swatches, the current-balance rule
// that derives the starting balance, validation, the help message, the
// keyboard order and Escape.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "WorkspaceGuiSupport.h"
#include "gui/workspace/AmountEdit.h"
#include "gui/workspace/ColourCombo.h"
#include "gui/workspace/FrmAccountEdit.h"

using namespace tf;
using namespace tf::test;

namespace {

TCurrency Money(double value) {
  return TCurrency::FromDouble(value);
}

TCurrency StartingOf(const TAccount& account) {
  return account.FieldAt(TAccount::fStartingBalance)->AsCurrency();
}

}  // namespace

class AccountEditTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Account_ = nullptr;

  std::unique_ptr<TfrmAccountEdit> ShowEditor(TAccount& account) {
    auto editor = std::make_unique<TfrmAccountEdit>(Global(), account, Context_->Dialogs);
    editor->show();
    return editor;
  }

 private slots:
  // Starting balance 1,000.00 and live transactions of -250.00; a deleted
  // one that must not count.
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Account_ = AddAccount("Cheque", "{A}", 1000, 2215720);
    Account_->FieldAt(TAccount::fNotes)->SetValue(TVariant::String("Joint account"));
    AddTransaction(*Account_, "05 Jan 2008", "Rent", -300);
    AddTransaction(*Account_, "06 Jan 2008", "Refund", 50);
    AddTransaction(*Account_, "07 Jan 2008", "Gone", -999)->Deleted = true;
    Global().Accounts.RecalculateBalances();
  }
  void cleanup() { Context_.reset(); }

  void showsTheAccountWithItsCurrentBalance() {
    auto editor = ShowEditor(*Account_);
    QCOMPARE(editor->windowTitle(), QStringLiteral("Account Details"));
    QVERIFY(!(editor->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(editor->lbAccountName->text(), QStringLiteral("Account Name :"));
    QVERIFY(editor->lbAccountName->font().bold());
    QCOMPARE(editor->lbAccountType->text(), QStringLiteral("Account Type :"));
    QVERIFY(editor->lbAccountType->font().bold());
    QCOMPARE(editor->lblCurrentBalance->text(), QStringLiteral("Current Balance :"));
    QCOMPARE(editor->lbNotes->text(), QStringLiteral("Notes :"));
    QCOMPARE(editor->lblColour->text(), QStringLiteral("Account Colour :"));
    QCOMPARE(editor->btnOk->text(), QStringLiteral("Ok"));
    QCOMPARE(editor->btnCancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(editor->edAccountName->text(), QStringLiteral("Cheque"));
    QCOMPARE(editor->edAccountType->currentText(), QStringLiteral("Current Account"));
    QCOMPARE(editor->edtCurrentBalance->text(), QStringLiteral("750.00"));
    QCOMPARE(editor->edNotes->toPlainText(), QStringLiteral("Joint account"));
    QCOMPARE(editor->cbxColours->currentText(), QStringLiteral("2215720"));
    QVERIFY(editor->btnOk->isEnabled());
    QStringList types;
    for (int i = 0; i < editor->edAccountType->count(); ++i)
      types << editor->edAccountType->itemText(i);
    QCOMPARE(types, QStringList({"Current Account", "Credit Card", "Saving Account", "Home Loan",
                                 "Vehicle Loan", "Other"}));
    QVERIFY(!editor->edAccountType->isEditable());
  }

  void theColourListHoldsFourteenSwatchesSortedAsText_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QColor>("colour");
    const struct {
      const char* Stored;
      const char* Colour;
    } items[] = {{"11366697", "#2971AD"}, {"1250231", "#B71313"},  {"12740093", "#FD65C2"},
                 {"13937996", "#4CADD4"}, {"14573824", "#0061DE"}, {"14595740", "#9CB6DE"},
                 {"2215720", "#28CF21"},  {"4763379", "#F3AE48"},  {"47690", "#4ABA00"},
                 {"50175", "#FFC300"},    {"6080154", "#9AC65C"},  {"6711039", "#FF6666"},
                 {"8078592", "#00457B"},  {"8651007", "#FF0084"}};
    int position = 1;
    for (const auto& item : items) {
      QTest::newRow(item.Stored) << position++ << QString::fromLatin1(item.Stored)
                                 << QColor(QString::fromLatin1(item.Colour));
    }
  }

  void theColourListHoldsFourteenSwatchesSortedAsText() {
    QFETCH(int, position);
    QFETCH(QString, stored);
    QFETCH(QColor, colour);
    auto editor = ShowEditor(*Account_);
    QCOMPARE(editor->cbxColours->count(), 14);
    QCOMPARE(editor->cbxColours->itemText(position - 1), stored);
    QCOMPARE(TColourCombo::ColourOfItem(stored), colour);
    // The closed box paints the chosen colour and no text.
    editor->cbxColours->setCurrentIndex(position - 1);
    const QImage shot = editor->cbxColours->grab().toImage();
    const QPoint middle(shot.width() / 3, shot.height() / 2);
    QCOMPARE(shot.pixelColor(middle), colour);
  }

  void theEnteredBalanceDerivesTheStartingBalance_data() {
    QTest::addColumn<QString>("entered");
    QTest::addColumn<double>("starting");
    QTest::addColumn<double>("balance");
    QTest::newRow("new balance") << "800.00" << 1050.0 << 800.0;
    QTest::newRow("left as shown") << "750.00" << 1000.0 << 750.0;
    QTest::newRow("same value, other text") << "750" << 1000.0 << 750.0;
    QTest::newRow("negative") << "-100" << 150.0 << -100.0;
    QTest::newRow("decimal comma") << "800,5" << 1050.5 << 800.5;
    QTest::newRow("empty is zero") << "" << 250.0 << 0.0;
  }

  void theEnteredBalanceDerivesTheStartingBalance() {
    QFETCH(QString, entered);
    QFETCH(double, starting);
    QFETCH(double, balance);
    auto editor = ShowEditor(*Account_);
    editor->edtCurrentBalance->setText(entered);
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(StartingOf(*Account_), Money(starting));
    Global().Accounts.RecalculateBalances();
    QCOMPARE(Account_->FieldAt(TAccount::fBalance)->AsCurrency(), Money(balance));
  }

  void anUnchangedBalanceKeepsTheStartingBalanceWhenTransactionsChanged() {
    auto editor = ShowEditor(*Account_);
    AddTransaction(*Account_, "08 Jan 2008", "Late", -20);
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(StartingOf(*Account_), Money(1000));
  }

  void thousandSeparatorsShownAreNoNewBalance() {
    AddTransaction(*Account_, "08 Jan 2008", "Bonus", 5000);
    Global().Accounts.RecalculateBalances();
    auto editor = ShowEditor(*Account_);
    QCOMPARE(editor->edtCurrentBalance->text(), QStringLiteral("5,750.00"));
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(StartingOf(*Account_), Money(1000));
  }

  void aBalanceThatDoesNotReadIsRefused() {
    auto editor = ShowEditor(*Account_);
    editor->edtCurrentBalance->setText(QStringLiteral("750.00-1"));
    QVERIFY(!editor->btnOk->isEnabled());
    QCOMPARE(editor->edtCurrentBalance->palette().color(QPalette::Base), QColor(0xFF, 0xEA, 0xEA));
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QVERIFY(editor->isVisible());
    editor->edtCurrentBalance->setText(QStringLiteral("1 250,5"));
    QVERIFY(editor->btnOk->isEnabled());
  }

  void theBalanceBoxTakesOnlyAmountCharacters() {
    auto editor = ShowEditor(*Account_);
    editor->edtCurrentBalance->clear();
    QTest::keyClicks(editor->edtCurrentBalance, QStringLiteral("8x0_0.R5"));
    QCOMPARE(editor->edtCurrentBalance->text(), QStringLiteral("800.5"));
  }

  void okStoresEveryField() {
    auto editor = ShowEditor(*Account_);
    editor->edAccountName->setText(QStringLiteral(" Visa "));
    editor->edAccountType->setCurrentIndex(1);
    editor->edNotes->setPlainText(QStringLiteral("line 1\nline 2"));
    editor->cbxColours->setCurrentIndex(editor->cbxColours->findText(QStringLiteral("50175")));
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(Text(*Account_, TAccount::fAccountName), std::string(" Visa "));
    QCOMPARE(Text(*Account_, TAccount::fAccountType), std::string("Credit Card"));
    QCOMPARE(Text(*Account_, TAccount::fNotes), std::string("line 1\nline 2"));
    QCOMPARE(Account_->ListFieldAt(TAccount::lfAccountColour)->AsInteger(), 50175);
  }

  void okNeedsANameAndAType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("valid");
    QTest::newRow("both") << "Visa" << 1 << true;
    QTest::newRow("blank name") << "   " << 1 << false;
    QTest::newRow("empty name") << "" << 0 << false;
    QTest::newRow("no type") << "Visa" << -1 << false;
  }

  void okNeedsANameAndAType() {
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(bool, valid);
    auto editor = ShowEditor(*Account_);
    editor->edAccountName->setText(name);
    editor->edAccountType->setCurrentIndex(type);
    QCOMPARE(editor->btnOk->isEnabled(), valid);
    QTest::keyClick(editor->edAccountName, Qt::Key_Return);
    QCOMPARE(editor->isVisible(), !valid);
    QCOMPARE(Text(*Account_, TAccount::fAccountName),
             std::string(valid ? name.toStdString() : "Cheque"));
  }

  void anUnknownStoredTypeSelectsNothing() {
    Account_->FieldAt(TAccount::fAccountType)->SetValue(TVariant::String("Offshore"));
    auto editor = ShowEditor(*Account_);
    QCOMPARE(editor->edAccountType->currentIndex(), -1);
    QVERIFY(!editor->btnOk->isEnabled());
    editor->edAccountType->setCurrentIndex(5);
    QVERIFY(editor->btnOk->isEnabled());
  }

  void aNewAccountStartsDisabledAndStoresColourZero() {
    TAccount* account = Global().Accounts.NewAccount();
    auto editor = ShowEditor(*account);
    QVERIFY(!editor->btnOk->isEnabled());
    QCOMPARE(editor->cbxColours->currentIndex(), -1);
    QCOMPARE(editor->edtCurrentBalance->text(), QStringLiteral("0.00"));
    editor->edAccountName->setText(QStringLiteral("Savings"));
    editor->edAccountType->setCurrentIndex(2);
    QTest::mouseClick(editor->btnOk, Qt::LeftButton);
    QCOMPARE(account->ListFieldAt(TAccount::lfAccountColour)->AsInteger(), 0);
    QCOMPARE(Text(*account, TAccount::fAccountType), std::string("Saving Account"));
  }

  void theHelpButtonExplainsTheBalance() {
    auto editor = ShowEditor(*Account_);
    QCOMPARE(editor->btnCurrentBalanceHelp->toolTip(),
             QStringLiteral("Read this before you enter a value..."));
    QCOMPARE(editor->btnCurrentBalanceHelp->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(editor->btnCurrentBalanceHelp, Qt::LeftButton);
    QCOMPARE(Context_->Script->Asked,
             std::vector<QString>{QStringLiteral(
                 "Help: Entering your current balance after you imported your newest statements\r\n"
                 "will correct differences between this application's balance and your bank's "
                 "balance.")});
  }

  void tabWalksTheFieldsInOrder() {
    auto editor = ShowEditor(*Account_);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    QCOMPARE(QApplication::focusWidget(), editor->edAccountName);
    const QWidget* expected[] = {editor->edAccountType, editor->edtCurrentBalance,
                                 editor->edNotes,       editor->cbxColours,
                                 editor->btnOk,         editor->btnCancel};
    for (const QWidget* next : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
  }

  void escapeCancelsAndStoresNothing() {
    auto editor = ShowEditor(*Account_);
    editor->edAccountName->setText(QStringLiteral("Changed"));
    editor->edtCurrentBalance->setText(QStringLiteral("1"));
    editor->cbxColours->setCurrentIndex(0);
    QTest::keyClick(editor->edNotes, Qt::Key_Escape);
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QVERIFY(!editor->isVisible());
    QCOMPARE(Text(*Account_, TAccount::fAccountName), std::string("Cheque"));
    QCOMPARE(StartingOf(*Account_), Money(1000));
    QCOMPARE(Account_->ListFieldAt(TAccount::lfAccountColour)->AsInteger(), 2215720);
  }
};

TF_GUI_TEST_MAIN(AccountEditTest)
#include "AccountEditTest.moc"
