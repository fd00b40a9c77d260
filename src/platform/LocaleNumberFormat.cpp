#include "platform/LocaleNumberFormat.h"

namespace tf {
namespace {

std::string TextOr(const QString& text, const char* fallback) {
  return text.isEmpty() ? std::string(fallback) : text.toStdString();
}

}  // namespace

TSystemNumberFormat NumberFormatOfLocale(const QLocale& locale) {
  TSystemNumberFormat format;
  format.DecimalSeparator = TextOr(locale.decimalPoint(), ".");
  format.ThousandSeparator = TextOr(locale.groupSeparator(), ",");
  return format;
}

void LoadSystemNumberFormat() {
  SystemNumberFormat() = NumberFormatOfLocale(QLocale::system());
}

}  // namespace tf
