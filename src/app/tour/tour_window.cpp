#include "app/tour/tour_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/text.h"
#include "online/replies.h"
#include "pictures/own_pictures.h"

namespace ostrel {
namespace {

namespace on = ostrel::online;

constexpr int kListPeriodMs = 10000;

QString Q(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// The hint over each seat button: the tournament's rules.
QString RulesHint() {
  return T("You want to dial") + ": 301; " + T("To declare Bella only with 1st hand") + ": " +
         T("Yes") + "\n\r" + T("Interrupt trump required") + ": " + T("Yes");
}

QString SeatCaption(const tour::SeatButton& b) {
  switch (b.look) {
    case tour::SeatLook::kServerOff:
      return T("Server Off");
    case tour::SeatLook::kLogOff:
      return T("Log off");
    case tour::SeatLook::kOwn:
    case tour::SeatLook::kOther:
      return Q(b.nick) + " : " + QString::number(b.score);
    case tour::SeatLook::kTake:
      return T("Take the place of");
    case tour::SeatLook::kFree:
      return T("Free");
  }
  return {};
}

}  // namespace

TFTour4::TFTour4(const ServiceClient& service, TourAccount account, lan::TourSession* cs,
                 QWidget* parent)
    : QDialog(parent), service_(service), account_(std::move(account)), cs_(cs) {
  setObjectName("TFTour4");
  setWindowTitle(T("Online-Tournament"));
  auto* layout = new QVBoxLayout(this);
  auto* tables = new QWidget(this);
  BuildTables(tables);
  layout->addWidget(tables);
  auto* bottom = new QWidget(this);
  BuildPanel(bottom);
  layout->addWidget(bottom);
  list_timer_.setInterval(kListPeriodMs);
  connect(&list_timer_, &QTimer::timeout, this, &TFTour4::Refresh);
  if (cs_ != nullptr) {
    connect(cs_, &lan::TourSession::ConnectionError, this, &TFTour4::ConnectionError);
    // Closed by the server before the game began: the seat cannot be played from here.
    connect(cs_, &lan::TourSession::ConnectionLost, this, [this] { ConnectionError({}); });
    // The first deal starts the game: the window gives way to the table.
    connect(cs_, &lan::TourSession::DealReceived, this, [this] {
      if (cs_->Deals() != 1) return;
      booked_ = {};
      list_timer_.stop();
      accept();
    });
  }
  Refresh();
  list_timer_.start();
}

void TFTour4::BuildTables(QWidget* area) {
  auto* grid = new QGridLayout(area);
  for (int t = 1; t <= on::kTourTables; ++t) {
    auto* box = new QGroupBox(T("Table") + QString::fromUtf8(" № %1").arg(t), area);
    auto* column = new QVBoxLayout(box);
    for (int s = 1; s <= 4; ++s) {
      auto* button = new QPushButton(box);
      button->setToolTip(T("Rules") + ":\n" + RulesHint());
      button->setMinimumWidth(150);
      connect(button, &QPushButton::clicked, this, [this, t, s] { SeatClicked(t, s); });
      column->addWidget(button);
      seats_[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(s - 1)] = button;
    }
    grid->addWidget(box, (t - 1) / 5, (t - 1) % 5);
  }
}

void TFTour4::BuildPanel(QWidget* area) {
  auto* row = new QHBoxLayout(area);
  auto* panel = new QGridLayout();
  const auto add = [&](int line, const char* caption, QLabel*& value) {
    panel->addWidget(new QLabel(T(caption) + ":", area), line, 0);
    value = new QLabel(area);
    panel->addWidget(value, line, 1);
  };
  add(0, "Nick", nick_);
  add(1, "Your score", score_);
  add(2, "Your place", place_);
  add(3, "Rating", rating_);
  add(4, "Game", games_);
  add(5, "City", city_);
  row->addLayout(panel);
  auto* server = new QVBoxLayout();
  state_picture_ = new QLabel(area);
  message_ = new QLabel(area);
  message_->setWordWrap(true);
  server->addWidget(state_picture_);
  server->addWidget(message_, 1);
  row->addLayout(server, 1);
  auto* buttons = new QVBoxLayout();
  refresh_ = new QPushButton(T("Refresh"), area);
  top_ = new QPushButton(T("Top 10"), area);
  close_ = new QPushButton(T("Close"), area);
  buttons->addWidget(refresh_);
  buttons->addWidget(top_);
  buttons->addWidget(close_);
  row->addLayout(buttons);
  connect(refresh_, &QPushButton::clicked, this, &TFTour4::Refresh);
  connect(top_, &QPushButton::clicked, this, &TFTour4::TopTenWanted);
  connect(close_, &QPushButton::clicked, this, &TFTour4::reject);
}

void TFTour4::RefreshPanel() {
  nick_->setText(Q(account_.nick));
  city_->setText(Q(account_.city));
  int score = 0;
  const auto rating = service_.Send(on::TourRatingRequest{on::kGameCode, account_.nick});
  const auto figures = rating ? on::ParseTourRatingReply(*rating)
                              : on::Result<std::optional<on::TourRating>>(on::Error{""});
  if (figures && figures->has_value()) {
    score = (*figures)->Score;
    figures_ = TourFigures{score, (*figures)->Rating, (*figures)->Kon};
    score_->setText(QString::number(score));
    rating_->setText(QString::number((*figures)->Rating));
    games_->setText(QString::number((*figures)->Kon));
  }
  const auto place = service_.Send(on::TourPlaceRequest{on::TourKind::Score, on::kGameCode, score});
  const auto number = place ? on::ParseNumberReply(*place) : on::Result<int>(on::Error{""});
  place_->setText(number ? QString::number(*number) : T("No Connect"));
}

void TFTour4::Refresh() {
  RefreshPanel();
  const auto list = service_.Send(on::TourTablesRequest{});
  const auto tables =
      list ? on::ParseTourTables(*list) : on::Result<tour::TourTables>(on::Error{""});
  const auto state = service_.Send(on::ServerStateRequest{});
  const on::ServerState server = state ? on::ParseServerStateReply(*state) : on::ServerState{};
  server_on_ = tables.ok() && state.ok() && server.State == 'Y';
  if (tables) {
    tables_ = *tables;
    server_ip_ = tables_[0].IP;
  }
  if (!server_on_ && booked_.Any()) ReleaseBooking();
  booked_ = tour::AfterList(tables_, booked_, server_on_);
  ShowSeats();
  const bool on = server_on_;
  state_picture_->setPixmap(QPixmap::fromImage(OwnPicture(on ? "GTourOn" : "GTourOff")));
  state_picture_->setToolTip(T(on ? "Server On" : "Server Off"));
  const QString text = state ? Q(server.Message) : T("No Connect");
  QFont font = message_->font();
  font.setPixelSize(tour::MessageFontHeight(static_cast<int>(text.size())));
  message_->setFont(font);
  message_->setText(text);
  SetBusyButtons();
}

void TFTour4::ShowSeats() {
  if (booked_.Any()) {
    std::array<std::string, 4> nicks;
    const auto& seats = tables_[static_cast<std::size_t>(booked_.table - 1)].Seats;
    for (std::size_t s = 0; s < 4; ++s) nicks[s] = seats[s].Nick;
    emit TableNicks(nicks);
  }
  for (int t = 1; t <= on::kTourTables; ++t) {
    for (int s = 1; s <= 4; ++s) {
      const tour::SeatButton b = tour::SeatButtonOf(tables_, t, s, booked_, server_on_);
      QPushButton* button = SeatButtonAt(t, s);
      button->setText(SeatCaption(b));
      button->setEnabled(b.enabled);
    }
  }
}

void TFTour4::SetBusyButtons() {
  const bool busy = booked_.Any() && server_on_;
  refresh_->setEnabled(!busy);
  close_->setEnabled(!busy);
  top_->setEnabled(!busy);
}

QPushButton* TFTour4::SeatButtonAt(int table, int seat) const {
  return seats_[static_cast<std::size_t>(table - 1)][static_cast<std::size_t>(seat - 1)];
}

bool TFTour4::ClearSeat(int table, int seat, on::SeatAction action) {
  on::TakeSeatRequest r;
  r.Seat = seat;
  r.Table = table;
  r.Action = action;
  r.Player = on::EmptySeatPlayer();
  r.Nick = account_.nick;
  r.Pw = account_.pw;
  const auto reply = service_.Send(r);
  return reply && on::ParseSeatResultReply(*reply) == on::SeatResult::Seated;
}

void TFTour4::ReleaseBooking() {
  ClearSeat(booked_.table, booked_.seat, on::SeatAction::GiveUp);
  if (cs_ != nullptr) cs_->GiveUp();
  booked_ = {};
}

void TFTour4::SeatClicked(int table, int seat) {
  if (booked_.table == table && booked_.seat == seat && seat <= 3) {
    if (!ClearSeat(table, seat, on::SeatAction::GiveUp)) {
      emit WrongSound();
      return;
    }
    for (int behind : tour::SeatsClearedBehind(seat))
      ClearSeat(table, behind, on::SeatAction::Clear);
    booked_ = {};
    if (cs_ != nullptr) cs_->GiveUp();
    Refresh();
    return;
  }
  const auto& t = tables_[static_cast<std::size_t>(table - 1)];
  if (!tour::SameAddressAllowed(t, seat, account_.ip, server_ip_)) {
    emit Notice(T("This table is already occupied by a player with your IP!"));
    return;
  }
  on::TakeSeatRequest r;
  r.Seat = seat;
  r.Table = table;
  r.Action = on::SeatAction::Take;
  r.Player.Nick = account_.nick;
  r.Player.Country = account_.country;
  r.Player.City = account_.city;
  r.Player.Sex = account_.sex;
  r.Player.IP = account_.ip;
  r.Nick = account_.nick;
  r.Pw = account_.pw;
  const auto reply = service_.Send(r);
  if (!reply || on::ParseSeatResultReply(*reply) != on::SeatResult::Seated) {
    emit WrongSound();
    return;
  }
  booked_ = tour::Booking{table, seat};
  if (cs_ != nullptr) cs_->Open(Q(t.IP), static_cast<quint16>(t.Port), seat);
  Refresh();
}

void TFTour4::ConnectionError(const QString&) {
  if (!booked_.Any()) return;
  emit Notice(T("Server connection error!"));
  ClearSeat(booked_.table, booked_.seat, on::SeatAction::Clear);
  for (int behind : tour::SeatsClearedBehind(booked_.seat)) {
    ClearSeat(booked_.table, behind, on::SeatAction::Clear);
  }
  booked_ = {};
  Refresh();
}

void TFTour4::reject() {
  if (booked_.Any() && server_on_) return;  // a booked seat keeps the window open
  list_timer_.stop();
  QDialog::reject();
}

}  // namespace ostrel
