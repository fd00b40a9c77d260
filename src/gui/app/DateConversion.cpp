#include "gui/app/DateConversion.h"

#include <QCheckBox>
#include <QDateTimeEdit>

namespace tf {

QDate ToQDate(TDateTime date) {
  int year = 0, month = 0, day = 0;
  DecodeDate(date, year, month, day);
  return QDate(year, month, day);
}

QDateTime ToQDateTime(TDateTime date) {
  int hour = 0, minute = 0, second = 0, msec = 0;
  DecodeTime(date, hour, minute, second, msec);
  return QDateTime(ToQDate(date), QTime(hour, minute, second, msec));
}

TDateTime FromQDate(const QDate& date) {
  if (!date.isValid()) return 0;
  return EncodeDate(date.year(), date.month(), date.day());
}

TDateTime FromQDateTime(const QDateTime& dateTime) {
  const QTime time = dateTime.time();
  const TDateTime day = FromQDate(dateTime.date());
  if (day == 0) return 0;
  return day + EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

TDateTime PickerDate(const QDateTimeEdit& picker, const QCheckBox* checkBox) {
  if (checkBox && !checkBox->isChecked()) return 0;
  return FromQDateTime(picker.dateTime());
}

}  // namespace tf
