// "Auto Recognition Patterns" and "Auto Recognise" driven through their
// widgets: the filtered three-column list, adding, changing and deleting
// with the question and its modifier rule, the selection after a delete,
// saving, the category list on closing; loading and storing one pattern and
// running the patterns again.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/workspace/FrmImportSettingsEdit.h"
#include "gui/workspace/FrmImportSettingsListEdit.h"
#include "gui/workspace/PatternsGridModel.h"

using namespace tf;
using namespace tf::test;

namespace {

QStringList Column(const QTableView& grid, int column) {
  QStringList texts;
  for (int row = 0; row < grid.model()->rowCount(); ++row)
    texts << grid.model()->index(row, column).data().toString();
  return texts;
}

QStringList Items(const QComboBox& box) {
  QStringList texts;
  for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
  return texts;
}

// As the mouse does it: QTest's double click alone is not preceded by a click.
void DoubleClick(QWidget& widget, const QPoint& point) {
  QTest::mouseClick(&widget, Qt::LeftButton, {}, point);
  QTest::mouseDClick(&widget, Qt::LeftButton, {}, point);
  QTest::mouseRelease(&widget, Qt::LeftButton, {}, point);
}

void SelectRow(QTableView& grid, int row) {
  grid.setCurrentIndex(grid.model()->index(row, 0));
}

QString Question(const char* pattern) {
  return QStringLiteral(
             "Delete pattern(%1)?\r\n\t\r\n"
             "\ttip: If you hold in ctrl or alt or shift and press the \r\n"
             "\tdelete button this message will not display and the item\r\n"
             "\twill be automatically deleted")
      .arg(QLatin1String(pattern));
}

}  // namespace

class PatternEditorsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;
  TAccount* Cheque_ = nullptr;
  TImportSettings* Patterns_ = nullptr;
  std::vector<TImportSettings*> Edited_;  // patterns the single-pattern editor was opened for
  bool ConfirmEdit_ = true;

  std::unique_ptr<TfrmImportSettingsListEdit> ShowList() {
    auto dialog =
        std::make_unique<TfrmImportSettingsListEdit>(Global(), *Patterns_, Context_->Dialogs);
    dialog->show();
    return dialog;
  }

  std::unique_ptr<TfrmImportSettingsEdit> ShowPattern(TImportSettings& pattern) {
    auto dialog = std::make_unique<TfrmImportSettingsEdit>(Global(), pattern);
    dialog->show();
    return dialog;
  }

  bool Saved() const { return QFile::exists(Context_->DataFile()); }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    Cheque_ = AddAccount("Cheque", "{A}");
    AddAccount("Closed", "{C}")->Deleted = true;
    AddAccount("Card", "{B}");
    Patterns_ = Global().Accounts.PatternTable();
    AddPattern("woolworths", mtContains, "Food - groceries");
    AddPattern("SALARY", mtStartsWith, "Income - paycheck", "{A}", ttIncome);
    AddPattern("gone", mtContains, "Food - groceries")->Deleted = true;
    AddPattern("Spar", mtExactMatch, "Food - Groceries", "{NOT THERE}");
    AddPattern("pharmacy", mtEndsWith, "Personal - medical", "{B}");
    Global().Accounts.RebuildCategoryList();
    Edited_.clear();
    ConfirmEdit_ = true;
    TImportSettings::Editor() = [this](TImportSettings& pattern, void*) {
      Edited_.push_back(&pattern);
      if (ConfirmEdit_)
        pattern.FieldAt(TImportSettings::fMatchValue)->SetValue(TVariant::String("typed"));
      return ConfirmEdit_;
    };
  }
  void cleanup() { Context_.reset(); }

  // --- the list editor

  void theListShowsLivePatternsInThreeColumns() {
    auto dialog = ShowList();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Auto Recognition Patterns"));
    QCOMPARE(dialog->size(), QSize(620, 411));
    QCOMPARE(QApplication::focusWidget(), dialog->edtTransactionsFilter);
    QCOMPARE(dialog->edtTransactionsFilter->placeholderText(), QStringLiteral("filter patterns"));
    QCOMPARE(dialog->edtTransactionsFilter->palette().color(QPalette::PlaceholderText),
             QColor(0x80, 0x80, 0x80));
    const QTableView& grid = *dialog->grdMain;
    QCOMPARE(grid.model()->columnCount(), 3);
    QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Pattern"));
    QCOMPARE(grid.model()->headerData(1, Qt::Horizontal).toString(),
             QStringLiteral("Recognition Type / Account"));
    QCOMPARE(grid.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Category"));
    QCOMPARE(grid.horizontalHeader()->height(), 25);
    QCOMPARE(grid.rowHeight(0), 20);
    QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(Column(grid, 0), QStringList({"woolworths", "SALARY", "Spar", "pharmacy"}));
    QCOMPARE(Column(grid, 1), QStringList({"Contains / all acounts", "Starts With / Cheque",
                                           "Exact Match / all acounts", "Ends With / Card"}));
    QCOMPARE(Column(grid, 2), QStringList({"Food - groceries", "Income - paycheck",
                                           "Food - Groceries", "Personal - medical"}));
    // Each column a third of the grid's client width.
    const int third = grid.viewport()->width() / 3;
    QVERIFY(third > 150);
    for (int column = 0; column < 3; ++column) QCOMPARE(grid.columnWidth(column), third);
    QCOMPARE(dialog->btnAdd->toolTip(),
             QStringLiteral("Create a New Recognition Pattern (Shortcut key Insert)"));
    QCOMPARE(dialog->btnDelete->toolTip(),
             QStringLiteral("Delete Selected Pattern (Shortcut key Delete)"));
    QCOMPARE(dialog->btnCancel->text(), QStringLiteral("Close"));
    QStringList menu;
    for (const QAction* action : dialog->PopupMenu->actions()) menu << action->text();
    QCOMPARE(menu, QStringList(
                       {"Open/Change (double click)", "Add (Insert Key)", "Delete (Delete Key)"}));
    QCOMPARE(dialog->PopupMenu->defaultAction(), dialog->PopupMenu->actions().first());
  }

  void theFilterMatchesPatternOrCategory_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("category, any case") << "groc" << QStringList({"woolworths", "Spar"});
    QTest::newRow("pattern, blanks around") << "  salary " << QStringList({"SALARY"});
    QTest::newRow("placeholder text")
        << "filter patterns" << QStringList({"woolworths", "SALARY", "Spar", "pharmacy"});
    QTest::newRow("nothing matches") << "zzz" << QStringList({""});
  }

  void theFilterMatchesPatternOrCategory() {
    QFETCH(QString, typed);
    QFETCH(QStringList, listed);
    auto dialog = ShowList();
    QTest::keyClicks(dialog->edtTransactionsFilter, typed);
    QCOMPARE(Column(*dialog->grdMain, 0), listed);
    dialog->edtTransactionsFilter->clear();
    QCOMPARE(dialog->Model().PatternCount(), 4);
  }

  void withoutPatternsTheGridShowsOneEmptyRowAndDeleteDoesNothing() {
    for (int i = 0; i < Patterns_->RowCount(); ++i) Patterns_->PatternAt(i)->Deleted = true;
    auto dialog = ShowList();
    QCOMPARE(dialog->grdMain->model()->rowCount(), 1);
    QCOMPARE(dialog->SelectedPattern(), nullptr);
    SelectRow(*dialog->grdMain, 0);
    QTest::keyClick(dialog->grdMain, Qt::Key_Delete);
    QTest::mouseClick(dialog->btnDelete, Qt::LeftButton);
    QVERIFY(Context_->Script->Asked.empty());
    QVERIFY(!Saved());
  }

  void addingOpensTheEditorAndSavesWhenConfirmed_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("button") << "button";
    QTest::newRow("Insert key") << "insert";
    QTest::newRow("menu") << "menu";
  }

  void addingOpensTheEditorAndSavesWhenConfirmed() {
    QFETCH(QString, how);
    auto dialog = ShowList();
    if (how == QLatin1String("button")) QTest::mouseClick(dialog->btnAdd, Qt::LeftButton);
    if (how == QLatin1String("insert")) QTest::keyClick(dialog->grdMain, Qt::Key_Insert);
    if (how == QLatin1String("menu")) dialog->PopupMenu->actions().at(1)->trigger();
    QCOMPARE(Edited_.size(), std::size_t(1));
    QCOMPARE(Patterns_->RowCount(), 6);
    QCOMPARE(Edited_.front(), Patterns_->PatternAt(5));
    QCOMPARE(Column(*dialog->grdMain, 0).last(), QStringLiteral("typed"));
    QVERIFY(Saved());
  }

  void aCancelledAddLeavesAHiddenPatternAndDoesNotSave() {
    ConfirmEdit_ = false;
    auto dialog = ShowList();
    QTest::mouseClick(dialog->btnAdd, Qt::LeftButton);
    QCOMPARE(Patterns_->RowCount(), 6);
    QVERIFY(Patterns_->PatternAt(5)->Deleted);
    QCOMPARE(dialog->Model().PatternCount(), 4);
    QVERIFY(!Saved());
  }

  void changingOpensTheSelectedPattern_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("double click") << "double click";
    QTest::newRow("menu") << "menu";
    QTest::newRow("Return key") << "return";
  }

  void changingOpensTheSelectedPattern() {
    QFETCH(QString, how);
    auto dialog = ShowList();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    SelectRow(*dialog->grdMain, 2);
    if (how == QLatin1String("double click")) {
      const QRect cell = dialog->grdMain->visualRect(dialog->grdMain->model()->index(2, 1));
      DoubleClick(*dialog->grdMain->viewport(), cell.center());
    }
    if (how == QLatin1String("menu")) dialog->PopupMenu->actions().at(0)->trigger();
    if (how == QLatin1String("return")) QTest::keyClick(dialog->grdMain, Qt::Key_Return);
    QCOMPARE(Edited_, std::vector<TImportSettings*>{Patterns_->PatternAt(3)});
    QCOMPARE(dialog->grdMain->model()->index(2, 0).data().toString(), QStringLiteral("typed"));
    QVERIFY(dialog->isVisible());
    QVERIFY(!Saved());  // the caller saves after the list editor closes
  }

  void deletingAsksUnlessAModifierIsHeld_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("asks");
    QTest::newRow("Delete key") << "key" << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+Delete") << "key" << int(Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+Delete") << "key" << int(Qt::ControlModifier) << false;
    QTest::newRow("Alt+Delete") << "key" << int(Qt::AltModifier) << false;
    QTest::newRow("button") << "button" << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+button") << "button" << int(Qt::ShiftModifier) << false;
    QTest::newRow("Ctrl+button") << "button" << int(Qt::ControlModifier) << false;
    QTest::newRow("Alt+button") << "button" << int(Qt::AltModifier) << false;
    QTest::newRow("menu") << "menu" << int(Qt::NoModifier) << true;
  }

  void deletingAsksUnlessAModifierIsHeld() {
    QFETCH(QString, how);
    QFETCH(int, modifiers);
    QFETCH(bool, asks);
    auto dialog = ShowList();
    SelectRow(*dialog->grdMain, 1);
    const auto held = Qt::KeyboardModifiers(modifiers);
    if (how == QLatin1String("key")) QTest::keyClick(dialog->grdMain, Qt::Key_Delete, held);
    if (how == QLatin1String("button")) QTest::mouseClick(dialog->btnDelete, Qt::LeftButton, held);
    if (how == QLatin1String("menu")) dialog->PopupMenu->actions().at(2)->trigger();
    QCOMPARE(Context_->Script->Asked.size(), std::size_t(asks ? 1 : 0));
    if (asks) QCOMPARE(Context_->Script->Asked.front(), Question("SALARY(Starts With)"));
    QVERIFY(Patterns_->PatternAt(1)->Deleted);
    QCOMPARE(Column(*dialog->grdMain, 0), QStringList({"woolworths", "Spar", "pharmacy"}));
    QVERIFY(Saved());
  }

  void answeringNoKeepsThePattern() {
    auto dialog = ShowList();
    SelectRow(*dialog->grdMain, 0);
    Context_->Script->ConfirmAnswers = {false};
    QTest::keyClick(dialog->grdMain, Qt::Key_Delete);
    QVERIFY(!Patterns_->PatternAt(0)->Deleted);
    QCOMPARE(dialog->Model().PatternCount(), 4);
    QVERIFY(!Saved());
  }

  void theSelectionAfterADelete_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("selected");
    QTest::newRow("middle: the same place") << "" << 1 << 1;
    QTest::newRow("last: the new last") << "" << 3 << 2;
    QTest::newRow("only one listed: none") << "salary" << 0 << -1;
  }

  void theSelectionAfterADelete() {
    QFETCH(QString, filter);
    QFETCH(int, deleted);
    QFETCH(int, selected);
    auto dialog = ShowList();
    dialog->edtTransactionsFilter->setText(filter);
    SelectRow(*dialog->grdMain, deleted);
    QTest::keyClick(dialog->grdMain, Qt::Key_Delete, Qt::ShiftModifier);
    const QModelIndexList rows = dialog->grdMain->selectionModel()->selectedRows();
    if (selected < 0) {
      QVERIFY(rows.isEmpty());
      QCOMPARE(dialog->SelectedPattern(), nullptr);
    } else {
      QCOMPARE(dialog->grdMain->currentIndex().row(), selected);
      QCOMPARE(rows.size(), 1);
      QCOMPARE(rows.front().row(), selected);
    }
  }

  void closingTakesPatternCategoriesIntoTheList_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Close") << false;
    QTest::newRow("Escape") << true;
  }

  void closingTakesPatternCategoriesIntoTheList() {
    QFETCH(bool, escape);
    auto dialog = ShowList();
    Patterns_->PatternAt(0)
        ->FieldAt(TImportSettings::fCategoryName)
        ->SetValue(TVariant::String("Travel - flights"));
    QCOMPARE(Global().Categories.IndexOf("Travel - flights"), -1);
    if (escape)
      QTest::keyClick(dialog->grdMain, Qt::Key_Escape);
    else
      QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(Global().Categories.IndexOf("Travel - flights") >= 0);
  }

  // --- the single-pattern editor

  void theEditorLoadsThePattern() {
    auto dialog = ShowPattern(*Patterns_->PatternAt(1));
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Auto Recognise"));
    QCOMPARE(dialog->size(), QSize(598, 254));
    QCOMPARE(dialog->lblAccount->text(), QStringLiteral("Only for :"));
    QCOMPARE(dialog->lblMatchValue->text(), QStringLiteral("Look for :"));
    QVERIFY(dialog->lblMatchValue->font().bold());
    QCOMPARE(dialog->lblMatchType->text(), QStringLiteral("Recognition Type :"));
    QVERIFY(dialog->lblMatchType->font().bold());
    QCOMPARE(dialog->lblCategory->text(), QStringLiteral("Category to assign if matched  :"));
    QCOMPARE(
        dialog->edMatchValue->toolTip(),
        QStringLiteral("Don't worry about the case or spaces and the end it will be ignored when "
                       "match is being done"));
    QCOMPARE(Items(*dialog->cbxAccount),
             QStringList({"all", "Cheque ( Current Account )", "Card ( Current Account )"}));
    QCOMPARE(dialog->cbxAccount->currentText(), QStringLiteral("Cheque ( Current Account )"));
    QCOMPARE(dialog->edMatchValue->text(), QStringLiteral("SALARY"));
    QCOMPARE(Items(*dialog->edMatchType),
             QStringList({"Contains", "Starts With", "Ends With", "Exact Match"}));
    QVERIFY(!dialog->edMatchType->isEditable());
    QCOMPARE(dialog->edMatchType->currentText(), QStringLiteral("Starts With"));
    QCOMPARE(dialog->edCategoryName->currentText(), QStringLiteral("Income"));
    QCOMPARE(dialog->cbxSubCategory->currentText(), QStringLiteral("paycheck"));
    QCOMPARE(dialog->edCategoryName->maxVisibleItems(), 20);
    QCOMPARE(dialog->rgpTransType->title(), QStringLiteral("Transaction Type"));
    QStringList types;
    for (QAbstractButton* button : dialog->TransTypes->buttons()) types << button->text();
    QCOMPARE(types, QStringList({"Income", "Expenses", "Transfers", "Deposit from Transfer"}));
    QCOMPARE(dialog->TransTypes->checkedId(), 0);
    QVERIFY(dialog->btnOk->isEnabled());
  }

  void aPatternWithoutALiveAccountOpensOnAll_data() {
    QTest::addColumn<QString>("accountId");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("no such account") << "{NOT THERE}";
    QTest::newRow("deleted account") << "{C}";
  }

  void aPatternWithoutALiveAccountOpensOnAll() {
    QFETCH(QString, accountId);
    TImportSettings* pattern = Patterns_->PatternAt(0);
    pattern->FieldAt(TImportSettings::fAccountID)
        ->SetValue(TVariant::String(accountId.toStdString()));
    auto dialog = ShowPattern(*pattern);
    QCOMPARE(dialog->cbxAccount->currentIndex(), 0);
    QCOMPARE(dialog->cbxAccount->currentText(), QStringLiteral("all"));
  }

  void okNeedsSomethingToLookFor_data() {
    QTest::addColumn<QString>("match");
    QTest::addColumn<bool>("valid");
    QTest::newRow("text") << "spar" << true;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("empty") << "" << false;
  }

  void okNeedsSomethingToLookFor() {
    QFETCH(QString, match);
    QFETCH(bool, valid);
    auto dialog = ShowPattern(*Patterns_->PatternAt(0));
    dialog->edMatchValue->setText(match);
    QCOMPARE(dialog->btnOk->isEnabled(), valid);
    // The category may stay empty.
    dialog->edCategoryName->setEditText({});
    dialog->cbxSubCategory->setEditText({});
    QCOMPARE(dialog->btnOk->isEnabled(), valid);
  }

  void aNewPatternStartsWithOkDisabled() {
    TImportSettings* pattern = Patterns_->NewPattern();
    auto dialog = ShowPattern(*pattern);
    QCOMPARE(dialog->edMatchValue->text(), QString());
    QCOMPARE(dialog->cbxAccount->currentText(), QStringLiteral("all"));
    QVERIFY(!dialog->btnOk->isEnabled());
  }

  void choosingAMainOffersItsSubs() {
    auto dialog = ShowPattern(*Patterns_->PatternAt(0));
    dialog->edCategoryName->setCurrentIndex(
        dialog->edCategoryName->findText(QStringLiteral("Personal")));
    QVERIFY(dialog->cbxSubCategory->count() > 0);
    QCOMPARE(dialog->cbxSubCategory->currentText(), dialog->cbxSubCategory->itemText(0));
    QVERIFY(Items(*dialog->cbxSubCategory).contains(QStringLiteral("medical")));
    dialog->edCategoryName->setEditText(QStringLiteral("Hobbies"));
    QCOMPARE(dialog->cbxSubCategory->count(), 0);
  }

  void okStoresThePatternAndRecognisesAgain() {
    TTransactions* salary = AddTransaction(*Cheque_, "05 Jan 2008", "PICK N PAY 123", -50);
    TImportSettings* pattern = Patterns_->PatternAt(0);
    auto dialog = ShowPattern(*pattern);
    dialog->cbxAccount->setCurrentIndex(1);
    dialog->edMatchValue->setText(QStringLiteral("pick n pay "));
    dialog->edMatchType->setCurrentIndex(1);
    dialog->edCategoryName->setEditText(QStringLiteral("Food"));
    dialog->cbxSubCategory->setEditText(QStringLiteral("takeaways"));
    dialog->TransTypes->button(2)->click();
    QTest::keyClick(dialog->edMatchValue, Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(Text(*pattern, TImportSettings::fAccountID), std::string("{A}"));
    QCOMPARE(Text(*pattern, TImportSettings::fMatchValue), std::string("pick n pay "));
    QCOMPARE(pattern->GetMatchType(), int(mtStartsWith));
    QCOMPARE(Text(*pattern, TImportSettings::fCategoryName), std::string("Food - takeaways"));
    QCOMPARE(pattern->GetTransactionType(), int(ttTransfer));
    // Every account's transactions went through the patterns again.
    QCOMPARE(Text(*salary, TTransactions::fCategory), std::string("Food - takeaways"));
  }

  void allAccountsAndBlankCategoriesStoreEmptyTexts() {
    TImportSettings* pattern = Patterns_->PatternAt(1);
    auto dialog = ShowPattern(*pattern);
    dialog->cbxAccount->setCurrentIndex(0);
    dialog->edCategoryName->setEditText({});
    dialog->cbxSubCategory->setEditText({});
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    QCOMPARE(Text(*pattern, TImportSettings::fAccountID), std::string());
    QCOMPARE(Text(*pattern, TImportSettings::fCategoryName), std::string());
  }

  void cancelAndEscapeStoreNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
  }

  void cancelAndEscapeStoreNothing() {
    QFETCH(bool, escape);
    TTransactions* row = AddTransaction(*Cheque_, "05 Jan 2008", "SPAR", -50);
    TImportSettings* pattern = Patterns_->PatternAt(1);
    auto dialog = ShowPattern(*pattern);
    dialog->edMatchValue->setText(QStringLiteral("spar"));
    dialog->edMatchType->setCurrentIndex(0);
    if (escape)
      QTest::keyClick(dialog->edMatchValue, Qt::Key_Escape);
    else
      QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(Text(*pattern, TImportSettings::fMatchValue), std::string("SALARY"));
    QCOMPARE(pattern->GetMatchType(), int(mtStartsWith));
    QCOMPARE(Text(*row, TTransactions::fCategory), std::string());
  }
};

TF_GUI_TEST_MAIN(PatternEditorsTest)
#include "PatternEditorsTest.moc"
