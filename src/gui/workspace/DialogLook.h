// What the dialogs of the transactions page share: the fixed dialog frame
// without title-bar buttons, the tint of an invalid field, bold labels and
// the radio group of transaction types.
#pragma once

#include <QString>
#include <QStringList>

class QButtonGroup;
class QDialog;
class QGroupBox;
class QLabel;
class QWidget;

namespace tf {

// White, Arial 8 point, a fixed frame with only a title.
void SetDialogFrame(QDialog& dialog, const QString& caption);
// Centred on the screen the dialog is on.
void CentreOnScreen(QWidget& dialog);
// The normal window colour, or #FFEAEA for an invalid entry.
void TintInvalid(QWidget& field, bool invalid);
QLabel* NewLabel(const QString& text, QWidget* parent, bool bold = false);
// A titled radio group laid out in two columns; the buttons' ids are
// their positions.
QGroupBox* NewRadioGroup(const QString& title, const QStringList& items, QButtonGroup*& group,
                         QWidget* parent);

}  // namespace tf
