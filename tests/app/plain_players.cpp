#include "plain_players.h"

#include "game/rules.h"

namespace ostrel {

namespace {

int CountSuit(const GameRecord& record, int seat, char suit) {
  int n = 0;
  for (int i = 1; i <= kHandSlots; ++i) {
    if (!record.Hand[seat][i].IsEmpty() && record.Hand[seat][i].suit == suit) ++n;
  }
  return n;
}

}  // namespace

bool PlainPlayers::AcceptProposedTrump(const GameRecord& record, int seat) {
  return CountSuit(record, seat, record.Deck[kDeckSize].suit) >= 3;
}

int PlainPlayers::NameTrumpSuit(const GameRecord& record, int seat) {
  for (int suit = 1; suit <= 4; ++suit) {
    if (kSuitBytes[suit] != record.Trump && CountSuit(record, seat, kSuitBytes[suit]) >= 4) {
      return suit;
    }
  }
  return 0;
}

int PlainPlayers::ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) {
  return LowestAllowedPosition(record, seat, options.TrumpRequired);
}

}  // namespace ostrel
