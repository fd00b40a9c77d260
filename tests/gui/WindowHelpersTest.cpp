// The window helpers every page uses: placement restored onto a screen that
// is there, the shared grid look, cell text, two-line captions, category and
// row combo boxes, date pickers and text files.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "app/Global.h"
#include "base/CategoryList.h"
#include "base/MemoryPreferenceStore.h"
#include "gui/app/ButtonCaption.h"
#include "gui/app/CategoryCombos.h"
#include "gui/app/CellText.h"
#include "gui/app/DateConversion.h"
#include "gui/app/DesktopServices.h"
#include "gui/app/GridDelegate.h"
#include "gui/app/RowCombos.h"
#include "gui/app/WindowGeometry.h"
#include "model/Account.h"
#include "model/Transactions.h"
#include "store/StoreError.h"

using namespace tf;
using namespace tf::test;

namespace {

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// The rows of the image that hold any dark (text) pixel.
int InkedLines(const QImage& image) {
  int lines = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        ++lines;
        break;
      }
    }
  }
  return lines;
}

int RightmostInk(const QImage& image) {
  int right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) right = std::max(right, x);
  return right;
}

QImage DrawnText(const QString& text, THorizontalAlign horizontal, bool wrap, int width = 120) {
  QImage image(width, 80, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(GridFont());
  painter.setPen(Qt::black);
  DrawCellText(painter, text, image.rect(), horizontal, TVerticalAlign::Top, wrap);
  return image;
}

}  // namespace

class WindowHelpersTest : public QObject {
  Q_OBJECT

