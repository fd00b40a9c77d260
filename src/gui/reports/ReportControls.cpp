#include "gui/reports/ReportControls.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QTimer>

#include "gui/app/DateConversion.h"
#include "gui/app/LinkLabel.h"
#include "model/Account.h"

namespace tf {
namespace {

const char* const kFlashProperty = "tfFlashing";
const QColor kFlashColour(0xFF, 0x80, 0x80);
constexpr int kFlashMilliseconds = 500;

}  // namespace

QLabel* NewReportHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(20);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

TLinkLabel* NewPeriodLink(const QString& text, QWidget* parent) {
  auto* link = new TLinkLabel(text, parent);
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
  link->setPalette(palette);
  QFont font = link->font();
  font.setPointSize(7);
  link->setFont(font);
  return link;
}

QDateEdit* NewReportDatePicker(const QString& format, QWidget* parent) {
  auto* picker = new QDateEdit(parent);
  picker->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
  picker->setDisplayFormat(format);
  picker->setCalendarPopup(true);
  picker->setMinimumWidth(110);
  return picker;
}

TDateTime PickerDay(const QDateEdit& picker) {
  return FromQDate(picker.date());
}

void SetPickerDay(QDateEdit& picker, TDateTime day) {
  picker.setDate(ToQDate(day));
}

TAccountTickList::TAccountTickList(QWidget* parent) : QListWidget(parent) {
  setToolTip(QStringLiteral("Select what accounts are used in the reports"));
}

void TAccountTickList::Fill(const TAccount& root) {
  clear();
  for (int i = 0; i < root.RowCount(); ++i) {
    const TAccount* account = root.AccountAt(i);
    if (account == nullptr || account->Deleted) continue;
    auto* item = new QListWidgetItem(QString::fromStdString(account->DisplayText()), this);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    item->setData(Qt::UserRole, QVariant::fromValue(static_cast<const void*>(account)));
  }
}

std::vector<const TAccount*> TAccountTickList::TickedAccounts() const {
  std::vector<const TAccount*> accounts;
  for (int row = 0; row < count(); ++row) {
    const QListWidgetItem* it = item(row);
    if (it->checkState() == Qt::Checked)
      accounts.push_back(static_cast<const TAccount*>(it->data(Qt::UserRole).value<const void*>()));
  }
  return accounts;
}

bool TAccountTickList::IsAccountSelected(const TAccount* account) const {
  for (const TAccount* ticked : TickedAccounts())
    if (ticked == account) return true;
  return false;
}

void TAccountTickList::SetTicked(int row, bool ticked) {
  if (QListWidgetItem* it = item(row)) it->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void FlashInvalid(std::initializer_list<QWidget*> controls) {
  struct TFlashed {
    QPointer<QWidget> Control;
    QPalette Palette;
    bool AutoFill;
  };
  std::vector<TFlashed> flashed;
  for (QWidget* control : controls) {
    if (control == nullptr) continue;
    const bool already = IsFlashing(*control);  // a second press keeps the first look to return to
    flashed.push_back({control, control->palette(), control->autoFillBackground()});
    if (already) flashed.pop_back();
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, kFlashColour);
    palette.setColor(QPalette::Window, kFlashColour);
    control->setProperty(kFlashProperty, true);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
    control->repaint();
  }
  // Controls freed meanwhile (the chooser switched reports) are skipped.
  QTimer::singleShot(kFlashMilliseconds, [flashed] {
    for (const TFlashed& entry : flashed) {
      if (entry.Control.isNull()) continue;
      entry.Control->setProperty(kFlashProperty, false);
      entry.Control->setPalette(entry.Palette);
      entry.Control->setAutoFillBackground(entry.AutoFill);
    }
  });
}

bool IsFlashing(const QWidget& control) {
  return control.property(kFlashProperty).toBool();
}

}  // namespace tf
