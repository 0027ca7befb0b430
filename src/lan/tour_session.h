// One player's connection to a tournament table of the game server, without widgets: it
// names the booked seat ("connect" and the seat digit) once connected, frames the server's
// records (RecordFramer), applies the other players' actions to the local table, and sends
// this copy's actions, chat, "bnext", the result, "TOut" and "disA" as tournament records.
// Everything runs on the thread of the Qt event loop that owns the session; the simulator
// and the tournament window both drive a table through it.
//
// The seats: the local player is tournament seat S and sits at table position 4; tournament
// seat s sits at TablePosition(S, s) (lan_rules.h). The server deals and checks every move.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <string>
#include <string_view>

#include "game/game.h"
#include "game/outgoing.h"
#include "game/seat_driver.h"
#include "lan/deal_codec.h"
#include "lan/tournament_record.h"

namespace ostrel::lan {

// The connection state: 0 none, 1 seat booked and connecting, 2 "connect" sent, 10 the game
// has ended (normally or by a notice).
enum class TourState { kNone = 0, kConnecting = 1, kConnected = 2, kEnded = 10 };

// The rules every tournament game is played by.
RuleOptions TournamentRules();

class TourSession : public QObject, public OutgoingPort {
  Q_OBJECT

 public:
  explicit TourSession(QObject* parent = nullptr);
  ~TourSession() override;

  // Connects to the table's port for the booked tournament seat (1 to 4). Failure arrives as
  // ConnectionError.
  void Open(const QString& host, quint16 port, int seat);
  // Closes the connection; no signal reports this copy's own closing.
  void Close();
  // A booked seat given up before the game: "disA", then the connection is closed.
  void GiveUp();

  // The table this session plays: tournament mode, the tournament seat and waiting drivers
  // for the three other people. Call again before each new game.
  void Attach(Game* game);
  void PrepareTable();

  int Seat() const { return seat_; }
  TourState State() const { return state_; }
  int Deals() const { return deals_; }  // deals received on this connection
  // The table position of a tournament seat at this copy.
  int PositionOf(int seat) const;

  // Sends a typed chat line (UTF-8); returns the text as sent, empty when nothing was sent.
  std::string SendChat(std::string_view utf8);

  // OutgoingPort: the local player's actions, "bnext", "TOut" and the result.
  void Send(const TableMessage& message) override;

 signals:
  void Connected();                                      // "connect" has been sent
  void DealReceived(const ostrel::lan::DealDeck& deck);  // first = Deals() == 1
  void MessageApplied();                                 // another seat's action was applied
  void ChatReceived(int seat, const QString& text);      // tournament seat, UTF-8 text
  void GameOver();                                       // "end": the game is over
  void PlayerLeft(int seat);                             // "abort": that tournament seat left
  void TimeRanOut(int seat);                             // "TOut": that seat's time is up
  void ConnectionLost();  // the server closed the connection while the game was not over
  void ConnectionError(const QString& reason);  // the connection could not be made
  void Refused(const QString& report);          // something the server sent was refused

 private:
  void OnReadable();
  void OnDisconnected();
  void Handle(const TourRecord& record);
  void Write(const TourRecord& record);
  void End();

  QPointer<QTcpSocket> socket_;
  RecordFramer framer_{From::kServer};
  int seat_ = 0;
  int deals_ = 0;
  TourState state_ = TourState::kNone;
  Game* game_ = nullptr;
  WaitingDriver waiting_;
};

}  // namespace ostrel::lan
