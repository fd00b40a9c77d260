// The import dialog's preview and format choice: rows imported before greyed
// and counted, zero rows left out with their reason, the category each new
// row gets, a row unticked with Space left out of the import; the format the
// file looks like chosen and said, another format reading the file again; and
// the dialog still usable at its minimum size.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/workspace/FrmStatementImport.h"
#include "gui/workspace/ImportPreviewModel.h"
#include "gui/workspace/StatementImportCommand.h"

using namespace tf;
using namespace tf::test;

namespace {

constexpr int kAbsa = 1, kOwnLayout = 7;
using TModel = TImportPreviewModel;

const char* const kHeading = "Date,Type,Description,Category,Sub Category,Amount,Balance\r\n";
const char* const kShop = R"("02 Mar 2010","Expense","SHOP RITE","","","-84.99","915.01")";
const char* const kSalary = R"("03 Mar 2010","Income","SALARY","","","2000","2915.01")";
const char* const kNothing = R"("04 Mar 2010","Expense","ZERO FEE","","","0","2915.01")";
const char* const kFuel = R"("05 Mar 2010","Expense","FUEL","","","-115.50","2799.51")";

QString Cell(TfrmStatementImport& dialog, int row, int column, int role = Qt::DisplayRole) {
  return dialog.PreviewModel().index(row, column).data(role).toString();
}

bool Ticked(TfrmStatementImport& dialog, int row) {
  return dialog.PreviewModel().index(row, TModel::colImport).data(Qt::CheckStateRole).toInt() ==
         Qt::Checked;
}

bool Greyed(TfrmStatementImport& dialog, int row) {
  return dialog.PreviewModel()
      .index(row, TModel::colDescription)
      .data(Qt::ForegroundRole)
      .isValid();
}

}  // namespace

class ImportPreviewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;

  QString WriteStatement(const std::vector<const char*>& lines) {
    QByteArray bytes(kHeading);
    for (const char* line : lines) bytes += QByteArray(line) + "\r\n";
    const QString path = QDir(Context_->Home->path()).filePath("march.csv");
    WriteBytes(path, bytes);
    return path;
  }
  // Runs the import command on the file; `look` sees and handles the dialog
  // as the user would, which then closes with `result`.
  bool Import(const QString& path, int filter, int result,
              const std::function<void(TfrmStatementImport&)>& look) {
    Context_->Script->OpenFiles.push_back(TChosenFile{path, filter});
    Context_->Script->ExecDialog = [result, look](QDialog& dialog) {
      look(dynamic_cast<TfrmStatementImport&>(dialog));
      return result;
    };
    return ImportStatement(nullptr, Global(), Cheque_, Context_->Dialogs);
  }
  QStringList Descriptions() const {
    QStringList texts;
    for (int i = 0; i < Cheque_->TransactionsTable()->RowCount(); ++i)
      texts << QString::fromStdString(
          Text(*Cheque_->TransactionsTable()->TransactionAt(i), TTransactions::fDescription));
    return texts;
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Cheque_ = AddAccount("Cheque", "{A}");
    AddAccount("Savings", "{B}");
  }
  void cleanup() { Context_.reset(); }

  void marksDuplicatesAndLeavesOutAnUntickedRow() {
    AddTransaction(*Cheque_, "02 Mar 2010", "SHOP RITE", -84.99)
        ->FieldAt(TTransactions::fRawLineData)
        ->SetValue(TVariant::String(kShop));
    AddPattern("FUEL", 0, "Transportation - gas");
    bool checked = false;
    QVERIFY(Import(
        WriteStatement({kShop, kSalary, kNothing, kFuel}), kOwnLayout, QDialog::Accepted,
        [&](TfrmStatementImport& d) {
          QCOMPARE(d.PreviewModel().rowCount(), 4);
          QVERIFY(Greyed(d, 0) && !Ticked(d, 0));
          QCOMPARE(Cell(d, 0, TModel::colNote), QStringLiteral("Already imported"));
          QVERIFY(
              !(d.PreviewModel().flags(d.PreviewModel().index(0, 0)) & Qt::ItemIsUserCheckable));
          QVERIFY(!Greyed(d, 1) && Ticked(d, 1));
          QCOMPARE(Cell(d, 1, TModel::colCategory), QStringLiteral("n/a"));
          QCOMPARE(Cell(d, 1, TModel::colDate), QStringLiteral("03 Mar 2010"));
          QVERIFY(Greyed(d, 2) && !Ticked(d, 2));
          QCOMPARE(Cell(d, 2, TModel::colNote), QStringLiteral("Amount is 0"));
          QCOMPARE(Cell(d, 3, TModel::colCategory), QStringLiteral("Transportation - gas"));
          QCOMPARE(d.lblSummary->text(),
                   QStringLiteral("2 of 2 new rows ticked; 1 already imported; 1 of "
                                  "amount 0 left out"));
          QCOMPARE(d.btnOk->text(), QStringLiteral("Import 2 transactions"));
          // The salary is unticked from the keyboard.
          d.grdPreview->setFocus();
          d.grdPreview->setCurrentIndex(d.PreviewModel().index(1, TModel::colDescription));
          QTest::keyClick(d.grdPreview, Qt::Key_Space);
          QVERIFY(!Ticked(d, 1));
          QCOMPARE(d.btnOk->text(), QStringLiteral("Import 1 transactions"));
          // Space on a greyed row changes nothing.
          d.grdPreview->setCurrentIndex(d.PreviewModel().index(0, 0));
          QTest::keyClick(d.grdPreview, Qt::Key_Space);
          QVERIFY(!Ticked(d, 0));
          // Ticks stay while the zero box is changed.
          d.chkIgnoreZero->setChecked(false);
          QVERIFY(!Ticked(d, 1) && Ticked(d, 2));
          d.chkIgnoreZero->setChecked(true);
          checked = true;
        }));
    QVERIFY(checked);
    QCOMPARE(Descriptions(), QStringList({"SHOP RITE", "FUEL"}));
  }

  // Chosen as ABSA, the file is the program's own export: that is the format
  // offered. Read as ABSA after all, it is refused in the dialog.
  void theFormatTheFileLooksLikeIsChosen() {
    bool checked = false;
    QVERIFY(Import(
        WriteStatement({kShop, kSalary}), kAbsa, QDialog::Accepted, [&](TfrmStatementImport& d) {
          QVERIFY(d.cbxFormat->isVisibleTo(&d));
          QCOMPARE(d.cbxFormat->currentData().toInt(), kOwnLayout);
          QCOMPARE(d.lblRecognised->text(), QStringLiteral("Looks like a Tallyfold CSV export"));
          QCOMPARE(d.PreviewModel().rowCount(), 2);

          d.cbxFormat->setCurrentIndex(d.cbxFormat->findData(kAbsa));
          QCOMPARE(d.lblRecognised->text(),
                   QStringLiteral("This file does not look like an ABSA statement: no "
                                  "line holds a date"));
          QCOMPARE(d.PreviewModel().rowCount(), 0);
          QVERIFY(!d.btnOk->isEnabled());

          d.cbxFormat->setCurrentIndex(d.cbxFormat->findData(kOwnLayout));
          QCOMPARE(d.lblRecognised->text(), QStringLiteral("Looks like a Tallyfold CSV export"));
          QVERIFY(d.btnOk->isEnabled());
          QCOMPARE(d.PreviewModel().rowCount(), 2);
          checked = true;
        }));
    QVERIFY(checked);
    QCOMPARE(Descriptions(), QStringList({"SHOP RITE", "SALARY"}));
    QCOMPARE(Global().GetImportFileIndex(), kOwnLayout);
  }

  // The file is read again for another format; gone meanwhile, the dialog
  // says so instead of failing.
  void aFileGoneBeforeItIsReadAgainIsSaid() {
    const QString path = WriteStatement({kShop});
    bool checked = false;
    QVERIFY(!Import(path, kOwnLayout, QDialog::Rejected, [&](TfrmStatementImport& d) {
      QVERIFY(QFile::remove(path));
      d.cbxFormat->setCurrentIndex(d.cbxFormat->findData(kAbsa));
      QVERIFY2(d.lblRecognised->text().contains(QStringLiteral("march.csv")),
               qPrintable(d.lblRecognised->text()));
      QCOMPARE(d.PreviewModel().rowCount(), 0);
      QVERIFY(!d.btnOk->isEnabled());
      checked = true;
    }));
    QVERIFY(checked);
  }

  // At its minimum size every control stays inside the dialog, the preview
  // shows some rows, and Tab reaches the preview and the buttons.
  void usableAtItsMinimumSize() {
    std::vector<const char*> lines(30, kSalary);
    bool checked = false;
    QVERIFY(
        !Import(WriteStatement(lines), kOwnLayout, QDialog::Rejected, [&](TfrmStatementImport& d) {
          d.resize(d.minimumSize());
          d.show();
          QVERIFY(QTest::qWaitForWindowExposed(&d));
          for (QWidget* control :
               {static_cast<QWidget*>(d.cbxAccount), static_cast<QWidget*>(d.cbxFormat),
                static_cast<QWidget*>(d.lblRecognised), static_cast<QWidget*>(d.chkIgnoreZero),
                static_cast<QWidget*>(d.lblSummary), static_cast<QWidget*>(d.btnOk),
                static_cast<QWidget*>(d.btnCancel)}) {
            const QRect place(control->mapTo(&d, QPoint(0, 0)), control->size());
            QVERIFY2(d.rect().contains(place), qPrintable(control->objectName()));
            QVERIFY(control->width() >= control->minimumSizeHint().width());
          }
          QVERIFY(d.grdPreview->viewport()->height() >
                  3 * d.grdPreview->verticalHeader()->defaultSectionSize());
          d.chkIgnoreZero->setFocus();
          QTest::keyClick(d.chkIgnoreZero, Qt::Key_Tab);
          QCOMPARE(QApplication::focusWidget(), d.grdPreview);
          QTest::keyClick(d.grdPreview, Qt::Key_Tab);
          QCOMPARE(QApplication::focusWidget(), d.btnOk);
          d.hide();
          checked = true;
        }));
    QVERIFY(checked);
    QCOMPARE(Descriptions(), QStringList());
  }
};

TF_GUI_TEST_MAIN(ImportPreviewTest)
#include "ImportPreviewTest.moc"
