// The activity strip, checked on its pixels: blank without totals, the
// totals in blue and red with their icons, right-aligned 2 pixels before the
// edge, and the hidden gesture that asks for test data.
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/workspace/ActivityStrip.h"

using namespace tf;
using namespace tf::test;

namespace {

const QRgb kBackground = qRgb(0xD4, 0xD0, 0xC8);
const QRgb kBlue = qRgb(0, 0, 0xFF);
const QRgb kRed = qRgb(0xFF, 0, 0);
const QRgb kIncomeBadge = qRgb(0x2E, 0x9E, 0x3E);
const QRgb kExpenseBadge = qRgb(0xD0, 0x3A, 0x2F);

// The columns holding at least one pixel that passes the test.
struct TColumns {
  int First = -1;
  int Last = -1;
  bool Empty() const { return First < 0; }
};

TColumns ColumnsWhere(const QImage& image, const std::function<bool(QRgb)>& test, int fromX = 0,
                      int toX = -1) {
  TColumns columns;
  const int last = toX < 0 ? image.width() - 1 : std::min(toX, image.width() - 1);
  for (int x = std::max(0, fromX); x <= last; ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (!test(image.pixel(x, y))) continue;
      if (columns.First < 0) columns.First = x;
      columns.Last = x;
      break;
    }
  }
  return columns;
}

auto Is(QRgb colour) {
  return [colour](QRgb pixel) { return (pixel & 0xFFFFFF) == (colour & 0xFFFFFF); };
}
auto IsNot(QRgb colour) {
  return [colour](QRgb pixel) { return (pixel & 0xFFFFFF) != (colour & 0xFFFFFF); };
}

}  // namespace

class ActivityStripTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Account_ = nullptr;
  std::vector<const TTransactions*> Listed_;
  std::unique_ptr<QWidget> Panel_;
  TActivityStrip* Strip_ = nullptr;

  void List(double amount, int type) {
    Listed_.push_back(AddTransaction(*Account_, "02 Mar 2010", "row", amount, "", type));
  }
  QImage Grab(int width) {
    Panel_->resize(width, 40);
    Strip_->setGeometry(0, 0, width, 40);
    return Strip_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // A text ends 2 pixels before the edge: its last inked column lies a
  // little before that, never on the margin itself.
  static void CheckEndsBeforeTheEdge(const TColumns& text, int width) {
    QVERIFY2(text.Last <= width - 3, qPrintable(QString::number(text.Last)));
    QVERIFY2(text.Last >= width - 6, qPrintable(QString::number(text.Last)));
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Account_ = AddAccount("Cheque", "{A}");
    Listed_.clear();
    // The strip takes the colour of the panel it sits on.
    Panel_ = std::make_unique<QWidget>();
    QPalette palette = Panel_->palette();
    palette.setColor(QPalette::Window, QColor(kBackground));
    Panel_->setPalette(palette);
    Strip_ = new TActivityStrip([this] { return Listed_; }, Global().NumberFormat(), Panel_.get());
  }
  void cleanup() {
    Panel_.reset();
    Context_.reset();
  }

  void nothingListedLeavesTheStripBlank() {
    const QImage image = Grab(600);
    QVERIFY(ColumnsWhere(image, IsNot(kBackground)).Empty());
  }

  void totalsThatAreZeroAreNotDrawn() {
    List(-50, ttExpense);
    List(50, ttExpense);
    QVERIFY(ColumnsWhere(Grab(600), IsNot(kBackground)).Empty());
  }

  void onlyExpensesShowOneRedTotalAtTheRight() {
    List(-1000, ttExpense);
    List(-250.5, ttExpense);
    const QImage image = Grab(600);
    const TColumns red = ColumnsWhere(image, Is(kRed));
    QVERIFY(!red.Empty());
    QVERIFY(ColumnsWhere(image, Is(kBlue)).Empty());
    CheckEndsBeforeTheEdge(ColumnsWhere(image, IsNot(kBackground)), 600);
    // The expense icon stands just left of the text.
    const TColumns badge = ColumnsWhere(image, Is(kExpenseBadge), red.First - 20, red.First - 1);
    QVERIFY(!badge.Empty());
    // Nothing before it but the badge's smoothed rim.
    QVERIFY(ColumnsWhere(image, IsNot(kBackground), 0, badge.First - 3).Empty());
    QVERIFY(ColumnsWhere(image, Is(kIncomeBadge)).Empty());
  }

  void incomeComesFirstInBlueThenExpensesInRed_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("wide strip") << 700;
    // Narrower than the 400 pixels the drawing once started from: both
    // totals must still show in full.
    QTest::newRow("narrow strip") << 260;
  }
  void incomeComesFirstInBlueThenExpensesInRed() {
    QFETCH(int, width);
    List(5000, ttIncome);
    List(-1200, ttExpense);
    const QImage image = Grab(width);
    const TColumns blue = ColumnsWhere(image, Is(kBlue));
    const TColumns red = ColumnsWhere(image, Is(kRed));
    QVERIFY(!blue.Empty());
    QVERIFY(!red.Empty());
    QVERIFY(blue.Last < red.First);
    CheckEndsBeforeTheEdge(red, width);
    const TColumns income = ColumnsWhere(image, Is(kIncomeBadge), blue.First - 20, blue.First - 1);
    QVERIFY(!income.Empty());
    QVERIFY(income.First > 0);
    QVERIFY(!ColumnsWhere(image, Is(kExpenseBadge), blue.Last + 1, red.First - 1).Empty());
  }

  void aDepositIsBlueAndATransferRed() {
    List(300, ttDeposit);
    List(-300, ttTransfer);
    const QImage image = Grab(600);
    const TColumns blue = ColumnsWhere(image, Is(kBlue));
    const TColumns red = ColumnsWhere(image, Is(kRed));
    QVERIFY(!blue.Empty());
    QVERIFY(!red.Empty());
    QVERIFY(blue.Last < red.First);
  }

  // The rows are read at every paint: a filter that lists nothing clears it.
  void theNextPaintFollowsTheList() {
    List(-10, ttExpense);
    QVERIFY(!ColumnsWhere(Grab(600), Is(kRed)).Empty());
    Listed_.clear();
    QVERIFY(ColumnsWhere(Grab(600), IsNot(kBackground)).Empty());
  }

  void theGestureNeedsAllThreeKeysAndOnlyTheRightButton_data() {
    const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("requested");
    QTest::newRow("right, all three")
        << int(Qt::RightButton) << int(Qt::RightButton) << int(all) << true;
    QTest::newRow("right, all three and meta")
        << int(Qt::RightButton) << int(Qt::RightButton) << int(all | Qt::MetaModifier) << true;
    QTest::newRow("right, no alt") << int(Qt::RightButton) << int(Qt::RightButton)
                                   << int(Qt::ShiftModifier | Qt::ControlModifier) << false;
    QTest::newRow("right, no shift") << int(Qt::RightButton) << int(Qt::RightButton)
                                     << int(Qt::AltModifier | Qt::ControlModifier) << false;
    QTest::newRow("right, no keys")
        << int(Qt::RightButton) << int(Qt::RightButton) << int(Qt::NoModifier) << false;
    QTest::newRow("left, all three")
        << int(Qt::LeftButton) << int(Qt::LeftButton) << int(all) << false;
    QTest::newRow("right while left is held")
        << int(Qt::RightButton) << int(Qt::RightButton | Qt::LeftButton) << int(all) << false;
  }
  void theGestureNeedsAllThreeKeysAndOnlyTheRightButton() {
    QFETCH(int, button);
    QFETCH(int, buttons);
    QFETCH(int, modifiers);
    QFETCH(bool, requested);
    Grab(600);
    QSignalSpy spy(Strip_, &TActivityStrip::testDataRequested);
    const QPointF at(50, 20);
    QMouseEvent press(QEvent::MouseButtonPress, at, Strip_->mapToGlobal(at),
                      Qt::MouseButton(button), Qt::MouseButtons(buttons),
                      Qt::KeyboardModifiers(modifiers));
    QCoreApplication::sendEvent(Strip_, &press);
    QCOMPARE(spy.count(), requested ? 1 : 0);
  }

  void theGestureThroughTheMouse() {
    Panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(Panel_.get()));
    QSignalSpy spy(Strip_, &TActivityStrip::testDataRequested);
    QTest::mouseClick(Strip_, Qt::RightButton,
                      Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
    QCOMPARE(spy.count(), 1);
    QTest::mouseClick(Strip_, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(spy.count(), 1);
  }
};

TF_GUI_TEST_MAIN(ActivityStripTest)
#include "ActivityStripTest.moc"
