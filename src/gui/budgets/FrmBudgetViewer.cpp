#include "gui/budgets/FrmBudgetViewer.h"

#include <QCursor>
#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Global.h"
#include "budgets/BudgetMonth.h"
#include "gui/app/DateConversion.h"
#include "gui/app/FormLook.h"
#include "gui/app/GridDelegate.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/budgets/BudgetDialogs.h"
#include "gui/budgets/BudgetExportCommand.h"
#include "gui/budgets/BudgetGridDelegate.h"
#include "gui/budgets/BudgetGridModel.h"
#include "gui/budgets/BudgetMenus.h"
#include "gui/budgets/BudgetTotalsModel.h"
#include "gui/workspace/FrmCatergorySelection.h"
#include "model/Budget.h"

namespace tf {
namespace {

constexpr int kRowHeight = 20, kHeadingHeight = 25, kSectionHeight = kRowHeight + 10;
constexpr int kTypeWidth = 50, kAmountWidth = 90;
constexpr int kTotalsCaptionWidth = 70, kTotalsWidth = 344, kTotalsRowHeight = 20;
const QString kInformationTitle = QStringLiteral("Information");

void SetupGrid(QTableView& grid) {
  grid.setShowGrid(false);
  grid.setWordWrap(false);
  grid.verticalHeader()->hide();
  grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid.setFont(GridFont());
}

QPushButton* NewButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setMinimumHeight(30);
  return button;
}

QToolButton* NewMonthButton(Qt::ArrowType arrow, const QString& hint, const char* name,
                            QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setArrowType(arrow);
  button->setToolTip(hint);
  button->setFocusPolicy(Qt::StrongFocus);
  button->setMinimumSize(28, 28);
  return button;
}

bool IsMenuKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Menu ||
         (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

}  // namespace

TfrmBudgetViewer::TfrmBudgetViewer(TGlobal& global, const TWorkspaceDialogs& dialogs,
                                   const TBudgetDialogs& budgetDialogs, QWidget* parent)
    : QWidget(parent),
      Global_(global),
      Dialogs_(dialogs),
      BudgetDialogs_(budgetDialogs),
      GridModel_(new TBudgetGridModel(global, this)),
      TotalsModel_(new TBudgetTotalsModel(global, this)) {
  setObjectName(QStringLiteral("frmBudgetViewer"));
  ApplyFormLook(*this);
  BuildTopStrip();
  BuildGrids();
  BuildBottomStrip();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);
  layout->addWidget(pnlTop);
  layout->addWidget(grdMain, 1);
  layout->addWidget(pnlBottom);
  // Over the grid, so it is made after it.
  pnlLine = new QFrame(this);
  pnlLine->setObjectName(QStringLiteral("pnlLine"));
  pnlLine->setStyleSheet(QStringLiteral("background-color: #FF0000; border: none;"));
  pnlLine->setFixedHeight(1);
  pnlLine->hide();
  Menus_ = new TBudgetMenus(this);
  setTabOrder(btnPreviousMonth, dtpDate);
  setTabOrder(dtpDate, btnNextMonth);
  setTabOrder(btnNextMonth, grdMain);
  setTabOrder(grdMain, btnCreateBudget);
  setTabOrder(btnCreateBudget, btnClearEmptyItems);
  setTabOrder(btnClearEmptyItems, btnExport);
  ConnectControls();
  ConnectCommands();
}

TfrmBudgetViewer::~TfrmBudgetViewer() {
  // The views let go of the rows before the month that holds them goes.
  GridModel_->SetMonth(nullptr);
}

