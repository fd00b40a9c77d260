#include "gui/app/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/WindowPlacement.h"

namespace tf {
namespace {

bool Placeable(const QWidget& window) {
  return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

// Position of the frame, size of the client area: what move and resize take.
TWindowRect CurrentRect(const QWidget& window) {
  return {window.pos().y(), window.pos().x(), window.width(), window.height()};
}

TWorkArea WorkAreaFor(const QWidget& window, const TWindowRect& stored) {
  QScreen* screen = QGuiApplication::screenAt(QPoint(stored.Left, stored.Top));
  if (!screen) screen = window.screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  return {area.top(), area.left(), area.width(), area.height()};
}

}  // namespace

void SaveWindowPlacement(const QWidget& window, TPreferenceStore& store,
                         const std::string& className) {
  if (!Placeable(window)) return;
  WriteWindowPlacement(store, className, CurrentRect(window));
}

void RestoreWindowPlacement(QWidget& window, TPreferenceStore& store,
                            const std::string& className) {
  if (!Placeable(window)) return;
  const TWindowRect current = CurrentRect(window);
  const TWindowRect stored = ReadWindowPlacement(store, className, current);
  const TWindowRect placed = CorrectPlacement(stored, current, WorkAreaFor(window, stored));
  // setGeometry places the client area; the stored position is the frame's.
  const QPoint frame = window.geometry().topLeft() - window.pos();
  window.setGeometry(placed.Left + frame.x(), placed.Top + frame.y(), placed.Width,
                     placed.Height);
}

}  // namespace tf
