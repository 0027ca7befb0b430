// The world top ten window ("World Top Ten"): the lists of the best players of this game read
// from the service, with the number of games and the near-me list under the service's lists.
// The program's own design offers the Windows, Android and club-account lists; the purple
// design seven views, the account rating list, the online tournament's lists and the local
// club's tables among them. Every list is read on a worker thread; one that cannot be read
// shows "No Connect".
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/online/online_job.h"
#include "app/online/top_ten_lines.h"
#include "storage/champions.h"

class QLabel;
class QLayout;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace ostrel {

enum class TopTenView {
  AccountRating,  // "ACCOUNT. RATING. ALL GAMES"
  AccountCycle,   // "ACCOUNT. SCORE. GAMES IN CYCLE"
  WindowsCycle,   // "WINDOWS. SCORE. GAMES IN CYCLE"
  AndroidCycle,   // "ANDROID. SCORE. GAMES IN CYCLE"
  Tournament,     // "WINDOWS. ONLINE TOURNAMENT"
  LocalGames,     // "WINDOWS. LOCAL GAMES WITH PC"
  NetGames,       // "WINDOWS. NET GAMES"
};

struct TopTenWindowInput {
  bool purple = false;
  // The near-me lists' players: the passport, and the account when signed in.
  std::string passport_nick, passport_city;
  std::string account_nick, account_city;
  TopTenTable local_games, net_games;
};

class WorldTopTenWindow : public QDialog {
  Q_OBJECT
 public:
  WorldTopTenWindow(ServiceClient client, TopTenWindowInput input, QWidget* parent = nullptr);

  bool Busy() const { return job_.Busy(); }
  std::vector<TopTenView> Views() const { return views_; }
  TopTenView CurrentView() const { return view_; }
  void ShowView(TopTenView view);
  void ShowTourKind(online::TourKind kind);

  QTreeWidget* List() { return list_; }
  QTreeWidget* NearList() { return near_; }
  QLabel* GamesLabel() { return games_; }
  QListWidget* ViewChoice() { return choice_; }
  QPushButton* StatsButton() { return stats_; }

  static QString ViewTitle(TopTenView view);

 signals:
  void StatsChosen();

 private:
  struct Answer;
  QWidget* MakeTourKinds();
  QLayout* MakeBottom();
  void Read();
  void ShowAnswer(const Answer& answer);
  void Fill(QTreeWidget* tree, const std::vector<ShownLine>& lines);
  void ShowNoConnect();

  OnlineJob job_;
  TopTenWindowInput input_;
  std::vector<TopTenView> views_;
  TopTenView view_;
  online::TourKind tour_kind_ = online::TourKind::Score;
  QListWidget* choice_;
  QLabel* title_;
  QTreeWidget* list_;
  QLabel* games_;
  QTreeWidget* near_;
  QWidget* tour_kinds_;
  QLabel* waiting_;
  QPushButton* stats_;
};

}  // namespace ostrel