void TfrmBudgetViewer::BuildTopStrip() {
  pnlTop = new QWidget(this);
  pnlTop->setObjectName(QStringLiteral("pnlTop"));
  btnPreviousMonth = NewMonthButton(Qt::LeftArrow, QStringLiteral("Previous Month (Page Up)"),
                                    "btnPreviousMonth", pnlTop);
  dtpDate = new QDateEdit(pnlTop);
  dtpDate->setObjectName(QStringLiteral("dtpDate"));
  dtpDate->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
  dtpDate->setDisplayFormat(QStringLiteral("MMM yyyy"));
  dtpDate->setCalendarPopup(false);
  dtpDate->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  QFont font = dtpDate->font();
  font.setPixelSize(16);
  dtpDate->setFont(font);
  dtpDate->setDate(ToQDate(Today()));
  btnNextMonth = NewMonthButton(Qt::RightArrow, QStringLiteral("Next Month (Page Down)"),
                                "btnNextMonth", pnlTop);
  auto* layout = new QHBoxLayout(pnlTop);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(btnPreviousMonth);
  layout->addWidget(dtpDate);
  layout->addWidget(btnNextMonth);
  layout->addStretch(1);
}

void TfrmBudgetViewer::BuildGrids() {
  grdMain = new QTableView(this);
  grdMain->setObjectName(QStringLiteral("grdMain"));
  SetupGrid(*grdMain);
  grdMain->setModel(GridModel_);
  GridDelegate_ = new TBudgetGridDelegate(Global_, TBudgetGridDelegate::TGrid::Lines, grdMain);
  grdMain->setItemDelegate(GridDelegate_);
  grdMain->setSelectionMode(QAbstractItemView::SingleSelection);
  grdMain->setSelectionBehavior(QAbstractItemView::SelectItems);
  // The Budgeted editor opens as soon as its cell is chosen, or by F2 or typing.
  grdMain->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
  grdMain->setTabKeyNavigation(false);
  grdMain->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grdMain->verticalHeader()->setDefaultSectionSize(kRowHeight);
  QHeaderView* header = grdMain->horizontalHeader();
  header->setFixedHeight(kHeadingHeight);
  header->setHighlightSections(false);
  header->setSectionsClickable(false);
  header->setFont(GridFont());
  header->setDefaultAlignment(Qt::AlignCenter);
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionResizeMode(TBudgetGridModel::colCategory, QHeaderView::Stretch);
  grdMain->setContextMenuPolicy(Qt::CustomContextMenu);
  grdMain->installEventFilter(this);
  grdMain->viewport()->installEventFilter(this);
}

void TfrmBudgetViewer::BuildBottomStrip() {
  pnlBottom = new QWidget(this);
  pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
  btnCreateBudget = NewButton(QStringLiteral("Create Budget"), "btnCreateBudget", pnlBottom);
  btnCreateBudget->setToolTip(
      QStringLiteral("A new budget for the month, or a copy of another month's"));
  btnClearEmptyItems =
      NewButton(QStringLiteral("Synchronise and Cleanup"), "btnClearEmptyItems", pnlBottom);
  btnClearEmptyItems->setToolTip(
      QStringLiteral("Add the categories used this month and remove the empty items"));
  btnExport = NewButton(QStringLiteral("Export"), "btnExport", pnlBottom);
  btnExport->setToolTip(
      QStringLiteral("Save the month's budget as a CSV file or an HTML document"));

  grdTotals = new QTableView(pnlBottom);
  grdTotals->setObjectName(QStringLiteral("grdTotals"));
  SetupGrid(*grdTotals);
  grdTotals->horizontalHeader()->hide();
  grdTotals->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdTotals->setModel(TotalsModel_);
  grdTotals->setItemDelegate(
      new TBudgetGridDelegate(Global_, TBudgetGridDelegate::TGrid::Totals, grdTotals));
  grdTotals->setSelectionMode(QAbstractItemView::NoSelection);
  grdTotals->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdTotals->setFocusPolicy(Qt::NoFocus);
  grdTotals->verticalHeader()->setDefaultSectionSize(kTotalsRowHeight);
  grdTotals->setFixedSize(kTotalsWidth, 4 * kTotalsRowHeight + 2 * grdTotals->frameWidth());

  auto* layout = new QHBoxLayout(pnlBottom);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* buttons = new QVBoxLayout;
  auto* row = new QHBoxLayout;
  for (QPushButton* button : {btnCreateBudget, btnClearEmptyItems, btnExport})
    row->addWidget(button);
  buttons->addLayout(row);
  buttons->addStretch(1);
  layout->addLayout(buttons);
  layout->addStretch(1);
  layout->addWidget(grdTotals, 0, Qt::AlignRight | Qt::AlignTop);
}

