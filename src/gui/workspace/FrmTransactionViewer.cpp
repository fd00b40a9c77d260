#include "gui/workspace/FrmTransactionViewer.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QDateEdit>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <random>

#include "app/Global.h"
#include "base/Formats.h"
#include "gui/app/ButtonCaption.h"
#include "gui/app/DateConversion.h"
#include "gui/app/FormLook.h"
#include "gui/app/WorkspaceDialogs.h"
#include "gui/workspace/AccountsGridDelegate.h"
#include "gui/workspace/AccountsGridModel.h"
#include "gui/workspace/ActivityStrip.h"
#include "gui/workspace/HelpPanel.h"
#include "gui/workspace/StatementImportCommand.h"
#include "gui/workspace/TransactionDrag.h"
#include "gui/workspace/TransactionExportCommand.h"
#include "gui/workspace/TransactionMenus.h"
#include "gui/workspace/TransactionsGridDelegate.h"
#include "gui/workspace/TransactionsGridModel.h"
#include "model/Account.h"
#include "model/ImportSettings.h"
#include "model/Transactions.h"
#include "workspace/ActivityTestData.h"
#include "workspace/ExportProposal.h"
#include "workspace/TransactionListing.h"
#include "workspace/TransactionViewState.h"

namespace tf {
namespace {

constexpr int kAccountsWidth = 250;
constexpr int kDateWidth = 80, kCategoryWidth = 130, kAmountWidth = 90, kBalanceWidth = 90;
constexpr int kHelpOffset = 40;
constexpr int kHelpDelayMs = 500;
// How long "working..." stays up after recognition, so that a quick run is seen.
constexpr int kRecognitionPauseMs = 350;
const QString kRecogniseCaption = QStringLiteral("&Recognise Transactions");
const QString kWarningTitle = QStringLiteral("Warning");
const QString kInformationTitle = QStringLiteral("Information");

QFont HeadingFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

QLabel* NewHeading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(HeadingFont());
  label->setStyleSheet(QStringLiteral("color: grey;"));
  return label;
}

void SetupGrid(QTableView& grid, int rowHeight) {
  grid.setSelectionBehavior(QAbstractItemView::SelectRows);
  grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid.setShowGrid(false);
  grid.setWordWrap(false);
  grid.verticalHeader()->hide();
  grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid.verticalHeader()->setDefaultSectionSize(rowHeight);
  grid.horizontalHeader()->setFixedHeight(25);
  grid.horizontalHeader()->setHighlightSections(false);
  grid.horizontalHeader()->setSectionsClickable(false);
  grid.horizontalHeader()->setFont(GridFont());
  grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

bool IsOpenKey(int key) {
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Shift, Alt or Ctrl held: delete without asking.
bool SkipsConfirmation(Qt::KeyboardModifiers modifiers) {
  return (modifiers & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier)) != 0;
}

std::string IdOf(const TTransactions& row) {
  return row.FieldAt(TTransactions::fTransactionID)->AsString();
}

// Keeps the event loop turning, without user input, for a moment.
void PauseWithoutInput(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

TfrmTransactionViewer::TfrmTransactionViewer(TGlobal& global, const TWorkspaceDialogs& dialogs,
                                             QWidget* parent)
    : QWidget(parent),
      Global_(global),
      Dialogs_(dialogs),
      AccountsModel_(new TAccountsGridModel(global, this)),
      TransactionsModel_(new TTransactionsGridModel(global, this)),
      CopiedTransaction_(std::make_unique<TTransactions>(nullptr, TBoneKind::Single)) {
  Recognition = [](TAccount& root) { root.ApplyRecognition(); };
  setObjectName(QStringLiteral("frmTransactionViewer"));
  ApplyFormLook(*this);
  CopiedTransaction_->Deleted = true;
  BuildTopStrip();
  BuildGrids();
  BuildBottomStrip();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);
  layout->addWidget(pnlTop);
  BuildNotice();
  layout->addWidget(pnlNotice);
  auto* grids = new QHBoxLayout;
  grids->setSpacing(6);
  grids->addWidget(grdAccounts);
  grids->addWidget(grdMain, 1);
  layout->addLayout(grids, 1);
  layout->addWidget(pnlBottom);
  BuildHelp();
  Menus = new TTransactionMenus(this);
  Drag = new TTransactionDrag(grdMain, grdAccounts, this);
  // The current month, without a fill: the first show restores the stored range first.
  SetDateRange(MonthRange(Today()));
  ConnectControls();
  ConnectCommands();
  ConnectMenus();
  SetTabOrder();
  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  help->setContext(Qt::WidgetWithChildrenShortcut);
  connect(help, &QShortcut::activated, this, &TfrmTransactionViewer::ShowHelpPanel);
}

void TfrmTransactionViewer::BuildNotice() {
  pnlNotice = new QFrame(this);
  pnlNotice->setObjectName(QStringLiteral("pnlNotice"));
  pnlNotice->setFrameShape(QFrame::StyledPanel);
  pnlNotice->setAutoFillBackground(true);
  QPalette palette = pnlNotice->palette();
  palette.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xD5));
  pnlNotice->setPalette(palette);
  lblNotice = new QLabel(pnlNotice);
  lblNotice->setObjectName(QStringLiteral("lblNotice"));
  lblNotice->setWordWrap(true);
  lblNotice->setTextInteractionFlags(Qt::TextSelectableByMouse);
  btnShowImported = new QPushButton(QStringLiteral("Show &Them"), pnlNotice);
  btnImportIgnoreDates = new QPushButton(QStringLiteral("Tick \"Ignore &Dates\""), pnlNotice);
  btnImportIgnoreDates->setToolTip(QStringLiteral("List every date of the account"));
  btnCloseNotice = new QToolButton(pnlNotice);
  btnCloseNotice->setText(QStringLiteral("×"));
  btnCloseNotice->setToolTip(QStringLiteral("Close this message"));
  btnCloseNotice->setAutoRaise(true);
  auto* layout = new QHBoxLayout(pnlNotice);
  layout->setContentsMargins(6, 2, 2, 2);
  layout->addWidget(lblNotice, 1);
  layout->addWidget(btnShowImported);
  layout->addWidget(btnImportIgnoreDates);
  layout->addWidget(btnCloseNotice);
  pnlNotice->hide();
  connect(btnCloseNotice, &QToolButton::clicked, pnlNotice, &QWidget::hide);
  connect(btnShowImported, &QPushButton::clicked, this,
          &TfrmTransactionViewer::btnShowImportedClick);
  connect(btnImportIgnoreDates, &QPushButton::clicked, this,
          &TfrmTransactionViewer::btnImportIgnoreDatesClick);
}

