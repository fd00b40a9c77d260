// "Category Management" and "Select a category" driven through their
// widgets: adding, renaming in place and deleting main and sub categories on
// the working copy, Ok storing the user's own list, Cancel and Escape
// storing nothing; the selection dialog's validation, tint and warning.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "WorkspaceGuiSupport.h"
#include "gui/workspace/FrmCategoryManagement.h"
#include "gui/workspace/FrmCatergorySelection.h"
#include "workspace/CategoryEditing.h"

using namespace tf;
using namespace tf::test;

namespace {

const QColor kInvalid(0xFF, 0xEA, 0xEA);

QStringList Items(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

QStringList Items(const QComboBox& box) {
  QStringList texts;
  for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
  return texts;
}

bool Tinted(const QComboBox& box) {
  return box.lineEdit()->palette().color(QPalette::Base) == kInvalid;
}

std::string CustomCategories() {
  return Global().Accounts.ListFieldAt(TAccount::lfCustomCategories)->AsString();
}

void DoubleClickItem(QListWidget& list, int row) {
  const QRect rect = list.visualItemRect(list.item(row));
  // As the mouse does it: QTest's double click alone is not preceded by a click.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, rect.center());
  QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, rect.center());
}

// The user's own list of the fixture, and a transaction using one more.
void UseSmallCategoryList() {
  Global()
      .Accounts.ListFieldAt(TAccount::lfCustomCategories)
      ->SetValue(
          TVariant::String("Food - groceries\r\nFood - takeaways\r\nHome - rent\r\nHome - water\r\n"
                           "Income - paycheck\r\n"));
  TAccount* account = AddAccount("Cheque", "{A}");
  AddTransaction(*account, "05 Jan 2008", "Petrol", -20, "Car - fuel");
  Global().Accounts.RebuildCategoryList();
}

}  // namespace

class CategoryDialogsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TWorkspaceContext> Context_;

  std::unique_ptr<TfrmCategoryManagement> ShowManagement() {
    auto dialog = std::make_unique<TfrmCategoryManagement>(Global(), Context_->Dialogs);
    dialog->show();
    return dialog;
  }

  std::unique_ptr<TfrmCatergorySelection> ShowSelection(std::vector<std::string> existing = {},
                                                        const std::string& main = {},
                                                        const std::string& sub = {},
                                                        bool income = false) {
    auto dialog = std::make_unique<TfrmCatergorySelection>(Global());
    dialog->ExistingCategories = std::move(existing);
    dialog->SelectedMain = main;
    dialog->SelectedSub = sub;
    dialog->SelectedIncome = income;
    dialog->show();
    return dialog;
  }

 private slots:
  void init() {
    Context_ = std::make_unique<TWorkspaceContext>();
    UseSmallCategoryList();
  }
  void cleanup() { Context_.reset(); }

  // --- category management

  void managementOpensOnTheFirstMainWithItsSubs() {
    auto dialog = ShowManagement();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Category Management"));
    QCOMPARE(dialog->lblMainCat->text(), QStringLiteral("Category"));
    QCOMPARE(dialog->lblSubCate->text(), QStringLiteral("Sub Category"));
    QVERIFY(dialog->lblMainCat->font().bold());
    QCOMPARE(dialog->btnAddAccount->toolTip(), QStringLiteral("Add Category"));
    QCOMPARE(dialog->btnDeleteAccount->toolTip(), QStringLiteral("Delete Selected Category"));
    QCOMPARE(dialog->btnTranAdd->toolTip(), QStringLiteral("Add Sub Category"));
    QCOMPARE(dialog->btnTransDelete->toolTip(), QStringLiteral("Delete Selected Sub Category"));
    QCOMPARE(Items(*dialog->lbxMainCats), QStringList({"Car", "Food", "Home", "Income"}));
    QCOMPARE(dialog->SelectedMainText(), QStringLiteral("Car"));
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"fuel"}));
    QCOMPARE(dialog->lbxMainCats->visualItemRect(dialog->lbxMainCats->item(0)).height(), 24);
    QVERIFY(dialog->edtCategoryEdit->isHidden());
    QVERIFY(dialog->edtSubCategory->isHidden());
    // Clicking another main shows its subs.
    const QRect home = dialog->lbxMainCats->visualItemRect(dialog->lbxMainCats->item(2));
    QTest::mouseClick(dialog->lbxMainCats->viewport(), Qt::LeftButton, {}, home.center());
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"rent", "water"}));
  }

  void addingAMain_data() {
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QStringList>("mains");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("subs");
    const QStringList mains{"Car", "Food", "Home", "Income"};
    QTest::newRow("new") << std::optional<QString>(" Travel ")
                         << QStringList({"Car", "Food", "Home", "Income", "Travel"}) << "Travel"
                         << QStringList({"rename me"});
    QTest::newRow("exists in other case")
        << std::optional<QString>("food ") << mains << "Car" << QStringList({"fuel"});
    QTest::newRow("blank") << std::optional<QString>("  ") << mains << "Car"
                           << QStringList({"fuel"});
    QTest::newRow("cancelled") << std::optional<QString>() << mains << "Car"
                               << QStringList({"fuel"});
  }

  void addingAMain() {
    QFETCH(std::optional<QString>, answer);
    QFETCH(QStringList, mains);
    QFETCH(QString, selected);
    QFETCH(QStringList, subs);
    auto dialog = ShowManagement();
    Context_->Script->TextAnswers.push_back(answer);
    QTest::mouseClick(dialog->btnAddAccount, Qt::LeftButton);
    QCOMPARE(Context_->Script->Asked, std::vector<QString>{QStringLiteral("New Category")});
    QCOMPARE(Items(*dialog->lbxMainCats), mains);
    QCOMPARE(dialog->SelectedMainText(), selected);
    QCOMPARE(Items(*dialog->lbxSubCat), subs);
  }

  void addingASubToTheSelectedMain() {
    auto dialog = ShowManagement();
    dialog->lbxMainCats->setCurrentRow(1);  // Food
    Context_->Script->TextAnswers = {QStringLiteral(" bakery "), QStringLiteral("GROCERIES")};
    QTest::mouseClick(dialog->btnTranAdd, Qt::LeftButton);
    QCOMPARE(Context_->Script->Asked.back(), QStringLiteral("New Sub Category"));
    QCOMPARE(dialog->SelectedMainText(), QStringLiteral("Food"));
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"bakery", "groceries", "takeaways"}));
    QTest::mouseClick(dialog->btnTranAdd, Qt::LeftButton);  // exists: ignored
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"bakery", "groceries", "takeaways"}));
  }

  void deletingAMainTakesAllItsEntries() {
    auto dialog = ShowManagement();
    dialog->lbxMainCats->setCurrentRow(2);  // Home
    QTest::mouseClick(dialog->btnDeleteAccount, Qt::LeftButton);
    QCOMPARE(Items(*dialog->lbxMainCats), QStringList({"Car", "Food", "Income"}));
    QCOMPARE(dialog->SelectedMainText(), QStringLiteral("Car"));
    QCOMPARE(dialog->WorkingCategories().Working().IndexOf("Home - water"), -1);
    QVERIFY(Context_->Script->Asked.empty());  // no question
  }

  void deletingSubs() {
    auto dialog = ShowManagement();
    dialog->lbxMainCats->setCurrentRow(2);  // Home
    dialog->lbxSubCat->setCurrentRow(0);
    QTest::mouseClick(dialog->btnTransDelete, Qt::LeftButton);
    QCOMPARE(dialog->SelectedMainText(), QStringLiteral("Home"));
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"water"}));
    // Without a chosen sub nothing goes.
    QTest::mouseClick(dialog->btnTransDelete, Qt::LeftButton);
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"water"}));
    // The last sub takes its main along; the first main is selected.
    dialog->lbxSubCat->setCurrentRow(0);
    QTest::mouseClick(dialog->btnTransDelete, Qt::LeftButton);
    QCOMPARE(Items(*dialog->lbxMainCats), QStringList({"Car", "Food", "Income"}));
    QCOMPARE(dialog->SelectedMainText(), QStringLiteral("Car"));
    QCOMPARE(Items(*dialog->lbxSubCat), QStringList({"fuel"}));
  }

  void renamingAMainInPlace() {
    auto dialog = ShowManagement();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    DoubleClickItem(*dialog->lbxMainCats, 1);  // Food
    QLineEdit* edit = dialog->edtCategoryEdit;
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("Food"));
    QCOMPARE(QApplication::focusWidget(), edit);
    const QRect item = dialog->lbxMainCats->visualItemRect(dialog->lbxMainCats->item(1));
    const QPoint itemTop =
        dialog->lbxMainCats->viewport()->mapTo(dialog->lbxMainCats, item.topLeft());
    QCOMPARE(edit->geometry().top(), itemTop.y() + 3);
    QCOMPARE(edit->geometry().width(), dialog->lbxMainCats->width() - 24);
    edit->setText(QStringLiteral("Groceries "));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(dialog->isVisible());  // Return renamed, it did not press a button
    QVERIFY(edit->isHidden());
    QCOMPARE(dialog->lbxMainCats->item(1)->text(), QStringLiteral("Groceries"));
    const TCategoryList& working = dialog->WorkingCategories().Working();
    QVERIFY(working.IndexOf("Groceries - groceries") >= 0);
    QVERIFY(working.IndexOf("Groceries - takeaways") >= 0);
    QCOMPARE(working.IndexOf("Food - groceries"), -1);
  }

  void renamingASubInPlaceCommitsWhenLeavingTheEdit_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("double click") << false;
    QTest::newRow("F2") << true;
  }

  void renamingASubInPlaceCommitsWhenLeavingTheEdit() {
    QFETCH(bool, byKey);
    auto dialog = ShowManagement();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    dialog->lbxMainCats->setCurrentRow(2);  // Home
    if (byKey) {
      dialog->lbxSubCat->setCurrentRow(1);
      QTest::keyClick(dialog->lbxSubCat, Qt::Key_F2);
    } else {
      DoubleClickItem(*dialog->lbxSubCat, 1);  // water
    }
    QLineEdit* edit = dialog->edtSubCategory;
    QVERIFY(edit->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("water"));
    edit->setText(QStringLiteral("electricity"));
    dialog->lbxMainCats->setFocus();
    QVERIFY(edit->isHidden());
    QCOMPARE(dialog->lbxSubCat->item(1)->text(), QStringLiteral("electricity"));
    QVERIFY(dialog->WorkingCategories().Working().IndexOf("Home - electricity") >= 0);
    QCOMPARE(dialog->WorkingCategories().Working().IndexOf("Home - water"), -1);
  }

  void aBlankOrEscapedRenameChangesNothing() {
    auto dialog = ShowManagement();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    DoubleClickItem(*dialog->lbxMainCats, 1);
    dialog->edtCategoryEdit->setText(QStringLiteral("  "));
    QTest::keyClick(dialog->edtCategoryEdit, Qt::Key_Return);
    QCOMPARE(dialog->lbxMainCats->item(1)->text(), QStringLiteral("Food"));
    DoubleClickItem(*dialog->lbxMainCats, 1);
    dialog->edtCategoryEdit->setText(QStringLiteral("Other"));
    QTest::keyClick(dialog->edtCategoryEdit, Qt::Key_Escape);
    QVERIFY(dialog->isVisible());  // Escape left the edit, not the dialog
    QVERIFY(dialog->edtCategoryEdit->isHidden());
    QCOMPARE(dialog->lbxMainCats->item(1)->text(), QStringLiteral("Food"));
    QVERIFY(dialog->WorkingCategories().Working().IndexOf("Food - groceries") >= 0);
  }

  void okStoresTheUsersOwnListAndRebuildsTheCategories() {
    auto dialog = ShowManagement();
    Context_->Script->TextAnswers = {QStringLiteral("Travel")};
    QTest::mouseClick(dialog->btnAddAccount, Qt::LeftButton);
    dialog->lbxMainCats->setCurrentRow(0);  // Car, still used by a transaction
    QTest::mouseClick(dialog->btnDeleteAccount, Qt::LeftButton);
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(CustomCategories(),
             std::string("Food - groceries\r\nFood - takeaways\r\nHome - rent\r\nHome - water\r\n"
                         "Income - paycheck\r\nTravel - rename me\r\n"));
    QVERIFY(Global().Categories.IndexOf("Travel - rename me") >= 0);
    // In use, so the rebuilt list still offers it.
    QVERIFY(Global().Categories.IndexOf("Car - fuel") >= 0);
  }

  void cancelAndEscapeStoreNothing_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
  }

  void cancelAndEscapeStoreNothing() {
    QFETCH(bool, escape);
    const std::string before = CustomCategories();
    const std::size_t count = Global().Categories.Count();
    auto dialog = ShowManagement();
    Context_->Script->TextAnswers = {QStringLiteral("Travel")};
    QTest::mouseClick(dialog->btnAddAccount, Qt::LeftButton);
    if (escape)
      QTest::keyClick(dialog->lbxMainCats, Qt::Key_Escape);
    else
      QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());
    QCOMPARE(CustomCategories(), before);
    QCOMPARE(Global().Categories.Count(), count);
    QCOMPARE(Global().Categories.IndexOf("Travel - rename me"), -1);
  }

  // --- category selection

  void selectionOpensEmptyOnExpenses() {
    auto dialog = ShowSelection();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Select a category"));
    QCOMPARE(dialog->lbCategory->text(), QStringLiteral("Category :"));
    QCOMPARE(dialog->rgpTransType->title(), QStringLiteral("Budget Type"));
    QCOMPARE(dialog->BudgetTypes->button(0)->text(), QStringLiteral("Income"));
    QCOMPARE(dialog->BudgetTypes->button(1)->text(), QStringLiteral("Expenses"));
    QCOMPARE(dialog->BudgetTypes->checkedId(), 1);
    QCOMPARE(Items(*dialog->edCategory), QStringList({"Car", "Food", "Home", "Income"}));
    QCOMPARE(dialog->edCategory->currentText(), QString());
    QCOMPARE(dialog->cbxSubCategory->currentText(), QString());
    QVERIFY(!dialog->btnOk->isEnabled());
    QVERIFY(Tinted(*dialog->edCategory));
    QVERIFY(!Tinted(*dialog->cbxSubCategory));
    QVERIFY(dialog->lblCategoryExists->isHidden());
  }

  void selectionOpensWithTheGivenChoice() {
    auto dialog = ShowSelection({}, "Home", "water", true);
    QCOMPARE(dialog->edCategory->currentText(), QStringLiteral("Home"));
    QCOMPARE(dialog->cbxSubCategory->currentText(), QStringLiteral("water"));
    QCOMPARE(Items(*dialog->cbxSubCategory), QStringList({"rent", "water"}));
    QCOMPARE(dialog->BudgetTypes->checkedId(), 0);
    QVERIFY(dialog->btnOk->isEnabled());
  }

  void choosingAMainOffersItsSubs() {
    auto dialog = ShowSelection();
    dialog->edCategory->setCurrentIndex(dialog->edCategory->findText(QStringLiteral("Food")));
    QCOMPARE(Items(*dialog->cbxSubCategory), QStringList({"groceries", "takeaways"}));
    QCOMPARE(dialog->cbxSubCategory->currentText(), QStringLiteral("groceries"));
    QVERIFY(dialog->btnOk->isEnabled());
    // A main of its own has no subs yet.
    dialog->edCategory->setEditText(QStringLiteral("Hobbies"));
    QCOMPARE(dialog->cbxSubCategory->count(), 0);
    QVERIFY(!dialog->btnOk->isEnabled());
    QVERIFY(Tinted(*dialog->cbxSubCategory));
  }

  void selectionValidation_data() {
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("sub");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("mainTinted");
    QTest::addColumn<bool>("subTinted");
    QTest::newRow("both") << "Travel"
                          << "flights" << true << false << false;
    QTest::newRow("no sub") << "Travel"
                            << " " << false << false << true;
    QTest::newRow("no main") << "  "
                             << "flights" << false << true << false;
    QTest::newRow("neither") << ""
                             << "" << false << true << false;
  }

  void selectionValidation() {
    QFETCH(QString, main);
    QFETCH(QString, sub);
    QFETCH(bool, valid);
    QFETCH(bool, mainTinted);
    QFETCH(bool, subTinted);
    auto dialog = ShowSelection();
    dialog->edCategory->setEditText(main);
    dialog->cbxSubCategory->setEditText(sub);
    QCOMPARE(dialog->btnOk->isEnabled(), valid);
    QCOMPARE(Tinted(*dialog->edCategory), mainTinted);
    QCOMPARE(Tinted(*dialog->cbxSubCategory), subTinted);
  }

  void aBudgetedCategoryWarnsButStaysValid() {
    auto dialog = ShowSelection({"Food - groceries", "Home - rent"});
    dialog->edCategory->setEditText(QStringLiteral("food"));
    dialog->cbxSubCategory->setEditText(QStringLiteral("GROCERIES"));
    QVERIFY(!dialog->lblCategoryExists->isHidden());
    QCOMPARE(
        dialog->lblCategoryExists->text(),
        QStringLiteral("The category already exists in the budget, select a different category"));
    QCOMPARE(dialog->lblCategoryExists->palette().color(QPalette::WindowText), QColor(Qt::red));
    QVERIFY(dialog->btnOk->isEnabled());
    dialog->cbxSubCategory->setEditText(QStringLiteral("takeaways"));
    QVERIFY(dialog->lblCategoryExists->isHidden());
  }

  void okReturnsTheChoiceUntrimmed() {
    auto dialog = ShowSelection();
    dialog->edCategory->setEditText(QStringLiteral(" Travel"));
    dialog->cbxSubCategory->setEditText(QStringLiteral("flights "));
    dialog->BudgetTypes->button(0)->click();
    QTest::keyClick(dialog->cbxSubCategory, Qt::Key_Return);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->SelectedMain, std::string(" Travel"));
    QCOMPARE(dialog->SelectedSub, std::string("flights "));
    QVERIFY(dialog->SelectedIncome);
  }

  void cancelLeavesTheChoiceEmpty() {
    auto dialog = ShowSelection();
    dialog->edCategory->setEditText(QStringLiteral("Travel"));
    dialog->cbxSubCategory->setEditText(QStringLiteral("flights"));
    QTest::keyClick(dialog->cbxSubCategory, Qt::Key_Escape);
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(dialog->SelectedMain, std::string());
    QCOMPARE(dialog->SelectedSub, std::string());
    QVERIFY(!dialog->SelectedIncome);
  }
};

TF_GUI_TEST_MAIN(CategoryDialogsTest)
#include "CategoryDialogsTest.moc"
