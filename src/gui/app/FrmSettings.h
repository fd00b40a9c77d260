// The settings dialog: the backup, the number separators with a sample
// amount, the way to the category editor and the program's identity.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "gui/app/BackupFileDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tf {

class TGlobal;
class TLinkLabel;

class TfrmSettings : public QDialog {
  Q_OBJECT

 public:
  // Asks where the backup goes; no value when the user cancelled.
  using TBackupChooser = std::function<std::optional<TBackupChoice>(QWidget* parent)>;

  // Without a chooser the backup's save dialog is shown.
  explicit TfrmSettings(TGlobal& global, TBackupChooser chooser = {}, QWidget* parent = nullptr);

  // Creates the dialog owned by the window, shows it modally and frees it.
  static void ShowSettings(TGlobal& global, QWidget* owner);

  QLabel* imgIcon;
  QLabel* lblAppTitle;
  QLabel* lblVersion;
  TLinkLabel* lblCompany;
  QPushButton* btnCreateBackup;
  QLabel* lblBackupResult;
  QLabel* lblBackupFolder;      // where the daily backups are kept
  QPushButton* btnOpenBackups;  // opens that folder
  QComboBox* cbxThousands;
  QComboBox* cbxDecimals;
  QLabel* lblSampleFormat;
  QPushButton* btnCats;
  QPushButton* btnClose;

 signals:
  // "Manage Categories": the category editor is opened by whoever listens.
  void manageCategoriesRequested();

 public slots:
  void btnCreateBackupClick();
  void btnOpenBackupsClick();
  void SeparatorChange();

 private:
  QWidget* BuildTopPanel();
  void BuildBody(QWidget* top);
  void LoadSettings();
  void ShowSample();

  TGlobal& Global_;
  TBackupChooser Chooser_;
};

}  // namespace tf