void TfrmTransactionViewer::SetTabOrder() {
  QWidget* order[] = {edtTransactionsFilter,
                      btnPreviousMonth,
                      dtpFrom,
                      dtpTo,
                      btnNextMonth,
                      chkIgnoreDates,
                      btnShowImported,
                      btnImportIgnoreDates,
                      btnCloseNotice,
                      grdAccounts,
                      grdMain,
                      btnAddAccount,
                      btnDeleteAccount,
                      btnTranAdd,
                      btnTransDelete,
                      btnRemoveDuups,
                      btnImport,
                      btnRecogniseTransactions,
                      btnRecogniseManagement};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

TfrmTransactionViewer::~TfrmTransactionViewer() = default;

QDateEdit* TfrmTransactionViewer::NewDatePicker() {
  auto* picker = new QDateEdit(pnlTop);
  picker->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
  picker->setDisplayFormat(QStringLiteral("dd MMM yyyy"));
  picker->setCalendarPopup(true);
  // A year typed digit by digit passes through years such as 202; the range
  // follows the date once it is whole (Enter, leaving the box, the arrows).
  picker->setKeyboardTracking(false);
  picker->calendarWidget()->window()->installEventFilter(this);
  // A click into the day, the month or the year selects that part, so that
  // what is typed next replaces it.
  if (auto* edit = picker->findChild<QLineEdit*>()) {
    edit->installEventFilter(this);
    DatePickerEdits_.push_back({edit, picker});
  }
  return picker;
}

void TfrmTransactionViewer::BuildTopStrip() {
  pnlTop = new QWidget(this);
  pnlTop->setObjectName(QStringLiteral("pnlTop"));
  lblAccountHeading = NewHeading(QStringLiteral("Accounts"), pnlTop);
  lblAccountHeading->setFixedWidth(kAccountsWidth + 6);
  lblTransactionsHeading = NewHeading(QStringLiteral("Transactions"), pnlTop);
  edtTransactionsFilter = new QLineEdit(pnlTop);
  edtTransactionsFilter->setPlaceholderText(QString::fromLatin1(kTransactionFilterPlaceholder));
  QPalette grey = edtTransactionsFilter->palette();
  grey.setColor(QPalette::PlaceholderText, QColor(0x80, 0x80, 0x80));
  edtTransactionsFilter->setPalette(grey);
  edtTransactionsFilter->setClearButtonEnabled(true);
  edtTransactionsFilter->setMinimumWidth(200);
  btnPreviousMonth = new QToolButton(pnlTop);
  btnPreviousMonth->setArrowType(Qt::LeftArrow);
  btnPreviousMonth->setToolTip(QStringLiteral("Previous Month"));
  dtpFrom = NewDatePicker();
  lblto = new QLabel(QStringLiteral("to "), pnlTop);
  dtpTo = NewDatePicker();
  btnNextMonth = new QToolButton(pnlTop);
  btnNextMonth->setArrowType(Qt::RightArrow);
  btnNextMonth->setToolTip(QStringLiteral("Next Month"));
  chkIgnoreDates = new QCheckBox(QStringLiteral("Ignore Dates"), pnlTop);

  auto* layout = new QHBoxLayout(pnlTop);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lblAccountHeading);
  layout->addWidget(lblTransactionsHeading);
  layout->addStretch(1);
  layout->addWidget(edtTransactionsFilter, 1);
  layout->addSpacing(12);
  for (QWidget* control : std::initializer_list<QWidget*>{btnPreviousMonth, dtpFrom, lblto, dtpTo,
                                                          btnNextMonth, chkIgnoreDates})
    layout->addWidget(control);
}

void TfrmTransactionViewer::BuildGrids() {
  grdAccounts = new QTableView(this);
  grdAccounts->setObjectName(QStringLiteral("grdAccounts"));
  SetupGrid(*grdAccounts, 40);
  grdAccounts->setSelectionMode(QAbstractItemView::SingleSelection);
  grdAccounts->setModel(AccountsModel_);
  grdAccounts->setItemDelegate(new TAccountsGridDelegate(Global_, grdAccounts));
  grdAccounts->setFont(GridFont());
  grdAccounts->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grdAccounts->setFixedWidth(kAccountsWidth);

  grdMain = new QTableView(this);
  grdMain->setObjectName(QStringLiteral("grdMain"));
  SetupGrid(*grdMain, 20);
  grdMain->setSelectionMode(QAbstractItemView::ContiguousSelection);
  grdMain->setModel(TransactionsModel_);
  grdMain->setItemDelegate(new TTransactionsGridDelegate(Global_, grdMain));
  grdMain->setFont(GridFont());
  QHeaderView* header = grdMain->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Fixed);
  header->setSectionResizeMode(TTransactionsGridModel::colDescription, QHeaderView::Stretch);
  for (QTableView* grid : {grdAccounts, grdMain}) {
    grid->installEventFilter(this);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab goes on to the next control of the page; the arrows move within a grid.
    grid->setTabKeyNavigation(false);
  }
}

