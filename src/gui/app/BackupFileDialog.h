// The backup's save dialog: the two file types "Tallyfold Data File" and
// "Open Financial Exchange", with the proposed name following the type
// (today's date for a data file, "All Accounts Here" for OFX).
#pragma once

#include <QFileDialog>
#include <optional>
#include <string>

namespace tf {

struct TBackupChoice {
  std::string Path;
  int FileType = 0;  // kBackupDataFile or kBackupOfx
};

class TBackupFileDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit TBackupFileDialog(QWidget* parent = nullptr);

  // The type of the selected filter.
  int SelectedFileType() const;

  // Runs the dialog; no value when the user cancelled.
  static std::optional<TBackupChoice> Choose(QWidget* parent);

 private:
  void ProposeNameFor(const QString& filter);
};

}  // namespace tf