void TfrmBudgetViewer::ConnectControls() {
  connect(btnPreviousMonth, &QToolButton::clicked, this, [this] { btnMonthClick(false); });
  connect(btnNextMonth, &QToolButton::clicked, this, [this] { btnMonthClick(true); });
  connect(dtpDate, &QDateEdit::dateChanged, this, &TfrmBudgetViewer::dtpDateChange);
  connect(grdMain->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { PlaceLine(true); });
  connect(grdMain->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { PlaceLine(false); });
  connect(grdMain, &QTableView::activated, this, [this](const QModelIndex& index) {
    if (index.flags() & Qt::ItemIsEditable) grdMain->edit(index);
  });
  connect(grdMain, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.column() == TBudgetGridModel::colType && GridModel_->LineAt(index.row()) != nullptr)
      ChangeType(index.row());
  });
  connect(grdMain, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& point) { PopupGridMenu(grdMain->viewport()->mapToGlobal(point)); });
  connect(GridDelegate_, &TBudgetGridDelegate::editorOpened, this, &TfrmBudgetViewer::EditorOpened);
  connect(GridDelegate_, &TBudgetGridDelegate::budgetedEdited, this,
          &TfrmBudgetViewer::BudgetedEdited);
  connect(GridDelegate_, &TBudgetGridDelegate::budgetedCommitted, this, [this] { CommitEdit(); });
  connect(GridDelegate_, &QAbstractItemDelegate::closeEditor, this,
          &TfrmBudgetViewer::EditorClosed);
}

void TfrmBudgetViewer::ConnectCommands() {
  connect(btnCreateBudget, &QPushButton::clicked, this, &TfrmBudgetViewer::btnCreateBudgetClick);
  connect(btnClearEmptyItems, &QPushButton::clicked, this,
          &TfrmBudgetViewer::btnClearEmptyItemsClick);
  connect(btnExport, &QPushButton::clicked, this, &TfrmBudgetViewer::btnExportClick);
  connect(Menus_->PopupMenuCreateBudget, &QMenu::aboutToShow, this,
          [this] { Menus_->RebuildCopyFrom(Today()); });
  connect(Menus_, &TBudgetMenus::createBudgetChosen, this, &TfrmBudgetViewer::CreateMonthBudget);
  connect(Menus_->popmGridPopup, &QMenu::aboutToShow, this,
          [this] { Menus_->ApplyLineState(CurrentLine() != nullptr); });
  connect(Menus_->Copyvaluefromlastmonth1, &QAction::triggered, this,
          &TfrmBudgetViewer::Copyvaluefromlastmonth1Click);
  connect(Menus_->menuitemChangeTypeIncomeExpense, &QAction::triggered, this,
          &TfrmBudgetViewer::menuitemChangeTypeIncomeExpenseClick);
  connect(Menus_->menuitemAddnewbudgetitem, &QAction::triggered, this,
          &TfrmBudgetViewer::menuitemAddnewbudgetitemClick);
}

// --- the month and its rows

TDateTime TfrmBudgetViewer::DisplayedMonth() const {
  return FromQDate(dtpDate->date());
}

void TfrmBudgetViewer::ShowMonth(TDateTime date) {
  if (FromQDate(ToQDate(date)) == DisplayedMonth()) return;
  {
    const QSignalBlocker blocker(dtpDate);
    dtpDate->setDate(ToQDate(date));
  }
  RefreshBudget();
}

void TfrmBudgetViewer::btnMonthClick(bool next) {
  ShowMonth(FromQDate(dtpDate->date().addMonths(next ? 1 : -1)));
}

void TfrmBudgetViewer::dtpDateChange() {
  // The grid always shows the picker's month: the commands act on it.
  const QDate date = dtpDate->date();
  if (Month_ == nullptr || Month_->Year() != date.year() || Month_->Month() != date.month())
    RefreshBudget();
}

