// What the two calculators share: the white Arial form, reading and writing
// the number boxes in the preferences' separators, stepping a box with the
// arrow keys, the term boxes' lists and the recalculation each overrides.
// The arithmetic itself lives in the core; these are its window ends.
#pragma once

#include <QWidget>
#include <initializer_list>
#include <string>

#include "calculators/CalcNumberFormat.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;

namespace tf {

class TGlobal;

class TfrmCalculatorBaseDialog : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmCalculatorBaseDialog(TGlobal& global, QWidget* parent = nullptr);

  // Recomputes the outputs from the inputs.
  virtual void Calculate() = 0;

  // The box's amount; 0 when it holds no number.
  static double ReadMemoAmount(const QLineEdit& box);
  // The combo's number rounded to a whole one, halves to even; 0 for none.
  static int ReadComboInteger(const QComboBox& box);
  // Two decimals with the separators of the preferences.
  QString FormatCalcAmount(double amount) const;
  // Up adds `step` to the box's amount, Down subtracts it, half the step
  // with Shift, Alt or Ctrl held; any other key leaves the box alone. The
  // box's change event then runs as for typing.
  void StepValue(QLineEdit& box, const QKeyEvent& key, double step) const;
  static int MonthsToYears(int months);
  static int YearsToMonths(int years);
  // The items first to last as text and an empty edit text.
  static void FillNumberCombo(QComboBox& box, int first, int last);
  static QString TrimmedText(const QString& text);

 protected:
  // The separators of the preferences, read afresh each time.
  TCalcNumberFormat NumberFormat() const;
  // Writes a computed amount; the box's change event fires as for typing.
  void WriteAmount(QLineEdit& box, double amount) const;
  // Writes a term box without running its change event: the program's own
  // writes never count as the user choosing a term.
  static void WriteComboNumber(QComboBox& box, int number);
  // The number in a term box, or `fallback` when it holds none.
  static int ComboNumber(const QComboBox& box, int fallback);
  // True when `box` has the keyboard focus of its window.
  static bool HasInputFocus(const QWidget& box);
  // Tab visits the controls in this order.
  static void SetTabOrder(std::initializer_list<QWidget*> controls);
  // A right-aligned number box.
  QLineEdit* NewAmountBox(bool readOnly = false);
  // An editable term box that never adds typed numbers to its list.
  QComboBox* NewTermBox();
  // A read-only help box holding the lines, wide and high enough to show
  // them whole; its text can be selected and copied.
  QPlainTextEdit* NewHelpMemo(const QStringList& lines);

 private:
  TGlobal& Global_;
};

}  // namespace tf
