// The operating system's decimal and thousand separators, taken from the
// system locale at start-up for the reports and the OFX export.
#pragma once

#include <QLocale>

#include "base/SystemNumberFormat.h"

namespace tf {

// The locale's separators; "." and "," where the locale has none.
TSystemNumberFormat NumberFormatOfLocale(const QLocale& locale);

// Fills SystemNumberFormat() from QLocale::system().
void LoadSystemNumberFormat();

}  // namespace tf