void TfrmBudgetViewer::RefreshBudget() {
  CommitEdit();
  const QDate date = dtpDate->date();
  auto month = std::make_unique<TBudgetMonth>(Global_.Accounts, date.year(), date.month());
  month->Refresh();
  // The model takes the new rows before the old ones go.
  GridModel_->SetMonth(month.get());
  Month_ = std::move(month);
  ShowRows();
}

void TfrmBudgetViewer::ShowRows() {
  const int column = grdMain->currentIndex().isValid() ? grdMain->currentIndex().column()
                                                       : TBudgetGridModel::colCategory;
  // The reset lets go of an open editor without a word.
  Editor_ = nullptr;
  GridModel_->SetMonth(Month_.get());
  for (int row = 0; row < GridModel_->rowCount(); ++row)
    grdMain->verticalHeader()->resizeSection(
        row, GridModel_->IsSection(row) ? kSectionHeight : kRowHeight);
  // As after the grid's reset: the first row below the heading is current.
  SelectCell(0, column);
  UpdateTotals();
  LayoutBudgetGrids();
}

void TfrmBudgetViewer::UpdateTotals() {
  TotalsModel_->SetTotals(Month_ != nullptr ? Month_->Totals() : TBudgetTotals{});
}

const TBudgetTotals& TfrmBudgetViewer::Totals() const {
  return TotalsModel_->Totals();
}

void TfrmBudgetViewer::LayoutBudgetGrids() {
  QHeaderView* header = grdMain->horizontalHeader();
  header->resizeSection(TBudgetGridModel::colType, kTypeWidth);
  for (int column : {TBudgetGridModel::colActual, TBudgetGridModel::colBudgeted,
                     TBudgetGridModel::colDifference})
    header->resizeSection(column, kAmountWidth);
  grdTotals->horizontalHeader()->resizeSection(0, kTotalsCaptionWidth);
  for (int column = 1; column < 4; ++column)
    grdTotals->horizontalHeader()->resizeSection(column, kAmountWidth);
  PlaceLine(false);
}

int TfrmBudgetViewer::CurrentRow() const {
  return grdMain->currentIndex().row();
}

TBudget* TfrmBudgetViewer::CurrentLine() const {
  return GridModel_->LineAt(CurrentRow());
}

int TfrmBudgetViewer::RowOfLine(const TBudget* line) const {
  for (int row = 0; row < GridModel_->rowCount(); ++row)
    if (line != nullptr && GridModel_->LineAt(row) == line) return row;
  return -1;
}

