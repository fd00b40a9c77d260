// The report chooser and the chart reports it hosts: one hosted report at a
// time, runs of the expense bar, expense line and month comparison reports
// on a small data set, the refusals with their flash, hiding lines and
// bringing them back, and charts saved as images that decode.
#include <QDateEdit>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>

#include "ReportWindowsSupport.h"
#include "gui/reports/ChartView.h"
#include "gui/reports/FrmExpenseBarReport.h"
#include "gui/reports/FrmExpenseLineReport.h"
#include "gui/reports/FrmFinancialYearReport.h"
#include "gui/reports/FrmMonthCompare.h"
#include "gui/reports/FrmMoreReports.h"
#include "gui/reports/FrmReportView.h"
#include "gui/reports/ReportControls.h"

using namespace tf;
using namespace tf::test;

class MoreReportsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TReportContext> Context_;

  template <class TWindow>
  std::unique_ptr<TWindow> NewWindow() {
    auto window = std::make_unique<TWindow>(Global(), Context_->ReportDialogs);
    window->resize(560, 440);
    window->show();
    return window;
  }

  static QStringList Labels(const TChartSeriesView& series) {
    QStringList labels;
    for (int i = 0; i < series.Count(); ++i) labels << series.Label(i);
    return labels;
  }

  void ExpectBitmapFile(const QString& path, const char* header) {
    const QByteArray bytes = ReadBytes(path);
    QVERIFY2(bytes.startsWith(header), qPrintable(path));
    QImage image;
    QVERIFY(image.load(path));
    QVERIFY(image.width() > 100 && image.height() > 100);
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TReportContext>();
    TAccount* cheque = AddAccount("Cheque", "{A}");
    TAccount* card = AddAccount("Card", "{B}");
    AddTransaction(*cheque, "02 Mar 2024", "", -100, "Food - groceries");
    AddTransaction(*card, "20 Mar 2024", "", -50, "Food - dining out");
    AddTransaction(*cheque, "15 Apr 2024", "", -30, "Transport - Fuel");
    AddTransaction(*cheque, "25 Mar 2024", "", 1000, "Salary", ttIncome);
    AddTransaction(*cheque, "25 Apr 2024", "", 1200, "Salary", ttIncome);
    AddTransaction(*cheque, "01 Jan 2023", "", -999, "Food - groceries");
  }
  void cleanup() { Context_.reset(); }

  void chooserOpensWithThePanelCaption() {
    TfrmMoreReports chooser(Global(), Context_->ReportDialogs);
    chooser.show();
    QCOMPARE(chooser.windowTitle(), QStringLiteral("More Reports"));
    QVERIFY(chooser.minimumWidth() >= 750 && chooser.minimumHeight() >= 500);
    QStringList entries;
    for (int i = 0; i < chooser.lbxReports->count(); ++i)
      entries << chooser.lbxReports->item(i)->text();
    QCOMPARE(
        entries,
        (QStringList{QStringLiteral("Select Report"),
                     QStringLiteral("Financial Year Report - Income and Expense as a long list"),
                     QStringLiteral("Expense Bar Report"), QStringLiteral("Expense Line Report "),
                     QStringLiteral("Compare Months")}));
    QCOMPARE(chooser.lbxReports->currentRow(), 0);
    QVERIFY(chooser.lblClientCaption->isVisible());
    QCOMPARE(chooser.lblClientCaption->text(),
             QStringLiteral("Please select a report from the list on the left"));
    QVERIFY(chooser.HostedReport() == nullptr);
  }

  void chooserFreesOneReportBeforeShowingTheNext() {
    TfrmMoreReports chooser(Global(), Context_->ReportDialogs);
    chooser.show();
    chooser.lbxReports->setCurrentRow(2);
    QPointer<QWidget> bar = chooser.HostedReport();
    QVERIFY(qobject_cast<TfrmExpenseBarReport*>(bar.data()) != nullptr);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->parentWidget(), chooser.pnlClient);
    QVERIFY(!chooser.lblClientCaption->isVisible());

    chooser.lbxReports->setCurrentRow(4);
    QVERIFY(bar.isNull());
    auto* compare = qobject_cast<TfrmMonthCompare*>(chooser.HostedReport());
    QVERIFY(compare != nullptr);
    QVERIFY(compare->isVisible());
    QCOMPARE(chooser.pnlClient->findChildren<TfrmExpenseBarReport*>().size(), 0);

    // A click on the entry already chosen starts the report afresh.
    QPointer<QWidget> first = chooser.HostedReport();
    const QRect entry = chooser.lbxReports->visualItemRect(chooser.lbxReports->item(4));
    QTest::mouseClick(chooser.lbxReports->viewport(), Qt::LeftButton, {}, entry.center());
    QVERIFY(first.isNull());
    QVERIFY(qobject_cast<TfrmMonthCompare*>(chooser.HostedReport()) != nullptr);

    chooser.lbxReports->setCurrentRow(1);
    QVERIFY(qobject_cast<TfrmFinancialYearReport*>(chooser.HostedReport()) != nullptr);
    chooser.lbxReports->setCurrentRow(0);
    QVERIFY(chooser.HostedReport() == nullptr);
    QVERIFY(chooser.lblClientCaption->isVisible());
  }

  void reportsPageOpensTheChooser() {
    TfrmReportView page(Global(), Context_->Dialogs);
    page.resize(900, 600);
    page.show();
    int entries = -1;
    Context_->Script->ExecDialog = [&entries](QDialog& dialog) {
      if (auto* chooser = qobject_cast<TfrmMoreReports*>(&dialog)) {
        entries = chooser->lbxReports->count();
        chooser->ChooseReport(2);
      }
      return int(QDialog::Accepted);
    };
    page.btnMore->click();
    QCOMPARE(entries, 5);
  }

  void closeEndsTheChooser() {
    TfrmMoreReports chooser(Global(), Context_->ReportDialogs);
    chooser.show();
    QTest::mouseClick(chooser.btnClose, Qt::LeftButton);
    QVERIFY(!chooser.isVisible());
  }

  void barReportRunDrawsTheBarsInOrder() {
    auto window = NewWindow<TfrmExpenseBarReport>();
    QVERIFY(!window->ScrollBox->isVisible());
    window->SetPeriod({EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31)});
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QVERIFY(window->ScrollBox->isVisible());
    const TChartSeriesView& series = *window->chartExpenses->AllSeries().front();
    QCOMPARE(Labels(series),
             (QStringList{"dining out", "groceries", "Food", "", "Fuel", "Transport", ""}));
    QCOMPARE(series.Value(2), 150.0);
    const QStringList marks = window->chartExpenses->MarkTexts();
    QVERIFY2(marks.contains(QStringLiteral("Food (83.3 %) 150.00")), qPrintable(marks.join('|')));
    // Only the ticked account counts.
    window->lbxAccounts->SetTicked(0, false);
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QCOMPARE(Labels(*window->chartExpenses->AllSeries().front()),
             (QStringList{"dining out", "Food", ""}));
  }

  void refusedInputFlashesAndDoesNotRun() {
    auto window = NewWindow<TfrmExpenseBarReport>();
    window->lbxAccounts->SetTicked(0, false);
    window->lbxAccounts->SetTicked(1, false);
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QVERIFY(IsFlashing(*window->lbxAccounts));
    QVERIFY(window->Bars().empty());
    QTRY_VERIFY(!IsFlashing(*window->lbxAccounts));

    window->lbxAccounts->SetTicked(0, true);
    window->SetPeriod({EncodeDate(2024, 5, 10), EncodeDate(2024, 3, 1)});
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QVERIFY(IsFlashing(*window->dtpFrom) && IsFlashing(*window->dtpTo));
    QVERIFY(window->Bars().empty());
    QVERIFY(window->ReportExpenses().empty());
    QTRY_VERIFY(!IsFlashing(*window->dtpTo));
  }

  void lineReportWidensThePeriodAndHidesLines() {
    auto window = NewWindow<TfrmExpenseLineReport>();
    QCOMPARE(window->dtpFrom->displayFormat(), QStringLiteral("MMM yyyy"));
    window->SetPeriod({EncodeDate(2024, 3, 15), EncodeDate(2024, 5, 10)});
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QCOMPARE(window->Period().From, EncodeDate(2024, 3, 1));
    QCOMPARE(window->Period().To, EncodeDate(2024, 5, 31));
    const std::vector<TChartSeriesView*> lines = window->Lines();
    QCOMPARE(lines.size(), std::size_t(2));
    QCOMPARE(lines[0]->Title(), QStringLiteral("Food"));
    QCOMPARE(Labels(*lines[0]), (QStringList{"Mar 2024", "Apr 2024", "May 2024"}));
    QCOMPARE(lines[0]->Value(0), 150.0);
    QCOMPARE(lines[1]->Title(), QStringLiteral("Transport"));

    emit lines[0]->pointClicked(1);
    QVERIFY(!lines[0]->Active());
    QVERIFY(lines[1]->Active());
    QTest::mouseClick(window->btnShowAll, Qt::LeftButton);
    QVERIFY(lines[0]->Active() && lines[1]->Active());

    // A second run over a shorter period keeps only its own lines.
    window->SetPeriod({EncodeDate(2024, 4, 1), EncodeDate(2024, 4, 30)});
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QCOMPARE(window->Lines().size(), std::size_t(1));
    QCOMPARE(window->Lines().front()->Title(), QStringLiteral("Transport"));
    int shown = 0;
    for (TChartSeriesView* series : window->chartExpenses->AllSeries()) shown += series->Active();
    QCOMPARE(shown, 1);
    QTest::mouseClick(window->btnShowAll, Qt::LeftButton);
    QCOMPARE(window->Lines().size(), std::size_t(1));
  }

  void compareMonthsRunsAndSavesImages() {
    auto window = NewWindow<TfrmMonthCompare>();
    QCOMPARE(window->seriesDiff->Title(), QStringLiteral("Diffrence"));
    QVERIFY(!window->pnlChartArea->isVisible());
    window->SetMonths(EncodeDate(2024, 3, 1), EncodeDate(2024, 4, 1));
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QVERIFY(window->pnlChartArea->isVisible());
    QCOMPARE(window->seriesMonth1->Title(), QStringLiteral("Mar 2024"));
    QCOMPARE(window->SeriesMonth2->Title(), QStringLiteral("Apr 2024"));
    QCOMPARE(Labels(*window->seriesMonth1),
             (QStringList{"All Income", "Salary", "All Expenses", "Food", "Transport"}));
    QCOMPARE(window->seriesDiff->Value(0), 200.0);
    QCOMPARE(window->seriesDiff->Value(3), 150.0);
    QVERIFY(!window->chartCompare->MarkTexts().join('|').contains('-'));

    Context_->SaveAs(QStringLiteral("compare"));
    QTest::mouseClick(window->btnSaveAs, Qt::LeftButton);
    ExpectBitmapFile(Context_->PathOf(QStringLiteral("compare.bmp")), "BM");
    Context_->SaveAs(QStringLiteral("compare"), 2);
    QTest::mouseClick(window->btnSaveAs, Qt::LeftButton);
    ExpectBitmapFile(Context_->PathOf(QStringLiteral("compare.png")), "\x89PNG");
    QCOMPARE(Context_->Reports->Filters.at(0), (QStringList{QStringLiteral("Bitmaps (*.bmp)"),
                                                            QStringLiteral("PNG images (*.png)")}));
  }

  void compareWithoutAccountsFlashes() {
    auto window = NewWindow<TfrmMonthCompare>();
    window->lbxAccounts->SetTicked(0, false);
    window->lbxAccounts->SetTicked(1, false);
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    QVERIFY(IsFlashing(*window->lbxAccounts));
    QVERIFY(!window->pnlChartArea->isVisible());
    QTRY_VERIFY(!IsFlashing(*window->lbxAccounts));
  }

  void barChartSavesKeepingABmpName() {
    auto window = NewWindow<TfrmExpenseBarReport>();
    window->SetPeriod({EncodeDate(2024, 1, 1), EncodeDate(2024, 12, 31)});
    QTest::mouseClick(window->btnRunReport, Qt::LeftButton);
    Context_->SaveAs(QStringLiteral("bars.BMP"));
    QTest::mouseClick(window->btnSaveAs, Qt::LeftButton);
    ExpectBitmapFile(Context_->PathOf(QStringLiteral("bars.BMP")), "BM");
    QVERIFY(!QFile::exists(Context_->PathOf(QStringLiteral("bars.BMP.bmp"))));
    Context_->SaveAs(QStringLiteral("bars.txt"));
    QTest::mouseClick(window->btnSaveAs, Qt::LeftButton);
    ExpectBitmapFile(Context_->PathOf(QStringLiteral("bars.txt.bmp")), "BM");
    Context_->SaveAs(QStringLiteral("missing/folder/bars"));
    QTest::mouseClick(window->btnSaveAs, Qt::LeftButton);
    QCOMPARE(Context_->Reports->Warnings.size(), std::size_t(1));
  }
};

TF_GUI_TEST_MAIN(MoreReportsTest)
#include "MoreReportsTest.moc"
