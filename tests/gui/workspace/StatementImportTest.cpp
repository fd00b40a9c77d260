// The statement import: the open dialog with its formats, the import dialog
// (account choice, button caption, the zero-amount box, progress caption),
// rows imported before left out, cancel, the empty-file warning, the refusal of
// a file in another layout and the count of entries left out.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/StatementImportCommand.h"
#include "import/StatementFileError.h"
#include "import/TallyfoldCSVParser.h"

using namespace tf;
using namespace tf::test;

namespace {

constexpr int kOwnLayout = 7;

const char* const kHeading = "Date,Type,Description,Category,Sub Category,Amount,Balance\r\n";
const char* const kShop = R"("02 Mar 2010","Expense","SHOP RITE","","","-84.99","915.01")";
const char* const kSalary = R"("03 Mar 2010","Income","SALARY","","","2000","2915.01")";
const char* const kNothing = R"("04 Mar 2010","Expense","ZERO FEE","","","0","2915.01")";
const char* const kFuel = R"("05 Mar 2010","Expense","FUEL","","","-115.50","2799.51")";

// What the import dialog showed when it opened.
struct TOpened {
  QString Button;
  bool OkEnabled = false;
  QString Account;
  bool IgnoreZero = false;
  bool Editable = true;
  QStringList Accounts;
  QString LeftOut;  // the left-out line, empty while it is hidden
};

// Notes every caption the dialog takes.
class TEventRecorder : public QObject {
 public:
  TEventRecorder(QWidget& watched, QStringList& captions) : Watched_(watched), Captions_(captions) {
    watched.installEventFilter(this);
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == &Watched_ && event->type() == QEvent::WindowTitleChange)
      Captions_ << Watched_.windowTitle();
    return false;
  }

 private:
  QWidget& Watched_;
  QStringList& Captions_;
};

}  // namespace

class StatementImportTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;
  TAccount* Savings_ = nullptr;
  TOpened Opened_;
  QStringList Filters_;

  QString WriteStatement(const QString& name, const std::vector<const char*>& lines) {
    QByteArray bytes(kHeading);
    for (const char* line : lines) bytes += QByteArray(line) + "\r\n";
    const QString path = QDir(Context_->Home->path()).filePath(name);
    WriteBytes(path, bytes);
    return path;
  }
  void ChooseFile(const QString& path, int filter = kOwnLayout) {
    Context_->Script->OpenFiles.push_back(TChosenFile{path, filter});
  }
  // The import dialog notes how it opened, `choose` sets it up as the user
  // would, and it closes with `result`.
  void AnswerDialog(int result, std::function<void(TfrmStatementImport&)> choose = {}) {
    Context_->Script->ExecDialog = [this, result, choose](QDialog& dialog) {
      auto& import = dynamic_cast<TfrmStatementImport&>(dialog);
      Opened_.Button = import.btnOk->text();
      Opened_.OkEnabled = import.btnOk->isEnabled();
      Opened_.Account = import.cbxAccount->currentText();
      Opened_.IgnoreZero = import.chkIgnoreZero->isChecked();
      Opened_.Editable = import.cbxAccount->isEditable();
      Opened_.LeftOut =
          import.lblLeftOut->isVisibleTo(&import) ? import.lblLeftOut->text() : QString();
      Opened_.Accounts.clear();
      for (int i = 0; i < import.cbxAccount->count(); ++i)
        Opened_.Accounts << import.cbxAccount->itemText(i);
      if (choose) choose(import);
      return result;
    };
  }
  static void ChooseAccount(TfrmStatementImport& dialog, const QString& name) {
    dialog.cbxAccount->setCurrentIndex(dialog.cbxAccount->findText(name, Qt::MatchStartsWith));
  }
  bool Import(TAccount* selected) {
    return ImportStatement(nullptr, Global(), selected, Context_->Dialogs);
  }
  static int Rows(const TAccount& account) { return account.TransactionsTable()->RowCount(); }
  static TTransactions& Row(const TAccount& account, int i) {
    return *account.TransactionsTable()->TransactionAt(i);
  }
  QStringList Messages() const {
    QStringList messages;
    for (const QString& asked : Context_->Script->Asked) messages << asked;
    return messages;
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Cheque_ = AddAccount("Cheque", "{A}");
    AddAccount("Old", "{OLD}")->Deleted = true;
    Savings_ = AddAccount("Savings", "{B}");
    Opened_ = {};
    Context_->Dialogs.ChooseOpenFile = [this, chooser = Context_->Dialogs.ChooseOpenFile](
                                           QWidget* parent, const QString& title,
                                           const QStringList& filters, int initial) {
      Filters_ = filters;
      return chooser(parent, title, filters, initial);
    };
  }
  void cleanup() { Context_.reset(); }

  void importsEveryRowIntoThePreselectedAccount() {
    AddPattern("SHOP", 0, "Food - groceries");
    ChooseFile(WriteStatement("march.csv", {kShop, kSalary, kFuel}));
    AnswerDialog(QDialog::Accepted);
    QVERIFY(Import(Cheque_));
    QCOMPARE(Opened_.Button, QStringLiteral("Import 3 transactions"));
    QVERIFY(Opened_.OkEnabled);
    QCOMPARE(Opened_.Account, QStringLiteral("Cheque ( Current Account )"));
    QVERIFY(!Opened_.Editable);
    // Deleted accounts are not offered.
    QCOMPARE(Opened_.Accounts,
             QStringList({"Cheque ( Current Account )", "Savings ( Current Account )"}));
    QVERIFY(Messages().isEmpty());

    QCOMPARE(Rows(*Cheque_), 3);
    QCOMPARE(Rows(*Savings_), 0);
    const TTransactions& shop = Row(*Cheque_, 0);
    QCOMPARE(Text(shop, TTransactions::fDate), std::string("02 Mar 2010"));
    QCOMPARE(Text(shop, TTransactions::fDescription), std::string("SHOP RITE"));
    QCOMPARE(shop.FieldAt(TTransactions::fAmount)->AsCurrency(), TCurrency::FromDouble(-84.99));
    QCOMPARE(Text(shop, TTransactions::fRawLineData), std::string(kShop));
    QCOMPARE(Text(shop, TTransactions::fCategory), std::string("Food - groceries"));
    QCOMPARE(Text(shop, TTransactions::fTransactionID).size(), std::size_t(38));
    QCOMPARE(Row(*Cheque_, 1).GetTransactionType(), int(ttIncome));
    QCOMPARE(Row(*Cheque_, 2).FieldAt(TTransactions::fSortOrder)->AsInteger(), 2);
  }

  void rowsImportedBeforeAreLeftOut() {
    AddTransaction(*Cheque_, "02 Mar 2010", "SHOP RITE", -84.99)
        ->FieldAt(TTransactions::fRawLineData)
        ->SetValue(TVariant::String(kShop));
    // A deleted transaction does not count: its line comes back.
    TTransactions* deleted = AddTransaction(*Cheque_, "05 Mar 2010", "FUEL", -115.5);
    deleted->FieldAt(TTransactions::fRawLineData)->SetValue(TVariant::String(kFuel));
    deleted->Deleted = true;
    ChooseFile(WriteStatement("march.csv", {kShop, kSalary, kFuel}));
    AnswerDialog(QDialog::Accepted);
    QVERIFY(Import(Cheque_));
    QCOMPARE(Messages(),
             QStringList({"Information: 1 Record(s) will not be imported (Total records 3)\r\n\r\n"
                          "\tThere are entries in this import that will not be \r\n"
                          "\timported because they already exist as transactions from\r\n"
                          "\tprevious imports"}));
    QCOMPARE(Rows(*Cheque_), 4);
    QCOMPARE(Text(Row(*Cheque_, 2), TTransactions::fDescription), std::string("SALARY"));
    // The statement's positions stay, the gap of the skipped row included.
    QCOMPARE(Row(*Cheque_, 2).FieldAt(TTransactions::fSortOrder)->AsInteger(), 1);
    QCOMPARE(Text(Row(*Cheque_, 3), TTransactions::fDescription), std::string("FUEL"));
    QCOMPARE(Row(*Cheque_, 3).FieldAt(TTransactions::fSortOrder)->AsInteger(), 2);
  }

  void theSameFileTwiceImportsNothingTheSecondTime() {
    const QString path = WriteStatement("march.csv", {kShop, kSalary});
    ChooseFile(path);
    ChooseFile(path);
    AnswerDialog(QDialog::Accepted);
    QVERIFY(Import(Cheque_));
    QCOMPARE(Rows(*Cheque_), 2);
    QVERIFY(Messages().isEmpty());
    // The command still counts as done, so that the page saves as usual.
    QVERIFY(Import(Cheque_));
    QCOMPARE(Rows(*Cheque_), 2);
    QCOMPARE(Messages(), QStringList({"Information: No records will not be imported\r\n\r\n"
                                      "\tAll entries in this import will not be \r\n"
                                      "\timported because they already exist as transactions "
                                      "from\r\n"
                                      "\tprevious imports"}));
  }

  void anotherAccountIsNotSearchedForDuplicates() {
    const QString path = WriteStatement("march.csv", {kShop, kSalary});
    ChooseFile(path);
    ChooseFile(path);
    AnswerDialog(QDialog::Accepted);
    QVERIFY(Import(Cheque_));
    AnswerDialog(QDialog::Accepted, [](TfrmStatementImport& d) { ChooseAccount(d, "Savings"); });
    QVERIFY(Import(Cheque_));
    QCOMPARE(Rows(*Cheque_), 2);
    QCOMPARE(Rows(*Savings_), 2);
    QVERIFY(Messages().isEmpty());
  }

  void withoutASelectedAccountTheUserChoosesOne() {
    ChooseFile(WriteStatement("march.csv", {kShop}));
    bool enabledAfterChoice = false;
    AnswerDialog(QDialog::Accepted, [&](TfrmStatementImport& dialog) {
      ChooseAccount(dialog, "Savings");
      enabledAfterChoice = dialog.btnOk->isEnabled();
    });
    QVERIFY(Import(nullptr));
    QCOMPARE(Opened_.Account, QString());
    QVERIFY(!Opened_.OkEnabled);
    QVERIFY(enabledAfterChoice);
    QCOMPARE(Rows(*Savings_), 1);
    QCOMPARE(Rows(*Cheque_), 0);
  }

  void okIsEnabledExactlyWhileAnAccountIsSelected() {
    TfrmStatementImport dialog(Context_->Dialogs);
    TTallyfoldCSVParser parser;
    parser.LoadStatement(WriteStatement("march.csv", {kShop}).toStdString());
    QList<bool> states;
    Context_->Script->ExecDialog = [&](QDialog&) {
      states << dialog.btnOk->isEnabled();
      dialog.cbxAccount->setCurrentIndex(1);
      states << dialog.btnOk->isEnabled();
      dialog.cbxAccount->setCurrentIndex(-1);
      states << dialog.btnOk->isEnabled();
      return int(QDialog::Accepted);
    };
    // Accepted without an account (only a script can do that) imports nothing.
    QVERIFY(!dialog.ImportLines(parser, Global().Accounts, Cheque_));
    QCOMPARE(states, QList<bool>({true, true, false}));
    QCOMPARE(Rows(*Cheque_), 0);
  }

  void cancelChangesNothing() {
    ChooseFile(WriteStatement("march.csv", {kShop, kSalary}));
    AnswerDialog(QDialog::Rejected, [](TfrmStatementImport& d) { ChooseAccount(d, "Savings"); });
    QVERIFY(!Import(Cheque_));
    QCOMPARE(Rows(*Cheque_), 0);
    QCOMPARE(Rows(*Savings_), 0);
    QVERIFY(Messages().isEmpty());
  }

  void theZeroAmountBox_data() {
    QTest::addColumn<bool>("ignoreZero");
    QTest::addColumn<QStringList>("imported");
    QTest::newRow("ticked") << true << QStringList({"SHOP RITE", "FUEL"});
    QTest::newRow("unticked") << false << QStringList({"SHOP RITE", "ZERO FEE", "FUEL"});
  }
  void theZeroAmountBox() {
    QFETCH(bool, ignoreZero);
    QFETCH(QStringList, imported);
    ChooseFile(WriteStatement("march.csv", {kShop, kNothing, kFuel}));
    AnswerDialog(QDialog::Accepted,
                 [=](TfrmStatementImport& d) { d.chkIgnoreZero->setChecked(ignoreZero); });
    QVERIFY(Import(Cheque_));
    QVERIFY(Opened_.IgnoreZero);
    QStringList descriptions;
    for (int i = 0; i < Rows(*Cheque_); ++i)
      descriptions << QString::fromStdString(Text(Row(*Cheque_, i), TTransactions::fDescription));
    QCOMPARE(descriptions, imported);
    if (!ignoreZero) QCOMPARE(Row(*Cheque_, 1).GetTransactionType(), int(ttExpense));
  }

  // The caption counts the rows of each pass, and the window cannot be
  // closed while it works.
  void progressShowsInTheCaption() {
    AddTransaction(*Cheque_, "02 Mar 2010", "SHOP RITE", -84.99)
        ->FieldAt(TTransactions::fRawLineData)
        ->SetValue(TVariant::String(kShop));
    TfrmStatementImport dialog(Context_->Dialogs);
    TTallyfoldCSVParser parser;
    parser.LoadStatement(
        WriteStatement("march.csv", {kShop, kSalary, kNothing, kFuel}).toStdString());
    QString captionAtMessage;
    bool closable = true;
    bool controlsEnabled = true;
    int progressAtMessage = -1;
    Context_->Dialogs.Inform = [&](QWidget* parent, const QString&, const QString&) {
      QCOMPARE(parent, &dialog);
      captionAtMessage = dialog.windowTitle();
      progressAtMessage = dialog.pbProgress->value();
      controlsEnabled = dialog.btnOk->isEnabled() || dialog.btnCancel->isEnabled() ||
                        dialog.cbxAccount->isEnabled();
      dialog.reject();
      closable = !dialog.isVisible() || dialog.close();
    };
    QVERIFY(dialog.ImportLines(parser, Global().Accounts, Cheque_));
    QCOMPARE(captionAtMessage, QStringLiteral("Checking for duplicate imports...4 of 4"));
    QCOMPARE(progressAtMessage, 4);
    QVERIFY(!controlsEnabled);
    QVERIFY(!closable);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Importing...4 of 4"));
    QCOMPARE(dialog.pbProgress->maximum(), 4);
    QCOMPARE(dialog.pbProgress->value(), 4);
    QVERIFY(!dialog.Working());
    QCOMPARE(Rows(*Cheque_), 3);
  }

  // A long statement is not slowed down by a repaint per row, yet each pass
  // shows where it starts and ends.
  void theCaptionIsNotRedrawnForEveryRow() {
    constexpr int kRows = 3000;
    std::vector<std::string> lines;
    for (int i = 0; i < kRows; ++i)
      lines.push_back(R"("02 Mar 2010","Expense","SHOP )" + std::to_string(i) +
                      R"(","","","-1","0")");
    std::vector<const char*> texts;
    for (const std::string& line : lines) texts.push_back(line.c_str());
    TfrmStatementImport dialog(Context_->Dialogs);
    TTallyfoldCSVParser parser;
    parser.LoadStatement(WriteStatement("long.csv", texts).toStdString());
    QStringList captions;
    TEventRecorder recorder(dialog, captions);
    QVERIFY(dialog.ImportLines(parser, Global().Accounts, Cheque_));
    QCOMPARE(Rows(*Cheque_), kRows);
    QVERIFY(captions.contains(QStringLiteral("Checking for duplicate imports...1 of 3000")));
    QVERIFY(captions.contains(QStringLiteral("Checking for duplicate imports...3000 of 3000")));
    QVERIFY(captions.contains(QStringLiteral("Importing...1 of 3000")));
    QCOMPARE(captions.last(), QStringLiteral("Importing...3000 of 3000"));
    QVERIFY2(captions.size() < kRows / 4, qPrintable(QString::number(captions.size())));
  }

  void anEmptyFileIsReported() {
    ChooseFile(WriteStatement("empty.csv", {}));
    bool opened = false;
    Context_->Script->ExecDialog = [&](QDialog&) {
      opened = true;
      return int(QDialog::Accepted);
    };
    QVERIFY(!Import(Cheque_));
    QVERIFY(!opened);
    QCOMPARE(Messages(),
             QStringList({"Warning: File seems to be empty, import will not continue"}));
  }

  // No layout knows day-first dates; read as ABSA, the file has no date.
  void aFileOfAnotherLayoutIsRefused() {
    const QString path = QDir(Context_->Home->path()).filePath("march.csv");
    WriteBytes(path, "Date,Description,Amount,Balance\r\n31/03/2010,SHOP,-5.00,95.00\r\n");
    ChooseFile(path, 1);
    bool opened = false;
    Context_->Script->ExecDialog = [&](QDialog&) {
      opened = true;
      return int(QDialog::Accepted);
    };
    QVERIFY(!Import(Cheque_));
    QVERIFY(!opened);
    QCOMPARE(Messages(), QStringList({"Warning: This file does not look like an ABSA statement: "
                                      "no line holds a date"}));
    QCOMPARE(Rows(*Cheque_), 0);
  }

  void entriesLeftOutAreCountedInTheDialog() {
    const QString path = QDir(Context_->Home->path()).filePath("bank.ofx");
    WriteBytes(path,
               "<OFX><BANKTRANLIST>\r\n"
               "<STMTTRN><DTPOSTED>20080131<TRNAMT>-12.50<NAME>SHOP</STMTTRN>\r\n"
               "<STMTTRN><DTPOSTED>20080231<TRNAMT>-1.00<NAME>NO SUCH DAY</STMTTRN>\r\n"
               "<STMTTRN><FITID>REDACTED</STMTTRN>\r\n"
               "<STMTTRN><DTPOSTED>20080201<TRNAMT>12,5O<NAME>TYPO</STMTTRN>\r\n"
               "</BANKTRANLIST></OFX>\r\n");
    ChooseFile(path, 5);
    AnswerDialog(QDialog::Accepted);
    QVERIFY(Import(Cheque_));
    QCOMPARE(Opened_.Button, QStringLiteral("Import 1 transactions"));
    QCOMPARE(Opened_.LeftOut, QStringLiteral("2 entries left out: no valid date; "
                                             "1 entry left out: no amount"));
    QCOMPARE(Rows(*Cheque_), 1);

    ChooseFile(WriteStatement("march.csv", {kShop}));
    AnswerDialog(QDialog::Rejected);
    QVERIFY(!Import(Cheque_));
    QCOMPARE(Opened_.LeftOut, QString());
  }

  void anUnreadableFileRaisesTheLoadError() {
    ChooseFile(QDir(Context_->Home->path()).filePath("missing.csv"));
    QVERIFY_THROWS_EXCEPTION(TStatementFileError, Import(Cheque_));
    QCOMPARE(Rows(*Cheque_), 0);
  }

  void theOpenDialogOffersTheSevenFormats() {
    QVERIFY(!Import(Cheque_));  // cancelled
    QCOMPARE(Filters_,
             QStringList({"ABSA Statements CSV (*.csv)", "Nedbank Checking Statements CSV (*.csv)",
                          "FNB Statements CSV (*.csv)", "Standard Bank Statements CSV (*.csv)",
                          "OFX Format (Open Financial Exchange) (*.ofx)",
                          "FNB Advanced Transaction History CSV (*.csv)",
                          "Tallyfold Standard (Use export to get sample) (*.csv)",
                          "Other bank (CSV)\u2026 (*.csv *.txt)"}));
    QCOMPARE(Context_->Script->FileInitialFilters, std::vector<int>({5}));
    QCOMPARE(Global().GetImportFileIndex(), 5);
  }

  void theChosenFormatIsRemembered() {
    ChooseFile(WriteStatement("march.csv", {kShop}), kOwnLayout);
    AnswerDialog(QDialog::Rejected);
    QVERIFY(!Import(Cheque_));
    QCOMPARE(Global().GetImportFileIndex(), kOwnLayout);
    QVERIFY(!Import(Cheque_));
    QCOMPARE(Context_->Script->FileInitialFilters, std::vector<int>({5, kOwnLayout}));
  }

  // An OFX statement: its duplicate key is date, name and amount.
  void anOfxStatementImportsOnce() {
    const QString path = QDir(Context_->Home->path()).filePath("bank.ofx");
    WriteBytes(path,
               "OFXHEADER:100\r\nDATA:OFXSGML\r\n\r\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS>"
               "<BANKTRANLIST>\r\n"
               "<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>20080131120000[-5:EST]\r\n"
               "<TRNAMT>-12.50\r\n<NAME>SHOP\r\n</STMTTRN>\r\n"
               "<STMTTRN>\r\n<TRNTYPE>CREDIT\r\n<DTPOSTED>20080201120000[-5:EST]\r\n"
               "<TRNAMT>100.00\r\n<NAME>REFUND\r\n</STMTTRN>\r\n"
               "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n");
    ChooseFile(path, 5);
    ChooseFile(path, 5);
    AnswerDialog(QDialog::Accepted);
    QVERIFY(Import(Cheque_));
    QCOMPARE(Opened_.Button, QStringLiteral("Import 2 transactions"));
    QCOMPARE(Rows(*Cheque_), 2);
    QCOMPARE(Text(Row(*Cheque_, 0), TTransactions::fDate), std::string("31 Jan 2008"));
    QCOMPARE(Text(Row(*Cheque_, 1), TTransactions::fDescription), std::string("REFUND"));
    QVERIFY(Import(Cheque_));
    QCOMPARE(Rows(*Cheque_), 2);
    QCOMPARE(Messages().size(), 1);
    QVERIFY(Messages().front().startsWith("Information: No records will not be imported"));
  }
};

TF_GUI_TEST_MAIN(StatementImportTest)
#include "StatementImportTest.moc"
