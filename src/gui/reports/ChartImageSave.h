// "Save as..." of the chart reports: the save dialog offering a bitmap (the
// first choice) or a PNG image, the extension of the chosen type added to a
// name without it, the image written, and a warning when it cannot be.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tf {

struct TReportWindowDialogs;

// Writes the image to the path in the format ("BMP" or "PNG"); false on failure.
using TChartImageWriter = std::function<bool(const QString& path, const char* format)>;

// The path written, or an empty text after Cancel or a failure.
QString SaveChartAs(QWidget* parent, const TReportWindowDialogs& dialogs,
                    const TChartImageWriter& write);

}  // namespace tf
