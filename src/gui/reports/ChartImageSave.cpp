#include "gui/reports/ChartImageSave.h"

#include <QStringList>

#include "gui/reports/ReportWindowDialogs.h"
#include "reports/ReportCharts.h"

namespace tf {

QString SaveChartAs(QWidget* parent, const TReportWindowDialogs& dialogs,
                    const TChartImageWriter& write) {
  const QStringList filters = {QStringLiteral("Bitmaps (*.bmp)"),
                               QStringLiteral("PNG images (*.png)")};
  const std::optional<TChosenFile> chosen =
      dialogs.ChooseSaveFile(parent, QStringLiteral("Save the chart"), filters, QString());
  if (!chosen || chosen->Path.isEmpty()) return QString();
  const bool png = chosen->FilterIndex == 2;
  const QString path =
      QString::fromStdString(ChartImageFileName(chosen->Path.toStdString(), png ? ".png" : ".bmp"));
  if (write(path, png ? "PNG" : "BMP")) return path;
  dialogs.Warn(parent, QStringLiteral("Warning"),
               QStringLiteral("The chart could not be saved as \"%1\". Choose a folder you can "
                              "write to and try again.")
                   .arg(path));
  return QString();
}

}  // namespace tf
