#include "gui/app/ButtonCaption.h"

#include <QAbstractButton>

namespace tf {

void ExpandButtonCaption(QAbstractButton& button) {
  // Qt breaks lines at LF alone; a CR would show as a stray glyph.
  QString caption = button.text();
  caption.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  button.setText(caption);
}

}  // namespace tf
