// The one place where unhandled errors end up: an exception thrown in a slot
// is traced and shown with the report, the error window's buttons, and the
// mail hand-over of the report.
#include <QCheckBox>
#include <QEventLoop>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <memory>
#include <stdexcept>

#include "GuiTestSupport.h"
#include "app/Global.h"
#include "gui/app/DesktopServices.h"
#include "gui/app/ErrorReporter.h"
#include "gui/app/FrmErrorWindow.h"
#include "gui/app/VersionInfo.h"

using namespace tf;
using namespace tf::test;

namespace {

struct TMail {
  QString To, Subject, Body;
  int Count = 0;
};

}  // namespace

class ErrorWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> Home_;
  QStringList Reports_;
  bool CloseDown_ = false;
  std::unique_ptr<TErrorReporter> Reporter_;

  TApplication& App() { return *static_cast<TApplication*>(qApp); }

 private slots:
  void init() {
    Home_ = std::make_unique<QTemporaryDir>();
    Global().Initialise(TestServices(Home_->path(), std::make_shared<TPromptScript>()));
    Reports_.clear();
    CloseDown_ = false;
    Reporter_ = std::make_unique<TErrorReporter>(Global(), [this](const QString& report) {
      Reports_ << report;
      return CloseDown_;
    });
    App().SetErrorHandler([this](const std::string& message) { Reporter_->Report(message); });
  }

  void cleanup() { App().SetErrorHandler({}); }

  void anExceptionThrownInAClickedSlotIsTracedAndShown() {
    Global().Trace("Main - Create - 4");
    QPushButton button(QStringLiteral("Throw"));
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&clicks] {
      if (++clicks == 1) throw std::runtime_error("Cannot open file \"x.tfold\".");
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(Reports_.size(), 1);
    const QStringList lines = Reports_.front().split(QLatin1Char('\n'));
    QCOMPARE(lines.at(0), TVersionInfo().FileVersion());
    QCOMPARE(lines.at(1), QStringLiteral("ERROR - Cannot open file \"x.tfold\"."));
    QCOMPARE(lines.at(2), QStringLiteral("Main - Create - 4"));
    QCOMPARE(Global().TraceLog()[0], std::string("ERROR - Cannot open file \"x.tfold\"."));
    // "Ok": the program goes on and the button still works.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(Reports_.size(), 1);
    QVERIFY(!Reporter_->CloseDownRequested());
  }

  void anExceptionInAQueuedCallIsCaughtToo() {
    QObject receiver;
    QMetaObject::invokeMethod(
        &receiver, [] { throw std::logic_error("queued failure"); }, Qt::QueuedConnection);
    QCoreApplication::sendPostedEvents(&receiver);
    QCOMPARE(Reports_.size(), 1);
    QCOMPARE(Reports_.front().split(QLatin1Char('\n')).at(1),
             QStringLiteral("ERROR - queued failure"));
  }

  void anErrorWhileTheWindowIsOpenIsOnlyTraced() {
    Reporter_ = std::make_unique<TErrorReporter>(Global(), [this](const QString& report) {
      Reports_ << report;
      Reporter_->Report("second failure");
      return false;
    });
    Reporter_->Report("first failure");
    QCOMPARE(Reports_.size(), 1);
    QCOMPARE(Global().TraceLog()[0], std::string("ERROR - second failure"));
    QCOMPARE(Global().TraceLog()[1], std::string("ERROR - first failure"));
  }

  void theErrorWindowShowsItsTextsAndTheDetailsOnRequest() {
    TfrmErrorWindow window({});
    window.SetReport(QStringLiteral("1.0.0\nERROR - boom"));
    window.open();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Oops"));
    QCOMPARE(window.lblError->text(), QStringLiteral("Unanticipated Error has occurred"));
    QVERIFY(window.lblNice->text().startsWith(QStringLiteral("We are very sorry, some how")));
    QCOMPARE(window.chkShowError->text(), QStringLiteral("Show Error Details"));
    QCOMPARE(window.btnClose->text(), QStringLiteral("Close down application"));
    QCOMPARE(window.btnSendReport->text(), QStringLiteral("Send Report"));
    QCOMPARE(window.btnWhatEver->text(), QStringLiteral("Ok"));
    QVERIFY(!window.mmoLog->isVisible());
    // On the box itself: the check box's row is wider than what it reacts to.
    const QPoint box(8, window.chkShowError->height() / 2);
    QTest::mouseClick(window.chkShowError, Qt::LeftButton, {}, box);
    QVERIFY(window.chkShowError->isChecked());
    QVERIFY(window.mmoLog->isVisible());
    QVERIFY(window.mmoLog->isReadOnly());
    QCOMPARE(window.mmoLog->toPlainText(), QStringLiteral("1.0.0\nERROR - boom"));
    QTest::mouseClick(window.chkShowError, Qt::LeftButton, {}, box);
    QVERIFY(!window.mmoLog->isVisible());
  }

  void sendReportMailsTheReportToSupport() {
    auto mail = std::make_shared<TMail>();
    TfrmErrorWindow window([mail](const QString& to, const QString& subject, const QString& body) {
      *mail = {to, subject, body, mail->Count + 1};
    });
    window.SetReport(QStringLiteral("1.0.0\nERROR - boom\nMain - Create - 1"));
    window.open();
    QTest::mouseClick(window.btnSendReport, Qt::LeftButton);
    QCOMPARE(mail->Count, 1);
    QCOMPARE(mail->To, TVersionInfo::SupportAddress());
    QCOMPARE(mail->Subject, QStringLiteral("Tallyfold - Error"));
    QCOMPARE(mail->Body, QStringLiteral("1.0.0\nERROR - boom\nMain - Create - 1"));
    QVERIFY(window.isVisible());  // sending does not close the window
  }

  void theButtonsTellGoingOnFromClosingDown_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("Ok") << "btnWhatEver" << int(QDialog::Accepted);
    QTest::newRow("Close down application") << "btnClose" << TfrmErrorWindow::kCloseDown;
  }

  void theButtonsTellGoingOnFromClosingDown() {
    QFETCH(QString, button);
    QFETCH(int, result);
    TfrmErrorWindow window({});
    window.open();
    QPushButton* pressed =
        button == QLatin1String("btnClose") ? window.btnClose : window.btnWhatEver;
    QTest::mouseClick(pressed, Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), result);
  }

  void theMailtoAddressIsPercentEncoded_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("encodedBody");
    QTest::newRow("plain") << "1.0.0"
                           << "1.0.0";
    QTest::newRow("lines") << "1.0.0\nERROR - x"
                           << "1.0.0%0D%0AERROR%20-%20x";
    QTest::newRow("crlf kept") << "a\r\nb"
                               << "a%0D%0Ab";
    QTest::newRow("query characters") << "a&b=c?d#e+f%g"
                                      << "a%26b%3Dc%3Fd%23e%2Bf%25g";
    QTest::newRow("quotes and non-ASCII") << "\"Caf\u00e9\""
                                          << "%22Caf%C3%A9%22";
  }

  void theMailtoAddressIsPercentEncoded() {
    QFETCH(QString, body);
    QFETCH(QString, encodedBody);
    const QUrl url = MailtoUrl(QStringLiteral("support@quillmere.example"),
                               QStringLiteral("Tallyfold - Error"), body);
    QVERIFY(url.isValid());
    QCOMPARE(
        QString::fromLatin1(url.toEncoded()),
        QStringLiteral("mailto:support@quillmere.example?subject=Tallyfold%20-%20Error&body=") +
            encodedBody);
    QString expected = body;
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), expected);
  }

  // Ends the event loop for good (Qt keeps the quit request), so it runs last.
  void closingDownEndsTheEventLoop() {
    CloseDown_ = true;
    QEventLoop loop;
    QObject receiver;
    QMetaObject::invokeMethod(
        &receiver, [] { throw std::runtime_error("fatal"); }, Qt::QueuedConnection);
    // Only a safety net should the close-down not end the loop.
    QTimer::singleShot(10000, &loop, [&loop] { loop.exit(7); });
    const int result = loop.exec();
    QCOMPARE(Reports_.size(), 1);
    QVERIFY(Reporter_->CloseDownRequested());
    QCOMPARE(result, 0);
  }
};

TF_GUI_TEST_MAIN(ErrorWindowTest)
#include "ErrorWindowTest.moc"
