// "Category Management": add, rename and delete main categories and
// sub-categories on a working copy of the category list; Ok keeps the copy
// as the user's own list and rebuilds the category list from it.
#pragma once

#include <QDialog>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tf {

class TCategoryEditing;
class TGlobal;
struct TWorkspaceDialogs;

class TfrmCategoryManagement : public QDialog {
  Q_OBJECT

 public:
  TfrmCategoryManagement(TGlobal& global, const TWorkspaceDialogs& dialogs,
                         QWidget* parent = nullptr);
  ~TfrmCategoryManagement() override;

  const TCategoryEditing& WorkingCategories() const { return *Working_; }
  QString SelectedMainText() const;
  QString SelectedSubText() const;

  QLabel* lblMainCat;
  QLabel* lblSubCate;
  QListWidget* lbxMainCats;
  QListWidget* lbxSubCat;
  QLineEdit* edtCategoryEdit;
  QLineEdit* edtSubCategory;
  QPushButton* btnAddAccount;
  QPushButton* btnDeleteAccount;
  QPushButton* btnTranAdd;
  QPushButton* btnTransDelete;
  QPushButton* btnOk;
  QPushButton* btnCancel;

 public slots:
  void ReloadMainList(const QString& main);
  void ShowSubCategories(const QString& main);
  void btnAddAccountClick();
  void btnDeleteAccountClick();
  void btnTranAddClick();
  void btnTransDeleteClick();
  void lbxMainCatsDblClick();
  void lbxSubCatDblClick();
  void btnOkClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  QListWidget* NewList();
  QLineEdit* NewInPlaceEdit(QListWidget* list);
  void StartRename(QListWidget* list, QLineEdit* edit);
  void CommitRename(QLineEdit* edit);

  TGlobal& Global_;
  const TWorkspaceDialogs& Dialogs_;
  std::unique_ptr<TCategoryEditing> Working_;
  int RenamedIndex_ = -1;
  QString RenamedText_;
  QString RenamedMain_;
  bool Shown_ = false;
};

}  // namespace tf
