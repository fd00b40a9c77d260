// The settings dialog (separators with their rule and sample, identity,
// backup), the backup's save dialog, the password prompt and the date picker.
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "GuiTestSupport.h"
#include "app/Backup.h"
#include "app/Global.h"
#include "base/Formats.h"
#include "gui/app/BackupFileDialog.h"
#include "gui/app/DateConversion.h"
#include "gui/app/ErrorReporter.h"
#include "gui/app/FrmDatePicker.h"
#include "gui/app/FrmPasswordPrompt.h"
#include "gui/app/FrmSettings.h"
#include "gui/app/LinkLabel.h"
#include "gui/workspace/FrmCategoryManagement.h"
#include "model/Account.h"

using namespace tf;
using namespace tf::test;

namespace {

// Runs `answer` on the modal dialog as soon as the event loop shows it.
template <class TDialog>
void AnswerNextDialog(std::function<void(TDialog&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog != nullptr);
    answer(*dialog);
  });
}

void Choose(QComboBox& box, const QString& text) {
  const int index = box.findText(text);
  QVERIFY(index >= 0);
  box.setCurrentIndex(index);
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> Home_;

  QString DataFile() const { return Home_->path() + QStringLiteral("/Tallyfold/data.tfold"); }

 private slots:
  void init() {
    Home_ = std::make_unique<QTemporaryDir>();
    Global().Initialise(TestServices(Home_->path(), std::make_shared<TPromptScript>()));
  }

  void settingsShowsTheProgramsIdentity() {
    TfrmSettings settings(Global());
    settings.show();
    QVERIFY(QTest::qWaitForWindowActive(&settings));
    QCOMPARE(settings.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(settings.lblAppTitle->text(), QStringLiteral("Tallyfold"));
    QCOMPARE(settings.lblVersion->text(), QStringLiteral(TALLYFOLD_VERSION));
    QCOMPARE(settings.lblCompany->text(), QStringLiteral(" by Quillmere"));
    QCOMPARE(settings.size(), QSize(446, 350));
    QCOMPARE(settings.btnCreateBackup->text(), QStringLiteral("Create Backup"));
    QCOMPARE(settings.btnCats->text(), QStringLiteral("Manage Categories"));
    QCOMPARE(QApplication::focusWidget(), settings.btnCreateBackup);
    // Return presses the focused button, and "Close" everywhere else.
    settings.cbxDecimals->setFocus();
    QVERIFY(settings.btnClose->isDefault());
    QCOMPARE(settings.cbxThousands->count(), 3);
    QCOMPARE(settings.cbxThousands->itemText(2), QStringLiteral(" "));
    QCOMPARE(settings.cbxDecimals->count(), 2);
  }

  void manageCategoriesOpensTheCategoryEditorOverTheSettings() {
    QString caption;
    QWidget* owner = nullptr;
    TfrmSettings* shown = nullptr;
    AnswerNextDialog<TfrmSettings>([&](TfrmSettings& settings) {
      shown = &settings;
      AnswerNextDialog<TfrmCategoryManagement>([&](TfrmCategoryManagement& editor) {
        caption = editor.windowTitle();
        owner = editor.parentWidget();
        QTest::mouseClick(editor.btnCancel, Qt::LeftButton);
      });
      QTest::mouseClick(settings.btnCats, Qt::LeftButton);
      QTest::mouseClick(settings.btnClose, Qt::LeftButton);
    });
    TfrmSettings::ShowSettings(Global(), nullptr);
    QCOMPARE(caption, QStringLiteral("Category Management"));
    QCOMPARE(owner, shown);
  }

  void settingsSelectsTheStoredSeparators_data() {
    QTest::addColumn<QString>("thousands");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<int>("thousandsIndex");
    QTest::addColumn<int>("decimalIndex");
    QTest::addColumn<QString>("sample");
    QTest::newRow("none stored") << ""
                                 << "" << 0 << 1 << "123,456.78";
    QTest::newRow("european") << "."
                              << "," << 1 << 0 << "123.456,78";
    QTest::newRow("blank") << " "
                           << "," << 2 << 0 << "123 456,78";
    QTest::newRow("not offered") << "'"
                                 << "." << -1 << 1 << "123'456.78";
  }

  void settingsSelectsTheStoredSeparators() {
    QFETCH(QString, thousands);
    QFETCH(QString, decimal);
    QFETCH(int, thousandsIndex);
    QFETCH(int, decimalIndex);
    QFETCH(QString, sample);
    Global().WriteSetting("thousands", thousands.toStdString());
    Global().WriteSetting("decimal", decimal.toStdString());
    TfrmSettings settings(Global());
    QCOMPARE(settings.cbxThousands->currentIndex(), thousandsIndex);
    QCOMPARE(settings.cbxDecimals->currentIndex(), decimalIndex);
    QCOMPARE(settings.lblSampleFormat->text(), sample);
  }

  void changingASeparatorStoresBothAndEqualOnesFallBack_data() {
    QTest::addColumn<QString>("before");  // stored thousands and decimal, as two characters
    QTest::addColumn<QString>("thousands");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("storedThousands");
    QTest::addColumn<QString>("storedDecimal");
    QTest::addColumn<QString>("sample");
    QTest::newRow("point on point") << ",."
                                    << "."
                                    << "."
                                    << ","
                                    << "."
                                    << "123,456.78";
    QTest::newRow("comma on comma") << ",."
                                    << ","
                                    << ","
                                    << ","
                                    << "."
                                    << "123,456.78";
    QTest::newRow("blank and comma") << ",."
                                     << " "
                                     << ","
                                     << " "
                                     << ","
                                     << "123 456,78";
    QTest::newRow("point and comma") << ",."
                                     << "."
                                     << ","
                                     << "."
                                     << ","
                                     << "123.456,78";
    QTest::newRow("back to the defaults") << ".,"
                                          << ","
                                          << "."
                                          << ","
                                          << "."
                                          << "123,456.78";
  }

  void changingASeparatorStoresBothAndEqualOnesFallBack() {
    QFETCH(QString, before);
    QFETCH(QString, thousands);
    QFETCH(QString, decimal);
    QFETCH(QString, storedThousands);
    QFETCH(QString, storedDecimal);
    QFETCH(QString, sample);
    Global().SetThousandSeparator(before.left(1).toStdString());
    Global().SetDecimalSeparator(before.mid(1).toStdString());
    TfrmSettings settings(Global());
    Choose(*settings.cbxDecimals, decimal);
    Choose(*settings.cbxThousands, thousands);
    QCOMPARE(QString::fromStdString(Global().ReadSetting("thousands")), storedThousands);
    QCOMPARE(QString::fromStdString(Global().ReadSetting("decimal")), storedDecimal);
    QCOMPARE(settings.lblSampleFormat->text(), sample);
    // The lists keep showing what the user chose.
    QCOMPARE(settings.cbxThousands->currentText(), thousands);
    QCOMPARE(settings.cbxDecimals->currentText(), decimal);
    QCOMPARE(QString::fromStdString(Global().FormatAmount(-5.0)),
             QStringLiteral("-5") + storedDecimal + QStringLiteral("00"));
  }

  void aDataFileBackupIsACompleteCopyUnderTheTfoldName() {
    QVERIFY(Global().OpenDataFile());
    Global().Accounts.NewAccount()->AssignNewId();
    const QString chosen = Home_->filePath(QStringLiteral("my backup.txt"));
    TfrmSettings settings(Global(), [chosen](QWidget*) {
      return std::optional<TBackupChoice>(TBackupChoice{chosen.toStdString(), kBackupDataFile});
    });
    QTest::mouseClick(settings.btnCreateBackup, Qt::LeftButton);
    const QString copy = Home_->filePath(QStringLiteral("my backup.tfold"));
    QVERIFY(QFile::exists(copy));
    QVERIFY(!QFile::exists(chosen));
    QVERIFY(QFile::exists(DataFile()));  // the regular file first
    TAccount stored(nullptr, TBoneKind::List);
    stored.LoadFromFile(copy.toStdString(), true);
    QCOMPARE(stored.RowCount(), 1);
    QVERIFY(settings.lblBackupResult->text().contains(QStringLiteral("my backup.tfold")));
  }

  void anOfxBackupWritesOneStatementPerAccountBesideTheChosenName() {
    QVERIFY(Global().OpenDataFile());
    for (const char* name : {"Cheque", "Visa"}) {
      TAccount* account = Global().Accounts.NewAccount();
      account->AssignNewId();
      account->FieldAt(TAccount::fAccountName)->SetValue(TVariant::String(name));
    }
    QDir().mkpath(Home_->filePath(QStringLiteral("ofx")));
    const QString chosen = Home_->filePath(QStringLiteral("ofx/All Accounts Here"));
    TfrmSettings settings(Global(), [chosen](QWidget*) {
      return std::optional<TBackupChoice>(TBackupChoice{chosen.toStdString(), kBackupOfx});
    });
    QTest::mouseClick(settings.btnCreateBackup, Qt::LeftButton);
    const QStringList written =
        QDir(Home_->filePath(QStringLiteral("ofx"))).entryList({QStringLiteral("*.ofx")});
    QCOMPARE(written.size(), 2);
  }

  void aCancelledBackupWritesNothing() {
    QVERIFY(Global().OpenDataFile());
    TfrmSettings settings(Global(), [](QWidget*) { return std::optional<TBackupChoice>(); });
    QTest::mouseClick(settings.btnCreateBackup, Qt::LeftButton);
    QVERIFY(!QFile::exists(DataFile()));
    QVERIFY(settings.lblBackupResult->text().isEmpty());
  }

  void aBackupOfAFileThatWasNotOpenedIsAnErrorNotASilentSuccess() {
    QStringList reports;
    TErrorReporter reporter(Global(), [&reports](const QString& report) {
      reports << report;
      return false;
    });
    auto* app = static_cast<TApplication*>(qApp);
    app->SetErrorHandler([&reporter](const std::string& message) { reporter.Report(message); });
    const QString chosen = Home_->filePath(QStringLiteral("copy.tfold"));
    TfrmSettings settings(Global(), [chosen](QWidget*) {
      return std::optional<TBackupChoice>(TBackupChoice{chosen.toStdString(), kBackupDataFile});
    });
    QTest::mouseClick(settings.btnCreateBackup, Qt::LeftButton);
    app->SetErrorHandler({});
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports.front().split(QLatin1Char('\n')).at(1).startsWith(QStringLiteral("ERROR - ")));
    QVERIFY(!QFile::exists(chosen));
  }

  void theBackupDialogProposesANameForEachType() {
    TBackupFileDialog dialog;
    QCOMPARE(dialog.nameFilters(),
             (QStringList{QStringLiteral("Tallyfold Data File (*.tfold)"),
                          QStringLiteral("Open Financial Exchange (*.ofx)")}));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    QVERIFY(name && types);
    const QString today = QString::fromStdString(FormatDayMonthYear(Today()));
    QCOMPARE(name->text(), today);
    QCOMPARE(dialog.SelectedFileType(), int(kBackupDataFile));
    QTest::keyClick(types, Qt::Key_Down);
    QCOMPARE(name->text(), QStringLiteral("All Accounts Here"));
    QCOMPARE(dialog.SelectedFileType(), int(kBackupOfx));
    QTest::keyClick(types, Qt::Key_Up);
    QCOMPARE(name->text(), today);
    QCOMPARE(dialog.SelectedFileType(), int(kBackupDataFile));
  }

  void thePasswordPromptReturnsTheEntryOrNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("answered");
    QTest::newRow("Ok") << " typed entry "
                        << "ok" << true;
    QTest::newRow("Return") << "secret"
                            << "return" << true;
    QTest::newRow("Cancel") << "secret"
                            << "cancel" << false;
    QTest::newRow("Esc") << "secret"
                         << "escape" << false;
  }

  void thePasswordPromptReturnsTheEntryOrNothing() {
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(bool, answered);
    QString shownInitial, caption;
    bool masked = false;
    AnswerNextDialog<TfrmPasswordPrompt>([&](TfrmPasswordPrompt& prompt) {
      shownInitial = prompt.edtPassword->text();
      caption = prompt.windowTitle();
      masked = prompt.edtPassword->echoMode() == QLineEdit::Password;
      prompt.edtPassword->setText(typed);
      if (how == QLatin1String("ok")) QTest::mouseClick(prompt.btnOk, Qt::LeftButton);
      if (how == QLatin1String("cancel")) QTest::mouseClick(prompt.btnCancel, Qt::LeftButton);
      if (how == QLatin1String("return")) QTest::keyClick(prompt.edtPassword, Qt::Key_Return);
      if (how == QLatin1String("escape")) QTest::keyClick(prompt.edtPassword, Qt::Key_Escape);
    });
    const std::optional<std::string> entry = TfrmPasswordPrompt::Ask(nullptr, "current");
    QCOMPARE(shownInitial, QStringLiteral("current"));
    QCOMPARE(caption, QStringLiteral("Password"));
    QVERIFY(masked);
    QCOMPARE(entry.has_value(), answered);
    if (answered) QCOMPARE(QString::fromStdString(*entry), typed);
  }

  void theDatePickerShowsTheDateInItsCaption() {
    TfrmDatePicker picker(EncodeDate(2008, 1, 5));
    QCOMPARE(picker.windowTitle(), QStringLiteral("Date Picker  05 Jan 2008"));
    picker.MonthCalendar->setSelectedDate(QDate(2008, 2, 29));
    QCOMPARE(picker.windowTitle(), QStringLiteral("Date Picker  29 Feb 2008"));
    QCOMPARE(picker.SelectedDate(), EncodeDate(2008, 2, 29));
    QCOMPARE(picker.MonthCalendar->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);

    TfrmDatePicker today(0);
    QCOMPARE(today.SelectedDate(), Today());
  }

  void pickDateReturnsTheChosenDateOrZero_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<double>("expected");
    QTest::newRow("Ok") << int(Qt::Key_unknown) << EncodeDate(2010, 3, 14);
    QTest::newRow("Cancel") << int(Qt::Key_Cancel) << 0.0;
    // Enter in the calendar, where the focus is: the day is chosen.
    QTest::newRow("Enter") << int(Qt::Key_Return) << EncodeDate(2010, 3, 14);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0.0;
  }

  void pickDateReturnsTheChosenDateOrZero() {
    QFETCH(int, answer);
    QFETCH(double, expected);
    AnswerNextDialog<TfrmDatePicker>([answer](TfrmDatePicker& picker) {
      picker.MonthCalendar->setSelectedDate(QDate(2010, 3, 14));
      if (answer == Qt::Key_unknown || answer == Qt::Key_Cancel) {
        QTest::mouseClick(answer == Qt::Key_unknown ? picker.btnOk : picker.btnCancel,
                          Qt::LeftButton);
        return;
      }
      const bool active = QTest::qWaitForWindowActive(&picker);
      QWidget* focused = QApplication::focusWidget();
      if (!active || focused == nullptr || !picker.MonthCalendar->isAncestorOf(focused)) {
        picker.reject();
        QFAIL("the calendar does not have the focus");
      }
      QTest::keyClick(focused, Qt::Key(answer));
      // A key the dialog ignores must fail the test, not leave it waiting.
      QTimer::singleShot(0, &picker, [&picker] { picker.reject(); });
    });
    QCOMPARE(TfrmDatePicker::PickDate(nullptr, EncodeDate(2010, 3, 1) + 0.5), expected);
  }
};

TF_GUI_TEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
