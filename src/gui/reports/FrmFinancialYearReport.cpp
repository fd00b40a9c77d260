#include "gui/reports/FrmFinancialYearReport.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/DesktopServices.h"
#include "gui/app/FormLook.h"
#include "gui/app/LinkLabel.h"
#include "gui/reports/ReportControls.h"
#include "gui/reports/ReportWindowDialogs.h"
#include "reports/FinancialYearReport.h"
#include "reports/ReportFileName.h"
#include "store/StoreError.h"

namespace tf {

TfrmFinancialYearReport::TfrmFinancialYearReport(TGlobal& global,
                                                 const TReportWindowDialogs& dialogs,
                                                 QWidget* parent)
    : QWidget(parent), Global_(global), Dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("Financial Year Report"));
  ApplyFormLook(*this);
  BuildControls();
  BuildLayout();
  Connect();
  SetPeriod(QuickPeriod(TQuickPeriod::ThisYear, Today()));
}

void TfrmFinancialYearReport::BuildControls() {
  pnlTop = new QWidget(this);
  pnlTop->setObjectName(QStringLiteral("pnlTop"));
  lblHeading = NewReportHeading(QStringLiteral("Financial Year Report"), pnlTop);
  lblDateRange = new QLabel(QStringLiteral("From :"), pnlTop);
  dtpFrom = NewReportDatePicker(QStringLiteral("dd MMM yyyy"), pnlTop);
  lblto = new QLabel(QStringLiteral("to "), pnlTop);
  dtpTo = NewReportDatePicker(QStringLiteral("dd MMM yyyy"), pnlTop);
  lblThisYear = NewPeriodLink(QStringLiteral("This Year"), pnlTop);
  lblLastYear = NewPeriodLink(QStringLiteral("Last Year"), pnlTop);
  lblLast3Months = NewPeriodLink(QStringLiteral("The Last 3 Months"), pnlTop);
  lblLast12Months = NewPeriodLink(QStringLiteral("Last 12 Months"), pnlTop);
  btnRunReport = new QPushButton(QStringLiteral("Run Report"), pnlTop);
  btnRunReport->setDefault(true);
  for (QDateEdit* picker : {dtpFrom, dtpTo})
    picker->calendarWidget()->window()->installEventFilter(this);
}

// The panel stays centred in the window whatever its size.
void TfrmFinancialYearReport::BuildLayout() {
  auto* dates = new QHBoxLayout;
  for (QWidget* control : std::initializer_list<QWidget*>{lblDateRange, dtpFrom, lblto, dtpTo})
    dates->addWidget(control);
  auto* links = new QHBoxLayout;
  links->addStretch(1);
  for (QWidget* link :
       std::initializer_list<QWidget*>{lblThisYear, lblLastYear, lblLast3Months, lblLast12Months})
    links->addWidget(link);
  links->addStretch(1);
  auto* panel = new QVBoxLayout(pnlTop);
  panel->addWidget(lblHeading);
  panel->addSpacing(12);
  panel->addLayout(dates);
  panel->addLayout(links);
  panel->addSpacing(12);
  panel->addWidget(btnRunReport, 0, Qt::AlignCenter);

  auto* outer = new QGridLayout(this);
  outer->setRowStretch(0, 1);
  outer->setRowStretch(2, 1);
  outer->setColumnStretch(0, 1);
  outer->setColumnStretch(2, 1);
  outer->addWidget(pnlTop, 1, 1);
}

void TfrmFinancialYearReport::Connect() {
  connect(lblThisYear, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::ThisYear); });
  connect(lblLastYear, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::LastYear); });
  connect(lblLast3Months, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::LastThreeMonths); });
  connect(lblLast12Months, &TLinkLabel::clicked, this,
          [this] { ChooseQuickPeriod(TQuickPeriod::LastTwelveMonths); });
  connect(dtpFrom, &QDateEdit::dateChanged, this, [this] { dtpChange(dtpFrom); });
  connect(dtpTo, &QDateEdit::dateChanged, this, [this] { dtpChange(dtpTo); });
  connect(btnRunReport, &QPushButton::clicked, this, &TfrmFinancialYearReport::btnRunReportClick);
}

TPeriod TfrmFinancialYearReport::Period() const {
  return {PickerDay(*dtpFrom), PickerDay(*dtpTo)};
}

void TfrmFinancialYearReport::SetPeriod(const TPeriod& period) {
  const QSignalBlocker fromBlocker(dtpFrom), toBlocker(dtpTo);
  SetPickerDay(*dtpFrom, period.From);
  SetPickerDay(*dtpTo, period.To);
}

void TfrmFinancialYearReport::ChooseQuickPeriod(TQuickPeriod choice) {
  SetPeriod(QuickPeriod(choice, Today()));
}

void TfrmFinancialYearReport::dtpChange(QDateEdit* picker) {
  // While the calendar is open the date follows the browsing; the closing decides.
  if (picker->calendarWidget()->isVisible()) return;
  SetPeriod(OrderedAfterChange(Period()));
}

void TfrmFinancialYearReport::dtpCloseUp(QDateEdit* picker) {
  SetPeriod(OrderedAfterCloseUp(Period(), picker == dtpFrom ? TPeriodEdge::From : TPeriodEdge::To));
}

bool TfrmFinancialYearReport::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide) {
    if (watched == dtpFrom->calendarWidget()->window())
      dtpCloseUp(dtpFrom);
    else if (watched == dtpTo->calendarWidget()->window())
      dtpCloseUp(dtpTo);
  }
  return QWidget::eventFilter(watched, event);
}

void TfrmFinancialYearReport::btnRunReportClick() {
  const TPeriod period = Period();
  const std::string document = FinancialYearReport(Global_.Accounts, period.From, period.To);
  const QString defaultName =
      QString::fromStdString(FinancialYearReportFileName(period.From, period.To));
  const std::optional<TChosenFile> chosen = Dialogs_.ChooseSaveFile(
      this, QStringLiteral("Save Report"), {QStringLiteral("HTML File (*.htm)")}, defaultName);
  if (!chosen || chosen->Path.isEmpty()) return;
  const QString path = QString::fromStdString(ReportFileName(chosen->Path.toStdString()));
  try {
    SaveTextToFile(QString::fromStdString(document), path);
  } catch (const EFileError& error) {
    Dialogs_.Warn(this, QStringLiteral("Financial Year Report"),
                  QString::fromStdString(error.what()));
    return;
  }
  LastReportFile_ = path;
  Dialogs_.OpenDocument(path);
}

}  // namespace tf
