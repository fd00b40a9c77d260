#include "gui/app/FrmErrorWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/app/FormLook.h"
#include "gui/app/VersionInfo.h"

namespace tf {
namespace {

constexpr int kIconSize = 48;
constexpr int kHeadingPixelSize = 15;
constexpr int kWidth = 480;
constexpr int kLogHeight = 220;

}  // namespace

TfrmErrorWindow::TfrmErrorWindow(TMailSender sendMail, QWidget* parent)
    : QDialog(parent),
      imgErrorIcon(new QLabel(this)),
      lblError(new QLabel(QStringLiteral("Unanticipated Error has occurred"), this)),
      lblNice(new QLabel(
          QStringLiteral("We are very sorry, some how a little bug slipped into the application, "
                         "if you send us this bug we will fix it for you and let you know when it "
                         "is fixed."),
          this)),
      chkShowError(new QCheckBox(QStringLiteral("Show Error Details"), this)),
      mmoLog(new QPlainTextEdit(this)),
      lblOffer(new QLabel(this)),
      btnOffer(new QPushButton(this)),
      btnClose(new QPushButton(QStringLiteral("Close down application"), this)),
      btnSendReport(new QPushButton(QStringLiteral("Send Report"), this)),
      btnWhatEver(new QPushButton(QStringLiteral("Ok"), this)),
      SendMail_(std::move(sendMail)) {
  setObjectName(QStringLiteral("frmErrorWindow"));
  setWindowTitle(QStringLiteral("Oops"));
  ApplyFormLook(*this);
  imgErrorIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(kIconSize));
  imgErrorIcon->setFixedSize(kIconSize, kIconSize);
  QFont heading = lblError->font();
  heading.setBold(true);
  heading.setPixelSize(kHeadingPixelSize);
  lblError->setFont(heading);
  lblNice->setWordWrap(true);
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::Monospace);
  mmoLog->setFont(mono);
  mmoLog->setReadOnly(true);
  mmoLog->setLineWrapMode(QPlainTextEdit::NoWrap);
  mmoLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmoLog->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  mmoLog->setFixedHeight(kLogHeight);
  mmoLog->setVisible(false);
  btnWhatEver->setDefault(true);
  lblOffer->setWordWrap(true);
  lblOffer->hide();
  btnOffer->hide();
  BuildLayout();

  connect(chkShowError, &QCheckBox::toggled, mmoLog, &QWidget::setVisible);
  connect(btnClose, &QPushButton::clicked, this, [this] { done(kCloseDown); });
  connect(btnOffer, &QPushButton::clicked, this, [this] { done(kTakeOffer); });
  connect(btnSendReport, &QPushButton::clicked, this, &TfrmErrorWindow::btnSendReportClick);
  connect(btnWhatEver, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmErrorWindow::BuildLayout() {
  auto* texts = new QVBoxLayout;
  texts->addWidget(lblError);
  texts->addWidget(lblNice);
  auto* top = new QHBoxLayout;
  top->addWidget(imgErrorIcon, 0, Qt::AlignTop);
  top->addLayout(texts, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnClose);
  buttons->addStretch();
  buttons->addWidget(btnOffer);
  buttons->addWidget(btnSendReport);
  buttons->addWidget(btnWhatEver);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(chkShowError);
  layout->addWidget(mmoLog);
  layout->addWidget(lblOffer);
  layout->addLayout(buttons);
  // Fixed size, growing and shrinking with the details box.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(kWidth);
  lblNice->setMinimumWidth(kWidth - kIconSize - 40);
}

void TfrmErrorWindow::SetReport(const QString& report) {
  mmoLog->clear();
  mmoLog->setPlainText(report);
}

void TfrmErrorWindow::SetOffer(const QString& text, const QString& caption) {
  lblOffer->setText(text);
  btnOffer->setText(caption);
  lblOffer->show();
  btnOffer->show();
  // The way out is what the user most likely wants.
  btnWhatEver->setDefault(false);
  btnOffer->setDefault(true);
}

bool TfrmErrorWindow::ShowErrorReport(const QString& report) {
  SetReport(report);
  return exec() == kCloseDown;
}

void TfrmErrorWindow::btnSendReportClick() {
  if (SendMail_)
    SendMail_(TVersionInfo::SupportAddress(), QStringLiteral("Tallyfold - Error"),
              mmoLog->toPlainText());
}

}  // namespace tf
