#include "session/game_session.h"

namespace ostrel {
namespace {

// The people of a network game for its history line: this copy's player, the partner, then
// the opponents, joined by "/"; the computer seats are left out.
std::string PeopleAtTable(const GameRecord& record) {
  std::string people;
  for (int position : {4, 2, 1, 3}) {
    std::string name = record.SeatName[position];
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (name.empty() || name == "PC") continue;
    if (!people.empty()) people += '/';
    people += name;
  }
  return people;
}

}  // namespace

GameSession::GameSession(TablePort& port, ComputerPlayers& players, Random& random)
    : game_(port, players, random) {
  game_.SetFinishPort(this);
}

void GameSession::UseClub(ClubSession* club, MessagePort* messages) {
  club_ = club;
  messages_ = messages;
}

void GameSession::StartGame(const RuleOptions& rules, const std::string& name,
                            std::int32_t game_number, std::int32_t initial_score) {
  standing_.reset();
  game_.Options() = rules;
  if (club_ && club_->logged_in()) {
    game_.SetPlayer(club_->PlayerName(), club_->GameNumber(), club_->InitialScore());
  } else {
    game_.SetPlayer(name, game_number, initial_score);
  }
  game_.StartDeal(false);
}

Status GameSession::LeaveEarly() {
  Status left = Status::Ok();
  if (Record().InGame && club_ && club_->logged_in() && messages_) {
    left = club_->LeaveUnfinished(*messages_);
  }
  game_.Leave();
  return left;
}

Status GameSession::RenamePlayer(const std::string& name, const std::string& password) {
  Status renamed = Status::Ok();
  if (club_ && club_->logged_in() && messages_) renamed = club_->Rename(name, password, *messages_);
  game_.RenamePlayer(name);
  return renamed;
}

std::optional<FinishedGame> GameSession::PreviewStanding() const {
  if (!club_ || !club_->logged_in()) return std::nullopt;
  return club_->Standing(Record().ScoreDifference);
}

void GameSession::UpdateRating(const GameRecord& record) {
  if (club_ && club_->logged_in()) standing_ = club_->Standing(record.ScoreDifference);
  if (screen_) screen_->UpdateRating(record);
}

void GameSession::WriteHistory(const GameRecord& record) {
  if (standing_ && messages_) {
    const bool lan = game_.Mode().NetworkMode;
    standing_->history =
        club_->WriteHistory(*standing_, lan ? HistoryKind::Lan : HistoryKind::Computer,
                            lan ? PeopleAtTable(record) : std::string(), *messages_);
  }
  if (screen_) screen_->WriteHistory(record);
}

void GameSession::ReportStatistics(const GameRecord& record) {
  if (screen_) screen_->ReportStatistics(record);
}

void GameSession::UpdateClubFile(const GameRecord& record) {
  if (standing_ && messages_) {
    standing_->club = club_->UpdateClub(record.ScoreDifference, *standing_, *messages_);
  }
  if (screen_) screen_->UpdateClubFile(record);
}

void GameSession::CloseLanSockets() {
  if (screen_) screen_->CloseLanSockets();
}

void GameSession::ShowCycleVerdict(const GameRecord& record) {
  if (screen_) screen_->ShowCycleVerdict(record);
}

void GameSession::EnterWorldTopTen(const GameRecord& record) {
  if (screen_) screen_->EnterWorldTopTen(record);
}

void GameSession::ReportAccountCycle(const GameRecord& record) {
  if (screen_) screen_->ReportAccountCycle(record);
}

void GameSession::ReturnToMenu() {
  if (screen_) screen_->ReturnToMenu();
}

}  // namespace ostrel
