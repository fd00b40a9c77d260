#include "gui/workspace/FrmImportSettingsListEdit.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/Global.h"
#include "gui/app/GridDelegate.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/DialogLook.h"
#include "gui/workspace/PatternsGridModel.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "workspace/PatternListing.h"

namespace tf {
namespace {

constexpr int kClientWidth = 620, kClientHeight = 411;

QPushButton* NewButton(const QString& caption, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setToolTip(hint);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TfrmImportSettingsListEdit::TfrmImportSettingsListEdit(TGlobal& global, TImportSettings& table,
                                                       const TWorkspaceDialogs& dialogs,
                                                       QWidget* parent)
    : QDialog(parent),
      Global_(global),
      Table_(table),
      Dialogs_(dialogs),
      Model_(new TPatternsGridModel(global.Accounts, this)) {
  setObjectName(QStringLiteral("frmImportSettingsListEdit"));
  SetDialogFrame(*this, QStringLiteral("Auto Recognition Patterns"));
  BuildControls();
  BuildMenu();
  setFixedSize(kClientWidth, kClientHeight);
  FillPatternGrid();
  edtTransactionsFilter->setFocus();
}

void TfrmImportSettingsListEdit::BuildControls() {
  edtTransactionsFilter = new QLineEdit(this);
  edtTransactionsFilter->setPlaceholderText(QString::fromLatin1(kPatternFilterPlaceholder));
  QPalette grey = edtTransactionsFilter->palette();
  grey.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
  edtTransactionsFilter->setPalette(grey);
  grdMain = new QTableView(this);
  grdMain->setModel(Model_);
  TGridDelegate::Install(*grdMain);
  grdMain->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdMain->setSelectionMode(QAbstractItemView::SingleSelection);
  grdMain->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdMain->setShowGrid(false);
  grdMain->setWordWrap(false);
  grdMain->verticalHeader()->hide();
  grdMain->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdMain->verticalHeader()->setDefaultSectionSize(20);
  grdMain->horizontalHeader()->setFixedHeight(25);
  grdMain->horizontalHeader()->setHighlightSections(false);
  grdMain->horizontalHeader()->setSectionsClickable(false);
  grdMain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdMain->installEventFilter(this);
  // The columns follow the client width, which a scroll bar also changes.
  grdMain->viewport()->installEventFilter(this);
  btnAdd =
      NewButton(QStringLiteral("Add"),
                QStringLiteral("Create a New Recognition Pattern (Shortcut key Insert)"), this);
  btnDelete = NewButton(QStringLiteral("Delete"),
                        QStringLiteral("Delete Selected Pattern (Shortcut key Delete)"), this);
  btnDelete->installEventFilter(this);
  btnCancel = NewButton(QStringLiteral("Close"), {}, this);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnAdd);
  buttons->addWidget(btnDelete);
  buttons->addStretch();
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(edtTransactionsFilter);
  layout->addWidget(grdMain, 1);
  layout->addLayout(buttons);

  connect(edtTransactionsFilter, &QLineEdit::textChanged, this,
          &TfrmImportSettingsListEdit::FillPatternGrid);
  connect(grdMain, &QTableView::doubleClicked, this, &TfrmImportSettingsListEdit::ChangePattern);
  connect(btnAdd, &QPushButton::clicked, this, &TfrmImportSettingsListEdit::AddPattern);
  connect(btnDelete, &QPushButton::clicked, this, [this] {
    DeletePattern(!SkipsQuestion(DeleteButtonModifiers_));
    DeleteButtonModifiers_ = {};
  });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmImportSettingsListEdit::BuildMenu() {
  PopupMenu = new QMenu(this);
  QAction* open = PopupMenu->addAction(QStringLiteral("Open/Change (double click)"), this,
                                       &TfrmImportSettingsListEdit::ChangePattern);
  PopupMenu->setDefaultAction(open);
  PopupMenu->addAction(QStringLiteral("Add (Insert Key)"), this,
                       &TfrmImportSettingsListEdit::AddPattern);
  PopupMenu->addAction(QStringLiteral("Delete (Delete Key)"), this,
                       [this] { DeletePattern(true); });
  grdMain->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grdMain, &QTableView::customContextMenuRequested, this, [this](const QPoint& point) {
    PopupMenu->popup(grdMain->viewport()->mapToGlobal(point));
  });
}

// --- the list

std::string TfrmImportSettingsListEdit::PatternFilterText() const {
  return tf::PatternFilterText(edtTransactionsFilter->text().toStdString());
}

TImportSettings* TfrmImportSettingsListEdit::SelectedPattern() const {
  return Model_->PatternAt(grdMain->currentIndex().row());
}

void TfrmImportSettingsListEdit::FillPatternGrid() {
  Model_->SetPatterns(ListPatterns(&Table_, PatternFilterText()));
  LayoutColumns();
}

void TfrmImportSettingsListEdit::LayoutColumns() {
  const int third = grdMain->viewport()->width() / 3;
  for (int column = 0; column < TPatternsGridModel::kColumnCount; ++column)
    grdMain->setColumnWidth(column, third);
}

void TfrmImportSettingsListEdit::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  LayoutColumns();
}

// --- add, change, delete

void TfrmImportSettingsListEdit::AddPattern() {
  TImportSettings* pattern = Table_.NewPattern();
  if (!pattern->Edit(this)) {
    pattern->Deleted = true;
    return;
  }
  FillPatternGrid();
  Global_.SaveFile();
}

void TfrmImportSettingsListEdit::ChangePattern() {
  TImportSettings* pattern = SelectedPattern();
  if (pattern != nullptr && pattern->Edit(this)) Model_->Repaint();
}

void TfrmImportSettingsListEdit::DeletePattern(bool ask) {
  TImportSettings* pattern = SelectedPattern();
  if (pattern == nullptr) return;
  if (ask && !Dialogs_.Confirm(this, QString::fromStdString(DeletePatternQuestion(*pattern))))
    return;
  const int row = grdMain->currentIndex().row();
  pattern->Deleted = true;
  FillPatternGrid();
  Global_.SaveFile();
  const int select = IndexAfterDelete(row, Model_->PatternCount());
  if (select >= 0) grdMain->setCurrentIndex(Model_->index(select, 0));
}

bool TfrmImportSettingsListEdit::SkipsQuestion(Qt::KeyboardModifiers modifiers) {
  return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

bool TfrmImportSettingsListEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grdMain->viewport() && event->type() == QEvent::Resize) LayoutColumns();
  if (watched == btnDelete && event->type() == QEvent::MouseButtonRelease)
    DeleteButtonModifiers_ = static_cast<QMouseEvent*>(event)->modifiers();
  if (watched == grdMain && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Insert) {
      AddPattern();
      return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      ChangePattern();
      return true;
    }
    if (key->key() == Qt::Key_Delete) {
      DeletePattern(!SkipsQuestion(key->modifiers()));
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

// Every way of closing takes the categories typed into patterns into the list.
void TfrmImportSettingsListEdit::done(int result) {
  Global_.Accounts.RebuildCategoryList();
  QDialog::done(result);
}

}  // namespace tf
