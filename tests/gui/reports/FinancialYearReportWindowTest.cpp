// The financial year report window: the period it starts with, the quick
// choices, keeping the period in order, and "Run Report" saving the
// document under the chosen name and handing it to the browser.
#include <QDateEdit>
#include <QEnterEvent>
#include <QPushButton>
#include <QTest>

#include "ReportWindowsSupport.h"
#include "gui/app/LinkLabel.h"
#include "gui/reports/FrmFinancialYearReport.h"
#include "reports/ReportPeriods.h"

using namespace tf;
using namespace tf::test;

class FinancialYearReportWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TReportContext> Context_;

  std::unique_ptr<TfrmFinancialYearReport> NewWindow() {
    auto window = std::make_unique<TfrmFinancialYearReport>(Global(), Context_->ReportDialogs);
    window->resize(600, 400);
    window->show();
    return window;
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TReportContext>();
    TAccount* cheque = AddAccount("Cheque", "{A}");
    AddTransaction(*cheque, "15 Jan 2024", "Fish & <Chips>", -45.25, "Food - dining out");
    AddTransaction(*cheque, "20 Feb 2024", "Bonus", 1234.5, "Bonus", ttIncome);
    AddTransaction(*cheque, "01 Jan 2025", "Next year", -10, "Food - dining out");
  }
  void cleanup() { Context_.reset(); }

  void startsWithThisYearAndQuickChoicesSetThePeriod() {
    auto window = NewWindow();
    const TPeriod thisYear = QuickPeriod(TQuickPeriod::ThisYear, Today());
    QCOMPARE(window->Period().From, thisYear.From);
    QCOMPARE(window->Period().To, DateOf(thisYear.To));
    struct TCase {
      TLinkLabel* Link;
      TQuickPeriod Choice;
    };
    for (const TCase& c : {TCase{window->lblLastYear, TQuickPeriod::LastYear},
                           TCase{window->lblLast3Months, TQuickPeriod::LastThreeMonths},
                           TCase{window->lblLast12Months, TQuickPeriod::LastTwelveMonths},
                           TCase{window->lblThisYear, TQuickPeriod::ThisYear}}) {
      QTest::mouseClick(c.Link, Qt::LeftButton);
      const TPeriod expected = QuickPeriod(c.Choice, Today());
      QCOMPARE(window->Period().From, expected.From);
      QCOMPARE(window->Period().To, DateOf(expected.To));
    }
  }

  void linksUnderlineWhileHovered() {
    auto window = NewWindow();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(window->lblLast3Months, &enter);
    QVERIFY(window->lblLast3Months->font().underline());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(window->lblLast3Months, &leave);
    QVERIFY(!window->lblLast3Months->font().underline());
  }

  void anEndBeforeTheStartMovesToTheEndOfTheStartsYear() {
    auto window = NewWindow();
    window->SetPeriod({EncodeDate(2024, 6, 10), EncodeDate(2024, 6, 30)});
    window->dtpTo->setDate(QDate(2023, 3, 5));
    QCOMPARE(window->Period().From, EncodeDate(2024, 6, 10));
    QCOMPARE(window->Period().To, EncodeDate(2024, 12, 31));
  }

  void runReportSavesTheEscapedDocumentAndOpensIt() {
    auto window = NewWindow();
    window->SetPeriod({EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31)});
    Context_->SaveAs(QStringLiteral("year report"));
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    const QString written = Context_->PathOf(QStringLiteral("year report.htm"));
    QCOMPARE(Context_->Reports->DefaultNames,
             std::vector<QString>{
                 QStringLiteral("Financial Year Report 01 Jan 2024 to 31 Dec 2024.htm")});
    QCOMPARE(Context_->Reports->Filters.at(0), QStringList{QStringLiteral("HTML File (*.htm)")});
    QCOMPARE(Context_->Reports->Opened, std::vector<QString>{written});
    const QByteArray html = ReadBytes(written);
    QVERIFY(html.contains("Fish &amp; &lt;Chips&gt;"));
    QVERIFY(!html.contains("<Chips>"));
    QVERIFY(html.contains("1,234.50"));
    QVERIFY(!html.contains("Next year"));
  }

  void cancellingTheSaveWritesNothing() {
    auto window = NewWindow();
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QCOMPARE(Context_->Reports->DefaultNames.size(), std::size_t(1));
    QVERIFY(Context_->Reports->Opened.empty());
    QVERIFY(window->LastReportFile().isEmpty());
    QCOMPARE(QDir(Context_->Home->path()).entryList({QStringLiteral("*.htm")}), QStringList());
  }

  void aFolderThatCannotBeWrittenIsReported() {
    auto window = NewWindow();
    Context_->Reports->SaveFiles.push_back(
        TChosenFile{Context_->PathOf(QStringLiteral("missing/folder/report.htm")), 1});
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QCOMPARE(Context_->Reports->Warnings.size(), std::size_t(1));
    QVERIFY(Context_->Reports->Opened.empty());
  }
};

TF_GUI_TEST_MAIN(FinancialYearReportWindowTest)
#include "FinancialYearReportWindowTest.moc"
