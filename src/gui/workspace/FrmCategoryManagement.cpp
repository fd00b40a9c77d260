#include "gui/workspace/FrmCategoryManagement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/DialogLook.h"
#include "workspace/CategoryEditing.h"

namespace tf {
namespace {

constexpr int kItemHeight = 24;

QLabel* NewHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(20);
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  return label;
}

QPushButton* NewButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

void FillList(QListWidget& list, const std::vector<std::string>& texts) {
  list.clear();
  for (const std::string& text : texts) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), &list);
    item->setSizeHint(QSize(0, kItemHeight));
  }
}

}  // namespace

TfrmCategoryManagement::TfrmCategoryManagement(TGlobal& global, const TWorkspaceDialogs& dialogs,
                                               QWidget* parent)
    : QDialog(parent),
      Global_(global),
      Dialogs_(dialogs),
      Working_(std::make_unique<TCategoryEditing>(global.Categories)) {
  setObjectName(QStringLiteral("frmCategoryManagement"));
  SetDialogFrame(*this, QStringLiteral("Category Management"));
  BuildControls();
  BuildLayout();
  ReloadMainList({});
}

TfrmCategoryManagement::~TfrmCategoryManagement() = default;

QListWidget* TfrmCategoryManagement::NewList() {
  auto* list = new QListWidget(this);
  list->setUniformItemSizes(true);
  list->setMinimumSize(220, 300);
  return list;
}

QLineEdit* TfrmCategoryManagement::NewInPlaceEdit(QListWidget* list) {
  auto* edit = new QLineEdit(list);
  edit->hide();
  edit->installEventFilter(this);
  return edit;
}

