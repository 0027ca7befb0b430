#include "storage/club_session.h"

#include <filesystem>

#include "game/cp1251.h"
#include "storage/atomic_file.h"
#include "storage/program_folder.h"
#include "storage/text.h"

namespace ostrel {
namespace {

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

HistoryPlace HistoryOf(const std::string& program_folder, const std::string& club_path) {
  return {(std::filesystem::path(program_folder) / "History").string(),
          std::filesystem::path(club_path).stem().string()};
}

}  // namespace

std::optional<ClubSession> ClubSession::Open(const std::string& program_folder, bool multiplayer,
                                             std::string* error, FileSystem& fs) {
  const std::string name = multiplayer ? kNetClubFileName : kLocalClubFileName;
  const std::string path = (std::filesystem::path(program_folder) / name).string();
  (void)CompleteInterruptedGameEnd(path, HistoryOf(program_folder, path), fs);
  ClubCheck check = VerifyClubFile(path, fs);
  if (!check.usable()) {
    if (error) *error = ClubProblemText(check.problem, path);
    return std::nullopt;
  }
  ClubSession session;
  session.program_folder_ = program_folder;
  session.club_path_ = path;
  session.club_ = std::move(*check.club);
  session.writable_ = check.writable;
  session.multiplayer_ = multiplayer;
  session.fs_ = &fs;
  return session;
}

std::optional<ClubSession> ClubSession::OpenOrInstall(const std::string& program_folder,
                                                      bool multiplayer,
                                                      const std::string& shipped_folder,
                                                      std::string* error, FileSystem& fs) {
  Status installed = InstallClubFiles(program_folder, shipped_folder);
  if (!installed.ok()) {
    if (error) *error = installed.message();
    return std::nullopt;
  }
  return Open(program_folder, multiplayer, error, fs);
}

LoginResult ClubSession::Login(int seat, std::string_view name, std::string_view password,
                               std::string_view repetition) {
  LoginResult result = ClubLogin(club_, seat, name, password, repetition);
  if (result.error == LoginError::None) player_ = result.player;
  return result;
}

LoginResult ClubSession::LoginByName(std::string_view name, std::string_view password) {
  const std::string wanted = AlignLeft(ToCp1251Lossy(name), kNameWidth);
  for (int seat = 1; seat <= kClubSeats; ++seat) {
    ClubMember member = ReadMember(club_, seat);
    if (!member.empty && member.name == wanted) return Login(seat, name, password, password);
  }
  return Login(kNewPlayerSeat, name, password, password);
}

int ClubSession::GameNumber() const {
  return player_ ? player_->games + 1 : 0;
}
int ClubSession::InitialScore() const {
  return player_ ? player_->cycle_score : 0;
}

std::string ClubSession::PlayerName() const {
  return player_ ? Cp1251ToUtf8(Trimmed(player_->name)) : std::string();
}

FinishedGame ClubSession::Standing(int score_difference) const {
  FinishedGame game;
  if (!player_) return game;
  game.game_number = GameNumber();
  game.score_difference = score_difference;
  game.new_score = InitialScore() + score_difference;
  game.rating_before = player_->rating;
  game.rating = NextRating(player_->games, player_->rating, score_difference);
  game.cycle_end = game.game_number % kCycleLength == 0;
  return game;
}

HistoryPlace ClubSession::History() const {
  return HistoryOf(program_folder_, club_path_);
}

Status ClubSession::WriteHistory(const FinishedGame& standing, HistoryKind kind,
                                 std::string_view history_name, MessagePort& port,
                                 const HistoryClock& clock) {
  HisStr record;
  record.HName = history_name.empty() ? PlayerName() : std::string(history_name);
  record.HKon = standing.game_number;
  record.HRes = standing.new_score;
  record.HRei = standing.rating;
  record.Ac = kind;
  const std::string line = HistoryGameLine(record, clock.now(), clock);
  const bool club_follows =
      (kind == HistoryKind::Computer || kind == HistoryKind::Lan) && writable_ && player_;
  if (club_follows) {
    ClubFile updated = club_;
    FinishClubGame(updated, *player_, standing.score_difference);
    const GameEndJournal journal{line, SerializeClubFile(club_), SerializeClubFile(updated)};
    // Without a journal the two writes go ahead as before; only a crash between them would
    // then count the game twice.
    journal_written_ =
        ReplaceFileAtomically(JournalPath(club_path_), SerializeJournal(journal), *fs_).ok();
  }
  const HistoryPlace place = History();
  return AppendHistoryGameLine(place.folder, place.base, line, port, *fs_);
}

void ClubSession::DropJournal() {
  if (journal_written_) (void)fs_->Remove(JournalPath(club_path_));
  journal_written_ = false;
}

Status ClubSession::UpdateClub(int score_difference, FinishedGame& standing, MessagePort& port) {
  if (!player_) return Status::Error("no player is logged in to the club");
  ClubFile updated = club_;
  ClubGameResult result = FinishClubGame(updated, *player_, score_difference);
  standing.best_ten_rank = result.placement.best_ten_rank;
  standing.seat = result.placement.seat;
  if (!writable_) return Status::Error("\"" + club_path_ + "\" is read-only; it is not written");
  Status saved = SaveClubFile(club_path_, updated, port, *fs_);
  DropJournal();
  if (!saved.ok()) return saved;
  club_ = std::move(updated);
  player_->seat = result.placement.seat == 0 ? kNewPlayerSeat : result.placement.seat;
  player_->games = result.games;
  player_->rating = result.rating;
  player_->cycle_score = standing.cycle_end ? 0 : result.cycle_score;
  return Status::Ok();
}

FinishedGame ClubSession::RecordFinishedGame(int score_difference, MessagePort& port,
                                             std::string_view history_name,
                                             const HistoryClock& clock) {
  FinishedGame game = Standing(score_difference);
  if (!player_) {
    game.club = Status::Error("no player is logged in to the club");
    game.history = game.club;
    return game;
  }
  const HistoryKind kind = multiplayer_ ? HistoryKind::Lan : HistoryKind::Computer;
  game.history = WriteHistory(game, kind, history_name, port, clock);
  game.club = UpdateClub(score_difference, game, port);
  return game;
}

}  // namespace ostrel
