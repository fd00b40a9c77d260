// The activity strip of the transactions page: the totals of the listed
// transactions per type, each with the type's icon, right-aligned. A right
// click with Shift, Alt and Ctrl held asks for made-up test transactions.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace tf {

class TNumberFormat;
class TTransactions;

class TActivityStrip : public QWidget {
  Q_OBJECT

 public:
  // `listedRows` gives the transactions the page lists, read anew at every
  // paint; the totals are written in `format`.
  TActivityStrip(std::function<std::vector<const TTransactions*>()> listedRows,
                 TNumberFormat& format, QWidget* parent = nullptr);

  // The width the totals take now, from the first icon to the right margin.
  int ContentWidth() const;

 signals:
  void testDataRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::function<std::vector<const TTransactions*>()> ListedRows_;
  TNumberFormat& Format_;
};

}  // namespace tf