QPushButton* TfrmTransactionViewer::NewButton(const QString& caption, const QString& hint) {
  auto* button = new QPushButton(caption, pnlBottom);
  button->setToolTip(hint);
  button->setMinimumHeight(34);
  return button;
}

void TfrmTransactionViewer::BuildBottomStrip() {
  pnlBottom = new QWidget(this);
  pnlBottom->setObjectName(QStringLiteral("pnlBottom"));
  btnAddAccount =
      NewButton(QStringLiteral("Add\\nAccount"), QStringLiteral("Create new an Account"));
  btnDeleteAccount =
      NewButton(QStringLiteral("Delete\\nAccount"), QStringLiteral("Delete Selected Account"));
  ExpandButtonCaption(*btnAddAccount);
  ExpandButtonCaption(*btnDeleteAccount);
  btnTranAdd = NewButton(
      QStringLiteral("Add"),
      QStringLiteral("Create new a Transaction for selected Account (Shortcut key Insert)"));
  btnTransDelete = NewButton(QStringLiteral("Delete"),
                             QStringLiteral("Delete Selected Transaction (Shortcut key Delete)"));
  btnRemoveDuups = NewButton(QStringLiteral("Remove Duplicates"), {});
  btnImport =
      NewButton(QStringLiteral("&Import Transactions"),
                QStringLiteral("Import Transactions from statements of the bank (Alt + I)"));
  btnRecogniseTransactions = NewButton(
      QStringLiteral("&Recognise Transactions"),
      QStringLiteral("Recognise Transactions based on patterns you have has supplied (Alt + R)"));
  btnRecogniseManagement =
      NewButton(QStringLiteral("…"), QStringLiteral("Manage the auto recognition patterns"));
  for (const auto& [button, name] : std::initializer_list<std::pair<QPushButton*, const char*>>{
           {btnAddAccount, "btnAddAccount"},
           {btnDeleteAccount, "btnDeleteAccount"},
           {btnTranAdd, "btnTranAdd"},
           {btnTransDelete, "btnTransDelete"},
           {btnRemoveDuups, "btnRemoveDuups"},
           {btnImport, "btnImport"},
           {btnRecogniseTransactions, "btnRecogniseTransactions"},
           {btnRecogniseManagement, "btnRecogniseManagement"}})
    button->setObjectName(QLatin1String(name));
  btnTransDelete->installEventFilter(this);
  pboxActivity = new TActivityStrip(
      [this] {
        const std::vector<TTransactions*> listed = ListedTransactions();
        return std::vector<const TTransactions*>(listed.begin(), listed.end());
      },
      Global_.NumberFormat(), pnlBottom);
  pboxActivity->setObjectName(QStringLiteral("pboxActivity"));
  pboxActivity->setMinimumHeight(34);

  // The totals get a row of their own above the buttons, so that neither
  // squeezes the other at the window's smallest size.
  auto* layout = new QVBoxLayout(pnlBottom);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(pboxActivity);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(6);
  buttons->addWidget(btnAddAccount);
  buttons->addWidget(btnDeleteAccount);
  // Lines the transaction buttons up with the transactions grid while there
  // is room, and gives way first when there is not.
  const int accountButtons = btnAddAccount->sizeHint().width() +
                             btnDeleteAccount->sizeHint().width() + 2 * buttons->spacing();
  buttons->addSpacerItem(new QSpacerItem(std::max(0, kAccountsWidth + 6 - accountButtons), 0,
                                         QSizePolicy::Preferred, QSizePolicy::Minimum));
  buttons->addWidget(btnTranAdd);
  buttons->addWidget(btnTransDelete);
  buttons->addWidget(btnRemoveDuups);
  buttons->addStretch(1);
  buttons->addWidget(btnImport);
  buttons->addWidget(btnRecogniseTransactions);
  buttons->addWidget(btnRecogniseManagement);
  layout->addLayout(buttons);
  // No fixed widths: a button narrower than its caption would cut it.
}

void TfrmTransactionViewer::BuildHelp() {
  pnlAccountHelp = new THelpPanel(this);
  pnlAccountHelp->hide();
  const QColor orange(0xFF, 0x80, 0x40);
  for (QFrame** frame : {&pnlHigh1, &pnlHigh2, &pnlHigh3}) {
    *frame = new QFrame(pnlBottom);
    (*frame)->setAutoFillBackground(true);
    QPalette palette = (*frame)->palette();
    palette.setColor(QPalette::Window, orange);
    (*frame)->setPalette(palette);
    (*frame)->hide();
  }
  TimerFormShow = new QTimer(this);
  TimerFormShow->setSingleShot(true);
  TimerFormShow->setInterval(kHelpDelayMs);
}

void TfrmTransactionViewer::ConnectControls() {
  connect(btnPreviousMonth, &QToolButton::clicked, this, [this] { btnMonthClick(false); });
  connect(btnNextMonth, &QToolButton::clicked, this, [this] { btnMonthClick(true); });
  connect(chkIgnoreDates, &QCheckBox::clicked, this, &TfrmTransactionViewer::chkIgnoreDatesClick);
  connect(dtpFrom, &QDateEdit::dateChanged, this, &TfrmTransactionViewer::dtpFromChange);
  connect(dtpTo, &QDateEdit::dateChanged, this, &TfrmTransactionViewer::dtpFromChange);
  connect(edtTransactionsFilter, &QLineEdit::textChanged, this,
          &TfrmTransactionViewer::edtTransactionsFilterChange);
  connect(grdAccounts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          &TfrmTransactionViewer::AccountRowChanged);
  connect(grdAccounts, &QTableView::doubleClicked, this, &TfrmTransactionViewer::OpenAccount);
  connect(grdMain, &QTableView::doubleClicked, this, &TfrmTransactionViewer::OpenTransaction);
  connect(TimerFormShow, &QTimer::timeout, this, &TfrmTransactionViewer::TimerFormShowTimer);
  connect(pnlAccountHelp, &THelpPanel::hideForeverClicked, this,
          &TfrmTransactionViewer::btnCloseHelpClick);
  connect(pnlAccountHelp, &THelpPanel::firstTipHovered, this,
          [this](bool over) { ShowHighlight(pnlHigh1, btnAddAccount, over); });
  connect(pnlAccountHelp, &THelpPanel::secondTipHovered, this, [this](bool over) {
    ShowHighlight(pnlHigh2, btnTranAdd, over);
    ShowHighlight(pnlHigh3, btnImport, over);
  });
}

