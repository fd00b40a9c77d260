// A label that acts as a link: hand cursor, underlined while the mouse is
// over it, and a signal when it is clicked.
#pragma once

#include <QLabel>

namespace tf {

class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TLinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetUnderline(bool underline);
};

}  // namespace tf
