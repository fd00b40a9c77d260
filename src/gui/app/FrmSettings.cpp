#include "gui/app/FrmSettings.h"

#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/DailyBackup.h"
#include "app/Global.h"
#include "gui/app/DesktopServices.h"
#include "gui/app/FormLook.h"
#include "gui/app/LinkLabel.h"
#include "gui/app/VersionInfo.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/FrmTransactionViewer.h"

namespace tf {
namespace {

constexpr int kClientWidth = 446, kClientHeight = 350;
constexpr int kTopPanelHeight = 68, kIconSize = 48;
constexpr int kTitlePixelSize = 24, kSmallPixelSize = 9;
constexpr double kSampleAmount = 123456.78;

QFont PixelFont(const QString& family, int pixels, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void SetTextColour(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

// A bold heading with a line after it, as the dialog's three areas begin.
QWidget* SectionHeading(const QString& text, QWidget* parent) {
  auto* heading = new QWidget(parent);
  auto* label = new QLabel(text, heading);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  auto* line = new QFrame(heading);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  auto* layout = new QHBoxLayout(heading);
  layout->setContentsMargins(0, 4, 0, 0);
  layout->addWidget(label);
  layout->addWidget(line, 1);
  return heading;
}

void SelectText(QComboBox& box, const std::string& text) {
  box.setCurrentIndex(box.findText(QString::fromStdString(text), Qt::MatchExactly));
}

}  // namespace

TfrmSettings::TfrmSettings(TGlobal& global, TBackupChooser chooser, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Global_(global),
      Chooser_(chooser ? std::move(chooser) : TBackupChooser(TBackupFileDialog::Choose)) {
  setObjectName(QStringLiteral("frmSettings"));
  setWindowTitle(QStringLiteral("Settings"));
  ApplyFormLook(*this);
  BuildBody(BuildTopPanel());
  setFixedSize(kClientWidth, kClientHeight);
  LoadSettings();
  btnCreateBackup->setFocus();

  connect(btnCreateBackup, &QPushButton::clicked, this, &TfrmSettings::btnCreateBackupClick);
  connect(btnOpenBackups, &QPushButton::clicked, this, &TfrmSettings::btnOpenBackupsClick);
  connect(cbxThousands, &QComboBox::currentIndexChanged, this, &TfrmSettings::SeparatorChange);
  connect(cbxDecimals, &QComboBox::currentIndexChanged, this, &TfrmSettings::SeparatorChange);
  connect(btnCats, &QPushButton::clicked, this, &TfrmSettings::manageCategoriesRequested);
  connect(btnShowHelp, &QPushButton::clicked, this, &TfrmSettings::btnShowHelpClick);
  connect(lblCompany, &TLinkLabel::clicked, this, [] { OpenDocument(TVersionInfo::HomePage()); });
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* TfrmSettings::BuildTopPanel() {
  auto* top = new QFrame(this);
  top->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  top->setFixedHeight(kTopPanelHeight);
  imgIcon = new QLabel(top);
  imgIcon->setPixmap(ProgramIcon().pixmap(kIconSize));
  imgIcon->setFixedSize(kIconSize, kIconSize);
  const TVersionInfo version;
  lblAppTitle = new QLabel(version.ProductName(), top);
  lblAppTitle->setFont(PixelFont(QStringLiteral("Lucida Sans"), kTitlePixelSize, true, false));
  SetTextColour(*lblAppTitle, QColor(0x00, 0x40, 0x80));
  lblVersion = new QLabel(version.FileVersion(), top);
  lblVersion->setFont(PixelFont(QStringLiteral("Arial"), kSmallPixelSize, true, false));
  SetTextColour(*lblVersion, Qt::gray);
  lblCompany = new TLinkLabel(QStringLiteral(" by ") + version.CompanyName(), top);
  lblCompany->setFont(PixelFont(QStringLiteral("Arial"), kSmallPixelSize, false, true));
  SetTextColour(*lblCompany, Qt::gray);

  auto* identity = new QHBoxLayout;
  identity->addWidget(lblVersion);
  identity->addWidget(lblCompany);
  identity->addStretch();
  auto* texts = new QVBoxLayout;
  texts->setSpacing(0);
  texts->addWidget(lblAppTitle);
  texts->addLayout(identity);
  auto* layout = new QHBoxLayout(top);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->addWidget(imgIcon);
  layout->addLayout(texts, 1);
  return top;
}

void TfrmSettings::BuildBody(QWidget* top) {
  btnCreateBackup = new QPushButton(QStringLiteral("Create Backup"), this);
  lblBackupResult = new QLabel(this);
  lblBackupResult->setWordWrap(true);
  const QString folder =
      QDir::toNativeSeparators(QString::fromStdString(DailyBackupFolder(Global_.DataFilePath())));
  lblBackupFolder = new QLabel(QStringLiteral("Daily backups: ") + folder, this);
  lblBackupFolder->setToolTip(folder);
  lblBackupFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
  lblBackupFolder->setMinimumWidth(0);
  lblBackupFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  btnOpenBackups = new QPushButton(QStringLiteral("Open Folder"), this);
  cbxThousands = new QComboBox(this);
  cbxThousands->addItems({QStringLiteral(","), QStringLiteral("."), QStringLiteral(" ")});
  cbxDecimals = new QComboBox(this);
  cbxDecimals->addItems({QStringLiteral(","), QStringLiteral(".")});
  lblSampleFormat = new QLabel(this);
  btnCats = new QPushButton(QStringLiteral("Manage Categories"), this);
  btnShowHelp = new QPushButton(QStringLiteral("Show Getting Started Tips"), this);
  btnShowHelp->setToolTip(QStringLiteral("The welcome panel of the Transactions page (F1 there)"));
  btnClose = new QPushButton(QStringLiteral("Close"), this);
  btnClose->setDefault(true);

  auto* backup = new QHBoxLayout;
  backup->addWidget(btnCreateBackup);
  backup->addWidget(lblBackupResult, 1);
  auto* daily = new QHBoxLayout;
  daily->addWidget(lblBackupFolder, 1);
  daily->addWidget(btnOpenBackups);
  auto* separators = new QHBoxLayout;
  separators->addWidget(new QLabel(QStringLiteral("Thousands :"), this));
  separators->addWidget(cbxThousands);
  separators->addSpacing(16);
  separators->addWidget(new QLabel(QStringLiteral("Decimals :"), this));
  separators->addWidget(cbxDecimals);
  separators->addSpacing(16);
  separators->addWidget(lblSampleFormat, 1);
  auto* categories = new QHBoxLayout;
  categories->addWidget(btnCats);
  categories->addWidget(btnShowHelp);
  categories->addStretch();
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(btnClose);

  auto* body = new QVBoxLayout;
  body->setContentsMargins(12, 4, 12, 8);
  body->addWidget(SectionHeading(QStringLiteral("Backup"), this));
  body->addLayout(backup);
  body->addLayout(daily);
  body->addWidget(SectionHeading(QStringLiteral("Display Settings"), this));
  body->addLayout(separators);
  body->addWidget(SectionHeading(QStringLiteral("Category"), this));
  body->addLayout(categories);
  body->addStretch();
  body->addLayout(bottom);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(top);
  layout->addLayout(body, 1);
}

void TfrmSettings::LoadSettings() {
  const QSignalBlocker blockThousands(cbxThousands);
  const QSignalBlocker blockDecimals(cbxDecimals);
  SelectText(*cbxThousands, Global_.GetThousandSeparator());
  SelectText(*cbxDecimals, Global_.GetDecimalSeparator());
  ShowSample();
}

void TfrmSettings::ShowSample() {
  lblSampleFormat->setText(QString::fromStdString(Global_.FormatAmount(kSampleAmount)));
}

void TfrmSettings::SeparatorChange() {
  // A list without a selection (a stored value it does not offer) keeps the
  // stored separator rather than clearing it.
  std::string thousands = cbxThousands->currentIndex() >= 0
                              ? cbxThousands->currentText().toStdString()
                              : Global_.GetThousandSeparator();
  std::string decimals = cbxDecimals->currentIndex() >= 0 ? cbxDecimals->currentText().toStdString()
                                                          : Global_.GetDecimalSeparator();
  // Equal separators would make amounts unreadable; the defaults take over
  // while the lists keep showing the user's choice.
  if (thousands == decimals) {
    thousands = ",";
    decimals = ".";
  }
  Global_.SetThousandSeparator(thousands);
  Global_.SetDecimalSeparator(decimals);
  ShowSample();
}

void TfrmSettings::btnCreateBackupClick() {
  const std::optional<TBackupChoice> choice = Chooser_(this);
  if (!choice) return;
  lblBackupResult->clear();
  const std::vector<std::string> written = Global_.CreateBackup(choice->Path, choice->FileType);
  lblBackupResult->setText(written.empty() ? QStringLiteral("No accounts to export.")
                                           : QStringLiteral("Saved: %1")
                                                 .arg(QDir::toNativeSeparators(
                                                     QString::fromStdString(written.front()))));
}

void TfrmSettings::btnShowHelpClick() {
  Global_.SetShowHelp(true);
  btnShowHelp->setText(QStringLiteral("Tips Shown"));
  btnShowHelp->setEnabled(false);
  emit showHelpRequested();
}

void TfrmSettings::btnOpenBackupsClick() {
  const QString folder = QString::fromStdString(DailyBackupFolder(Global_.DataFilePath()));
  // Before the first backup of all the folder does not exist yet.
  QDir().mkpath(folder);
  OpenDocument(folder);
}

void TfrmSettings::ShowSettings(TGlobal& global, QWidget* owner) {
  TfrmSettings dialog(global, {}, owner);
  connect(&dialog, &TfrmSettings::manageCategoriesRequested, &dialog,
          [&dialog, &global] { DesktopDialogs(global).ManageCategories(&dialog); });
  connect(&dialog, &TfrmSettings::showHelpRequested, &dialog, [owner] {
    if (owner == nullptr) return;
    for (TfrmTransactionViewer* page : owner->findChildren<TfrmTransactionViewer*>())
      page->ShowHelpPanel();
  });
  dialog.exec();
}

}  // namespace tf
