#include "store/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace tf {
namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kEpochOffset = -25569;

const char* const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (!IsValidDate(year, month, day)) return false;
  out = static_cast<double>(
      DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result = 0;
  TryEncodeDate(year, month, day, result);
  return result;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec) / 86400000.0;
}

// Dates outside years 1 to 9999 (or no number at all) decode as day 0.
static bool InRange(TDateTime date) {
  return date >= -693594.0 && date < 2958466.0;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  if (!InRange(date)) date = 0;
  const long long days = static_cast<long long>(std::trunc(date));
  CivilFromDays(days + kEpochOffset, year, month, day);
}

void DecodeTime(TDateTime date, int& hour, int& minute, int& second, int& msec) {
  if (!InRange(date)) date = 0;
  double frac = std::fabs(date - std::trunc(date));
  long long ms = std::llround(frac * 86400000.0);
  if (ms >= 86400000) ms = 86399999;
  hour = static_cast<int>(ms / 3600000);
  minute = static_cast<int>(ms / 60000 % 60);
  second = static_cast<int>(ms / 1000 % 60);
  msec = static_cast<int>(ms % 1000);
}

TDateTime DateOf(TDateTime date) {
  return std::trunc(date);
}

TDateTime StartOfMonth(TDateTime date) {
  int y, m, d;
  DecodeDate(date, y, m, d);
  return EncodeDate(y, m, 1);
}

TDateTime EndOfMonth(TDateTime date) {
  int y, m, d;
  DecodeDate(date, y, m, d);
  return EncodeDate(y, m, DaysInMonth(y, m)) + EncodeTime(23, 59, 59, 999);
}

const char* ShortMonthName(int month) {
  return month >= 1 && month <= 12 ? kMonths[month - 1] : "";
}

int MonthFromShortName(const std::string& name) {
  if (name.size() != 3) return 0;
  for (int m = 0; m < 12; ++m) {
    bool same = true;
    for (int i = 0; i < 3 && same; ++i) {
      char a = name[i], b = kMonths[m][i];
      if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
      if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
      same = a == b;
    }
    if (same) return m + 1;
  }
  return 0;
}

std::string FormatDayMonthYear(TDateTime date) {
  int y, m, d;
  DecodeDate(date, y, m, d);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d %s %04d", d, ShortMonthName(m), y);
  return buf;
}

TDateTime Now() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

TDateTime Today() {
  return DateOf(Now());
}

}  // namespace tf
