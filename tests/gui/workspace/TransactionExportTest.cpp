// "Export to..." of the transactions page: the save dialog it opens, the
// listed rows written as comma-separated text or as an HTML table named
// .xls, and what happens on cancel and on a write error.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/app/Application.h"
#include "gui/workspace/FrmTransactionViewer.h"
#include "gui/workspace/TransactionMenus.h"

using namespace tf;
using namespace tf::test;

class TransactionExportTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  QString Title_;
  QStringList Filters_;
  int InitialFilter_ = 0;

  std::unique_ptr<TfrmTransactionViewer> ShowViewer() {
    auto viewer = std::make_unique<TfrmTransactionViewer>(Global(), Context_->Dialogs);
    viewer->resize(1000, 600);
    viewer->show();
    return viewer;
  }

  // The save dialog answers with this file and filter, and notes how it was opened.
  void ChooseFile(const QString& name, int filter) {
    const QString path = QDir(Context_->Home->path()).filePath(name);
    Context_->Dialogs.ChooseSaveFile = [this, path, filter](QWidget*, const QString& title,
                                                            const QStringList& filters,
                                                            int initial) {
      Title_ = title;
      Filters_ = filters;
      InitialFilter_ = initial;
      return std::optional<TChosenFile>(TChosenFile{path, filter});
    };
  }

  QByteArray Written(const QString& name) const {
    return ReadBytes(QDir(Context_->Home->path()).filePath(name));
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    TAccount* cheque = AddAccount("Cheque", "{A}", 1000);
    AddTransaction(*cheque, "02 Mar 2010", "Smith, \"Jo\" <b>", -500, "Food - groceries");
    AddTransaction(*cheque, "03 Mar 2010", "Salary", 2000.5, "Salary", ttIncome);
    AddTransaction(*cheque, "04 Mar 2010", "Fuel", -12.5, "", ttExpense);
    AddTransaction(*cheque, "05 Apr 2010", "April fuel", -10, "", ttExpense);
    Global().Accounts.ListFieldAt(TAccount::lfStartDate)->SetValue(TVariant::String("01 Mar 2010"));
    Global().Accounts.ListFieldAt(TAccount::lfEndDate)->SetValue(TVariant::String("31 Mar 2010"));
  }
  void cleanup() {
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Context_.reset();
  }

  void theCommaFormQuotesEveryValue() {
    ChooseFile("listed.csv", 1);
    auto viewer = ShowViewer();
    viewer->Menus->menuItemExporttoExcelFile->trigger();
    QCOMPARE(Title_, QStringLiteral("Export transaction to ..."));
    QCOMPARE(Filters_, QStringList({"CSV File (*.csv)", "Excel File (*.xls)"}));
    QCOMPARE(InitialFilter_, 1);
    // Inner quotes are doubled so that the comma and the quote stay inside one field.
    QCOMPARE(
        Written("listed.csv"),
        QByteArray(
            "Date,Type,Description,Category,Sub Category,Amount,Balance\r\n"
            "\"02 Mar 2010\",\"Expense\",\"Smith, \"\"Jo\"\" "
            "<b>\",\"Food\",\"groceries\",\"-500\",\"500\"\r\n"
            "\"03 Mar 2010\",\"Income\",\"Salary\",\"Salary\",\"Salary\",\"2000.5\",\"2500.5\"\r\n"
            "\"04 Mar 2010\",\"Expense\",\"Fuel\",\"\",\"\",\"-12.5\",\"2488\"\r\n"));
  }

  void theTableFormEscapesMarkupAndTakesTheXlsExtension() {
    ChooseFile("report.txt", 2);
    auto viewer = ShowViewer();
    QTest::keyClicks(viewer->edtTransactionsFilter, "smith");
    viewer->Menus->menuItemExporttoExcelFile->trigger();
    QVERIFY(!QFile::exists(QDir(Context_->Home->path()).filePath("report.txt")));
    QCOMPARE(
        Written("report.xls"),
        QByteArray(
            "<html>\r\n<body>\r\n<table border=\"1\">\r\n<tr>\r\n"
            "  <th>Date</th>\r\n  <th>Type</th>\r\n  <th>Description</th>\r\n  "
            "<th>Category</th>\r\n"
            "  <th>Sub Category</th>\r\n  <th>Amount</th>\r\n  <th>Balance</th>\r\n</tr>\r\n"
            "<tr>  <td>02 Mar 2010</td>  <td>Expense</td>  <td>Smith, &quot;Jo&quot; &lt;b&gt;</td>"
            "  <td>Food</td>  <td>groceries</td>  <td>-500</td>  <td>500</td></tr>\r\n"
            "</table>\r\n</body>\r\n</html>\r\n"));
  }

  void anEmptyListWritesTheHeadingOnly() {
    ChooseFile("empty", 1);
    auto viewer = ShowViewer();
    QTest::keyClicks(viewer->edtTransactionsFilter, "nothing like it");
    viewer->Menus->menuItemExporttoExcelFile->trigger();
    QCOMPARE(Written("empty.csv"),
             QByteArray("Date,Type,Description,Category,Sub Category,Amount,Balance\r\n"));
  }

  void cancelWritesNothing() {
    auto viewer = ShowViewer();
    viewer->Menus->menuItemExporttoExcelFile->trigger();
    QCOMPARE(Context_->Script->FileInitialFilters, std::vector<int>{1});
    QCOMPARE(QDir(Context_->Home->path()).entryList(QStringList{"*.csv", "*.xls"}), QStringList());
  }

  void aWriteErrorReachesTheErrorWindow() {
    QStringList errors;
    static_cast<TApplication*>(qApp)->SetErrorHandler(
        [&errors](const std::string& message) { errors << QString::fromStdString(message); });
    ChooseFile("no such folder/listed.csv", 1);
    auto viewer = ShowViewer();
    // Through the event loop, as a click on the item arrives.
    QMetaObject::invokeMethod(viewer->Menus->menuItemExporttoExcelFile, &QAction::trigger,
                              Qt::QueuedConnection);
    QCoreApplication::processEvents();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains("listed.csv"), qPrintable(errors[0]));
  }
};

TF_GUI_TEST_MAIN(TransactionExportTest)
#include "TransactionExportTest.moc"
