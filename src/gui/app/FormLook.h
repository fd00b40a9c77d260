// The look that every form of the program shares: a white background and the
// Arial 8 point font, and the program's images.
#pragma once

#include <QFont>
#include <QIcon>

class QWidget;

namespace tf {

// Arial 8 point.
QFont FormFont();
// White background and FormFont on the form and everything inside it.
void ApplyFormLook(QWidget& form);
// Registers the shell's images (icons, button glyphs) before first use.
void EnsureShellResources();
QIcon ProgramIcon();

}  // namespace tf
