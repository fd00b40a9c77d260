#include "gui/workspace/FrmCsvMapping.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/workspace/DialogLook.h"
#include "import/ProfileCSVParser.h"
#include "import/StatementText.h"

namespace tf {
namespace {

constexpr int kMaxColumn = 99;
constexpr int kMaxColumnWidth = 180;
const QColor kNotReadBack(0xFF, 0xEA, 0xEA);
const QColor kNotReadText(0xC0, 0x00, 0x00);
const QColor kHeadingText(0x80, 0x80, 0x80);
constexpr char kSeparators[] = {',', ';', '\t'};
constexpr TDateOrder kOrders[] = {TDateOrder::DayMonthYear, TDateOrder::MonthDayYear,
                                  TDateOrder::YearMonthDay};

QSpinBox* NewColumnBox(QWidget* parent, int minimum = 1) {
  auto* box = new QSpinBox(parent);
  box->setRange(minimum, kMaxColumn);
  if (minimum == 0) box->setSpecialValueText(QStringLiteral("none"));
  return box;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// "Date", "Amount" and the like for the columns the profile reads.
QString ColumnRole(const TCsvProfile& p, int column) {
  QStringList roles;
  if (column == p.DateColumn) roles << QStringLiteral("Date");
  if (!p.TwoAmountColumns() && column == p.AmountColumn) roles << QStringLiteral("Amount");
  if (p.TwoAmountColumns() && column == p.InColumn) roles << QStringLiteral("Money in");
  if (p.TwoAmountColumns() && column == p.OutColumn) roles << QStringLiteral("Money out");
  if (std::find(p.DescriptionColumns.begin(), p.DescriptionColumns.end(), column) !=
      p.DescriptionColumns.end())
    roles << QStringLiteral("Description");
  if (column == p.BalanceColumn) roles << QStringLiteral("Balance");
  return roles.join(QStringLiteral(", "));
}

QString ReadAs(const TProfileRow& read) {
  if (read.Heading) return QStringLiteral("heading, skipped");
  if (read.Blank) return QStringLiteral("blank line");
  if (!read.Problem.empty()) return Q("does not read: " + read.Problem);
  return Q(read.Row.DateText + "   " + read.Row.AmountText + "   " + read.Row.Description);
}

}  // namespace

TfrmCsvMapping::TfrmCsvMapping(std::vector<std::string> lines, std::vector<TCsvProfile> profiles,
                               int offered, TCsvProfile guess, QWidget* parent)
    : QDialog(parent),
      Lines_(std::move(lines)),
      Profiles_(std::move(profiles)),
      Guess_(std::move(guess)) {
  setObjectName(QStringLiteral("frmCsvMapping"));
  SetDialogFrame(*this, QStringLiteral("Other bank (CSV)"));
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  BuildControls();
  BuildLayout();
  Connect();
  setMinimumSize(760, 560);
  resize(900, 640);
  const bool fits = offered >= 0 && offered < static_cast<int>(Profiles_.size());
  cbxProfile->setCurrentIndex(fits ? offered + 1 : 0);
  ProfileChosen(cbxProfile->currentIndex());
}

void TfrmCsvMapping::BuildControls() {
  cbxProfile = new QComboBox(this);
  cbxProfile->addItem(QStringLiteral("New profile"));
  for (const TCsvProfile& profile : Profiles_) cbxProfile->addItem(Q(profile.Name));
  edtName = new QLineEdit(this);
  edtName->setPlaceholderText(QStringLiteral("the bank's name, such as Capitec"));
  edtName->setMaxLength(60);
  cbxSeparator = new QComboBox(this);
  cbxSeparator->addItems(
      {QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Tab")});
  spnSkip = new QSpinBox(this);
  spnSkip->setRange(0, 1000);
  spnDateColumn = NewColumnBox(this);
  cbxDateOrder = new QComboBox(this);
  for (TDateOrder order : kOrders) cbxDateOrder->addItem(DateOrderCaption(order));
  cbxDateOrder->setToolTip(
      QStringLiteral("Dates are read with or without separators, and with month names"));
  rbtOneAmount = new QRadioButton(QStringLiteral("One signed column"), this);
  rbtTwoAmounts = new QRadioButton(QStringLiteral("Money in and money out"), this);
  auto* amountKinds = new QButtonGroup(this);
  amountKinds->addButton(rbtOneAmount);
  amountKinds->addButton(rbtTwoAmounts);
  spnAmountColumn = NewColumnBox(this);
  spnInColumn = NewColumnBox(this);
  spnOutColumn = NewColumnBox(this);
  cbxDecimal = new QComboBox(this);
  cbxDecimal->addItems({QStringLiteral("Point (1234.56)"), QStringLiteral("Comma (1234,56)")});
  edtDescriptionColumns = new QLineEdit(this);
  edtDescriptionColumns->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[0-9]{0,2}(,[0-9]{0,2})*")), edtDescriptionColumns));
  edtDescriptionColumns->setToolTip(
      QStringLiteral("One column, or several joined in this order, such as 3,4"));
  spnBalanceColumn = NewColumnBox(this, 0);
  txtRaw = new QPlainTextEdit(this);
  txtRaw->setReadOnly(true);
  txtRaw->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtRaw->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  txtRaw->setTabChangesFocus(true);
  QStringList raw;
  for (std::size_t i = 0; i < Lines_.size() && i < static_cast<std::size_t>(kPreviewLines); ++i)
    raw << QStringLiteral("%1  %2").arg(i + 1, 2).arg(Q(Lines_[i]));
  txtRaw->setPlainText(raw.join(QLatin1Char('\n')));
  grdPreview = new QTableWidget(this);
  grdPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
  grdPreview->setTabKeyNavigation(false);
  grdPreview->verticalHeader()->setDefaultSectionSize(20);
  grdPreview->horizontalHeader()->setStretchLastSection(true);
  lblSummary = NewLabel(QString(), this, true);
  lblProblem = NewLabel(QString(), this);
  lblProblem->setStyleSheet(QStringLiteral("color: #C00000"));
  lblProblem->setWordWrap(true);
  btnOk = new QPushButton(QStringLiteral("Import"), this);
  btnOk->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btnCancel->setAutoDefault(false);
}

void TfrmCsvMapping::BuildLayout() {
  auto* form = new QGridLayout;
  const auto row = [form, this](int r, int c, const QString& caption, QWidget* field,
                                QWidget* second = nullptr) {
    QLabel* label = NewLabel(caption, this);
    label->setBuddy(field);
    form->addWidget(label, r, c);
    if (second == nullptr) {
      form->addWidget(field, r, c + 1);
      return;
    }
    auto* pair = new QHBoxLayout;
    pair->addWidget(field);
    pair->addWidget(second, 1);
    form->addLayout(pair, r, c + 1);
  };
  row(0, 0, QStringLiteral("&Profile:"), cbxProfile);
  row(0, 2, QStringLiteral("&Name:"), edtName);
  row(1, 0, QStringLiteral("&Separator:"), cbxSeparator);
  row(1, 2, QStringLiteral("&Heading lines to skip:"), spnSkip);
  row(2, 0, QStringLiteral("&Date column:"), spnDateColumn, cbxDateOrder);
  row(2, 2, QStringLiteral("D&ecimal separator:"), cbxDecimal);
  auto* amounts = new QHBoxLayout;
  amounts->addWidget(rbtOneAmount);
  amounts->addWidget(spnAmountColumn);
  amounts->addSpacing(12);
  amounts->addWidget(rbtTwoAmounts);
  amounts->addWidget(NewLabel(QStringLiteral("in"), this));
  amounts->addWidget(spnInColumn);
  amounts->addWidget(NewLabel(QStringLiteral("out"), this));
  amounts->addWidget(spnOutColumn);
  amounts->addStretch();
  form->addWidget(NewLabel(QStringLiteral("Amount:"), this), 3, 0);
  form->addLayout(amounts, 3, 1, 1, 3);
  row(4, 0, QStringLiteral("Desc&ription columns:"), edtDescriptionColumns);
  row(4, 2, QStringLiteral("&Balance column:"), spnBalanceColumn);
  form->setColumnStretch(1, 1);
  form->setColumnStretch(3, 1);

  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(txtRaw);
  split->addWidget(grdPreview);
  split->setStretchFactor(1, 2);
  split->setSizes({130, 300});
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(lblSummary);
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(
      NewLabel(QStringLiteral("The file's first lines, as they stand and as read:"), this, true));
  layout->addWidget(split, 1);
  layout->addWidget(lblProblem);
  layout->addLayout(buttons);
  QWidget* order[] = {cbxProfile,
                      edtName,
                      cbxSeparator,
                      spnSkip,
                      spnDateColumn,
                      cbxDateOrder,
                      cbxDecimal,
                      rbtOneAmount,
                      spnAmountColumn,
                      rbtTwoAmounts,
                      spnInColumn,
                      spnOutColumn,
                      edtDescriptionColumns,
                      spnBalanceColumn,
                      txtRaw,
                      grdPreview,
                      btnOk,
                      btnCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TfrmCsvMapping::Connect() {
  connect(cbxProfile, &QComboBox::currentIndexChanged, this, &TfrmCsvMapping::ProfileChosen);
  for (QComboBox* box : {cbxSeparator, cbxDateOrder, cbxDecimal})
    connect(box, &QComboBox::currentIndexChanged, this, &TfrmCsvMapping::Refresh);
  for (QSpinBox* box :
       {spnSkip, spnDateColumn, spnAmountColumn, spnInColumn, spnOutColumn, spnBalanceColumn})
    connect(box, &QSpinBox::valueChanged, this, &TfrmCsvMapping::Refresh);
  for (QLineEdit* edit : {edtName, edtDescriptionColumns})
    connect(edit, &QLineEdit::textChanged, this, &TfrmCsvMapping::Refresh);
  connect(rbtOneAmount, &QRadioButton::toggled, this, &TfrmCsvMapping::Refresh);
  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCsvMapping::ProfileChosen(int index) {
  LoadControls(index >= 1 && index <= static_cast<int>(Profiles_.size())
                   ? Profiles_[static_cast<std::size_t>(index - 1)]
                   : Guess_);
}

void TfrmCsvMapping::LoadControls(const TCsvProfile& p) {
  Loading_ = true;
  edtName->setText(Q(p.Name));
  const auto separator = std::find(std::begin(kSeparators), std::end(kSeparators), p.Separator);
  cbxSeparator->setCurrentIndex(static_cast<int>(separator - std::begin(kSeparators)) % 3);
  spnSkip->setValue(p.SkipLines);
  spnDateColumn->setValue(p.DateColumn);
  cbxDateOrder->setCurrentIndex(static_cast<int>(p.DateOrder));
  (p.TwoAmountColumns() ? rbtTwoAmounts : rbtOneAmount)->setChecked(true);
  spnAmountColumn->setValue(p.AmountColumn);
  spnInColumn->setValue(p.InColumn);
  spnOutColumn->setValue(p.OutColumn);
  cbxDecimal->setCurrentIndex(p.DecimalSeparator == ',' ? 1 : 0);
  edtDescriptionColumns->setText(Q(ColumnListText(p.DescriptionColumns)));
  spnBalanceColumn->setValue(p.BalanceColumn);
  Loading_ = false;
  Refresh();
}

TCsvProfile TfrmCsvMapping::ProfileFromControls() const {
  TCsvProfile p;
  const std::size_t chosen = static_cast<std::size_t>(cbxProfile->currentIndex());
  if (chosen >= 1 && chosen <= Profiles_.size()) p.AccountID = Profiles_[chosen - 1].AccountID;
  p.Name = edtName->text().toStdString();
  p.Separator = kSeparators[std::clamp(cbxSeparator->currentIndex(), 0, 2)];
  p.SkipLines = spnSkip->value();
  p.DateColumn = spnDateColumn->value();
  p.DateOrder = kOrders[std::clamp(cbxDateOrder->currentIndex(), 0, 2)];
  const bool two = rbtTwoAmounts->isChecked();
  p.AmountColumn = two ? 0 : spnAmountColumn->value();
  p.InColumn = two ? spnInColumn->value() : 0;
  p.OutColumn = two ? spnOutColumn->value() : 0;
  p.DecimalSeparator = cbxDecimal->currentIndex() == 1 ? ',' : '.';
  if (!TryColumnListFromText(edtDescriptionColumns->text().toStdString(), p.DescriptionColumns))
    p.DescriptionColumns.clear();
  p.BalanceColumn = spnBalanceColumn->value();
  RememberFileShape(p, Lines_);
  return p;
}

TCsvProfile TfrmCsvMapping::Profile() const {
  return ProfileFromControls();
}

void TfrmCsvMapping::Refresh() {
  if (Loading_) return;
  const TCsvProfile p = ProfileFromControls();
  const bool two = rbtTwoAmounts->isChecked();
  spnAmountColumn->setEnabled(!two);
  spnInColumn->setEnabled(two);
  spnOutColumn->setEnabled(two);
  FillTable(p);
  ShowSummary(p);
  const std::string problem = ProfileProblem(p);
  lblProblem->setText(problem.empty() ? ReplacedProfileNote(p) : Q(problem));
  TintInvalid(*edtName, IsBlankText(p.Name));
  TintInvalid(*edtDescriptionColumns, p.DescriptionColumns.empty());
  btnOk->setEnabled(problem.empty() && RowsRead_ > 0);
}

// A new mapping under the name of a saved one takes that one's place.
QString TfrmCsvMapping::ReplacedProfileNote(const TCsvProfile& p) const {
  if (cbxProfile->currentIndex() != 0) return {};
  for (const TCsvProfile& saved : Profiles_)
    if (QString::fromStdString(saved.Name).compare(Q(p.Name), Qt::CaseInsensitive) == 0)
      return QStringLiteral("The profile \"%1\" is replaced by this mapping.").arg(Q(saved.Name));
  return {};
}

void TfrmCsvMapping::FillTable(const TCsvProfile& p) {
  const int shown = std::min(static_cast<int>(Lines_.size()), kPreviewLines);
  std::vector<TProfileRow> rows;
  int columns = 0;
  for (int i = 0; i < shown; ++i) {
    rows.push_back(ReadProfileLine(p, Lines_[static_cast<std::size_t>(i)], i));
    columns = std::max(columns, static_cast<int>(rows.back().Fields.size()));
  }
  grdPreview->clear();
  grdPreview->setRowCount(shown);
  grdPreview->setColumnCount(columns + 1);
  QStringList headings;
  for (int c = 1; c <= columns; ++c) {
    const QString role = ColumnRole(p, c);
    headings << (role.isEmpty() ? QString::number(c) : QStringLiteral("%1 %2").arg(c).arg(role));
  }
  headings << QStringLiteral("Read as");
  grdPreview->setHorizontalHeaderLabels(headings);
  for (int r = 0; r < shown; ++r) {
    const TProfileRow& read = rows[static_cast<std::size_t>(r)];
    const bool notRead = !read.Problem.empty();
    for (int c = 0; c <= columns; ++c) {
      const bool last = c == columns;
      auto* item = new QTableWidgetItem(last ? ReadAs(read)
                                        : c < static_cast<int>(read.Fields.size())
                                            ? Q(read.Fields[static_cast<std::size_t>(c)])
                                            : QString());
      if (last) item->setToolTip(item->text());
      if (notRead) {
        item->setBackground(kNotReadBack);
        item->setForeground(kNotReadText);
      } else if (read.Heading || read.Blank) {
        item->setForeground(kHeadingText);
      }
      grdPreview->setItem(r, c, item);
    }
  }
  grdPreview->resizeColumnsToContents();
  // A long heading line or description must not push "Read as" out of sight.
  for (int c = 0; c < columns; ++c)
    grdPreview->setColumnWidth(c, std::min(grdPreview->columnWidth(c), kMaxColumnWidth));
}

// Counts over the whole file, not only the lines shown.
void TfrmCsvMapping::ShowSummary(const TCsvProfile& p) {
  int read = 0, notRead = 0;
  for (std::size_t i = 0; i < Lines_.size(); ++i) {
    const TProfileRow row = ReadProfileLine(p, Lines_[i], static_cast<int>(i));
    if (row.Heading || row.Blank) continue;
    ++(row.Problem.empty() ? read : notRead);
  }
  QString text = QStringLiteral("%1 rows read").arg(read);
  if (notRead > 0) text += QStringLiteral(", %1 do not read (in red)").arg(notRead);
  lblSummary->setText(text);
  RowsRead_ = read;
}

}  // namespace tf
