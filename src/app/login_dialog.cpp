#include "app/login_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/net_entry.h"
#include "app/text.h"
#include "table/cards_button.h"

namespace ostrel {

namespace {

// Typing or pasting cannot put a control character into a field.
void RefuseControlCharacters(QLineEdit* edit) {
  static const QRegularExpression kPrintable(QStringLiteral("[^\\x00-\\x1f\\x7f]*"));
  edit->setValidator(new QRegularExpressionValidator(kPrintable, edit));
}

}  // namespace

TFormPassword::TFormPassword(bool new_player, const QString& name, Check check, QWidget* parent)
    : QDialog(parent), check_(std::move(check)) {
  setObjectName("TFormPassword");
  setWindowTitle(T("Ostrel-Quartet"));
  auto* layout = new QVBoxLayout(this);
  auto* welcome = new QLabel(T(PhraseKey::Welcome), this);
  welcome->setObjectName("LabelWelcome");
  welcome->setStyleSheet("font-size: 18px; font-weight: bold; color: #800000;");
  welcome->setAlignment(Qt::AlignCenter);
  layout->addWidget(welcome);
  auto* form = new QFormLayout();
  name_ = new QLineEdit(name, this);
  name_->setObjectName("EditName");
  name_->setMaxLength(20);
  password_ = new QLineEdit(this);
  password_->setObjectName("EditPassword");
  password_->setEchoMode(QLineEdit::Password);
  password_->setMaxLength(5);
  repetition_ = new QLineEdit(this);
  repetition_->setObjectName("EditRepetition");
  repetition_->setEchoMode(QLineEdit::Password);
  repetition_->setMaxLength(5);
  for (QLineEdit* edit : {name_, password_, repetition_}) RefuseControlCharacters(edit);
  form->addRow(T(PhraseKey::EnterName), name_);
  form->addRow(T(PhraseKey::EnterPassword), password_);
  if (new_player) {
    form->addRow(T(PhraseKey::ConfirmPassword), repetition_);
  } else {
    repetition_->hide();
  }
  layout->addLayout(form);
  message_ = new QLabel(this);
  message_->setObjectName("LabelMessage");
  message_->setStyleSheet("color: #a00000; font-weight: bold;");
  message_->setWordWrap(true);
  layout->addWidget(message_);
  auto* row = new QHBoxLayout();
  ok_ = new TTarvoCardsButton(T("Ok"), this);
  ok_->setObjectName("ButtonOk");
  ok_->SetColorSB(SkinColour::DGreen);
  ok_->setFixedHeight(30);
  auto* cancel = new TTarvoCardsButton(T(PhraseKey::Cancel), this);
  cancel->SetColorSB(SkinColour::DRed);
  cancel->setFixedHeight(30);
  row->addWidget(ok_);
  row->addWidget(cancel);
  layout->addLayout(row);
  connect(ok_, &QAbstractButton::clicked, this, &TFormPassword::TryAccept);
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(name_, &QLineEdit::returnPressed, this, &TFormPassword::TryAccept);
  connect(password_, &QLineEdit::returnPressed, this, &TFormPassword::TryAccept);
  connect(repetition_, &QLineEdit::returnPressed, this, &TFormPassword::TryAccept);
  (name.trimmed().isEmpty() ? name_ : password_)->setFocus();
  setMinimumWidth(340);
}

void TFormPassword::UseNetworkLayout(NetworkEntryPanel* panel) {
  network_ = panel;
  panel->setParent(this);
  // Under the name and password rows, above the message and the buttons.
  static_cast<QVBoxLayout*>(layout())->insertWidget(1, panel);
  name_->setMaxLength(4);
  name_->setText(name_->text().left(4));
  resize(435, 455);
}

QString TFormPassword::Name() const {
  QString name = name_->text();
  for (QChar& c : name) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = QLatin1Char(' ');
  }
  return name.trimmed();
}
QString TFormPassword::Message() const {
  return message_->text();
}

void TFormPassword::TryAccept() {
  const QString error =
      check_ ? check_(Name(), password_->text(),
                      repetition_->isHidden() ? password_->text() : repetition_->text())
             : QString();
  if (!error.isEmpty()) {
    message_->setText(error);
    return;
  }
  if (network_ != nullptr) {
    QString problem;
    if (network_->Check(&problem).problem != lan::EntryProblem::kNone) {
      message_->setText(problem);
      return;
    }
  }
  if (accept_step_) {
    QString problem;
    if (!accept_step_(&problem)) {
      message_->setText(problem);
      return;
    }
  }
  accept();
}

}  // namespace ostrel
