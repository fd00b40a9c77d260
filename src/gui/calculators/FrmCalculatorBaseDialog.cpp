#include "gui/calculators/FrmCalculatorBaseDialog.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextDocument>
#include <algorithm>

#include "app/Global.h"
#include "calculators/CalcNumbers.h"
#include "gui/app/FormLook.h"

namespace tf {
namespace {

std::string Utf8(const QString& text) {
  return text.toStdString();
}

TStepKey StepKey(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Up) return TStepKey::Up;
  if (key.key() == Qt::Key_Down) return TStepKey::Down;
  return TStepKey::Other;
}

}  // namespace

TfrmCalculatorBaseDialog::TfrmCalculatorBaseDialog(TGlobal& global, QWidget* parent)
    : QWidget(parent), Global_(global) {
  ApplyFormLook(*this);
}

double TfrmCalculatorBaseDialog::ReadMemoAmount(const QLineEdit& box) {
  return tf::ReadMemoAmount(Utf8(box.text()));
}

int TfrmCalculatorBaseDialog::ReadComboInteger(const QComboBox& box) {
  return tf::ReadComboInteger(Utf8(box.currentText()));
}

QString TfrmCalculatorBaseDialog::FormatCalcAmount(double amount) const {
  return QString::fromStdString(tf::FormatCalcAmount(amount, NumberFormat()));
}

void TfrmCalculatorBaseDialog::StepValue(QLineEdit& box, const QKeyEvent& key, double step) const {
  const bool modifier =
      key.modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
  const std::optional<std::string> text =
      tf::StepValue(Utf8(box.text()), StepKey(key), step, modifier, NumberFormat());
  if (text) box.setText(QString::fromStdString(*text));
}

int TfrmCalculatorBaseDialog::MonthsToYears(int months) {
  return tf::MonthsToYears(months);
}

int TfrmCalculatorBaseDialog::YearsToMonths(int years) {
  return tf::YearsToMonths(years);
}

void TfrmCalculatorBaseDialog::FillNumberCombo(QComboBox& box, int first, int last) {
  box.clear();
  box.setEditText(QString());
  for (const std::string& item : NumberComboItems(first, last))
    box.addItem(QString::fromStdString(item));
  box.setCurrentIndex(-1);
  box.setEditText(QString());
}

QString TfrmCalculatorBaseDialog::TrimmedText(const QString& text) {
  return QString::fromStdString(std::string(tf::Trimmed(Utf8(text))));
}

void TfrmCalculatorBaseDialog::WriteAmount(QLineEdit& box, double amount) const {
  box.setText(FormatCalcAmount(amount));
}

void TfrmCalculatorBaseDialog::WriteComboNumber(QComboBox& box, int number) {
  const QSignalBlocker blocker(&box);
  const QString text = QString::number(number);
  box.setCurrentIndex(box.findText(text));
  box.setEditText(text);
}

int TfrmCalculatorBaseDialog::ComboNumber(const QComboBox& box, int fallback) {
  return ComboWholeNumber(Utf8(box.currentText()), fallback);
}

bool TfrmCalculatorBaseDialog::HasInputFocus(const QWidget& box) {
  return box.window()->focusWidget() == &box;
}

void TfrmCalculatorBaseDialog::SetTabOrder(std::initializer_list<QWidget*> controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : controls) {
    if (previous) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

QLineEdit* TfrmCalculatorBaseDialog::NewAmountBox(bool readOnly) {
  auto* box = new QLineEdit(this);
  box->setAlignment(Qt::AlignRight);
  box->setReadOnly(readOnly);
  return box;
}

QComboBox* TfrmCalculatorBaseDialog::NewTermBox() {
  auto* box = new QComboBox(this);
  box->setEditable(true);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setMaxVisibleItems(12);
  return box;
}

QPlainTextEdit* TfrmCalculatorBaseDialog::NewHelpMemo(const QStringList& lines) {
  auto* memo = new QPlainTextEdit(this);
  memo->setReadOnly(true);
  memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  memo->setTabChangesFocus(true);
  memo->setPlainText(lines.join(QLatin1Char('\n')));
  const QFontMetrics metrics(font());
  int width = 0;
  for (const QString& line : lines) width = std::max(width, metrics.horizontalAdvance(line));
  const int margins = 2 * (memo->frameWidth() + int(memo->document()->documentMargin())) + 8;
  memo->setFixedSize(width + margins, int(lines.size() + 1) * metrics.lineSpacing() + margins);
  return memo;
}

TCalcNumberFormat TfrmCalculatorBaseDialog::NumberFormat() const {
  return {Global_.GetThousandSeparator(), Global_.GetDecimalSeparator()};
}

}  // namespace tf
