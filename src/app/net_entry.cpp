#include "app/net_entry.h"

#include <QFormLayout>
#include <QFutureWatcher>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/text.h"

namespace ostrel {

NetworkEntryPanel::NetworkEntryPanel(const std::string& server_ip, const std::string& server_port,
                                     std::function<QString()> public_address, QWidget* parent)
    : QWidget(parent),
      server_ip_(server_ip),
      server_port_(server_port),
      public_address_(std::move(public_address)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* choice = new QGroupBox(T("Server / Client"), this);
  auto* choice_layout = new QVBoxLayout(choice);
  server_ = new QRadioButton(T("Server create the game"), choice);
  client_ = new QRadioButton(T("Client enters to game"), choice);
  choice_layout->addWidget(server_);
  choice_layout->addWidget(client_);
  layout->addWidget(choice);

  auto* form = new QFormLayout();
  address_ = new QLineEdit(this);
  address_->setObjectName("EditServerIp");
  address_->setMaxLength(static_cast<int>(lan::kAddressFieldMax));
  port_ = new QLineEdit(QString::fromStdString(server_port_), this);
  port_->setObjectName("EditServerPort");
  port_->setMaxLength(static_cast<int>(lan::kPortFieldMax));
  port_accepted_ = port_->text();
  auto* games = new QLineEdit(this);
  games->setReadOnly(true);
  games->setEnabled(false);
  form->addRow(T("Enter IP of server:"), address_);
  form->addRow(T("Enter Port of server:"), port_);
  form->addRow(T("Number games:"), games);
  layout->addLayout(form);

  auto* row = new QHBoxLayout();
  auto* get_ips = new QPushButton(T("To receive the IP-addresses"), this);
  get_ips->setObjectName("ButtonGetIps");
  auto* help = new QPushButton("?", this);
  help->setObjectName("ButtonRouterHelp");
  help->setFixedWidth(30);
  row->addWidget(get_ips);
  row->addWidget(help);
  layout->addLayout(row);
  auto* grid = new QGridLayout();
  for (int k = 0; k < 6; ++k) {
    addresses_[k] = new QLineEdit(this);
    addresses_[k]->setReadOnly(true);
    addresses_[k]->hide();
    grid->addWidget(addresses_[k], k / 2, (k % 2) * 2);
  }
  loop_hint_ = new QLabel(T("Loop"), this);
  loop_hint_->hide();
  grid->addWidget(loop_hint_, 3, 0);
  layout->addLayout(grid);

  connect(server_, &QRadioButton::toggled, this, &NetworkEntryPanel::ChooseServer);
  connect(address_, &QLineEdit::textEdited, this, &NetworkEntryPanel::AddressEdited);
  connect(port_, &QLineEdit::textEdited, this, &NetworkEntryPanel::PortEdited);
  connect(get_ips, &QPushButton::clicked, this, &NetworkEntryPanel::ShowAddresses);
  connect(help, &QPushButton::clicked, this, &NetworkEntryPanel::HelpRequested);
  server_->setChecked(true);
  ChooseServer(true);
}

bool NetworkEntryPanel::IsClient() const {
  return client_->isChecked();
}

void NetworkEntryPanel::ChooseServer(bool server) {
  address_->setEnabled(!server);
  address_->setText(server ? QString() : QString::fromStdString(server_ip_));
  address_accepted_ = address_->text();
}

// A text the field does not accept puts back the last one it did.
void NetworkEntryPanel::AddressEdited(const QString& text) {
  if (!lan::AddressFieldAccepts(text.toStdString())) {
    address_->setText(address_accepted_);
    return;
  }
  address_accepted_ = text;
  if (IsClient() && !text.isEmpty()) server_ip_ = text.toStdString();
}

void NetworkEntryPanel::PortEdited(const QString& text) {
  if (!lan::PortFieldAccepts(text.toStdString())) {
    port_->setText(port_accepted_);
    return;
  }
  port_accepted_ = text;
  server_port_ = text.toStdString();
}

lan::EntryCheck NetworkEntryPanel::Check(QString* message) {
  const lan::EntryCheck check =
      lan::CheckEntry(IsClient(), address_->text().toStdString(), port_->text().toStdString());
  if (check.problem == lan::EntryProblem::kIncorrectIp) {
    *message = T("Incorrect IP-address!");
    address_->setFocus();
  } else if (check.problem == lan::EntryProblem::kIncorrectPort) {
    *message = T("Incorrect Port!");
    port_->setFocus();
  }
  return check;
}

void NetworkEntryPanel::ShowAddresses() {
  QStringList found;
  for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
    if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback()) found << a.toString();
  }
  while (found.size() > 4) found.removeLast();
  const int public_field = int(found.size());
  found << QString();  // the public address, once the web service has answered
  found << "127.0.0.1";
  for (int k = 0; k < 6; ++k) {
    addresses_[k]->setVisible(k < found.size());
    addresses_[k]->setText(k < found.size() ? found[k] : QString());
  }
  loop_hint_->setVisible(true);
  if (!public_address_) return;
  // The request may take seconds: it runs on a worker thread and the window goes on. A
  // second click while it runs asks again; the last answer stands.
  auto* watcher = new QFutureWatcher<QString>(this);
  connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, public_field] {
    addresses_[public_field]->setText(watcher->result());
    watcher->deleteLater();
    emit PublicAddressShown();
  });
  watcher->setFuture(QtConcurrent::run(public_address_));
}

}  // namespace ostrel