void TfrmTransactionViewer::ConnectCommands() {
  connect(this, &TfrmTransactionViewer::addAccountRequested, this,
          &TfrmTransactionViewer::btnAddAccountClick);
  connect(btnAddAccount, &QPushButton::clicked, this, &TfrmTransactionViewer::btnAddAccountClick);
  connect(btnDeleteAccount, &QPushButton::clicked, this,
          &TfrmTransactionViewer::btnDeleteAccountClick);
  connect(btnTranAdd, &QPushButton::clicked, this, &TfrmTransactionViewer::btnTranAddClick);
  connect(btnTransDelete, &QPushButton::clicked, this, &TfrmTransactionViewer::btnTransDeleteClick);
  connect(btnRemoveDuups, &QPushButton::clicked, this,
          [this] { Menus->popmRemoveDuups->popup(QCursor::pos()); });
  connect(btnRecogniseTransactions, &QPushButton::clicked, this,
          &TfrmTransactionViewer::btnRecogniseTransactionsClick);
  connect(btnRecogniseManagement, &QPushButton::clicked, this,
          &TfrmTransactionViewer::btnRecogniseManagementClick);
  connect(btnImport, &QPushButton::clicked, this, &TfrmTransactionViewer::btnImportClick);
  connect(pboxActivity, &TActivityStrip::testDataRequested, this,
          &TfrmTransactionViewer::AddActivityTestData);
  Drag->CanDrop = [this](const QPoint& point) { return AcceptsDropAt(point); };
  Drag->Drop = [this](const QPoint& point) { DropOnAccountAt(point); };
}

void TfrmTransactionViewer::ConnectMenus() {
  TTransactionMenus& menus = *Menus;
  connect(grdAccounts, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
    Menus->PopupMenuAccounts->popup(grdAccounts->viewport()->mapToGlobal(point));
  });
  connect(grdMain, &QWidget::customContextMenuRequested, this, [this](const QPoint& point) {
    Menus->PopupMenuTransactions->popup(grdMain->viewport()->mapToGlobal(point));
  });
  connect(menus.meuitemOpenAccount, &QAction::triggered, this, &TfrmTransactionViewer::OpenAccount);
  connect(menus.meuitemAddAccount, &QAction::triggered, this,
          &TfrmTransactionViewer::btnAddAccountClick);
  connect(menus.meuitemDeleteAccount, &QAction::triggered, this, [this] { DeleteAccount(true); });

  connect(menus.PopupMenuTransactions, &QMenu::aboutToShow, this,
          &TfrmTransactionViewer::PopupMenuTransactionsPopup);
  connect(menus.mnuOpenTransaction, &QAction::triggered, this,
          &TfrmTransactionViewer::OpenTransaction);
  connect(menus.mnuAddTransaction, &QAction::triggered, this,
          &TfrmTransactionViewer::btnTranAddClick);
  connect(menus.mnuDeleteTransaction, &QAction::triggered, this,
          [this] { DeleteTransactions(true); });
  connect(menus.mnuCopyTransaction, &QAction::triggered, this,
          [this] { mnuCopyTransactionClick(false); });
  connect(menus.mnuCreateDepostTransferTransaction, &QAction::triggered, this,
          [this] { mnuCopyTransactionClick(true); });
  connect(menus.mnuPasteTransaction, &QAction::triggered, this,
          &TfrmTransactionViewer::mnuPasteTransactionClick);
  connect(&menus, &TTransactionMenus::categoryChosen, this, &TfrmTransactionViewer::AssignCategory);
  connect(menus.menuItemLock, &QAction::triggered, this, &TfrmTransactionViewer::menuItemLockClick);
  connect(menus.menuitemDuplicateto, &QAction::triggered, this,
          &TfrmTransactionViewer::menuitemDuplicatetoClick);
  connect(menus.menuItemExporttoExcelFile, &QAction::triggered, this,
          &TfrmTransactionViewer::menuItemExporttoExcelFileClick);
  connect(menus.menuitemDeDuupDesc, &QAction::triggered, this,
          [this] { menuitemDeDuupDateAmountClick(TDuplicateRule::DateDescriptionAndAmount); });
  connect(menus.menuitemDeDuupDateAmount, &QAction::triggered, this,
          [this] { menuitemDeDuupDateAmountClick(TDuplicateRule::DateAndAmount); });
}

// --- the grids

void TfrmTransactionViewer::RefreshAccounts() {
  Global_.Accounts.RecalculateBalances();
  RebuildingAccounts_ = true;
  AccountsModel_->SetAccounts(LiveAccounts(Global_.Accounts));
  grdAccounts->setCurrentIndex(AccountsModel_->index(0, 0));
  RebuildingAccounts_ = false;
  LayoutGrids();
  ShowTransactions(SelectedAccount());
}

void TfrmTransactionViewer::ShowTransactions(TAccount* account) {
  StoreViewState(Global_.Accounts, {DateRange(), chkIgnoreDates->isChecked()});
  AccountsModel_->Repaint();
  const TTransactionListing listing(FilterText(), DateRange().From, DateRange().To,
                                    chkIgnoreDates->isChecked());
  TransactionsModel_->SetTransactions(
      listing.List(account != nullptr ? account->TransactionsTable() : nullptr));
  grdMain->setCurrentIndex(TransactionsModel_->index(0, 0));
  LayoutGrids();
}

