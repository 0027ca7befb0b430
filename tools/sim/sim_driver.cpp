#include "sim/sim_driver.h"

#include <fstream>

#include "game/deal_text.h"

namespace ostrel::sim {
namespace {

void BeginDeal(Game& game, DeckQueue& decks) {
  if (decks.next < decks.decks.size()) game.SetNextDeck(decks.decks[decks.next]);
  ++decks.next;
}

// One move of the local seat or one shared button, or one timer tick. False when nothing
// could be done.
bool Step(Game& game, ComputerPlayers& seat4, JsonLogPort& log, DeckQueue& decks,
          RunCounts& counts) {
  const GameRecord& r = game.Record();
  if (game.SuitWindowOpen()) return game.AnswerSuitChoice(seat4.NameTrumpSuit(r, 4));
  if (r.Phase == 4 && r.BeginWait == 2 && game.Button(7).caption == Caption::ToPlay) {
    return seat4.AcceptProposedTrump(r, 4) ? game.Button7Click() : game.Button8Click();
  }
  if (r.Phase == 24) return game.CardClick(seat4.ChooseCard(r, 4, game.Options()));
  if (game.Button(7).enabled) {
    const bool new_deal = r.Phase == kPhaseDealOver;
    if (new_deal) {
      if (r.Declarer == 0) ++counts.thrown_in;
      BeginDeal(game, decks);
    }
    if (!game.Button7Click()) return false;
    if (new_deal) {
      ++counts.deals;
      log.DealStarted();
    }
    return true;
  }
  if (game.Button(8).enabled && r.GameOver) return game.Button8Click();
  if (game.TimerEnabled()) {
    game.Tick();
    return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> ReadDeckFile(const std::string& path, DeckQueue& queue) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot open the deck file " + path;
  std::string line;
  int number = 0;
  std::vector<CardList32> decks;
  int blank_run = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) {
      ++blank_run;
      continue;
    }
    if (blank_run > 0) return path + ": line " + std::to_string(number - blank_run) + " is empty";
    const auto parsed = ParseDeckText(line);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
      return path + ": line " + std::to_string(number) + ": " + *error;
    }
    decks.push_back(std::get<CardList32>(parsed));
  }
  queue.decks = std::move(decks);
  queue.next = 0;
  return std::nullopt;
}

std::optional<std::string> PlayGame(Game& game, const std::function<void()>& start,
                                    ComputerPlayers& seat4, JsonLogPort& log, DeckQueue& decks,
                                    RunCounts& counts) {
  BeginDeal(game, decks);
  start();
  log.GameStarted(game.Record().GameNumber, game.Options());
  ++counts.deals;
  log.DealStarted();
  // A game has at most a few dozen deals of a few dozen steps each.
  for (long steps = 0; steps < 1000000; ++steps) {
    if (!game.Record().InGame) {
      ++counts.games;
      return std::nullopt;
    }
    if (!Step(game, seat4, log, decks, counts)) {
      return "the game stopped in phase " + std::to_string(game.Record().Phase) +
             " with nothing to do";
    }
  }
  return "the game did not end";
}

}  // namespace ostrel::sim