void TfrmCategoryManagement::BuildControls() {
  lblMainCat = NewHeading(QStringLiteral("Category"), this);
  lblSubCate = NewHeading(QStringLiteral("Sub Category"), this);
  lbxMainCats = NewList();
  lbxSubCat = NewList();
  lbxMainCats->installEventFilter(this);
  lbxSubCat->installEventFilter(this);
  edtCategoryEdit = NewInPlaceEdit(lbxMainCats);
  edtSubCategory = NewInPlaceEdit(lbxSubCat);
  btnAddAccount = NewButton(QStringLiteral("Add"), QStringLiteral("Add Category"), this);
  btnDeleteAccount =
      NewButton(QStringLiteral("Delete"), QStringLiteral("Delete Selected Category"), this);
  btnTranAdd = NewButton(QStringLiteral("Add"), QStringLiteral("Add Sub Category"), this);
  btnTransDelete =
      NewButton(QStringLiteral("Delete"), QStringLiteral("Delete Selected Sub Category"), this);
  btnOk = NewButton(QStringLiteral("Ok"), {}, this);
  btnCancel = NewButton(QStringLiteral("Cancel"), {}, this);

  connect(lbxMainCats, &QListWidget::currentRowChanged, this, [this] { ShowSubCategories({}); });
  connect(lbxMainCats, &QListWidget::itemDoubleClicked, this,
          &TfrmCategoryManagement::lbxMainCatsDblClick);
  connect(lbxSubCat, &QListWidget::itemDoubleClicked, this,
          &TfrmCategoryManagement::lbxSubCatDblClick);
  connect(btnAddAccount, &QPushButton::clicked, this, &TfrmCategoryManagement::btnAddAccountClick);
  connect(btnDeleteAccount, &QPushButton::clicked, this,
          &TfrmCategoryManagement::btnDeleteAccountClick);
  connect(btnTranAdd, &QPushButton::clicked, this, &TfrmCategoryManagement::btnTranAddClick);
  connect(btnTransDelete, &QPushButton::clicked, this,
          &TfrmCategoryManagement::btnTransDeleteClick);
  connect(btnOk, &QPushButton::clicked, this, &TfrmCategoryManagement::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCategoryManagement::BuildLayout() {
  auto* grid = new QGridLayout;
  grid->addWidget(lblMainCat, 0, 0);
  grid->addWidget(lblSubCate, 0, 1);
  grid->addWidget(lbxMainCats, 1, 0);
  grid->addWidget(lbxSubCat, 1, 1);
  auto* mainButtons = new QHBoxLayout;
  mainButtons->addWidget(btnAddAccount);
  mainButtons->addWidget(btnDeleteAccount);
  auto* subButtons = new QHBoxLayout;
  subButtons->addWidget(btnTranAdd);
  subButtons->addWidget(btnTransDelete);
  grid->addLayout(mainButtons, 2, 0);
  grid->addLayout(subButtons, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  setFixedSize(sizeHint());
}

// --- the two lists

QString TfrmCategoryManagement::SelectedMainText() const {
  const QListWidgetItem* item = lbxMainCats->currentItem();
  return item != nullptr ? item->text() : QString();
}

QString TfrmCategoryManagement::SelectedSubText() const {
  const QListWidgetItem* item = lbxSubCat->currentItem();
  return item != nullptr ? item->text() : QString();
}

void TfrmCategoryManagement::ReloadMainList(const QString& main) {
  Working_->Sort();
  const QSignalBlocker blocker(lbxMainCats);
  FillList(*lbxMainCats, Working_->MainNames());
  if (lbxMainCats->count() > 0) {
    const auto found = lbxMainCats->findItems(main, Qt::MatchExactly);
    lbxMainCats->setCurrentItem(main.isEmpty() || found.isEmpty() ? lbxMainCats->item(0)
                                                                  : found.first());
  }
  ShowSubCategories(main);
}

void TfrmCategoryManagement::ShowSubCategories(const QString& main) {
  const QString shown = main.isEmpty() ? SelectedMainText() : main;
  FillList(*lbxSubCat, Working_->SubNames(shown.toStdString()));
}

// --- adding and deleting

void TfrmCategoryManagement::btnAddAccountClick() {
  const auto answer = Dialogs_.AskText(this, QStringLiteral("New Category"),
                                       QStringLiteral("Please enter a new category name"));
  if (!answer) return;
  if (const auto main = Working_->AddMain(answer->toStdString()))
    ReloadMainList(QString::fromStdString(*main));
}

void TfrmCategoryManagement::btnDeleteAccountClick() {
  Working_->DeleteMain(SelectedMainText().toStdString());
  ReloadMainList({});
}

void TfrmCategoryManagement::btnTranAddClick() {
  const QString main = SelectedMainText();
  if (main.isEmpty()) return;
  const auto answer = Dialogs_.AskText(this, QStringLiteral("New Sub Category"),
                                       QStringLiteral("Please enter a new sub category name"));
  if (answer && Working_->AddSub(main.toStdString(), answer->toStdString())) ReloadMainList(main);
}

void TfrmCategoryManagement::btnTransDeleteClick() {
  const QString main = SelectedMainText();
  if (main.isEmpty() || lbxSubCat->currentItem() == nullptr) return;
  if (Working_->DeleteSub(main.toStdString(), SelectedSubText().toStdString()))
    ShowSubCategories(main);
  else
    ReloadMainList({});
}

// --- renaming in place

void TfrmCategoryManagement::StartRename(QListWidget* list, QLineEdit* edit) {
  QListWidgetItem* item = list->currentItem();
  if (item == nullptr) return;
  // The edit is a child of the list, the item rectangle is in its viewport.
  const QRect rect = list->visualItemRect(item);
  const int top = list->viewport()->mapTo(list, rect.topLeft()).y();
  edit->setGeometry(4, top + 3, list->width() - 24, rect.height() - 4);
  edit->setText(item->text());
  RenamedIndex_ = list->row(item);
  RenamedText_ = item->text();
  RenamedMain_ = SelectedMainText();
  edit->show();
  edit->setFocus();
  edit->selectAll();
}

void TfrmCategoryManagement::lbxMainCatsDblClick() {
  StartRename(lbxMainCats, edtCategoryEdit);
}

void TfrmCategoryManagement::lbxSubCatDblClick() {
  StartRename(lbxSubCat, edtSubCategory);
}

void TfrmCategoryManagement::CommitRename(QLineEdit* edit) {
  if (!edit->isVisible()) return;
  edit->hide();
  const QString text = edit->text().trimmed();
  if (text.isEmpty()) return;
  const bool main = edit == edtCategoryEdit;
  const bool renamed = main ? Working_->RenameMain(RenamedText_.toStdString(), text.toStdString())
                            : Working_->RenameSub(RenamedMain_.toStdString(),
                                                  RenamedText_.toStdString(), text.toStdString());
  QListWidget* list = main ? lbxMainCats : lbxSubCat;
  if (renamed && list->item(RenamedIndex_) != nullptr) list->item(RenamedIndex_)->setText(text);
  list->setFocus();
}

bool TfrmCategoryManagement::eventFilter(QObject* watched, QEvent* event) {
  // F2 renames from the keyboard what a double click renames.
  if ((watched == lbxMainCats || watched == lbxSubCat) && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
    if (watched == lbxMainCats)
      lbxMainCatsDblClick();
    else
      lbxSubCatDblClick();
    return true;
  }
  auto* edit = qobject_cast<QLineEdit*>(watched);
  if (edit != nullptr && (edit == edtCategoryEdit || edit == edtSubCategory)) {
    if (event->type() == QEvent::FocusOut) CommitRename(edit);
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      // Enter commits the name here; it must not reach Ok.
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        CommitRename(edit);
        return true;
      }
      if (key == Qt::Key_Escape) {
        edit->hide();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

// --- closing

void TfrmCategoryManagement::btnOkClick() {
  Working_->Store(Global_.Accounts);
  accept();
}

void TfrmCategoryManagement::showEvent(QShowEvent* event) {
  if (!Shown_) {
    Shown_ = true;
    CentreOnScreen(*this);
  }
  QDialog::showEvent(event);
}

void TfrmCategoryManagement::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return btnCancel->click();
  QDialog::keyPressEvent(event);
}

}  // namespace tf
