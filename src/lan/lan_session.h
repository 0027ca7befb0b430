// One copy's side of a LAN game over TCP, without widgets: the host's listener and its
// accepted connections, or the client's connection to the host; the handshake that seats
// each copy; the deal the host sends at every deal; the relay of game actions and chat lines;
// the refusal of anything a connection may not do; the end of a game when a copy leaves.
// Everything runs on the thread of the Qt event loop that owns the session.
//
// The socket classes only move bytes: framing, decoding and the LAN rules are the codecs'
// (lan_framer.h, lan_message.h, lan_rules.h); the rules of play are the table engine's.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "game/outgoing.h"
#include "game/seat_driver.h"
#include "lan/lan_framer.h"
#include "lan/lan_message.h"
#include "lan/lan_rules.h"

namespace ostrel::lan {

// The connection state of one copy.
enum class LanState { kIdle, kJoining, kSeated, kDealt };

class LanSession : public QObject, public OutgoingPort {
  Q_OBJECT

 public:
  explicit LanSession(QObject* parent = nullptr);
  ~LanSession() override;

  // Host: listens on `port` (0 picks a free one). `name` is the player's name in
  // Windows-1251; it travels as four bytes. False with ErrorText() when the port is taken.
  bool Host(const QHostAddress& address, quint16 port, std::string_view name);
  quint16 ListenPort() const;
  // Client: connects and sends the hello once connected. Failure arrives as ConnectionFailed.
  void Join(const QHostAddress& address, quint16 port, std::string_view name);
  // Closes the listener and every connection; no signal reports this copy's own leaving.
  // The sockets send what they hold first; Flushed() tells when they are all gone.
  void Close();
  bool Flushed();

  // The table this session plays. Sets the network mode, the seat names and the drivers of
  // the other people's seats; call again after the roster changes and before each game.
  void Attach(Game* game);
  void PrepareTable();

  bool IsHost() const { return seat_ == 1; }
  int NetworkSeat() const { return seat_; }
  int LastConnection() const;
  LanState State() const { return state_; }
  // The names at this copy's table positions (element p - 1 is position p), four bytes each.
  PositionNames Names() const;
  const QString& ErrorText() const { return error_; }
  // Client: the host's rules as the last deal message carried them (none when it carried
  // no well-formed trailer). The game follows the host's rules, not this copy's settings.
  const std::optional<DealRules>& HostRules() const { return host_rules_; }

  // Host: sends the deal now in the record to every client (at each deal, as it starts).
  // Stops the joining: a later hello is not answered.
  void SendDeal(const GameRecord& record, const RuleOptions& rules);
  // Sends a typed chat line (Windows-1251; cleaned to what a chat line may carry). Returns
  // the text as sent.
  std::string SendChat(std::string_view text);

  // OutgoingPort: the actions taken at this table.
  void Send(const TableMessage& message) override;

 signals:
  void ClientSeated(int clients);                        // host: a joiner got its seat
  void Seated();                                         // client: the seat message arrived
  void RosterChanged();                                  // the names changed
  void DealReceived(const ostrel::lan::DealDeck& deck);  // client: the host's deal
  void ChatReceived(int seat, const QByteArray& text);
  void MessageApplied();                // an action was applied to the table
  void Refused(const QString& report);  // something a connection may not do was refused
  void Interrupted();  // a player left, or the host sent "abort": the game ends here
  void PeerLeft();     // a connection ended while no game was running
  void ConnectionFailed(const QString& reason);  // client: no host there

 private:
  struct Connection {
    QPointer<QTcpSocket> socket;
    LanFramer framer;
    int seat = 0;  // 0 until seated (host side); the host's seat 1 on a client
  };

  void OnNewConnection();
  void OnReadable(Connection* connection);
  void OnDisconnected(Connection* connection);
  void Handle(Connection& connection, const std::string& frame);
  void HandleOnHost(Connection& connection, const std::string& frame, const LanMessage& message);
  void HandleOnClient(const std::string& frame, const LanMessage& message);
  void HostAction(Connection& connection, const std::string& frame, const LanAction& action);
  void ClientAction(const LanAction& action);
  void Accept(Connection& connection, const Hello& hello);
  void Relay(int sender_seat, const std::string& frame);
  void Write(Connection& connection, const std::string& bytes);
  void Report(const Connection* connection, const std::string& what);
  void EndByLeaving();
  bool GameRunning() const;
  Connection* ConnectionOfSeatNumber(int seat);
  void Drop(Connection* connection);

  std::unique_ptr<QTcpServer> server_;
  std::vector<std::unique_ptr<Connection>> connections_;  // host: every open; client: one
  std::vector<QPointer<QTcpSocket>> closing_sockets_;
  std::unique_ptr<HostRoster> host_roster_;
  ClientRoster client_roster_;
  std::string own_name_;
  int seat_ = 0;
  LanState state_ = LanState::kIdle;
  Game* game_ = nullptr;
  WaitingDriver waiting_;
  QString error_;
  std::optional<DealRules> host_rules_;
  bool closing_ = false;
};

// The interruption message: "One of player has interrupted game!" and the way back.
std::string InterruptionText();

}  // namespace ostrel::lan
