// The getting-started panel of the transactions page: a welcome, three
// tips and "Hide this and never show again". Hovering over the first two
// tips asks the page to highlight the buttons they talk about.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace tf {

class THelpPanel : public QFrame {
  Q_OBJECT

 public:
  explicit THelpPanel(QWidget* parent = nullptr);

  QLabel* lblWelcome;
  QLabel* lblTips;
  QLabel* lblhelp3;
  QLabel* lblHelp1;
  QLabel* lblHelp2;
  QPushButton* btnCloseHelp;

 signals:
  // The mouse entered (true) or left (false) the first or the second tip.
  void firstTipHovered(bool over);
  void secondTipHovered(bool over);
  void hideForeverClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddTip(const QString& text);
};

}  // namespace tf
