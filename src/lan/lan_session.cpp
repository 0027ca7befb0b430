#include "lan/lan_session.h"

#include <algorithm>

#include "game/cp1251.h"
#include "i18n/phrases.h"
#include "lan/action_codec.h"

namespace ostrel::lan {
namespace {

// Connections that have not said hello yet; more at once are dropped at once.
constexpr std::size_t kMaxOpenConnections = 8;

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

std::string InterruptionText() {
  return std::string(Phrase(PhraseKey::OneOfPlayers)) + " " +
         std::string(Phrase(PhraseKey::HasInterruptedGame)) + "\n\r" +
         std::string(Phrase(PhraseKey::PressOkForMenu));
}

LanSession::LanSession(QObject* parent) : QObject(parent) {}

LanSession::~LanSession() {
  Close();
}

bool LanSession::Host(const QHostAddress& address, quint16 port, std::string_view name) {
  Close();
  closing_ = false;
  own_name_ = LanName(name);
  server_ = std::make_unique<QTcpServer>();
  if (!server_->listen(address, port)) {
    error_ = server_->errorString();
    server_.reset();
    return false;
  }
  connect(server_.get(), &QTcpServer::newConnection, this, &LanSession::OnNewConnection);
  host_roster_ = std::make_unique<HostRoster>(own_name_);
  seat_ = 1;
  state_ = LanState::kJoining;
  return true;
}

bool LanSession::Flushed() {
  std::erase_if(closing_sockets_, [](const QPointer<QTcpSocket>& s) { return s.isNull(); });
  return closing_sockets_.empty();
}

quint16 LanSession::ListenPort() const {
  return server_ ? server_->serverPort() : 0;
}

void LanSession::Join(const QHostAddress& address, quint16 port, std::string_view name) {
  Close();
  closing_ = false;
  own_name_ = LanName(name);
  seat_ = 2;
  client_roster_ = ClientRoster{};
  state_ = LanState::kJoining;
  auto connection = std::make_unique<Connection>();
  connection->seat = 1;
  auto* socket = new QTcpSocket(this);
  // Messages are a few bytes each way in turn: waiting to fill segments only slows the game.
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connection->socket = socket;
  Connection* c = connection.get();
  connections_.push_back(std::move(connection));
  connect(socket, &QTcpSocket::connected, this, [this, c] {
    if (state_ == LanState::kJoining) {
      const auto hello = EncodeLan(Hello{own_name_});
      if (hello) Write(*c, hello.value());
    }
  });
  connect(socket, &QTcpSocket::readyRead, this, [this, c] { OnReadable(c); });
  connect(socket, &QTcpSocket::disconnected, this, [this, c] { OnDisconnected(c); });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, c](QAbstractSocket::SocketError) {
    if (closing_ || c->socket == nullptr) return;
    if (c->socket->state() != QAbstractSocket::ConnectedState && state_ == LanState::kJoining) {
      const QString reason = c->socket->errorString();
      Drop(c);
      state_ = LanState::kIdle;
      emit ConnectionFailed(reason);
    }
  });
  socket->connectToHost(address, port);
}

void LanSession::Close() {
  closing_ = true;
  if (server_) server_->close();
  server_.reset();
  // Each socket sends what it holds before it closes, then goes.
  for (auto& c : connections_) {
    QTcpSocket* socket = c->socket;
    if (socket == nullptr) continue;
    socket->disconnect(this);
    closing_sockets_.emplace_back(socket);
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
  }
  connections_.clear();
  state_ = LanState::kIdle;
}

int LanSession::LastConnection() const {
  if (seat_ == 1) return host_roster_ ? host_roster_->last_connection_index() : -1;
  return client_roster_.last_connection_index();
}

PositionNames LanSession::Names() const {
  if (seat_ == 1 && host_roster_) return NamesAtPositions(1, host_roster_->names());
  if (seat_ != 1 && client_roster_.seated()) return client_roster_.names();
  PositionNames names;
  names.fill(std::string(kComputerName));
  names[3] = own_name_;
  return names;
}

void LanSession::Attach(Game* game) {
  game_ = game;
  if (game_) game_->SetOutgoing(this);
  PrepareTable();
}

void LanSession::PrepareTable() {
  if (!game_) return;
  PlayMode& mode = game_->Mode();
  mode.NetworkMode = true;
  mode.NetworkSeat = seat_ == 0 ? 1 : seat_;
  mode.LastConnection = std::max(0, LastConnection());
  const PositionNames names = Names();
  for (int position = 1; position <= 4; ++position) {
    game_->Record().SeatName[position] = Cp1251ToUtf8(names[position - 1]);
    // A person at another copy: the actions arrive as messages. Computer seats keep the
    // drivers the mode gives them (the host runs them while one client plays).
    const bool person = position != 4 && names[position - 1] != kComputerName;
    if (position != 4) game_->SetDriver(position, person ? &waiting_ : nullptr);
  }
}

