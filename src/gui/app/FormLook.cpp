#include "gui/app/FormLook.h"

#include <QPalette>
#include <QWidget>

// The images live in a static library, so they are registered by hand.
static void InitShellResources() {
  Q_INIT_RESOURCE(gui_app);
}

namespace tf {

QFont FormFont() {
  return QFont(QStringLiteral("Arial"), 8);
}

void ApplyFormLook(QWidget& form) {
  form.setFont(FormFont());
  QPalette palette = form.palette();
  palette.setColor(QPalette::Window, Qt::white);
  form.setPalette(palette);
  form.setAutoFillBackground(true);
}

void EnsureShellResources() {
  static const bool registered = (InitShellResources(), true);
  (void)registered;
}

QIcon ProgramIcon() {
  EnsureShellResources();
  QIcon icon;
  icon.addFile(QStringLiteral(":/tallyfold/images/tallyfold-16.png"));
  icon.addFile(QStringLiteral(":/tallyfold/images/tallyfold-48.png"));
  icon.addFile(QStringLiteral(":/tallyfold/tallyfold.png"));
  return icon;
}

}  // namespace tf
