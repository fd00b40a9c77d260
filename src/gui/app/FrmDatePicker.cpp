#include "gui/app/FrmDatePicker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

#include "base/Formats.h"
#include "gui/app/DateConversion.h"
#include "gui/app/FormLook.h"

namespace tf {
namespace {

constexpr int kClientWidth = 345;
constexpr int kClientHeight = 495;
constexpr int kCalendarPixelSize = 19;
constexpr int kHeaderPixelSize = 13;

}  // namespace

TfrmDatePicker::TfrmDatePicker(TDateTime initial, QWidget* parent)
    : QDialog(parent),
      MonthCalendar(new QCalendarWidget(this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("Cancel"), this)),
      BaseCaption_(QStringLiteral("Date Picker")) {
  setObjectName(QStringLiteral("frmDatePicker"));
  ApplyFormLook(*this);
  QFont calendarFont(QStringLiteral("Arial"));
  calendarFont.setPixelSize(kCalendarPixelSize);
  MonthCalendar->setFont(calendarFont);
  MonthCalendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
  // The day names in a smaller face, so that all seven fit beside the weeks.
  QTextCharFormat header = MonthCalendar->headerTextFormat();
  QFont headerFont = calendarFont;
  headerFont.setPixelSize(kHeaderPixelSize);
  header.setFont(headerFont);
  MonthCalendar->setHeaderTextFormat(header);
  MonthCalendar->setGridVisible(false);
  MonthCalendar->setSelectedDate(ToQDate(initial == 0 ? Today() : initial));
  btnOk->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(MonthCalendar, 1);
  layout->addLayout(buttons);
  setFixedSize(kClientWidth, kClientHeight);

  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  // The calendar keeps Enter (and a double click) to itself; both choose the day.
  connect(MonthCalendar, &QCalendarWidget::activated, this, &QDialog::accept);
  // The arrows move the day and Enter takes it from the start.
  MonthCalendar->setFocus();
  connect(MonthCalendar, &QCalendarWidget::selectionChanged, this,
          &TfrmDatePicker::ShowDateInCaption);
  ShowDateInCaption();
}

TDateTime TfrmDatePicker::SelectedDate() const {
  return FromQDate(MonthCalendar->selectedDate());
}

void TfrmDatePicker::ShowDateInCaption() {
  const QString date = QString::fromStdString(FormatDisplayDate(SelectedDate()));
  setWindowTitle(BaseCaption_ + QStringLiteral("  ") + date);
}

TDateTime TfrmDatePicker::PickDate(QWidget* owner, TDateTime initial) {
  TfrmDatePicker picker(initial, owner ? owner : QApplication::activeWindow());
  if (picker.exec() != QDialog::Accepted) return 0;
  return picker.SelectedDate();
}

}  // namespace tf
