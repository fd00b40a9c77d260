// Between the core's dates (days since 1899-12-30, the fraction the time of
// day) and Qt's, and reading a date picker.
#pragma once

#include <QDate>
#include <QDateTime>

#include "store/DateTime.h"

class QCheckBox;
class QDateTimeEdit;

namespace tf {

QDate ToQDate(TDateTime date);
QDateTime ToQDateTime(TDateTime date);
// The date at 00:00; 0 for an invalid date.
TDateTime FromQDate(const QDate& date);
TDateTime FromQDateTime(const QDateTime& dateTime);

// The picker's date and time when its check box is ticked (or it has none)
// and it holds a date; zero otherwise.
TDateTime PickerDate(const QDateTimeEdit& picker, const QCheckBox* checkBox = nullptr);

}  // namespace tf
