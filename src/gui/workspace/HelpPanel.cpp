#include "gui/workspace/HelpPanel.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tf {
namespace {

constexpr int kBorder = 5;

QFont WelcomeFont() {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(16);
  font.setBold(true);
  return font;
}

}  // namespace

THelpPanel::THelpPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("pnlAccountHelp"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  setPalette(palette);
  setFont(QFont(QStringLiteral("Arial"), 8));

  lblWelcome = new QLabel(QStringLiteral("Welcome to Tallyfold"), this);
  lblWelcome->setFont(WelcomeFont());
  lblWelcome->setAlignment(Qt::AlignCenter);
  lblWelcome->setStyleSheet(QStringLiteral("color: #0080C0;"));
  lblTips = AddTip(QStringLiteral("Some quick tips"));
  lblhelp3 =
      AddTip(QStringLiteral("1) Click on the \"Add Account\" and create your first account like "
                            "credit card, saving etc."));
  lblHelp1 = AddTip(QStringLiteral(
      "2) Once you have an account you can add transactions and import your bank statements."));
  lblHelp2 = AddTip(QStringLiteral("3) I hope the rest will come clear as you use it"));
  btnCloseHelp = new QPushButton(QStringLiteral("Hide this and never show again"), this);
  btnCloseHelp->setAutoFillBackground(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kBorder + 6, kBorder + 6, kBorder + 6, kBorder + 6);
  layout->setSpacing(8);
  layout->addWidget(lblWelcome);
  for (QLabel* tip : {lblTips, lblhelp3, lblHelp1, lblHelp2}) layout->addWidget(tip);
  layout->addWidget(btnCloseHelp, 0, Qt::AlignHCenter);
  setFixedWidth(360);

  lblhelp3->installEventFilter(this);
  lblHelp1->installEventFilter(this);
  connect(btnCloseHelp, &QPushButton::clicked, this, &THelpPanel::hideForeverClicked);
}

QLabel* THelpPanel::AddTip(const QString& text) {
  auto* label = new QLabel(text, this);
  label->setWordWrap(true);
  return label;
}

bool THelpPanel::eventFilter(QObject* watched, QEvent* event) {
  const bool enter = event->type() == QEvent::Enter;
  if (enter || event->type() == QEvent::Leave) {
    if (watched == lblhelp3) emit firstTipHovered(enter);
    if (watched == lblHelp1) emit secondTipHovered(enter);
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace tf
