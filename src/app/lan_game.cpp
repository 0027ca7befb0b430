#include "app/lan_game.h"

#include <QDialog>
#include <QHostAddress>

#include "app/wait_room.h"
#include "game/cp1251.h"
#include "lan/lan_rules.h"

namespace ostrel {
namespace {

QString FromCp1251(std::string_view bytes) {
  return QString::fromStdString(Cp1251ToUtf8(bytes));
}

// A typed text in Windows-1251; a character the code page lacks becomes "?".
std::string ToCp1251(const QString& text) {
  std::string bytes;
  for (const QChar c : text) {
    const auto one = Utf8ToCp1251(QString(c).toStdString());
    bytes += one && one->size() == 1 ? *one : std::string("?");
  }
  return bytes;
}

QHostAddress AddressOf(const lan::EntryCheck& where) {
  const auto& a = where.address;
  return QHostAddress((quint32(a[0]) << 24) | (quint32(a[1]) << 16) | (quint32(a[2]) << 8) |
                      quint32(a[3]));
}

}  // namespace

void LanGame::DealTap::Show(const Effect& effect) {
  // The host's deal goes out the moment it is dealt, ahead of every action of that deal.
  if (std::holds_alternative<DealStartFact>(effect) && owner_.active_ && owner_.lan_.IsHost() &&
      owner_.session_ != nullptr) {
    owner_.lan_.SendDeal(owner_.session_->Record(), owner_.session_->CurrentGame().Options());
  }
  next_.Show(effect);
}

LanGame::LanGame(TablePort& screen, QObject* parent) : QObject(parent), tap_(*this, screen) {
  using lan::LanSession;
  connect(&lan_, &LanSession::DealReceived, this, &LanGame::OnDeal);
  connect(&lan_, &LanSession::Interrupted, this, &LanGame::OnLeft);
  connect(&lan_, &LanSession::PeerLeft, this, &LanGame::OnLeft);
  connect(&lan_, &LanSession::ChatReceived, this, [this](int seat, const QByteArray& text) {
    emit ChatLine(seat, FromCp1251(text.toStdString()), true);
  });
  connect(&lan_, &LanSession::Refused, this,
          [](const QString& report) { qWarning("LAN: %s", qPrintable(report)); });
}

LanGame::~LanGame() {
  Detach();
}

bool LanGame::Enter(const LanEntry& entry, QWidget* parent, const std::function<int(QDialog&)>& run,
                    QString* problem) {
  problem->clear();
  End();
  const std::string name = ToCp1251(QString::fromStdString(entry.name));
  if (entry.client) {
    lan_.Join(AddressOf(entry.where), entry.where.port, name);
  } else if (!lan_.Host(QHostAddress::AnyIPv4, entry.where.port, name)) {
    *problem = lan_.ErrorText();
    return false;
  }
  in_room_ = true;
  TFormWait room(lan_, parent);
  // A seated player who leaves before the start ends this network game: the room closes.
  connect(&lan_, &lan::LanSession::PeerLeft, &room, &QDialog::reject);
  const bool start = run(room) == QDialog::Accepted && lan_.State() != lan::LanState::kIdle;
  in_room_ = false;
  if (!start) {
    lan_.Close();
    pending_deck_.reset();
    return false;
  }
  active_ = true;
  return true;
}

void LanGame::Begin(ClubSession* club, MessagePort* messages, const RuleOptions& rules) {
  if (!active_ || session_ == nullptr) return;
  club_ = club;
  messages_ = messages;
  rules_ = rules;
  begun_ = true;
  lan_.Attach(&session_->CurrentGame());
  if (lan_.IsHost()) {
    // A joiner seated while the room closed may leave a roster the game cannot start with
    // (two clients): the game ends before it begins.
    if (!lan::HostWaitingButtons(lan_.LastConnection() + 1).ok) {
      emit Interrupted();
      return;
    }
    // The table's deal start sends the first deal (DealTap).
    started_ = true;
    session_->Start(club_, messages_, rules_);
    return;
  }
  if (pending_deck_) {
    const lan::DealDeck deck = *pending_deck_;
    pending_deck_.reset();
    StartClientGame(deck);
  }
}

void LanGame::OnDeal(const lan::DealDeck& deck) {
  if (!active_ && !in_room_) return;
  if (!begun_) {
    // The table is not shown yet (the dialogs are still closing): the deal waits for it.
    pending_deck_ = deck;
    return;
  }
  if (!started_) return StartClientGame(deck);
  Game& game = session_->CurrentGame();
  game.SetNextDeck(deck);
  if (!game.ReceiveAction(Action{ActionKind::NextDeal})) {
    qWarning("LAN: a deal arrived in phase %d", int(game.Record().Phase));
  }
}

// A client's game begins with the host's first deal; until then its table stays empty.
void LanGame::StartClientGame(const lan::DealDeck& deck) {
  started_ = true;
  // Every copy must play by the same rules, or their games part at the first card one of them
  // refuses: the client takes the host's.
  if (const auto& host = lan_.HostRules()) {
    rules_.TargetScore = host->target_score;
    rules_.BellaFirstHandOnly = host->bella_first_hand_only;
    rules_.TrumpRequired = host->trump_required;
  }
  session_->CurrentGame().SetNextDeck(deck);
  lan_.PrepareTable();
  session_->Start(club_, messages_, rules_);
  emit FirstDealArrived();
}

void LanGame::OnLeft() {
  if (!active_) return;
  // After the game's last trick the others close as they finish: that is no interruption,
  // and this table sums up the game on its own.
  if (started_ && (session_->Record().GameOver || !session_->Record().InGame)) return;
  emit Interrupted();
}

void LanGame::SendChat(const QString& text) {
  if (!active_ || text.trimmed().isEmpty()) return;
  const std::string sent = lan_.SendChat(ToCp1251(text));
  if (!sent.empty()) emit ChatLine(lan_.NetworkSeat(), FromCp1251(sent), false);
}

void LanGame::End() {
  lan_.Close();
  Detach();
  active_ = false;
  begun_ = false;
  started_ = false;
  pending_deck_.reset();
}

// The table plays locally again: no network mode, no outgoing messages, the mode's drivers.
void LanGame::Detach() {
  if (session_ == nullptr) return;
  lan_.Attach(nullptr);
  Game& game = session_->CurrentGame();
  game.SetOutgoing(nullptr);
  PlayMode& mode = game.Mode();
  mode.NetworkMode = false;
  mode.NetworkSeat = 1;
  mode.LastConnection = 0;
  for (int seat = 1; seat <= 3; ++seat) game.SetDriver(seat, nullptr);
}

}  // namespace ostrel
