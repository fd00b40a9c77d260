// The date picker other windows open to choose a date: a month calendar with
// week numbers, the chosen date shown in the caption.
#pragma once

#include <QDialog>

#include "store/DateTime.h"

class QCalendarWidget;
class QPushButton;

namespace tf {

class TfrmDatePicker : public QDialog {
  Q_OBJECT

 public:
  // A zero date starts at today.
  explicit TfrmDatePicker(TDateTime initial, QWidget* parent = nullptr);

  // The calendar's date without time.
  TDateTime SelectedDate() const;

  // Shows the picker modally; the chosen date, or 0 after "Cancel".
  static TDateTime PickDate(QWidget* owner, TDateTime initial);

  QCalendarWidget* MonthCalendar;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 private:
  void ShowDateInCaption();

  QString BaseCaption_;
};

}  // namespace tf
