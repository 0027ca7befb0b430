// The tournament window (TFTour4): the ten tables with their seat buttons, the player's panel,
// the server's state and message. It reads the list on opening, every 10 seconds and on
// "Refresh"; a click takes a seat (and points the tournament connection at the table's port)
// or gives the booked seat up. The window cannot be closed while a seat is booked; the first
// deal on the connection closes it. The web requests are short and made in turn, as the list's
// refresh is: each has the catalogue's time-out.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <string>

#include "app/tour/tour_seats.h"
#include "app/tour/tour_top10.h"
#include "lan/tour_session.h"
#include "net/service_client.h"

class QLabel;
class QPushButton;

namespace ostrel {

// The signed-in account as the seat request sends it.
struct TourAccount {
  std::string nick, pw, country, city;
  char sex = 'M';
  std::string ip = "127.0.0.1";  // the machine's address as the service sees it
};

class TFTour4 : public QDialog {
  Q_OBJECT
 public:
  // `cs` is the tournament connection; it outlives the window and plays the game.
  TFTour4(const ServiceClient& service, TourAccount account, lan::TourSession* cs,
          QWidget* parent = nullptr);

  void Refresh();
  // A click on the seat button of table `table` (1-10), seat `seat` (1-4).
  void SeatClicked(int table, int seat);
  // Closes the window unless a seat is booked while the server is on.
  void reject() override;

  const tour::Booking& Booked() const { return booked_; }
  bool ServerOn() const { return server_on_; }
  QPushButton* SeatButtonAt(int table, int seat) const;
  QPushButton* RefreshButton() const { return refresh_; }
  QLabel* MessageLine() const { return message_; }
  QLabel* PlaceLabel() const { return place_; }
  // The player's tournament figures as the panel last read them.
  const TourFigures& Figures() const { return figures_; }

 signals:
  void WrongSound();  // "WWrongs": a seat request refused or failed
  // The nicks of the booked table's seats 1-4 ("X": free), whenever the list is shown.
  void TableNicks(const std::array<std::string, 4>& nicks);
  void TopTenWanted();
  void Notice(const QString& text);

 private:
  void BuildTables(QWidget* area);
  void BuildPanel(QWidget* area);
  void RefreshPanel();
  void ShowSeats();
  bool ClearSeat(int table, int seat, online::SeatAction action);
  void ReleaseBooking();
  void ConnectionError(const QString& reason);
  void SetBusyButtons();

  ServiceClient service_;
  TourAccount account_;
  lan::TourSession* cs_;
  tour::TourTables tables_{};
  tour::Booking booked_;
  bool server_on_ = false;
  TourFigures figures_;
  std::string server_ip_;
  std::array<std::array<QPushButton*, 4>, online::kTourTables> seats_{};
  QPushButton* refresh_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* top_ = nullptr;
  QLabel* state_picture_ = nullptr;
  QLabel* message_ = nullptr;
  QLabel* nick_ = nullptr;
  QLabel* score_ = nullptr;
  QLabel* place_ = nullptr;
  QLabel* rating_ = nullptr;
  QLabel* games_ = nullptr;
  QLabel* city_ = nullptr;
  QTimer list_timer_;
};

}  // namespace ostrel
