#include "gui/app/FrmPasswordPrompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/FormLook.h"

namespace tf {
namespace {

constexpr int kClientWidth = 366;
constexpr int kClientHeight = 128;
constexpr int kEntryPixelSize = 20;

}  // namespace

TfrmPasswordPrompt::TfrmPasswordPrompt(const QString& initial, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      lblHeading(new QLabel(QStringLiteral("Please supply the password"), this)),
      edtPassword(new QLineEdit(initial, this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnCancel(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("frmPasswordPrompt"));
  setWindowTitle(QStringLiteral("Password"));
  ApplyFormLook(*this);
  edtPassword->setEchoMode(QLineEdit::Password);
  // Every character as "*", whatever the style's own mask character.
  edtPassword->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  QFont entryFont(QStringLiteral("Arial"));
  entryFont.setPixelSize(kEntryPixelSize);
  edtPassword->setFont(entryFont);
  btnOk->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblHeading);
  layout->addWidget(edtPassword);
  layout->addStretch();
  layout->addLayout(buttons);
  setFixedSize(kClientWidth, kClientHeight);

  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  edtPassword->setFocus();
  edtPassword->selectAll();
}

QString TfrmPasswordPrompt::Entry() const {
  return edtPassword->text();
}

std::optional<std::string> TfrmPasswordPrompt::Ask(QWidget* parent, const std::string& initial) {
  TfrmPasswordPrompt prompt(QString::fromStdString(initial), parent);
  if (prompt.exec() != QDialog::Accepted) return std::nullopt;
  return prompt.Entry().toStdString();
}

}  // namespace tf
