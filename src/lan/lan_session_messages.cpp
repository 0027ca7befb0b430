// The LAN session's messages: what the host accepts, relays or refuses from each connection, and
// what a client takes from the host.
#include "lan/action_codec.h"
#include "lan/lan_session.h"

namespace ostrel::lan {
namespace {

std::string MessageKind(const LanMessage& message) {
  static constexpr const char* kNames[] = {"hello", "seat message", "arrival notice", "game action",
                                           "deal",  "chat line",    "abort"};
  return kNames[message.index()];
}

}  // namespace

void LanSession::Handle(Connection& connection, const std::string& frame) {
  const auto message = DecodeLan(frame);
  if (!message) {
    Report(&connection, "refused a message: " + message.error().reason);
    return;
  }
  if (seat_ == 1) {
    HandleOnHost(connection, frame, message.value());
  } else {
    HandleOnClient(frame, message.value());
  }
}

void LanSession::HandleOnHost(Connection& c, const std::string& frame, const LanMessage& message) {
  if (const auto* hello = std::get_if<Hello>(&message)) {
    if (c.seat == 0 && state_ == LanState::kJoining) {
      Accept(c, *hello);
    } else {
      Report(&c, "a hello out of place is not answered");
    }
    return;
  }
  if (std::holds_alternative<Abort>(message)) return;  // the host ignores "abort"
  if (c.seat == 0) {
    Report(&c, "a " + MessageKind(message) + " from a connection without a seat");
    return;
  }
  if (const auto* action = std::get_if<LanAction>(&message)) {
    HostAction(c, frame, *action);
  } else if (const auto* chat = std::get_if<ChatLine>(&message)) {
    if (chat->seat != c.seat) {
      Report(&c, "a chat line signed by seat " + std::to_string(chat->seat));
      return;
    }
    Relay(c.seat, frame);
    emit ChatReceived(chat->seat, QByteArray::fromStdString(chat->text));
  } else {
    Report(&c, "a client may not send a " + MessageKind(message));
  }
}

// A client's action counts only for its own seat, when the table names that seat.
void LanSession::HostAction(Connection& c, const std::string& frame, const LanAction& action) {
  if (action.seat != c.seat) {
    Report(&c, "an action signed by seat " + std::to_string(action.seat));
    return;
  }
  const auto table_action = ActionOf(action.message);
  if (!table_action || game_ == nullptr || !game_->Record().InGame) {
    Report(&c, "an action this table does not take now");
    return;
  }
  const Turn turn = game_->Engine().ToAct();
  const int acting = turn.table_step ? game_->Engine().DrivingSeat() : turn.seat;
  if (acting != TablePosition(1, c.seat)) {
    Report(&c, "an action out of turn");
    return;
  }
  if (!game_->ReceiveAction(*table_action)) {
    Report(&c, "an action the table refused");
    return;
  }
  Relay(c.seat, frame);
  emit MessageApplied();
}

void LanSession::Accept(Connection& c, const Hello& hello) {
  const auto sends = host_roster_->Accept(hello);
  if (!sends) {
    Report(&c, "a joiner was refused: " + sends.error().reason);
    return;
  }
  const int index = host_roster_->last_connection_index();
  c.seat = SeatOfConnection(index);
  // Seated connections first, in seat order, so that connection i is seat i + 2.
  std::stable_partition(connections_.begin(), connections_.end(),
                        [](const auto& x) { return x->seat >= 2; });
  std::sort(connections_.begin(), connections_.begin() + index + 1,
            [](const auto& a, const auto& b) { return a->seat < b->seat; });
  for (const auto& send : sends.value()) {
    Connection* target = ConnectionOfSeatNumber(SeatOfConnection(send.connection));
    const auto bytes = EncodeLan(send.message);
    if (target && bytes) Write(*target, bytes.value());
  }
  PrepareTable();
  emit ClientSeated(host_roster_->clients());
}

LanSession::Connection* LanSession::ConnectionOfSeatNumber(int seat) {
  for (auto& c : connections_) {
    if (c->seat == seat) return c.get();
  }
  return nullptr;
}

void LanSession::Relay(int sender_seat, const std::string& frame) {
  for (int index : RelayTargets(sender_seat, LastConnection())) {
    if (Connection* c = ConnectionOfSeatNumber(SeatOfConnection(index))) Write(*c, frame);
  }
}

void LanSession::HandleOnClient(const std::string& frame, const LanMessage& message) {
  (void)frame;
  if (const auto* seat = std::get_if<SeatMessage>(&message)) {
    if (state_ == LanState::kJoining && client_roster_.Take(*seat)) {
      seat_ = client_roster_.seat();
      state_ = LanState::kSeated;
      PrepareTable();
      emit Seated();
    }
  } else if (const auto* arrival = std::get_if<ArrivalNotice>(&message)) {
    if (client_roster_.Take(*arrival)) {
      PrepareTable();
      emit RosterChanged();
    }
  } else if (const auto* deal = std::get_if<DealMessage>(&message)) {
    if (!client_roster_.seated()) {
      Report(nullptr, "a deal before the seat message");
      return;
    }
    host_rules_ = deal->rules;
    emit DealReceived(deal->deck);
  } else if (const auto* action = std::get_if<LanAction>(&message)) {
    ClientAction(*action);
  } else if (const auto* chat = std::get_if<ChatLine>(&message)) {
    emit ChatReceived(chat->seat, QByteArray::fromStdString(chat->text));
  } else if (std::holds_alternative<Abort>(message)) {
    // The host ends the network game: a player has left it.
    Close();
    emit Interrupted();
  } else {
    Report(nullptr, "the host sent a " + MessageKind(message));
  }
}

void LanSession::ClientAction(const LanAction& action) {
  const auto table_action = ActionOf(action.message);
  if (!table_action || game_ == nullptr || !game_->Record().InGame) {
    Report(nullptr, "an action this table does not take now");
    return;
  }
  if (!game_->ReceiveAction(*table_action)) {
    Report(nullptr, "an action the table refused");
    return;
  }
  emit MessageApplied();
}

}  // namespace ostrel::lan