bool TfrmTransactionViewer::IsTransactionListed(const TTransactions& row) const {
  const TDateRange range = DateRange();
  return TTransactionListing(FilterText(), range.From, range.To, chkIgnoreDates->isChecked())
      .IsListed(row);
}

void TfrmTransactionViewer::LayoutGrids() {
  QHeaderView* header = grdMain->horizontalHeader();
  header->resizeSection(TTransactionsGridModel::colDate, kDateWidth);
  header->resizeSection(TTransactionsGridModel::colCategory, kCategoryWidth);
  header->resizeSection(TTransactionsGridModel::colAmount, kAmountWidth);
  header->resizeSection(TTransactionsGridModel::colBalance, kBalanceWidth);
  pboxActivity->update();
}

void TfrmTransactionViewer::RepaintGrids() {
  AccountsModel_->Repaint();
  TransactionsModel_->Repaint();
}

void TfrmTransactionViewer::AccountRowChanged() {
  if (!RebuildingAccounts_) ShowTransactions(SelectedAccount());
}

TAccount* TfrmTransactionViewer::SelectedAccount() const {
  return AccountsModel_->AccountAt(grdAccounts->currentIndex().row());
}

TTransactions* TfrmTransactionViewer::SelectedTransaction() const {
  return TransactionAtRow(grdMain->currentIndex().row());
}

TTransactions* TfrmTransactionViewer::TransactionAtRow(int row) const {
  return TransactionsModel_->TransactionAt(row);
}

std::vector<TTransactions*> TfrmTransactionViewer::SelectedTransactions() const {
  std::vector<int> rows;
  for (const QModelIndex& index : grdMain->selectionModel()->selectedRows())
    rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  std::vector<TTransactions*> transactions;
  for (int row : rows)
    if (TTransactions* transaction = TransactionAtRow(row)) transactions.push_back(transaction);
  return transactions;
}

bool TfrmTransactionViewer::IsSingleSelection() const {
  return grdMain->selectionModel()->selectedRows().size() <= 1;
}

std::vector<TTransactions*> TfrmTransactionViewer::CommandTransactions() const {
  if (!IsSingleSelection()) return SelectedTransactions();
  TTransactions* selected = SelectedTransaction();
  if (selected == nullptr) return {};
  return {selected};
}

std::vector<TTransactions*> TfrmTransactionViewer::ListedTransactions() const {
  std::vector<TTransactions*> rows;
  rows.reserve(static_cast<std::size_t>(TransactionsModel_->TransactionCount()));
  for (int row = 0; row < TransactionsModel_->rowCount(); ++row)
    if (TTransactions* transaction = TransactionAtRow(row)) rows.push_back(transaction);
  return rows;
}

int TfrmTransactionViewer::LastSelectedRow() const {
  const QModelIndexList rows = grdMain->selectionModel()->selectedRows();
  if (rows.size() <= 1) return grdMain->currentIndex().row();
  int last = 0;
  for (const QModelIndex& index : rows) last = std::max(last, index.row());
  return last;
}

void TfrmTransactionViewer::SelectTransactionById(const std::string& id) {
  const int row = TransactionsModel_->RowOfId(id);
  if (row >= 0) grdMain->setCurrentIndex(TransactionsModel_->index(row, 0));
}

TAccount* TfrmTransactionViewer::AccountAtPoint(const QPoint& point) const {
  const QModelIndex index = grdAccounts->indexAt(point);
  return index.isValid() ? AccountsModel_->AccountAt(index.row()) : nullptr;
}

std::string TfrmTransactionViewer::FilterText() const {
  return TransactionFilterText(edtTransactionsFilter->text().toStdString());
}

TDateRange TfrmTransactionViewer::DateRange() const {
  return {FromQDate(dtpFrom->date()), FromQDate(dtpTo->date())};
}

TDateTime TfrmTransactionViewer::NewTransactionDate() {
  if (LastEntryDate_ == 0) LastEntryDate_ = Now();
  return LastEntryDate_;
}

// --- opening rows

void TfrmTransactionViewer::OpenTransaction() {
  TTransactions* transaction = SelectedTransaction();
  if (transaction == nullptr) return;
  const std::string date = transaction->FieldAt(TTransactions::fDate)->AsString();
  if (!transaction->Edit(this)) return;
  const bool dateChanged = transaction->FieldAt(TTransactions::fDate)->AsString() != date;
  TAccount* account = SelectedAccount();
  if (account != nullptr) SettleTransactions(*account, dateChanged);
  if (dateChanged) {
    // The row moved: list again and keep it selected.
    const std::string id = transaction->FieldAt(TTransactions::fTransactionID)->AsString();
    ShowTransactions(account);
    SelectTransactionById(id);
  } else {
    RepaintGrids();
  }
  pboxActivity->update();
  Global_.SaveFile();
}

void TfrmTransactionViewer::OpenAccount() {
  TAccount* account = SelectedAccount();
  if (account == nullptr) return emit addAccountRequested();
  if (!account->Edit(this)) return;
  if (account->FieldAt(TAccount::fAccountID)->AsString().empty()) account->AssignNewId();
  Global_.Accounts.RecalculateBalances();
  RepaintGrids();
  Global_.SaveFile();
}

bool TfrmTransactionViewer::HandleCommandKey(QTableView* grid, const QKeyEvent& key) {
  if (key.key() != Qt::Key_Delete && key.key() != Qt::Key_Insert) return false;
  // A held key runs its command once, not once per repeat.
  if (key.isAutoRepeat()) return true;
  const bool remove = key.key() == Qt::Key_Delete;
  const bool confirm = !SkipsConfirmation(key.modifiers());
  if (grid == grdMain)
    remove ? DeleteTransactions(confirm) : btnTranAddClick();
  else
    remove ? DeleteAccount(confirm) : btnAddAccountClick();
  return true;
}

