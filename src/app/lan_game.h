// The window's LAN game: the LAN session that drives the table's other seats, the way into a
// network game (host or join, then the waiting room), the host's deals, the client's wait for
// its first deal, the chat lines, and the end of a network game when a player leaves.
//
// The table session keeps playing the game as for a local one; this controller only puts the
// LAN session on the table (network mode, the other people's seats waiting for messages, this
// copy's actions going out) and takes it off again when the network game ends.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/table_session.h"
#include "game/table_port.h"
#include "lan/entry_checks.h"
#include "lan/lan_session.h"

class QDialog;
class QWidget;

namespace ostrel {

// What the entry dialog asked for: host on a port, or join a host at an address.
struct LanEntry {
  bool client = false;
  lan::EntryCheck where;  // the checked address and port
  std::string name;       // the player's name, UTF-8
};

class LanGame : public QObject {
  Q_OBJECT
 public:
  // `screen` is the table's port; the table session is given the controller's port instead,
  // which passes everything on and notes the deals.
  explicit LanGame(TablePort& screen, QObject* parent = nullptr);
  ~LanGame() override;

  TablePort& Port() { return tap_; }
  void UseSession(TableSession* session) { session_ = session; }
  lan::LanSession& Lan() { return lan_; }

  // The entry dialog's OK: opens the listener or the connection and shows the waiting room
  // through `run` (modal). True when the game is to start; otherwise `problem` tells why the
  // copy could not host, or is empty when the room was cancelled.
  bool Enter(const LanEntry& entry, QWidget* parent, const std::function<int(QDialog&)>& run,
             QString* problem);
  // The table is shown: the host starts the game and deals it; a client starts with the host's
  // first deal, at once if it has come already.
  void Begin(ClubSession* club, MessagePort* messages, const RuleOptions& rules);
  // A network game is set up (from a successful Enter until End).
  bool Active() const { return active_; }
  bool IsHost() const { return lan_.IsHost(); }
  // A client whose table waits for the host's first deal.
  bool WaitingForFirstDeal() const { return active_ && !lan_.IsHost() && !started_; }
  // The network game is over (left, interrupted or ended): the connections close and the table
  // returns to local play.
  void End();
  // Sends a typed chat line and shows it here; an empty line is not sent.
  void SendChat(const QString& text);

 signals:
  // A player left, or the host ended the game: the window shows why and goes to the menu.
  void Interrupted();
  // A line for the chat strip: the sender's network seat and the text; `arrived` when it came
  // from another copy.
  void ChatLine(int seat, const QString& text, bool arrived);
  // A client's table received its first deal.
  void FirstDealArrived();

 private:
  class DealTap : public TablePort {
   public:
    DealTap(LanGame& owner, TablePort& next) : owner_(owner), next_(next) {}
    void Show(const Effect& effect) override;

   private:
    LanGame& owner_;
    TablePort& next_;
  };

  void OnDeal(const lan::DealDeck& deck);
  void StartClientGame(const lan::DealDeck& deck);
  void OnLeft();
  void Detach();

  lan::LanSession lan_;
  DealTap tap_;
  TableSession* session_ = nullptr;
  ClubSession* club_ = nullptr;
  MessagePort* messages_ = nullptr;
  RuleOptions rules_;
  std::optional<lan::DealDeck> pending_deck_;
  bool active_ = false;
  bool begun_ = false;
  bool started_ = false;
  bool in_room_ = false;
};

}  // namespace ostrel
