// The controls the report windows of the chooser share: the bold heading,
// the period pickers with their link-style quick choices, the list of
// accounts to tick, and the light-red flash of an input that cannot be used.
#pragma once

#include <QListWidget>
#include <QString>
#include <initializer_list>
#include <vector>

#include "store/DateTime.h"

class QDateEdit;
class QLabel;

namespace tf {

class TAccount;
class TLinkLabel;

QLabel* NewReportHeading(const QString& text, QWidget* parent);
// Small blue link-style text, underlined while the mouse is over it.
TLinkLabel* NewPeriodLink(const QString& text, QWidget* parent);
// A date picker with a calendar and English month names.
QDateEdit* NewReportDatePicker(const QString& format, QWidget* parent);

// The picker's date as a day without time, and setting it from one.
TDateTime PickerDay(const QDateEdit& picker);
void SetPickerDay(QDateEdit& picker, TDateTime day);

// The accounts a report counts: every live account of the root table, each
// with its display text, ticked at the start.
class TAccountTickList : public QListWidget {
  Q_OBJECT

 public:
  explicit TAccountTickList(QWidget* parent = nullptr);

  void Fill(const TAccount& root);
  // The ticked accounts, in list order.
  std::vector<const TAccount*> TickedAccounts() const;
  bool IsAccountSelected(const TAccount* account) const;
  void SetTicked(int row, bool ticked);
};

// Colours the controls #FF8080 for half a second, then gives them back their
// own look. The window repaints at once so that the flash shows.
void FlashInvalid(std::initializer_list<QWidget*> controls);
// Whether a control shows the flash colour now.
bool IsFlashing(const QWidget& control);

}  // namespace tf
