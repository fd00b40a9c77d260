// The personal loan calculator driven through its boxes: the repayment from
// the amount, the amount from a typed repayment, the term from Up and Down
// in the repayment box, the rate steps, loans without interest and the
// repayment schedule written, saved and opened.
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "CalculatorGuiSupport.h"
#include "calculators/Annuity.h"
#include "calculators/CalcResult.h"
#include "calculators/LoanCalculation.h"
#include "calculators/LoanScheduleDocument.h"
#include "gui/app/Application.h"
#include "gui/calculators/FrmPersonalLoanCalc.h"

using namespace tf;
using namespace tf::test;

namespace {

// What the calculator asked of the desktop.
struct TDesktopScript {
  std::optional<QString> ChosenFile;  // the save dialog's answer; none is Cancel
  QStringList DefaultNames;
  QStringList Warnings;
  QStringList Opened;
};

TCalculatorDialogs ScriptedDialogs(TDesktopScript& script) {
  TCalculatorDialogs dialogs;
  dialogs.ChooseScheduleFile = [&script](QWidget*, const QString& defaultName) {
    script.DefaultNames.append(defaultName);
    return script.ChosenFile;
  };
  dialogs.Warn = [&script](QWidget*, const QString&, const QString& text) {
    script.Warnings.append(text);
  };
  dialogs.Open = [&script](const QString& path) { script.Opened.append(path); };
  return dialogs;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class LoanCalculatorTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TCalculatorContext> Context_;
  TDesktopScript Script_;
  TCalculatorDialogs Dialogs_;
  std::unique_ptr<TfrmPersonalLoanCalc> Calc_;

  // 10000 at the opening 10 % over the opening 12 months.
  TfrmPersonalLoanCalc& CarLoan() {
    TypeInto(*Calc_->edtLoanAmount, QStringLiteral("10000"));
    return *Calc_;
  }

  QString Help() const { return Calc_->mmoHelp->toPlainText(); }

  void VerifyNoBrokenFigure() {
    for (QLineEdit* box : {Calc_->edtLoanAmount, Calc_->edtAnnualInterestRate, Calc_->edtRepayments,
                           Calc_->edtTotalRepayments}) {
      QVERIFY2(!box->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive),
               qPrintable(box->text()));
      QVERIFY2(!box->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive),
               qPrintable(box->text()));
    }
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TCalculatorContext>();
    Script_ = {};
    Dialogs_ = ScriptedDialogs(Script_);
    Calc_ = std::make_unique<TfrmPersonalLoanCalc>(Global(), Dialogs_);
    QVERIFY(ShowActive(*Calc_));
  }
  void cleanup() {
    Calc_.reset();
    static_cast<TApplication*>(qApp)->SetErrorHandler({});
    Context_.reset();
  }

  void opensWithTheStatedControls() {
    QCOMPARE(Calc_->windowTitle(), QStringLiteral("Personal Loan"));
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10"));
    QCOMPARE(Calc_->cbxTermYear->count(), 30);
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("1"));
    QCOMPARE(Calc_->cbxTermMonths->count(), 115);
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("12"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("0.00"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("0.00"));
    QVERIFY(Calc_->edtTotalRepayments->isReadOnly());
    QVERIFY(!Calc_->btnRepaymentschedule->isEnabled());
    QCOMPARE(Calc_->dtpStartDate->date(), QDate::currentDate());
    QCOMPARE(Calc_->dtpStartDate->displayFormat(), QStringLiteral("dd MMM yyyy"));
    const QString help = QStringLiteral(
        "This calculator can calculate 3 values; if you enter a \u201CLoan Amount\u201D it will \n"
        "calculate the Monthly Repayment. If you enter a \u201CMonthly Repayment\u201D it will \n"
        "calculate the \u201CLoan Amount\u201D. If you press the up or down key while you are in "
        "the \n"
        "\u201CMonthly Repayment\u201D box it will calculate the term of the loan.");
    QCOMPARE(Help(), help);
    QCOMPARE(Calc_->SavedHelpText, help);
    for (const QString& caption :
         {"Loan Amount :", "Interest Rate :", "%", "Term :", "Year(s)", " or ", "Months",
          "Monthly Repayment :", "Total Repayments :", "Start Date :"}) {
      bool found = false;
      for (QLabel* label : Calc_->findChildren<QLabel*>())
        found = found || label->text() == caption;
      QVERIFY2(found, qPrintable(caption));
    }
    QCOMPARE(Calc_->btnRepaymentschedule->text(), QStringLiteral("Generate Repayment Schedule"));
  }

  // 879.1588... a month; the total is 12 times the unrounded repayment.
  void amountGivesRepaymentAndTotal() {
    CarLoan();
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("879.16"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("10,549.91"));
    QCOMPARE(Calc_->edtLoanAmount->text(), QStringLiteral("10000"));  // as typed
    QVERIFY(Calc_->btnRepaymentschedule->isEnabled());
  }

  void typedRepaymentGivesAmount() {
    TypeInto(*Calc_->edtRepayments, QStringLiteral("879.16"));
    QCOMPARE(Calc_->edtLoanAmount->text(), QStringLiteral("10,000.01"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("879.16"));  // as typed
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("10,549.92"));
    QVERIFY(Calc_->btnRepaymentschedule->isEnabled());
  }

  // The exact terms are 13.63, 12.76 and 10.72 months.
  void arrowsInRepaymentGiveTheTermRoundedUp() {
    CarLoan();
    PressKey(*Calc_->edtRepayments, Qt::Key_Down);
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("779.16"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("14"));
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("1"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("10,908.24"));
    QCOMPARE(Calc_->edtLoanAmount->text(), QStringLiteral("10000"));  // the amount stays

    PressKey(*Calc_->edtRepayments, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("829.16"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("13"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("10,779.08"));

    PressKey(*Calc_->edtRepayments, Qt::Key_Up, Qt::ControlModifier);
    PressKey(*Calc_->edtRepayments, Qt::Key_Up, Qt::AltModifier);
    PressKey(*Calc_->edtRepayments, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("979.16"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("11"));
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("0"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("10,770.76"));
  }

  // A month's interest on 10000 at 10 % is 83.33: 79.16 never pays it off.
  void repaymentBelowTheInterestShowsTheMessage() {
    CarLoan();
    for (int i = 0; i < 8; ++i) PressKey(*Calc_->edtRepayments, Qt::Key_Down);
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("79.16"));
    QCOMPARE(Help(), QString::fromLatin1(kRepaymentTooSmall));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("0.00"));
    QVERIFY(!Calc_->btnRepaymentschedule->isEnabled());
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("76"));  // from 179.16, kept

    PressKey(*Calc_->edtRepayments, Qt::Key_Up);
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("76"));
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("6"));
    QCOMPARE(Help(), Calc_->SavedHelpText);
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("13,616.16"));
  }

  void arrowsInRateStepByHalfAPoint() {
    CarLoan();
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Up);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.50"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("881.49"));
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.75"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("882.65"));
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Down);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.25"));
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Right);  // any other key: unchanged
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("10.25"));

    TypeInto(*Calc_->edtAnnualInterestRate, QString());
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Up);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("0.50"));
    TypeInto(*Calc_->edtAnnualInterestRate, QString());
    PressKey(*Calc_->edtAnnualInterestRate, Qt::Key_Down);
    QCOMPARE(Calc_->edtAnnualInterestRate->text(), QStringLiteral("-0.50"));
  }

  void yearsFollowTheMonthsAndBack() {
    CarLoan();
    // Choosing from the list with the keyboard counts as a change.
    PressKey(*Calc_->cbxTermYear, Qt::Key_Down);
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("2"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("24"));
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("30"));
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("2"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("378.11"));
    TypeInto(*Calc_->cbxTermYear, QStringLiteral("3"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("36"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("322.67"));
    // A years box that holds no number stands for one year.
    TypeInto(*Calc_->cbxTermYear, QStringLiteral("x"));
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("12"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("879.16"));
  }

  void emptyTermGivesNothingAndTheMessageOnArrows() {
    CarLoan();
    TypeInto(*Calc_->cbxTermMonths, QString());
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("1"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("0.00"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("0.00"));
    QVERIFY(!Calc_->btnRepaymentschedule->isEnabled());
    PressKey(*Calc_->edtRepayments, Qt::Key_Up);
    QCOMPARE(Help(), QString::fromLatin1(kRepaymentTooSmall));
    VerifyNoBrokenFigure();
  }

  // Without interest the loan is spread evenly instead of giving 0.
  void loanWithoutInterestIsSpreadEvenly() {
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("0"));
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("24"));
    TypeInto(*Calc_->edtLoanAmount, QStringLiteral("12000"));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("500.00"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("12,000.00"));
    QVERIFY(Calc_->btnRepaymentschedule->isEnabled());

    PressKey(*Calc_->edtRepayments, Qt::Key_Up);  // 600 a month: 20 months
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("20"));
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("12,000.00"));
    PressKey(*Calc_->edtRepayments, Qt::Key_Up);  // 700 a month: 17.1 months
    QCOMPARE(Calc_->cbxTermMonths->currentText(), QStringLiteral("18"));
    QCOMPARE(Calc_->cbxTermYear->currentText(), QStringLiteral("1"));

    TypeInto(*Calc_->edtRepayments, QStringLiteral("250"));
    QCOMPARE(Calc_->edtLoanAmount->text(), QStringLiteral("4,500.00"));
    QCOMPARE(Help(), Calc_->SavedHelpText);
    VerifyNoBrokenFigure();
  }

  void figuresBeyondAnyNumberAreNotShown() {
    // 300 and 308 digits, as a paste would put them in.
    Calc_->edtAnnualInterestRate->setText(QString(300, QLatin1Char('9')));
    Calc_->edtLoanAmount->setFocus(Qt::TabFocusReason);
    Calc_->edtLoanAmount->setText(QString(308, QLatin1Char('9')));
    QCOMPARE(Calc_->edtRepayments->text(), QStringLiteral("0.00"));
    QCOMPARE(Help(), QString::fromLatin1(kBeyondAnyNumber));
    VerifyNoBrokenFigure();
    TypeInto(*Calc_->edtLoanAmount, QStringLiteral("1000"));
    QCOMPARE(Help(), Calc_->SavedHelpText);
  }

  // Eleven payments of 879.16 and a last one of 879.13, January to December.
  void scheduleIsWrittenSavedAndOpened() {
    CarLoan();
    Calc_->dtpStartDate->setDate(QDate(2024, 1, 15));
    const QString chosen = QDir(Context_->Home->path()).filePath(QStringLiteral("car loan"));
    Script_.ChosenFile = chosen;
    QTest::mouseClick(Calc_->btnRepaymentschedule, Qt::LeftButton);
    QCOMPARE(Script_.DefaultNames, QStringList{QStringLiteral("Loan Repayment Schedule.htm")});
    const QString written = chosen + QStringLiteral(".htm");
    QCOMPARE(Script_.Opened, QStringList{written});
    const QByteArray golden =
        FileBytes(QStringLiteral(TALLYFOLD_TEST_DATA "/calculators/loan_schedule_10000_10_12.htm"));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(FileBytes(written), golden);
  }

  void scheduleUsesTheAnnuityForTheTermNotTheShownRepayment() {
    CarLoan();
    PressKey(*Calc_->edtRepayments, Qt::Key_Down);  // 779.16 a month, 14 months
    Calc_->dtpStartDate->setDate(QDate(2024, 1, 1));
    Script_.ChosenFile = QDir(Context_->Home->path()).filePath(QStringLiteral("s.HTM"));
    Calc_->btnRepaymentscheduleClick();
    const QByteArray text = FileBytes(*Script_.ChosenFile);
    QVERIFY(text.contains("<td>14 month(s) (1 year(s))</td>"));
    QVERIFY(text.contains("<td>Mar 2025</td>"));  // the month after the last payment
    QVERIFY(!text.contains(">779.16<"));
  }

  void scheduleWithoutInterestHasNone() {
    TypeInto(*Calc_->edtAnnualInterestRate, QStringLiteral("0"));
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("6"));
    TypeInto(*Calc_->edtLoanAmount, QStringLiteral("1000"));
    Script_.ChosenFile = QDir(Context_->Home->path()).filePath(QStringLiteral("free.htm"));
    Calc_->btnRepaymentscheduleClick();
    const QByteArray text = FileBytes(*Script_.ChosenFile);
    QCOMPARE(text.count("<td class=\"money\">166.67</td>"), 5);
    QVERIFY(text.contains("<td class=\"money\">166.65</td>"));  // the last takes the rounding
    QCOMPARE(text.count("rowspan=\"2\">0.00</td>"), 12);        // interest, and to date, each month
    QVERIFY(text.contains("<td>0.00</td>"));                    // the header's interest
    QVERIFY(text.contains("<td>1,000.00</td>"));
    QVERIFY(!text.contains("-0.00"));
  }

  void cancelledSaveWritesNothing() {
    CarLoan();
    Script_.ChosenFile.reset();
    Calc_->btnRepaymentscheduleClick();
    QCOMPARE(Script_.DefaultNames.size(), 1);
    QVERIFY(Script_.Opened.isEmpty());
    QVERIFY(QDir(Context_->Home->path()).entryList({QStringLiteral("*.htm")}).isEmpty());
  }

  void termTooLongForAScheduleIsExplained() {
    CarLoan();
    TypeInto(*Calc_->cbxTermMonths, QStringLiteral("20000"));
    QVERIFY(Calc_->btnRepaymentschedule->isEnabled());
    Script_.ChosenFile = QDir(Context_->Home->path()).filePath(QStringLiteral("long.htm"));
    Calc_->btnRepaymentscheduleClick();
    QCOMPARE(Script_.Warnings.size(), 1);
    QVERIFY(Script_.Warnings[0].contains(QStringLiteral("12000 months")));
    QVERIFY(Script_.DefaultNames.isEmpty());
    QVERIFY(Script_.Opened.isEmpty());
  }

  void tabFollowsReadingOrder() {
    const QList<QWidget*> expected = {
        Calc_->edtLoanAmount, Calc_->edtAnnualInterestRate, Calc_->cbxTermYear,
        Calc_->cbxTermMonths, Calc_->edtRepayments,         Calc_->edtTotalRepayments,
        Calc_->mmoHelp,       Calc_->dtpStartDate,          Calc_->btnRepaymentschedule,
        Calc_->edtLoanAmount};
    CarLoan();  // the button takes part once it is enabled
    QCOMPARE(TabVisits(*Calc_->edtLoanAmount, expected.size()), expected);
  }

  void resultsCanBeCopied() {
    CarLoan();
    Calc_->edtTotalRepayments->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Calc_->edtTotalRepayments, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Calc_->edtTotalRepayments, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("10,549.91"));
    Calc_->mmoHelp->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Calc_->mmoHelp, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Calc_->mmoHelp, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("This calculator")));
  }

  void amountsUseThePreferenceSeparators() {
    Global().SetThousandSeparator(".");
    Global().SetDecimalSeparator(",");
    CarLoan();
    QCOMPARE(Calc_->edtTotalRepayments->text(), QStringLiteral("10.549,91"));
    TypeInto(*Calc_->edtRepayments, QStringLiteral("879,16"));
    QCOMPARE(Calc_->edtLoanAmount->text(), QStringLiteral("10.000,01"));
  }
};

TF_GUI_TEST_MAIN(LoanCalculatorTest)
#include "LoanCalculatorTest.moc"
