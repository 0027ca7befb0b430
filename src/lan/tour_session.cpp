#include "lan/tour_session.h"

#include "game/cp1251.h"
#include "lan/action_codec.h"
#include "lan/lan_rules.h"

namespace ostrel::lan {

RuleOptions TournamentRules() {
  RuleOptions rules;
  rules.TargetScore = 301;
  rules.ChangeTrumpSeven = false;
  rules.BellaFirstHandOnly = true;
  rules.TrumpRequired = true;
  rules.MoveOnQueue = true;
  rules.CardOnFreza = true;
  return rules;
}

TourSession::TourSession(QObject* parent) : QObject(parent) {}

TourSession::~TourSession() {
  Close();
}

void TourSession::Open(const QString& host, quint16 port, int seat) {
  Close();
  seat_ = seat;
  deals_ = 0;
  framer_ = RecordFramer(From::kServer);
  state_ = TourState::kConnecting;
  PrepareTable();  // the table counts its seats from this seat
  auto* socket = new QTcpSocket(this);
  // One small record per move: waiting to fill segments only slows the game.
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  socket_ = socket;
  connect(socket, &QTcpSocket::connected, this, [this] {
    if (state_ != TourState::kConnecting) return;
    Write(TourRecord{TourConnect{seat_}, seat_});
    state_ = TourState::kConnected;
    emit Connected();
  });
  connect(socket, &QTcpSocket::readyRead, this, &TourSession::OnReadable);
  connect(socket, &QTcpSocket::disconnected, this, &TourSession::OnDisconnected);
  connect(socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError) {
    if (socket_ == nullptr || state_ != TourState::kConnecting) return;
    // The connection was never made; a closed one is reported as disconnected.
    const QString reason = socket_->errorString();
    Close();
    emit ConnectionError(reason);
  });
  socket->connectToHost(host, port);
}

void TourSession::Close() {
  if (socket_ != nullptr) {
    QTcpSocket* socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    // The socket sends what it holds before it goes.
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
  }
  if (state_ != TourState::kEnded) state_ = TourState::kNone;
}

void TourSession::GiveUp() {
  if (state_ == TourState::kConnected) Write(TourRecord{TourGiveUp{}, seat_});
  Close();
  state_ = TourState::kNone;
}

void TourSession::Attach(Game* game) {
  game_ = game;
  if (game_) game_->SetOutgoing(this);
  PrepareTable();
}

void TourSession::PrepareTable() {
  if (!game_) return;
  PlayMode& mode = game_->Mode();
  mode.NetworkMode = false;
  mode.TournamentMode = true;
  mode.TournamentSeat = seat_;
  for (int position = 1; position <= 3; ++position) game_->SetDriver(position, &waiting_);
}

int TourSession::PositionOf(int seat) const {
  return TablePosition(seat_, seat);
}

std::string TourSession::SendChat(std::string_view utf8) {
  const auto bytes = Utf8ToCp1251(utf8);
  if (!bytes || state_ != TourState::kConnected) return {};
  const std::string clean = CleanRecordChat(*bytes);
  if (clean.empty()) return {};
  Write(TourRecord{TourChat{clean}, seat_});
  return Cp1251ToUtf8(clean);
}

void TourSession::Send(const TableMessage& message) {
  if (state_ != TourState::kConnected) return;
  switch (message.kind) {
    case TableMessage::Kind::TimeOut:
      Write(TourRecord{TourTimeOut{}, seat_});
      state_ = TourState::kEnded;
      Close();
      return;
    case TableMessage::Kind::Result:
      Write(TourRecord{TourResult{message.margin}, seat_});
      return;
    case TableMessage::Kind::Action:
      break;
  }
  if (message.action.kind == ActionKind::NextDeal) {
    Write(TourRecord{TourNextDeal{}, seat_});
    return;
  }
  if (const auto game_message = MessageOf(message.action)) {
    Write(TourRecord{TourAction{*game_message}, seat_});
  }
}

void TourSession::Write(const TourRecord& record) {
  const auto bytes = EncodeRecord(record, From::kClient);
  if (!bytes) {
    emit Refused(QString::fromStdString("a record could not be written: " + bytes.error().reason));
    return;
  }
  if (socket_ != nullptr) {
    socket_->write(bytes.value().data(), static_cast<qint64>(bytes.value().size()));
  }
}

void TourSession::OnReadable() {
  if (socket_ == nullptr) return;
  framer_.Feed(socket_->readAll().toStdString());
  while (auto frame = framer_.Next()) {
    const auto record = DecodeRecord(*frame, From::kServer);
    if (!record) {
      // The stream has lost its place: nothing after this can be trusted.
      emit Refused(QString::fromStdString("the server sent " + record.error().reason));
      const bool ended = state_ == TourState::kEnded;
      Close();
      if (!ended) {
        End();
        emit ConnectionLost();
      }
      return;
    }
    Handle(record.value());
    if (socket_ == nullptr) return;  // the handling closed the session
  }
}

void TourSession::OnDisconnected() {
  OnReadable();  // what arrived before the close still counts
  if (socket_ == nullptr) return;
  const bool ended = state_ == TourState::kEnded;
  Close();
  if (!ended) {
    End();
    emit ConnectionLost();
  }
}

void TourSession::End() {
  state_ = TourState::kEnded;
}

void TourSession::Handle(const TourRecord& record) {
  const TourPayload& p = record.payload;
  if (const auto* deal = std::get_if<TourDeal>(&p)) {
    if (state_ != TourState::kConnected) return;
    ++deals_;
    emit DealReceived(deal->deck);
  } else if (const auto* action = std::get_if<TourAction>(&p)) {
    if (state_ != TourState::kConnected || game_ == nullptr) return;
    const auto engine_action = ActionOf(action->message);
    if (!engine_action || !game_->ReceiveAction(*engine_action)) {
      emit Refused(QString::fromStdString("seat " + std::to_string(record.seat) +
                                          ": an action the table refused"));
      return;
    }
    emit MessageApplied();
  } else if (const auto* chat = std::get_if<TourChat>(&p)) {
    emit ChatReceived(record.seat, QString::fromStdString(Cp1251ToUtf8(chat->text)));
  } else if (std::holds_alternative<TourGameOver>(p)) {
    End();
    Close();
    emit GameOver();
  } else if (const auto* left = std::get_if<TourPlayerLeft>(&p)) {
    if (state_ == TourState::kEnded) return;
    End();
    Close();
    emit PlayerLeft(left->seat);
  } else if (std::holds_alternative<TourTimeOut>(p)) {
    End();
    Close();
    emit TimeRanOut(record.seat);
  }
}

}  // namespace ostrel::lan
