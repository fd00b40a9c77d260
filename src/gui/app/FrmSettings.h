// The settings dialog: the backup, the number separators with a sample
// amount, the way to the category editor and the program's identity.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

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
  QPushButton* btnShowHelp;
  QPushButton* btnClose;

 signals:
  // "Manage Categories": the category editor is opened by whoever listens.
  void manageCategoriesRequested();
  // "Show Getting Started Tips": the preference allows the panel again, and
  // whoever listens shows it.
  void showHelpRequested();

 public slots:
  void btnCreateBackupClick();
  void btnOpenBackupsClick();
  void SeparatorChange();
  void btnShowHelpClick();

 private:
  QWidget* BuildTopPanel();
  void BuildBody(QWidget* top);
  void LoadSettings();
  void ShowSample();

  TGlobal& Global_;
  TBackupChooser Chooser_;
};

}  // namespace tf