 private:
  QRect Area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }

  static QSize FrameExtra(const QWidget& window) {
    return window.frameGeometry().size() - window.geometry().size();
  }

  // A small top-level window, shown, its frame at 20, 30 and 200 x 150.
  std::unique_ptr<QWidget> ShownWindow() {
    auto window = std::make_unique<QWidget>();
    window->setMinimumSize(50, 40);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return nullptr;
    window->move(Area().left() + 20, Area().top() + 30);
    window->resize(200 - FrameExtra(*window).width(), 150 - FrameExtra(*window).height());
    return window;
  }

 private slots:
  void restoringKeepsTheWindowOnAVisibleScreen_data() {
    // Frame rectangles relative to the work area; "current" is 20, 30, 200 x 150.
    QTest::addColumn<QRect>("stored");  // left, top, width, height
    QTest::addColumn<QRect>("expected");
    const QRect area = Area();
    QTest::newRow("fits") << QRect(40, 50, 300, 200) << QRect(40, 50, 300, 200);
    QTest::newRow("top below the screen")
        << QRect(40, area.height() + 500, 300, 200) << QRect(40, 30, 300, 200);
    QTest::newRow("a screen that is gone")
        << QRect(area.width() + 4000, area.height() + 3000, 300, 200) << QRect(20, 30, 300, 200);
    QTest::newRow("wider than the screen")
        << QRect(40, 50, area.width() + 1, 200) << QRect(40, 50, 200, 200);
    QTest::newRow("taller than the screen")
        << QRect(40, 50, 300, area.height() + 1) << QRect(40, 50, 300, 150);
    QTest::newRow("hanging off the bottom right")
        << QRect(area.width() - 100, area.height() - 50, 300, 200)
        << QRect(area.width() - 300, area.height() - 200, 300, 200);
  }

  void restoringKeepsTheWindowOnAVisibleScreen() {
    QFETCH(QRect, stored);
    QFETCH(QRect, expected);
    const QRect area = Area();
    TMemoryPreferenceStore prefs{{"TfrmTest_L", std::to_string(area.left() + stored.left())},
                                 {"TfrmTest_T", std::to_string(area.top() + stored.top())},
                                 {"TfrmTest_W", std::to_string(stored.width())},
                                 {"TfrmTest_H", std::to_string(stored.height())}};
    auto window = ShownWindow();
    QVERIFY(window);
    RestoreWindowPlacement(*window, prefs, "TfrmTest");
    QCOMPARE(window->frameGeometry(), expected.translated(area.topLeft()));
    QVERIFY(area.contains(window->frameGeometry()));
  }

  void aMaximisedWindowIsNeitherStoredNorMoved() {
    auto window = ShownWindow();
    QVERIFY(window);
    window->setWindowState(Qt::WindowMaximized);
    TMemoryPreferenceStore prefs{{"TfrmTest_L", "5"}, {"TfrmTest_T", "5"}};
    const QRect before = window->geometry();
    RestoreWindowPlacement(*window, prefs, "TfrmTest");
    QCOMPARE(window->geometry(), before);
    TMemoryPreferenceStore empty;
    SaveWindowPlacement(*window, empty, "TfrmTest");
    QVERIFY(!empty.Contains("TfrmTest_W"));
  }

  void theGridLookColoursRowsSelectionAndHeadings() {
    QTableWidget grid(4, 2);
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setShowGrid(false);
    TGridDelegate* delegate = TGridDelegate::Install(grid);
    QCOMPARE(grid.font().family(), QStringLiteral("Arial"));
    QCOMPARE(grid.font().pointSize(), 8);
    grid.resize(200, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.selectRow(2);
    auto colourAt = [&grid](int row) {
      const QRect cell = grid.visualRect(grid.model()->index(row, 1));
      return QColor(grid.viewport()->grab().toImage().pixel(cell.right() - 2, cell.center().y()));
    };
    grid.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&grid));
    QCOMPARE(colourAt(0), QColor(0xFFFFFF));
    QCOMPARE(colourAt(1), QColor(0xF0F0F0));
    QCOMPARE(colourAt(2), QColor(0xAAD7FF));
    QCOMPARE(colourAt(3), QColor(0xF0F0F0));
    grid.clearFocus();
    QCOMPARE(colourAt(2), QColor(0xEAF5FF));
    delegate->SetHeadingRows(1);
    grid.viewport()->update();
    QCOMPARE(colourAt(0), QApplication::palette().color(QPalette::Button));
    QCOMPARE(colourAt(1), QColor(0xFFFFFF));  // the first data row
  }

  void gridCellsTakeTheirTextColourFromTheModel() {
    QTableWidget grid(1, 1);
    TGridDelegate::Install(grid);
    auto* item = new QTableWidgetItem(QStringLiteral("-1,234.00"));
    item->setForeground(QColor(0xFF0000));
    grid.setItem(0, 0, item);
    grid.resize(200, 80);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QImage image = grid.viewport()->grab().toImage();
    bool red = false;
    for (int y = 0; y < image.height() && !red; ++y)
      for (int x = 0; x < image.width() && !red; ++x) {
        const QColor c(image.pixel(x, y));
        red = c.red() > 200 && c.green() < 80 && c.blue() < 80;
      }
    QVERIFY(red);
  }

  void cellTextIsCutOnOneLineOrWrapped() {
    const QString text = QStringLiteral("A description far too long for its narrow cell");
    const int lineHeight = QFontMetrics(GridFont()).height();
    const QImage cut = DrawnText(text, THorizontalAlign::Left, false, 60);
    const QImage wrapped = DrawnText(text, THorizontalAlign::Left, true, 60);
    QVERIFY(InkedLines(cut) > 0);
    QVERIFY(InkedLines(cut) <= lineHeight);
    QVERIFY(InkedLines(wrapped) > 2 * lineHeight);
    QVERIFY(RightmostInk(cut) < 60);
    const int left =
        RightmostInk(DrawnText(QStringLiteral("12.00"), THorizontalAlign::Left, false));
    const int right =
        RightmostInk(DrawnText(QStringLiteral("12.00"), THorizontalAlign::Right, false));
    QVERIFY(left < 60);
    QVERIFY(right > 110);
  }

  void captionsWithBackslashNBreakIntoLines_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two lines") << "Add\\nAccount"
                               << "Add\nAccount";
    QTest::newRow("three lines") << "a\\nb\\nc"
                                 << "a\nb\nc";
    QTest::newRow("none") << "Import"
                          << "Import";
    QTest::newRow("lone backslash") << "a\\b"
                                    << "a\\b";
  }

  void captionsWithBackslashNBreakIntoLines() {
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    QPushButton button(caption);
    ExpandButtonCaption(button);
    QCOMPARE(button.text(), expected);
  }

  void categoryCombosOfferMainsAndTheirSubCategories() {
    TCategoryList categories;
    categories.LoadDefaultCategories();
    QComboBox mainBox, subBox;
    mainBox.setEditable(true);
    subBox.setEditable(true);
    FillCategoryCombos(mainBox, subBox, categories, "Food - pets");
    QCOMPARE(Items(mainBox), (QStringList{"Debt", "Food", "Home", "Income", "Other", "Personal",
                                          "Savings", "Transportation", "Utilities"}));
    QCOMPARE(Items(subBox), (QStringList{"dining out", "groceries", "pets"}));
    QCOMPARE(mainBox.currentText(), QStringLiteral("Food"));
    QCOMPARE(subBox.currentText(), QStringLiteral("pets"));
    QCOMPARE(CategoryFromCombos(mainBox, subBox), std::string("Food - pets"));

    FillCategoryCombos(mainBox, subBox, categories, "Hobby - kites");
    QCOMPARE(mainBox.currentText(), QStringLiteral("Hobby"));
    QCOMPARE(subBox.currentText(), QStringLiteral("kites"));
    QVERIFY(Items(subBox).isEmpty());

    FillSubCategoryCombo("Home", subBox, categories);
    QCOMPARE(subBox.count(), 7);
    QCOMPARE(subBox.currentText(), QStringLiteral("domestic employee"));
    FillCategoryCombos(mainBox, subBox, categories, "");
    QCOMPARE(subBox.count(), 7);  // an empty entry leaves the sub box alone
    FillSubCategoryCombo("", subBox, categories);
    QCOMPARE(subBox.count(), 0);
  }

  void categoryFromCombos_data() {
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<QString>("entry");
    QTest::newRow("both") << "Food"
                          << "pets"
                          << "Food - pets";
    QTest::newRow("blank") << "  "
                           << " "
                           << "";
    QTest::newRow("main only") << "Food"
                               << ""
                               << "Food - ";
    QTest::newRow("untrimmed") << " Food"
                               << "pets "
                               << " Food - pets ";
  }

  void categoryFromCombos() {
    QFETCH(QString, main);
    QFETCH(QString, sub);
    QFETCH(QString, entry);
    QComboBox mainBox, subBox;
    mainBox.setEditable(true);
    subBox.setEditable(true);
    mainBox.setEditText(main);
    subBox.setEditText(sub);
    QCOMPARE(QString::fromStdString(CategoryFromCombos(mainBox, subBox)), entry);
  }

  void rowCombosCarryTheirRows() {
    TAccount root(nullptr, TBoneKind::List);
    std::vector<std::string> ids;
    for (const char* name : {"Cheque", "Old", "Visa"}) {
      TAccount* account = root.NewAccount();
      account->AssignNewId();
      account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
      account->FieldAt(TAccount::fAccountType)->SetValue(TVariant::String("Bank"));
      ids.push_back(account->FieldAt(TAccount::fAccountID)->AsString());
    }
    root.AccountAt(1)->Deleted = true;
    QComboBox box;
    FillAccountCombo(box, root, {}, QStringLiteral("all"));
    QCOMPARE(Items(box), (QStringList{"all", "Cheque ( Bank )", "Visa ( Bank )"}));
    QCOMPARE(box.currentIndex(), -1);
    QCOMPARE(SelectedRow(box), nullptr);

    SelectComboRowById(box, ids[2], 0);
    QCOMPARE(box.currentIndex(), 2);
    QCOMPARE(SelectedRow(box), static_cast<TBone*>(root.AccountAt(2)));
    QCOMPARE(SelectedRowId(box), ids[2]);
    SelectComboRowById(box, "{NO-SUCH-ID}", 0);
    QCOMPARE(box.currentIndex(), 2);  // no match: unchanged
    SelectComboRowById(box, ids[0], 0, &typeid(TTransactions));
    QCOMPARE(box.currentIndex(), 2);  // rows of another class are skipped
    SelectComboRowById(box, ids[0], 0, &typeid(TAccount));
    QCOMPARE(box.currentIndex(), 1);
    SelectComboRowById(box, "0", 0);
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(SelectedRowId(box), std::string());
    SelectComboRowById(box, "", -1);
    QCOMPARE(box.currentIndex(), -1);

    FillAccountCombo(box, root, [](QComboBox&, const TBone& row) {
      return row.FieldAt(TAccount::fAccountName)->AsString() != "Visa";
    });
    QCOMPARE(Items(box), (QStringList{"Cheque ( Bank )"}));
    FillAccountCombo(box, root, {}, QString(), false);
    QCOMPARE(box.count(), 3);
  }

  void pickerDateIsZeroWhileItsCheckBoxIsClear() {
    QDateTimeEdit picker(QDateTime(QDate(2008, 1, 5), QTime(13, 30)));
    QCheckBox check;
    const TDateTime expected = EncodeDate(2008, 1, 5) + EncodeTime(13, 30, 0);
    QCOMPARE(PickerDate(picker), expected);
    QCOMPARE(PickerDate(picker, &check), 0.0);
    check.setChecked(true);
    QCOMPARE(PickerDate(picker, &check), expected);
    QCOMPARE(ToQDate(EncodeDate(2008, 1, 5)), QDate(2008, 1, 5));
    QCOMPARE(FromQDate(QDate()), 0.0);
  }

  void textFilesEndEveryLineWithCrLfAndReportFailures() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.csv"));
    SaveTextToFile(QStringLiteral("Date,Amount\n05 Jan 2008,12.00"), path);
    QCOMPARE(ReadBytes(path), QByteArray("Date,Amount\r\n05 Jan 2008,12.00\r\n"));
    QVERIFY_THROWS_EXCEPTION(EFileError,
                             SaveTextToFile(QStringLiteral("x"), dir.filePath("missing/x.csv")));
  }
};

TF_GUI_TEST_MAIN(WindowHelpersTest)
#include "WindowHelpersTest.moc"