void LanSession::SendDeal(const GameRecord& record, const RuleOptions& rules) {
  if (seat_ != 1) return;
  const auto text = EncodeLanDeal(
      record.Deck, DealRules{rules.TargetScore, rules.BellaFirstHandOnly, rules.TrumpRequired});
  if (!text) {
    Report(nullptr, "the deal could not be encoded: " + text.error().reason);
    return;
  }
  for (auto& c : connections_) {
    if (c->seat >= 2) Write(*c, text.value());
  }
  state_ = LanState::kDealt;
}

std::string LanSession::SendChat(std::string_view text) {
  const std::string clean = CleanChatText(text);
  const auto bytes = EncodeLan(ChatLine{seat_ == 0 ? 1 : seat_, clean});
  if (!bytes) return {};
  if (seat_ == 1) {
    Relay(1, bytes.value());
  } else if (!connections_.empty()) {
    Write(*connections_.front(), bytes.value());
  }
  return clean;
}

void LanSession::Send(const TableMessage& message) {
  if (message.kind != TableMessage::Kind::Action) return;
  const auto game_message = MessageOf(message.action);
  if (!game_message) return;
  const int own = seat_ == 1 ? 1 : client_roster_.seat();
  const auto bytes = EncodeLan(LanAction{*game_message, own == 0 ? 2 : own});
  if (!bytes) {
    Report(nullptr, "an action could not be encoded: " + bytes.error().reason);
    return;
  }
  if (seat_ == 1) {
    Relay(1, bytes.value());
  } else if (!connections_.empty()) {
    Write(*connections_.front(), bytes.value());
  }
}

void LanSession::OnNewConnection() {
  std::erase_if(connections_, [](const auto& c) { return c->seat == 0 && c->socket == nullptr; });
  while (server_ && server_->hasPendingConnections()) {
    QTcpSocket* socket = server_->nextPendingConnection();
    if (connections_.size() >= kMaxOpenConnections) {
      socket->abort();
      socket->deleteLater();
      Report(nullptr, "a connection was refused: too many connections");
      continue;
    }
    socket->setParent(this);  // it outlives the listener while it closes
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    auto connection = std::make_unique<Connection>();
    connection->socket = socket;
    Connection* c = connection.get();
    connections_.push_back(std::move(connection));
    connect(socket, &QTcpSocket::readyRead, this, [this, c] { OnReadable(c); });
    connect(socket, &QTcpSocket::disconnected, this, [this, c] { OnDisconnected(c); });
  }
}

void LanSession::OnReadable(Connection* connection) {
  if (connection->socket == nullptr) return;
  connection->framer.Feed(connection->socket->readAll().toStdString());
  while (auto frame = connection->framer.Next()) {
    Handle(*connection, *frame);
    // The handling may have closed the session or dropped this connection.
    if (closing_ || connection->socket == nullptr) return;
  }
  if (const auto& error = connection->framer.error()) {
    Report(connection, "the connection was dropped: " + error->reason);
    const bool seated = seat_ != 1 || connection->seat >= 2;
    Drop(connection);
    if (seated) EndByLeaving();
  }
}

void LanSession::OnDisconnected(Connection* connection) {
  if (closing_) return;
  OnReadable(connection);  // what arrived before the close is still the game's
  if (closing_ || connection->socket == nullptr) return;
  const bool seated = seat_ != 1 || connection->seat >= 2;
  Drop(connection);
  if (seated) EndByLeaving();
}

// A seated player left (or the host went away): the game cannot go on without them.
void LanSession::EndByLeaving() {
  const bool running = GameRunning();
  // The others cannot go on without that seat either, in a game or between two.
  if (seat_ == 1) {
    for (auto& c : connections_) {
      if (c->seat >= 2) Write(*c, std::string(kAbort));
    }
  }
  Close();
  if (running) {
    emit Interrupted();
  } else {
    emit PeerLeft();
  }
}

bool LanSession::GameRunning() const {
  return game_ != nullptr && game_->Record().InGame && !game_->Record().GameOver;
}

void LanSession::Drop(Connection* connection) {
  if (connection->socket) {
    connection->socket->disconnect(this);
    connection->socket->abort();
    connection->socket->deleteLater();
    connection->socket = nullptr;
  }
  // The entry stays until the next connection arrives: callers up the stack may still hold it.
}

void LanSession::Write(Connection& connection, const std::string& bytes) {
  if (connection.socket) {
    connection.socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
}

void LanSession::Report(const Connection* connection, const std::string& what) {
  std::string who;
  if (connection != nullptr && seat_ == 1) {
    who = connection->seat >= 2 ? "seat " + std::to_string(connection->seat) + ": "
                                : "a connection without a seat: ";
  } else if (seat_ != 1) {
    who = "the host: ";
  }
  emit Refused(Text(who + what));
}

}  // namespace ostrel::lan