void TfrmBudgetViewer::SelectCell(int row, int column) {
  const QModelIndex index = GridModel_->index(row, column);
  if (!index.isValid()) return;
  grdMain->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

void TfrmBudgetViewer::SelectLine(const TBudget* line, int column) {
  const int row = RowOfLine(line);
  if (row >= 0) SelectCell(row, column);
}

// The red line under the current row: shown on each choice of a cell, and
// while scrolling only as long as the Budgeted cell is being edited.
void TfrmBudgetViewer::PlaceLine(bool selected) {
  const QModelIndex current = grdMain->currentIndex();
  const QRect cell = grdMain->visualRect(current);
  const bool inView =
      current.isValid() && cell.bottom() + 1 < grdMain->viewport()->height() && cell.bottom() >= 0;
  const bool editing = current.flags() & Qt::ItemIsEditable;
  if (!inView || (!selected && !editing && !pnlLine->isVisible())) return pnlLine->hide();
  const QPoint below = grdMain->viewport()->mapTo(this, QPoint(0, cell.bottom() + 1));
  pnlLine->setGeometry(grdMain->x() + 1, below.y(), grdMain->width(), 1);
  pnlLine->raise();
  pnlLine->setVisible(selected || editing);
}

// --- the Budgeted editor

void TfrmBudgetViewer::EditorOpened(QWidget* editor, int row) {
  Editor_ = editor;
  EditRow_ = row;
  const TBudget* line = GridModel_->LineAt(row);
  EditOriginal_ = line != nullptr ? line->FieldAt(TBudget::fMax)->AsCurrency() : TCurrency{};
  EditTyped_ = false;
  editor->installEventFilter(this);
}

void TfrmBudgetViewer::BudgetedEdited(int row, const QString& text) {
  if (Month_ == nullptr || GridModel_->LineAt(row) == nullptr) return;
  Month_->SetBudgeted(static_cast<std::size_t>(row), text.toStdString());
  Dirty_ = true;
  EditTyped_ = true;
  // Only the Difference: a change of the edited cell would refill its editor.
  GridModel_->CellChanged(row, TBudgetGridModel::colDifference);
  UpdateTotals();
}

void TfrmBudgetViewer::EditorClosed(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  if (editor != Editor_) return;
  Editor_ = nullptr;
  if (hint != QAbstractItemDelegate::RevertModelCache || Month_ == nullptr) return;
  // Escape: the amount the editor opened with comes back.
  Month_->SetBudgeted(static_cast<std::size_t>(EditRow_), EditOriginal_);
  Dirty_ = false;
  GridModel_->CellChanged(EditRow_, TBudgetGridModel::colBudgeted);
  GridModel_->CellChanged(EditRow_, TBudgetGridModel::colDifference);
  UpdateTotals();
}

void TfrmBudgetViewer::CloseEditor() {
  if (Editor_ == nullptr) return;
  QWidget* editor = Editor_;
  Editor_ = nullptr;
  emit GridDelegate_->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TfrmBudgetViewer::CommitEdit() {
  if (!Dirty_) return;
  SaveBudget();
}

void TfrmBudgetViewer::SaveBudget() {
  Dirty_ = false;
  Global_.SaveFile();
}

// --- commands

void TfrmBudgetViewer::btnCreateBudgetClick() {
  const QPoint under = btnCreateBudget->mapFromGlobal(QCursor::pos());
  // From the keyboard the menu opens below the button rather than where the mouse is.
  const QPoint at = btnCreateBudget->rect().contains(under)
                        ? QCursor::pos()
                        : btnCreateBudget->mapToGlobal(btnCreateBudget->rect().bottomLeft());
  Menus_->PopupMenuCreateBudget->popup(at);
}

void TfrmBudgetViewer::CreateMonthBudget(TDateTime source) {
  if (Month_ == nullptr) RefreshBudget();
  CloseEditor();
  Month_->CreateBudget(source);
  ShowRows();
  SaveBudget();
}

void TfrmBudgetViewer::btnClearEmptyItemsClick() {
  if (Month_ == nullptr) RefreshBudget();
  CloseEditor();
  const TBudgetSyncResult result = Month_->Synchronise();
  ShowRows();
  SaveBudget();
  const std::string report = TBudgetMonth::SyncReport(result);
  if (!report.empty()) Dialogs_.Inform(this, kInformationTitle, QString::fromStdString(report));
}

void TfrmBudgetViewer::Copyvaluefromlastmonth1Click() {
  const int row = CurrentRow();
  if (Month_ == nullptr || GridModel_->LineAt(row) == nullptr) return;
  const bool editing = Editor_ != nullptr;
  if (editing) CloseEditor();
  if (!Month_->CopyActualFromLastMonth(static_cast<std::size_t>(row))) {
    if (editing) grdMain->edit(grdMain->currentIndex());
    return;
  }
  GridModel_->CellChanged(row, TBudgetGridModel::colBudgeted);
  GridModel_->CellChanged(row, TBudgetGridModel::colDifference);
  UpdateTotals();
  SaveBudget();
  if (grdMain->currentIndex().column() == TBudgetGridModel::colBudgeted)
    grdMain->edit(grdMain->currentIndex());
}

void TfrmBudgetViewer::ChangeType(int row) {
  TBudget* line = GridModel_->LineAt(row);
  if (Month_ == nullptr || line == nullptr) return;
  const int column = grdMain->currentIndex().column();
  CloseEditor();
  Month_->ChangeType(static_cast<std::size_t>(row));
  ShowRows();
  SelectLine(line, column < 0 ? TBudgetGridModel::colBudgeted : column);
  SaveBudget();
}

void TfrmBudgetViewer::menuitemChangeTypeIncomeExpenseClick() {
  ChangeType(CurrentRow());
}

void TfrmBudgetViewer::menuitemAddnewbudgetitemClick() {
  if (Month_ == nullptr) RefreshBudget();
  CommitEdit();
  TfrmCatergorySelection dialog(Global_, this);
  for (TBudget* line : Month_->Lines())
    dialog.ExistingCategories.push_back(line->FieldAt(TBudget::fCategoryName)->AsString());
  if (Dialogs_.Exec(dialog) != QDialog::Accepted) return;
  CloseEditor();
  const TBudget* line =
      Month_->AddLine(dialog.SelectedMain, dialog.SelectedSub, dialog.SelectedIncome);
  ShowRows();
  // Ready for its amount.
  SelectLine(line, TBudgetGridModel::colBudgeted);
  SaveBudget();
}

void TfrmBudgetViewer::btnExportClick() {
  if (Month_ == nullptr) RefreshBudget();
  CommitEdit();
  ExportBudget(this, BudgetDialogs_, Month_->Lines(), Month_->Year(), Month_->Month(),
               Global_.NumberFormat());
}

void TfrmBudgetViewer::PopupGridMenu(const QPoint& globalPos) {
  Menus_->popmGridPopup->popup(globalPos);
}

// --- mouse, keys, layout

void TfrmBudgetViewer::grdMainMouseUp(const QPoint& point) {
  const QModelIndex index = grdMain->indexAt(point);
  if (!index.isValid() || index.column() == TBudgetGridModel::colType ||
      index.column() == TBudgetGridModel::colBudgeted)
    return;
  // A click on a row lands in its Budgeted cell.
  SelectCell(index.row(), TBudgetGridModel::colBudgeted);
}

bool TfrmBudgetViewer::HandleKey(const QKeyEvent& key) {
  if (IsMenuKey(key)) {
    const QRect cell = grdMain->visualRect(grdMain->currentIndex());
    PopupGridMenu(grdMain->viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint()));
    return true;
  }
  if (key.modifiers() != Qt::NoModifier) return false;
  if (key.key() == Qt::Key_PageUp || key.key() == Qt::Key_PageDown) {
    btnMonthClick(key.key() == Qt::Key_PageDown);
    return true;
  }
  return false;
}

bool TfrmBudgetViewer::HandleEditorArrow(const QKeyEvent& key) {
  if (EditTyped_ || key.modifiers() != Qt::NoModifier) return false;
  if (key.key() != Qt::Key_Left && key.key() != Qt::Key_Right) return false;
  // Until something is typed the arrows go on through the grid, so the
  // editor that opens on its own does not trap them.
  SelectCell(CurrentRow(), key.key() == Qt::Key_Left ? TBudgetGridModel::colActual
                                                     : TBudgetGridModel::colDifference);
  grdMain->setFocus();
  return true;
}

bool TfrmBudgetViewer::eventFilter(QObject* watched, QEvent* event) {
  const bool onEditor = Editor_ != nullptr && watched == Editor_;
  const bool onGrid = watched == grdMain || onEditor;
  if (onGrid && event->type() == QEvent::KeyPress && HandleKey(*static_cast<QKeyEvent*>(event)))
    return true;
  if (onEditor && event->type() == QEvent::KeyPress &&
      HandleEditorArrow(*static_cast<QKeyEvent*>(event)))
    return true;
  if (watched == grdMain->viewport() && event->type() == QEvent::MouseButtonRelease)
    grdMainMouseUp(static_cast<QMouseEvent*>(event)->position().toPoint());
  return QWidget::eventFilter(watched, event);
}

void TfrmBudgetViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutBudgetGrids();
}

void TfrmBudgetViewer::hideEvent(QHideEvent* event) {
  // Leaving the tab takes the typed amount.
  CommitEdit();
  QWidget::hideEvent(event);
}

}  // namespace tf
