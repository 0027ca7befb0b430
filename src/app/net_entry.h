// The network part of the entry dialog (TFormPassword in its network layout): host or join,
// the host's address and port, the machine's addresses for the people who join, and the
// checks of OK. The name and password checks stay the dialog's.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "lan/entry_checks.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ostrel {

class NetworkEntryPanel : public QWidget {
  Q_OBJECT
 public:
  // `public_address` asks the web service for the machine's public address (empty when the
  // request fails); it runs on a worker thread, only when the user asks for the addresses.
  NetworkEntryPanel(const std::string& server_ip, const std::string& server_port,
                    std::function<QString()> public_address, QWidget* parent = nullptr);

  bool IsClient() const;
  // ServerIp and ServerPort as the fields leave them.
  const std::string& ServerIp() const { return server_ip_; }
  const std::string& ServerPort() const { return server_port_; }
  // OK: the address (client) and the port; on a problem its phrase, and the field in fault
  // takes the focus.
  lan::EntryCheck Check(QString* message);
  // Fills the address fields: the interfaces' addresses, the public one (when the web service
  // has answered: PublicAddressShown), then the loopback.
  void ShowAddresses();

  QRadioButton* ServerChoice() { return server_; }
  QRadioButton* ClientChoice() { return client_; }
  QLineEdit* AddressEdit() { return address_; }
  QLineEdit* PortEdit() { return port_; }
  QLineEdit* AddressField(int k) { return addresses_[k]; }

 signals:
  // "?": the owner shows how to set up a router for network play.
  void HelpRequested();
  // The public address's field holds the web service's answer.
  void PublicAddressShown();

 private:
  void ChooseServer(bool server);
  void AddressEdited(const QString& text);
  void PortEdited(const QString& text);

  std::string server_ip_;
  std::string server_port_;
  std::function<QString()> public_address_;
  QRadioButton* server_;
  QRadioButton* client_;
  QLineEdit* address_;
  QLineEdit* port_;
  QString address_accepted_;
  QString port_accepted_;
  std::array<QLineEdit*, 6> addresses_{};
  QLabel* loop_hint_;
};

}  // namespace ostrel
