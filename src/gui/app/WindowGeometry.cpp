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

// The outer rectangle, frame included, as the placement values count it.
TWindowRect CurrentRect(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  return {frame.top(), frame.left(), frame.width(), frame.height()};
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
  // setGeometry places the client area: take the frame off all four sides.
  const QRect client = window.geometry();
  const QRect frame = window.frameGeometry();
  const int left = client.left() - frame.left(), top = client.top() - frame.top();
  const int right = frame.right() - client.right(), bottom = frame.bottom() - client.bottom();
  window.setGeometry(placed.Left + left, placed.Top + top, placed.Width - left - right,
                     placed.Height - top - bottom);
}

}  // namespace tf