bool TfrmTransactionViewer::HandleGridKey(QTableView* grid, QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  if (event->type() == QEvent::KeyPress && HandleCommandKey(grid, *key)) return true;
  if (!IsOpenKey(key->key()) || key->modifiers() != Qt::NoModifier) return false;
  if (event->type() == QEvent::KeyPress) {
    if (!key->isAutoRepeat()) PressedOpenKey_ = key->key();
    return true;
  }
  if (key->isAutoRepeat()) return true;
  // Only a key pressed here opens the row: the release of the Enter that
  // closed an editor must not open it again.
  const bool pressedHere = PressedOpenKey_ == key->key();
  PressedOpenKey_ = 0;
  if (pressedHere) grid == grdMain ? OpenTransaction() : OpenAccount();
  return true;
}

// --- commands on transactions

void TfrmTransactionViewer::AfterTransactionsAdded(TAccount& account, const std::string& id) {
  SettleTransactions(account);
  ShowTransactions(&account);
  if (!id.empty()) SelectTransactionById(id);
  Global_.SaveFile();
}

void TfrmTransactionViewer::btnTranAddClick() {
  TAccount* account = SelectedAccount();
  if (account == nullptr) return;
  TTransactions* row = NewDatedTransaction(*account->TransactionsTable(), NewTransactionDate());
  const std::string id = IdOf(*row);
  if (!row->Edit(this)) {
    row->Deleted = true;
    return;
  }
  // The next new transaction proposes the same day.
  LastEntryDate_ = ParseStatementDate(row->FieldAt(TTransactions::fDate)->AsString());
  AfterTransactionsAdded(*account, id);
}

void TfrmTransactionViewer::btnTransDeleteClick() {
  const bool confirm = !SkipsConfirmation(DeleteClickModifiers_);
  DeleteClickModifiers_ = {};
  DeleteTransactions(confirm);
}

void TfrmTransactionViewer::DeleteTransactions(bool confirm) {
  TAccount* account = SelectedAccount();
  if (SelectedTransaction() == nullptr || account == nullptr) return;
  if (confirm && !Dialogs_.Confirm(this, QString::fromLatin1(kDeleteTransactionsQuestion))) return;
  const int row = grdMain->currentIndex().row();
  MarkDeleted(CommandTransactions());
  SettleTransactions(*account);
  ShowTransactions(account);
  grdMain->setCurrentIndex(
      TransactionsModel_->index(RowAfterDelete(row, TransactionsModel_->rowCount()), 0));
  Global_.SaveFile();
}

void TfrmTransactionViewer::mnuCopyTransactionClick(bool asDeposit) {
  const TTransactions* selected = SelectedTransaction();
  if (selected == nullptr) return;
  QGuiApplication::clipboard()->setText(
      QString::fromStdString(TransactionClipboardText(*selected, Global_.NumberFormat())));
  CopyToSlot(*selected, *CopiedTransaction_, asDeposit);
}

void TfrmTransactionViewer::mnuPasteTransactionClick() {
  TAccount* account = SelectedAccount();
  if (account == nullptr || CopiedTransaction_->Deleted) return;
  TTransactions* row = NewCopyOf(*account->TransactionsTable(), *CopiedTransaction_);
  const std::string id = IdOf(*row);
  if (!row->Edit(this)) {
    row->Deleted = true;
    return;
  }
  AfterTransactionsAdded(*account, id);
}

void TfrmTransactionViewer::menuitemDuplicatetoClick() {
  TAccount* account = SelectedAccount();
  if (SelectedTransaction() == nullptr || account == nullptr) return;
  const TDateTime date = Dialogs_.PickDate(this, NewTransactionDate());
  if (date <= 0) return;
  const bool lastRowHasTransaction = TransactionAtRow(LastSelectedRow()) != nullptr;
  const std::vector<TTransactions*> copies =
      DuplicateToDate(*account->TransactionsTable(), CommandTransactions(), date);
  const std::string id =
      lastRowHasTransaction && !copies.empty() ? IdOf(*copies.back()) : std::string();
  AfterTransactionsAdded(*account, id);
}

bool TfrmTransactionViewer::AcceptsDropAt(const QPoint& point) const {
  return AcceptsDragCopy(SelectedTransaction(), AccountAtPoint(point));
}

void TfrmTransactionViewer::DropOnAccountAt(const QPoint& point) {
  TAccount* target = AccountAtPoint(point);
  if (target == nullptr || !AcceptsDropAt(point)) return;
  CopyToAccount(CommandTransactions(), *target);
  SettleTransactions(*target);
  AccountsModel_->Repaint();
  Global_.SaveFile();
}

void TfrmTransactionViewer::menuitemDeDuupDateAmountClick(TDuplicateRule rule) {
  const int removed = RemoveDuplicates(ListedTransactions(), rule);
  if (removed == 0) {
    Dialogs_.Warn(this, kWarningTitle, QString::fromLatin1(kNoDuplicatesMessage));
    return;
  }
  if (TAccount* account = SelectedAccount()) {
    SettleTransactions(*account);
    ShowTransactions(account);
  }
  Global_.SaveFile();
  Dialogs_.Inform(this, kInformationTitle,
                  QString::fromStdString(DuplicatesRemovedMessage(removed)));
}

void TfrmTransactionViewer::AssignCategory(const QString& category) {
  if (SelectedTransaction() == nullptr) return;
  tf::AssignCategory(CommandTransactions(), category.toStdString());
  TransactionsModel_->Repaint();
  Global_.NoteChange();
}

void TfrmTransactionViewer::menuItemLockClick() {
  if (SelectedTransaction() == nullptr) return;
  ToggleRecognitionLock(CommandTransactions());
  TransactionsModel_->Repaint();
  Global_.NoteChange();
}

