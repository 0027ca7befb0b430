// A game wired to a recording port and scripted computer decisions, for tests of the flow.
#pragma once

#include <string>
#include <vector>

#include "game/deal_text.h"
#include "game/game.h"
#include "lan/action_codec.h"

namespace ostrel::testing {

class RecordingPort : public TablePort, public OutgoingPort {
 public:
  void Show(const Effect& effect) override { effects.push_back(effect); }
  void Send(const TableMessage& message) override { sent.push_back(message); }

  template <class T>
  std::vector<T> All() const {
    std::vector<T> out;
    for (const auto& e : effects) {
      if (const auto* t = std::get_if<T>(&e)) out.push_back(*t);
    }
    return out;
  }
  std::vector<std::string> Sounds() const {
    std::vector<std::string> out;
    for (const auto& s : All<SoundEffect>()) out.push_back(s.name + (s.waiting ? "" : "~"));
    return out;
  }
  void Clear() { effects.clear(); }

  std::vector<Effect> effects;
  std::vector<TableMessage> sent;
};

// Computer seats answer as scripted; their cards are the lowest the rules allow unless a
// choice is forced.
class ScriptedPlayers : public ComputerPlayers {
 public:
  bool AcceptProposedTrump(const GameRecord&, int seat) override { return seat == accepting_seat; }
  int NameTrumpSuit(const GameRecord&, int seat) override {
    return seat == naming_seat ? named_suit : 0;
  }
  int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) override {
    if (forced_position != 0) return forced_position;
    return LowestAllowedPosition(record, seat, options.TrumpRequired);
  }

  int accepting_seat = 0;
  int naming_seat = 0;
  int named_suit = 0;
  int forced_position = 0;
};

// Builds a deck from the four six-card hands and the eight cards dealt after the bidding.
inline CardList32 DeckFromHands(const std::string& seat1, const std::string& seat2,
                                const std::string& seat3, const std::string& seat4,
                                const std::string& rest) {
  const auto parsed = ParseDeckText(seat4 + " " + seat2 + " " + seat1 + " " + seat3 + " " + rest);
  if (const auto* error = std::get_if<std::string>(&parsed)) throw std::runtime_error(*error);
  return std::get<CardList32>(parsed);
}

// A game message received as text: decoded as the LAN session decodes it, then given to the
// game. False when the text is no game message at all, or the game refuses it.
// The flow tests' deal: seat 1 holds hearts 10-J-Q (a plain "Tertz"), seat 2 clubs 7-8-9; the
// turned-up card (the last) is the ace of clubs.
inline const CardList32 kFlowDeck =
    DeckFromHands("1ч Вч Дч 7б 8б Тб", "7к 8к 9к 1б Вб Кб", "9б Дб 7п 9п Вп Кп",
                  "8п 1п Дп Тп Кч Тч", "7ч 8ч 9ч Вк Дк Кк 1к Тк");

inline bool Receive(Game& game, std::string_view text) {
  const auto message = lan::DecodeAction(text);
  if (!message.ok()) return false;
  const auto action = lan::ActionOf(message.value());
  return action && game.ReceiveAction(*action);
}

struct GameFixture {
  GameFixture() : random(7), game(port, players, random) {
    game.SetOutgoing(&port);
    game.Mode().SoundOn = true;
    game.Mode().CardAnimation = true;
  }

  // The first hand of a new game's first deal is ((GameNumber + 1) modulo 4) + 1.
  void StartGame(int first_hand, const CardList32* deck = nullptr) {
    game.SetPlayer("Anna", (first_hand + 2) % 4 + 4, 100);
    if (deck) game.SetNextDeck(*deck);
    game.StartDeal(false);
  }

  // Runs the deal on, pressing the shared buttons and playing seat 4's lowest allowed card,
  // until the predicate holds or nothing more can happen.
  template <class Until>
  void RunUntil(Until until) {
    for (int guard = 0; guard < 500 && !until(); ++guard) {
      const GameRecord& r = game.Record();
      if (r.Phase == 24) {
        game.CardClick(LowestAllowedPosition(r, 4, game.Options().TrumpRequired));
      } else if (game.Button(7).enabled) {
        game.Button7Click();
      } else if (game.TimerEnabled()) {
        game.Tick();
      } else {
        return;
      }
    }
  }

  RecordingPort port;
  ScriptedPlayers players;
  Random random;
  Game game;
};

}  // namespace ostrel::testing
