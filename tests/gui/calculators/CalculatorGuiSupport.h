// What the calculator tests share: a fresh application context for the
// number format, a calculator shown in an active window, and typing or
// pressing keys in a box after giving it the focus, as the user does.
#pragma once

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/Global.h"

namespace tf::test {

struct TCalculatorContext {
  std::unique_ptr<QTemporaryDir> Home = std::make_unique<QTemporaryDir>();

  TCalculatorContext() {
    Global().Initialise(TestServices(Home->path(), std::make_shared<TPromptScript>()));
  }
};

// Shows the window and waits until it takes the keyboard.
inline bool ShowActive(QWidget& window) {
  window.resize(760, 520);
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// Focus on the box, its text selected and replaced by typing `text`.
inline void TypeInto(QLineEdit& box, const QString& text) {
  box.setFocus(Qt::TabFocusReason);
  box.selectAll();
  if (text.isEmpty())
    QTest::keyClick(&box, Qt::Key_Delete);
  else
    QTest::keyClicks(&box, text);
}

inline void TypeInto(QComboBox& box, const QString& text) {
  box.setFocus(Qt::TabFocusReason);
  box.lineEdit()->selectAll();
  if (text.isEmpty())
    QTest::keyClick(box.lineEdit(), Qt::Key_Delete);
  else
    QTest::keyClicks(box.lineEdit(), text);
}

// Up or Down pressed and let go in the box that has the focus.
inline void PressKey(QWidget& box, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  box.setFocus(Qt::TabFocusReason);
  QTest::keyClick(&box, key, modifiers);
}

// The control with the keyboard focus: a combo box or a date box stands for
// its own edit line.
inline QWidget* FocusOwner() {
  QWidget* widget = QApplication::focusWidget();
  QWidget* parent = widget ? widget->parentWidget() : nullptr;
  if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)) return parent;
  return widget;
}

// The controls Tab visits from the first one, as many as `count`; a date
// box takes one Tab per part of the date and counts once.
inline QList<QWidget*> TabVisits(QWidget& first, int count) {
  first.setFocus(Qt::TabFocusReason);
  QList<QWidget*> visited = {FocusOwner()};
  for (int presses = 0; visited.size() < count && presses < 4 * count; ++presses) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (FocusOwner() != visited.back()) visited.append(FocusOwner());
  }
  return visited;
}

}  // namespace tf::test
