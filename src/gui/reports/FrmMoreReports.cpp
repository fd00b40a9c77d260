#include "gui/reports/FrmMoreReports.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "base/GridColors.h"
#include "gui/app/CellText.h"
#include "gui/app/FormLook.h"
#include "gui/reports/FrmExpenseBarReport.h"
#include "gui/reports/FrmExpenseLineReport.h"
#include "gui/reports/FrmFinancialYearReport.h"
#include "gui/reports/FrmMonthCompare.h"
#include "gui/workspace/DialogLook.h"

namespace tf {
namespace {

constexpr int kEntryHeight = 45;
constexpr int kListWidth = 172;

template <class TReport>
QWidget* NewReport(TGlobal& global, const TReportWindowDialogs& dialogs, QWidget* parent) {
  return new TReport(global, dialogs, parent);
}

QColor ToQColor(TColor colour) {
  return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// Each entry 45 pixels high, its text centred and wrapped, in the grids'
// selection colours.
class TReportEntryDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return {option.rect.width(), kEntryHeight};
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const bool focused = option.state & QStyle::State_HasFocus;
    const bool listFocused = option.widget != nullptr && option.widget->hasFocus();
    QColor background = Qt::white;
    if (selected) background = ToQColor(listFocused ? SelectionColor() : InactiveSelectionColor());
    painter->save();
    painter->fillRect(option.rect, background);
    painter->setFont(QFont(QString::fromLatin1(GridFontName()), 8));
    painter->setPen(Qt::black);
    DrawCellText(*painter, index.data().toString(), option.rect, THorizontalAlign::Centre,
                 TVerticalAlign::Centre, true);
    if (focused && listFocused) {
      QPen dotted(Qt::black, 1, Qt::DotLine);
      painter->setPen(dotted);
      painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
  }
};

}  // namespace

const std::vector<TMoreReportEntry>& MoreReportEntries() {
  static const std::vector<TMoreReportEntry> entries = {
      {"Select Report", {}},
      {"Financial Year Report - Income and Expense as a long list",
       NewReport<TfrmFinancialYearReport>},
      {"Expense Bar Report", NewReport<TfrmExpenseBarReport>},
      {"Expense Line Report ", NewReport<TfrmExpenseLineReport>},
      {"Compare Months", NewReport<TfrmMonthCompare>},
  };
  return entries;
}

TfrmMoreReports::TfrmMoreReports(TGlobal& global, const TReportWindowDialogs& dialogs,
                                 QWidget* parent)
    : QDialog(parent), Global_(global), Dialogs_(dialogs) {
  setWindowTitle(QStringLiteral("More Reports"));
  setMinimumSize(750, 500);
  resize(750, 500);
  ApplyFormLook(*this);
  BuildControls();
  BuildLayout();
  // A press on another entry changes the row and shows its report; a click
  // on the entry already chosen starts that report afresh.
  connect(lbxReports, &QListWidget::currentRowChanged, this, &TfrmMoreReports::lbxReportsClick);
  connect(lbxReports, &QListWidget::itemClicked, this, [this] {
    if (lbxReports->currentRow() == RowAtPress_) lbxReportsClick();
  });
  lbxReports->viewport()->installEventFilter(this);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
  const QSignalBlocker blocker(lbxReports);
  lbxReports->setCurrentRow(0);
}

TfrmMoreReports::~TfrmMoreReports() {
  delete Hosted_.data();
}

void TfrmMoreReports::BuildControls() {
  lbxReports = new QListWidget(this);
  lbxReports->setObjectName(QStringLiteral("lbxReports"));
  lbxReports->setFixedWidth(kListWidth);
  lbxReports->setItemDelegate(new TReportEntryDelegate(lbxReports));
  lbxReports->setWordWrap(true);
  for (const TMoreReportEntry& entry : MoreReportEntries())
    lbxReports->addItem(QString::fromUtf8(entry.Caption));
  pnlClient = new QFrame(this);
  pnlClient->setObjectName(QStringLiteral("pnlClient"));
  lblClientCaption =
      new QLabel(QStringLiteral("Please select a report from the list on the left"), pnlClient);
  lblClientCaption->setAlignment(Qt::AlignCenter);
  lblClientCaption->setWordWrap(true);
  pnlBottom = new QWidget(this);
  btnClose = new QPushButton(QStringLiteral("Close"), pnlBottom);
}

void TfrmMoreReports::BuildLayout() {
  auto* client = new QVBoxLayout(pnlClient);
  client->setContentsMargins(0, 0, 0, 0);
  client->addWidget(lblClientCaption);
  auto* bottom = new QHBoxLayout(pnlBottom);
  bottom->setContentsMargins(0, 0, 0, 0);
  bottom->addStretch(1);
  bottom->addWidget(btnClose);
  auto* body = new QHBoxLayout;
  body->addWidget(lbxReports);
  body->addWidget(pnlClient, 1);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(10, 10, 10, 10);
  outer->addLayout(body, 1);
  outer->addWidget(pnlBottom);
}

void TfrmMoreReports::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (Centred_) return;
  Centred_ = true;
  CentreOnScreen(*this);
}

bool TfrmMoreReports::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lbxReports->viewport() && event->type() == QEvent::MouseButtonPress)
    RowAtPress_ = lbxReports->currentRow();
  return QDialog::eventFilter(watched, event);
}

void TfrmMoreReports::lbxReportsClick() {
  ChooseReport(lbxReports->currentRow());
}

void TfrmMoreReports::ChooseReport(int index) {
  const std::vector<TMoreReportEntry>& entries = MoreReportEntries();
  if (index < 0 || index >= static_cast<int>(entries.size())) return;
  if (lbxReports->currentRow() != index) {
    const QSignalBlocker blocker(lbxReports);
    lbxReports->setCurrentRow(index);
  }
  // The old report goes first, so that two never live side by side.
  ShowReport(nullptr);
  if (entries[index].Create) ShowReport(entries[index].Create(Global_, Dialogs_, pnlClient));
}

void TfrmMoreReports::ShowReport(QWidget* report) {
  delete Hosted_.data();
  Hosted_ = report;
  lblClientCaption->setVisible(report == nullptr);
  if (report == nullptr) return;
  report->setWindowFlags(Qt::Widget);
  report->setParent(pnlClient);
  pnlClient->layout()->addWidget(report);
  report->show();
}

}  // namespace tf