void TfrmTransactionViewer::PopupMenuTransactionsPopup() {
  Menus->ApplyState(TransactionMenuState(SelectedTransaction(), IsSingleSelection(),
                                         SelectedAccount() != nullptr, *CopiedTransaction_));
  Menus->RebuildAssignMenu(Global_.Categories);
}

void TfrmTransactionViewer::btnRecogniseTransactionsClick() {
  btnRecogniseTransactions->setEnabled(false);
  btnRecogniseTransactions->setText(QStringLiteral("working..."));
  // Put back however the run ends; an error still goes on to the error window.
  const auto restore = qScopeGuard([this] {
    btnRecogniseTransactions->setText(kRecogniseCaption);
    btnRecogniseTransactions->setEnabled(true);
  });
  btnRecogniseTransactions->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  Recognition(Global_.Accounts);
  Global_.NoteChange();
  PauseWithoutInput(kRecognitionPauseMs);
  RepaintGrids();
}

void TfrmTransactionViewer::btnRecogniseManagementClick() {
  Global_.Accounts.PatternTable()->EditList();
  RepaintGrids();
  Global_.SaveFile();
}

void TfrmTransactionViewer::menuItemExporttoExcelFileClick() {
  const std::vector<TTransactions*> listed = ListedTransactions();
  const TAccount* account = SelectedAccount();
  const std::string name =
      account != nullptr ? account->FieldAt(TAccount::fAccountName)->AsString() : std::string();
  const std::optional<std::string> written = ExportTransactions(
      this, Dialogs_, std::vector<const TTransactions*>(listed.begin(), listed.end()),
      QString::fromStdString(ExportProposedName(name, DateRange(), chkIgnoreDates->isChecked())));
  if (written)
    ShowNotice(QString::fromStdString(
        ExportedMessage(static_cast<int>(listed.size()),
                        QDir::toNativeSeparators(QString::fromStdString(*written)).toStdString())));
}

void TfrmTransactionViewer::btnImportClick() {
  TAccount* account = SelectedAccount();
  // However the dialogs end, the keyboard comes back to the page.
  const auto refocus = qScopeGuard([this] {
    if (!window()->isActiveWindow()) window()->activateWindow();
    grdMain->setFocus(Qt::OtherFocusReason);
  });
  const TRowsSnapshot before = SnapshotRows(Global_.Accounts);
  if (!ImportStatement(this, Global_, account, Dialogs_)) return;
  // The rows may have gone into any account.
  SettleAllTransactions(Global_.Accounts);
  if (account != nullptr) ShowTransactions(account);
  RepaintGrids();
  LastImport_ = NewRowsSince(Global_.Accounts, before);
  ShowImportNotice();
  Global_.SaveFile();
}

void TfrmTransactionViewer::ShowNotice(const QString& text) {
  lblNotice->setText(text);
  btnShowImported->hide();
  btnImportIgnoreDates->hide();
  pnlNotice->show();
}

void TfrmTransactionViewer::ShowImportNotice() {
  const TImportOutcome& outcome = LastImport_;
  const bool outside = OutsideRange(outcome, DateRange(), chkIgnoreDates->isChecked());
  const bool elsewhere = outcome.Account != nullptr && outcome.Account != SelectedAccount();
  QString text = QString::fromStdString(ImportOutcomeMessage(outcome));
  if (outside)
    text += QStringLiteral(" The dates shown leave them out.");
  else if (elsewhere)
    text += QStringLiteral(" Another account is shown.");
  ShowNotice(text);
  // Moving the range needs dated rows; ignoring dates shows undated ones too.
  const bool canMove = outside ? outcome.First != 0 : elsewhere;
  btnShowImported->setVisible(canMove);
  if (canMove && outside) {
    const TDateRange months = RangeOfMonths(outcome);
    btnShowImported->setToolTip(QStringLiteral("Show %1 to %2")
                                    .arg(QString::fromStdString(FormatDisplayDate(months.From)),
                                         QString::fromStdString(FormatDisplayDate(months.To))));
  } else {
    btnShowImported->setToolTip(QStringLiteral("Select the account they went into"));
  }
  btnImportIgnoreDates->setVisible(outside);
}

void TfrmTransactionViewer::btnShowImportedClick() {
  SelectAccount(LastImport_.Account);
  if (OutsideRange(LastImport_, DateRange(), chkIgnoreDates->isChecked()) && LastImport_.First != 0)
    SetDateRange(RangeOfMonths(LastImport_));
  ShowTransactions(SelectedAccount());
  ShowNotice(QString::fromStdString(ImportOutcomeMessage(LastImport_)));
  grdMain->setFocus(Qt::OtherFocusReason);
}

void TfrmTransactionViewer::btnImportIgnoreDatesClick() {
  SelectAccount(LastImport_.Account);
  chkIgnoreDates->setChecked(true);
  ApplyIgnoreDates();
  ShowTransactions(SelectedAccount());
  ShowNotice(QString::fromStdString(ImportOutcomeMessage(LastImport_)));
  grdMain->setFocus(Qt::OtherFocusReason);
}

void TfrmTransactionViewer::SelectAccount(const TAccount* account) {
  if (account == nullptr || account == SelectedAccount()) return;
  for (int row = 0; row < AccountsModel_->rowCount(); ++row)
    if (AccountsModel_->AccountAt(row) == account)
      return grdAccounts->setCurrentIndex(AccountsModel_->index(row, 0));
}

void TfrmTransactionViewer::AddActivityTestData() {
  TAccount* account = SelectedAccount();
  if (account == nullptr) return;
  std::mt19937 random(static_cast<std::mt19937::result_type>(
      std::chrono::steady_clock::now().time_since_epoch().count()));
  AddTestTransactions(*account, DateRange().From, Global_.Categories, random);
  SettleTransactions(*account);
  ShowTransactions(account);
  Global_.NoteChange();
}

