// "Other bank (CSV)": the mapping dialog over a file no layout knows (the
// guessed mapping, the table that follows every choice, rows that do not
// read in red), the profile it saves in the data file and reads again with
// tallyfold-cli, and the next statement of the bank offered its profile.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/app/RowCombos.h"
#include "gui/workspace/FrmCsvMapping.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/ProfileImportCommand.h"
#include "gui/workspace/StatementImportCommand.h"
#include "import/CsvProfiles.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementFile.h"

using namespace tf;
using namespace tf::test;

namespace {

const char* const kMarch =
    "Capitec Bank statement\r\n"
    "Nr;Date;Description;Money In;Money Out;Balance\r\n"
    "1;01/03/2024;Salary ACME;10 000,00;;10 965,00\r\n"
    "2;02/03/2024;Coffee  shop;;35,50;10 929,50\r\n"
    "3;31/02/2024;Bad date;;1,00;10 928,50\r\n";
const char* const kApril =
    "Capitec Bank statement\r\n"
    "Nr;Date;Description;Money In;Money Out;Balance\r\n"
    "2;02/03/2024;Coffee  shop;;35,50;10 929,50\r\n"
    "3;01/04/2024;Rent;;5 000,00;5 929,50\r\n";

TCsvProfile Capitec(const std::string& accountId) {
  TCsvProfile p;
  p.Name = "Capitec";
  p.AccountID = accountId;
  p.Separator = ';';
  p.SkipLines = 2;
  p.DateColumn = 2;
  p.AmountColumn = 0;
  p.InColumn = 4;
  p.OutColumn = 5;
  p.DescriptionColumns = {3};
  p.DecimalSeparator = ',';
  p.BalanceColumn = 6;
  p.ColumnCount = 6;
  p.Heading = "Nr;Date;Description;Money In;Money Out;Balance";
  return p;
}

// The row of the preview table whose first cell is `text`.
int TableRow(const QTableWidget& table, const QString& text) {
  for (int r = 0; r < table.rowCount(); ++r)
    if (table.item(r, 0) != nullptr && table.item(r, 0)->text() == text) return r;
  return -1;
}

QString ReadAs(const QTableWidget& table, int row) {
  return table.item(row, table.columnCount() - 1)->text();
}

}  // namespace

class CsvMappingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;
  TAccount* Savings_ = nullptr;
  int Dialogs_ = 0;

  QString WriteStatement(const QString& name, const char* text) {
    const QString path = QDir(Context_->Home->path()).filePath(name);
    WriteBytes(path, QByteArray(text));
    return path;
  }
  // The mapping dialog gets `map`, the import dialog is accepted as it opens.
  void AnswerDialogs(std::function<int(TfrmCsvMapping&)> map, QString* importAccount = nullptr) {
    Context_->Script->ExecDialog = [this, map, importAccount](QDialog& dialog) {
      ++Dialogs_;
      if (auto* mapping = dynamic_cast<TfrmCsvMapping*>(&dialog)) return map(*mapping);
      auto& import = dynamic_cast<TfrmStatementImport&>(dialog);
      if (importAccount != nullptr) *importAccount = import.cbxAccount->currentText();
      return int(QDialog::Accepted);
    };
  }
  bool Import(const QString& path, TAccount* selected) {
    Context_->Script->OpenFiles.push_back(TChosenFile{path, kOtherBankFilter});
    return ImportStatement(nullptr, Global(), selected, Context_->Dialogs);
  }
  // tallyfold-cli on a copy of the saved data file: the program holds the file itself.
  QString Cli(const QStringList& args) {
    const QString copy = QDir(Context_->Home->path()).filePath(QStringLiteral("copy.tfold"));
    if (!QFile::exists(copy) && !QFile::copy(Context_->DataFile(), copy))
      return QStringLiteral("no copy");
    QProcess cli;
    cli.start(QStringLiteral(TALLYFOLD_CLI), QStringList{QStringLiteral("--data"), copy} + args);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(60000)) return QStringLiteral("did not finish");
    return QString::fromUtf8(cli.readAllStandardOutput()) +
           QString::fromUtf8(cli.readAllStandardError());
  }
  static int Rows(const TAccount& account) { return account.TransactionsTable()->RowCount(); }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Cheque_ = AddAccount("Cheque", "{A}");
    Savings_ = AddAccount("Savings", "{B}");
    Dialogs_ = 0;
  }
  void cleanup() { Context_.reset(); }

  void theOpenDialogOffersOtherBanksAfterTheSevenFormats() {
    QStringList filters = StatementOpenFilters();
    QCOMPARE(filters.size(), 8);
    QCOMPARE(filters.last(), QStringLiteral("Other bank (CSV)\u2026 (*.csv *.txt)"));
  }

  void aProfileMadeInTheDialogIsReadBackByTheCommandLine() {
    const QString march = WriteStatement("march.csv", kMarch);
    QStringList seen;  // what the dialog showed, step by step
    AnswerDialogs([&seen](TfrmCsvMapping& m) {
      seen << m.cbxSeparator->currentText() << QString::number(m.spnSkip->value())
           << (m.rbtTwoAmounts->isChecked() ? QStringLiteral("in/out") : QStringLiteral("one"))
           << (m.btnOk->isEnabled() ? QStringLiteral("ok") : QStringLiteral("no ok"));
      // The table follows every choice at once.
      m.cbxDateOrder->setCurrentIndex(2);  // year-month-day reads nothing here
      seen << m.lblSummary->text();
      m.cbxDateOrder->setCurrentIndex(0);
      m.edtDescriptionColumns->clear();
      QTest::keyClicks(m.edtDescriptionColumns, QStringLiteral("3,1"));
      QTest::keyClicks(m.edtName, QStringLiteral("Capitec"));
      seen << m.lblSummary->text()
           << (m.btnOk->isEnabled() ? QStringLiteral("ok") : QStringLiteral("no ok"));
      return int(QDialog::Accepted);
    });
    QVERIFY(Import(march, Cheque_));
    // Guessed from the file: semicolons, two heading lines, money in and out;
    // no name yet, so no Ok.
    QCOMPARE(seen, QStringList({"Semicolon", "2", "in/out", "no ok",
                                "0 rows read, 3 do not read (in red)",
                                "2 rows read, 1 do not read (in red)", "ok"}));
    QCOMPARE(Dialogs_, 2);
    QCOMPARE(Rows(*Cheque_), 2);
    QCOMPARE(Text(*Cheque_->TransactionsTable()->TransactionAt(0), TTransactions::fDescription),
             std::string("Salary ACME 1"));
    // The duplicate key is the line as the file holds it.
    QCOMPARE(Text(*Cheque_->TransactionsTable()->TransactionAt(1), TTransactions::fRawLineData),
             std::string("2;02/03/2024;Coffee  shop;;35,50;10 929,50"));
    TCsvProfile saved;
    QVERIFY(FindCsvProfile(Global().Accounts, "Capitec", saved));
    QCOMPARE(saved.AccountID, std::string("{A}"));
    QCOMPARE(saved.ColumnCount, 6);

    Global().SaveFile();
    QCOMPARE(Cli({QStringLiteral("profiles")}),
             QStringLiteral("Capitec\tCheque\tsemicolon, skip 2, date 2 (dmy), in 4, out 5, "
                            "description 3,1, decimal ,, balance 6\n"));
    const QString april = WriteStatement("april.csv", kApril);
    const QString imported =
        Cli({QStringLiteral("import"), QStringLiteral("--profile"), QStringLiteral("Capitec"),
             QStringLiteral("--account"), QStringLiteral("Cheque"), april});
    // The coffee line came with March already.
    QVERIFY2(imported.contains(QStringLiteral("Imported 1 of 2 rows into \"Cheque\"")),
             qPrintable(imported));
  }

  void rowsThatDoNotReadAreRedWithTheReason() {
    TfrmCsvMapping m(SplitStatementLines(kMarch), {}, -1,
                     GuessProfile(SplitStatementLines(kMarch)));
    m.edtName->setText(QStringLiteral("Capitec"));
    const int bad = TableRow(*m.grdPreview, QStringLiteral("3"));
    QVERIFY(bad >= 0);
    QCOMPARE(ReadAs(*m.grdPreview, bad),
             QStringLiteral("does not read: \"31/02/2024\" is no date (day-month-year)"));
    QCOMPARE(m.grdPreview->item(bad, 1)->background().color(), QColor(0xFF, 0xEA, 0xEA));
    const int good = TableRow(*m.grdPreview, QStringLiteral("1"));
    QVERIFY(ReadAs(*m.grdPreview, good).startsWith(QStringLiteral("01 Mar 2024")));
    QCOMPARE(ReadAs(*m.grdPreview, 0), QStringLiteral("heading, skipped"));
    QCOMPARE(m.grdPreview->horizontalHeaderItem(1)->text(), QStringLiteral("2 Date"));
    // One column for both amounts is refused with the reason.
    m.rbtOneAmount->setChecked(true);
    m.spnAmountColumn->setValue(2);
    QVERIFY(!m.btnOk->isEnabled());
    QCOMPARE(m.lblProblem->text(),
             QStringLiteral("The date, amount and balance columns must all be different."));
  }

  void theNextStatementOfTheBankIsOfferedItsProfileWithItsAccount() {
    TCsvProfile other = Capitec("{A}");
    other.Name = "Tyme";
    other.Separator = ',';
    StoreCsvProfile(Global().Accounts, other);
    StoreCsvProfile(Global().Accounts, Capitec("{B}"));
    QString offered, account;
    AnswerDialogs(
        [&offered](TfrmCsvMapping& m) {
          offered = m.cbxProfile->currentText();
          return int(QDialog::Accepted);
        },
        &account);
    QVERIFY(Import(WriteStatement("april.csv", kApril), Cheque_));
    QCOMPARE(offered, QStringLiteral("Capitec"));
    // A new mapping under a saved name says that it replaces that profile.
    TfrmCsvMapping fresh(SplitStatementLines(kApril), LoadCsvProfiles(Global().Accounts), -1,
                         GuessProfile(SplitStatementLines(kApril)));
    QTest::keyClicks(fresh.edtName, QStringLiteral("tyme"));
    QCOMPARE(fresh.lblProblem->text(),
             QStringLiteral("The profile \"Tyme\" is replaced by this mapping."));
    QCOMPARE(account, QStringLiteral("Savings ( Current Account )"));
    QCOMPARE(Rows(*Savings_), 2);
    QCOMPARE(Global().GetImportFileIndex(), kOtherBankFilter);
  }

  // The user picks a built-in type out of habit; no built-in layout reads the
  // file, but a saved mapping does, and the mapping dialog opens on it.
  void aSavedMappingThatFitsIsOfferedWhateverTypeWasChosen() {
    StoreCsvProfile(Global().Accounts, Capitec("{B}"));
    QString offered;
    AnswerDialogs([&offered](TfrmCsvMapping& m) {
      offered = m.cbxProfile->currentText();
      return int(QDialog::Accepted);
    });
    Context_->Script->OpenFiles.push_back(TChosenFile{WriteStatement("april.csv", kApril), 5});
    QVERIFY(ImportStatement(nullptr, Global(), Cheque_, Context_->Dialogs));
    QCOMPARE(offered, QStringLiteral("Capitec"));
    QCOMPARE(Rows(*Savings_), 2);
  }

  void cancellingTheMappingImportsNothing() {
    AnswerDialogs([](TfrmCsvMapping&) { return int(QDialog::Rejected); });
    QVERIFY(!Import(WriteStatement("march.csv", kMarch), Cheque_));
    QCOMPARE(Dialogs_, 1);
    QCOMPARE(Rows(*Cheque_), 0);
    QVERIFY(LoadCsvProfiles(Global().Accounts).empty());
  }
};

QTEST_MAIN(CsvMappingTest)
#include "CsvMappingTest.moc"
