// The account editor's colour list: items are stored colour numbers
// (0x00BBGGRR in decimal text) and are drawn as rectangles of the colour
// they mean, in the list and in the closed box alike; no text is shown.
#pragma once

#include <QComboBox>

namespace tf {

class TColourCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit TColourCombo(QWidget* parent = nullptr);

  // The colour an item's text means.
  static QColor ColourOfItem(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tf