// --- commands on accounts

void TfrmTransactionViewer::btnAddAccountClick() {
  TAccount* account = Global_.Accounts.NewAccount();
  if (!account->Edit(this)) {
    account->Deleted = true;
    return;
  }
  if (account->FieldAt(TAccount::fAccountID)->AsString().empty()) account->AssignNewId();
  RefreshAccounts();
  // The account just made is the one the user goes on with.
  SelectAccount(account);
  Global_.SaveFile();
}

void TfrmTransactionViewer::btnDeleteAccountClick() {
  DeleteAccount(true);
}

void TfrmTransactionViewer::DeleteAccount(bool confirm) {
  TAccount* account = SelectedAccount();
  if (account == nullptr) return;
  const std::string name = account->FieldAt(TAccount::fAccountName)->AsString();
  if (confirm && !Dialogs_.Confirm(this, QString::fromStdString(DeleteAccountQuestion(name))))
    return;
  account->Deleted = true;
  RefreshAccounts();
  Global_.SaveFile();
}

// --- date range and filter

void TfrmTransactionViewer::SetDateRange(const TDateRange& range) {
  const QSignalBlocker fromBlocker(dtpFrom), toBlocker(dtpTo);
  dtpFrom->setDate(ToQDate(range.From));
  dtpTo->setDate(ToQDate(range.To));
}

void TfrmTransactionViewer::btnMonthClick(bool next) {
  SetDateRange(StepDateRange(DateRange(), next));
  ShowTransactions(SelectedAccount());
}

void TfrmTransactionViewer::ApplyIgnoreDates() {
  const bool enabled = !chkIgnoreDates->isChecked();
  for (QWidget* control :
       std::initializer_list<QWidget*>{btnNextMonth, btnPreviousMonth, dtpFrom, lblto, dtpTo})
    control->setEnabled(enabled);
}

void TfrmTransactionViewer::chkIgnoreDatesClick() {
  ApplyIgnoreDates();
  ShowTransactions(SelectedAccount());
}

void TfrmTransactionViewer::dtpFromChange() {
  auto* picker = qobject_cast<QDateEdit*>(sender());
  // While the calendar is open the date follows the browsing; the closing decides.
  if (picker != nullptr && picker->calendarWidget()->isVisible()) return;
  const TDateRange range = DateRange();
  if (range.To >= range.From) return ShowTransactions(SelectedAccount());
  dtpTo->setDate(ToQDate(RangeAfterChange(range).To));
}

void TfrmTransactionViewer::dtpCloseUp(QDateEdit* picker) {
  SetDateRange(RangeAfterCloseUp(DateRange(), picker == dtpFrom));
  ShowTransactions(SelectedAccount());
}

void TfrmTransactionViewer::edtTransactionsFilterChange() {
  if (edtTransactionsFilter->text() != QString::fromLatin1(kTransactionFilterPlaceholder))
    ShowTransactions(SelectedAccount());
}

// --- first show, layout and the getting-started panel

void TfrmTransactionViewer::RestoreViewState() {
  TTransactionViewState state{DateRange(), chkIgnoreDates->isChecked()};
  tf::RestoreViewState(Global_.Accounts, state);
  SetDateRange(RangeAfterChange(state.Range));
  chkIgnoreDates->setChecked(state.IgnoreDates);
  ApplyIgnoreDates();
}

void TfrmTransactionViewer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (Shown_) return;
  Shown_ = true;
  RestoreViewState();
  RefreshAccounts();
  LayoutGrids();
  TimerFormShow->start();
}

void TfrmTransactionViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutGrids();
  if (pnlAccountHelp->isVisible()) PlaceHelpPanel();
}

void TfrmTransactionViewer::PlaceHelpPanel() {
  pnlAccountHelp->adjustSize();
  const int top = grdMain->geometry().top() + kHelpOffset;
  const int left = width() - kHelpOffset - pnlAccountHelp->width();
  pnlAccountHelp->move(std::max(0, left), top);
}

void TfrmTransactionViewer::TimerFormShowTimer() {
  TimerFormShow->stop();
  if (Global_.Accounts.RowCount() == 0 && Global_.ShowHelp())
    ShowHelpPanel();
  else
    pnlAccountHelp->hide();
}

void TfrmTransactionViewer::ShowHelpPanel() {
  PlaceHelpPanel();
  pnlAccountHelp->raise();
  pnlAccountHelp->show();
}

void TfrmTransactionViewer::btnCloseHelpClick() {
  pnlAccountHelp->hide();
  Global_.SetShowHelp(false);
}

void TfrmTransactionViewer::ShowHighlight(QFrame* frame, QWidget* button, bool show) {
  frame->setGeometry(button->geometry().adjusted(-3, -3, 3, 3));
  frame->stackUnder(button);
  frame->setVisible(show);
}

bool TfrmTransactionViewer::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == btnTransDelete &&
      (type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease))
    DeleteClickModifiers_ = static_cast<QInputEvent*>(event)->modifiers();
  if ((watched == grdMain || watched == grdAccounts) &&
      (type == QEvent::KeyPress || type == QEvent::KeyRelease))
    return HandleGridKey(static_cast<QTableView*>(watched), event) ||
           QWidget::eventFilter(watched, event);
  if (type == QEvent::MouseButtonRelease) {
    for (const auto& [edit, picker] : DatePickerEdits_)
      // The press has put the cursor, and with it the current part, in place.
      if (watched == edit && !edit->hasSelectedText())
        picker->setSelectedSection(picker->currentSection());
  }
  if (type == QEvent::Hide) {
    if (watched == dtpFrom->calendarWidget()->window())
      dtpCloseUp(dtpFrom);
    else if (watched == dtpTo->calendarWidget()->window())
      dtpCloseUp(dtpTo);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tf
