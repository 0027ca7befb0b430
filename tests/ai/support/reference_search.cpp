#include "support/reference_search.h"

#include "game/trick_play.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ostrel::reference {
namespace {

constexpr int kTableLimit = 48000;

struct Entry {
  std::uint64_t keys[4];
  int relation;
  int declaring_points;
  int defending_points;
  double declaring;
  double defending;
};

bool IsDeclaring(int relation) {
  return relation == 1 || relation == 3;
}

int CardsIn(const SearchHand& hand) {
  int n = 0;
  for (int p = 1; p <= 8; ++p) n += hand.cards[p].IsEmpty() ? 0 : 1;
  return n;
}

int CountSuit(const SearchHand& hand, char suit) {
  int n = 0;
  for (int p = 1; p <= 8; ++p) n += (!hand.cards[p].IsEmpty() && hand.cards[p].suit == suit);
  return n;
}

// 0 when the hand has no card of the suit.
int HighestOrder(const SearchHand& hand, char suit) {
  int best = 0;
  for (int p = 1; p <= 8; ++p) {
    if (!hand.cards[p].IsEmpty() && hand.cards[p].suit == suit)
      best = std::max<int>(best, hand.order[p]);
  }
  return best;
}

// The first position of the suit in hand order, 0 when there is none.
int LowestPosition(const SearchHand& hand, char suit) {
  for (int p = 1; p <= 8; ++p) {
    if (!hand.cards[p].IsEmpty() && hand.cards[p].suit == suit) return p;
  }
  return 0;
}

int HighestPosition(const SearchHand& hand, char suit) {
  int best = 0;
  for (int p = 1; p <= 8; ++p) {
    if (!hand.cards[p].IsEmpty() && hand.cards[p].suit == suit &&
        (best == 0 || hand.order[p] > hand.order[best])) {
      best = p;
    }
  }
  return best;
}

// Keeps allowed only the first card of each suit: a card whose previous card in the hand is
// of another suit.
void KeepLowestOfEachSuit(const SearchHand& hand, bool allowed[10]) {
  char before = kNoSuit;
  for (int p = 1; p <= 9; ++p) {
    if (hand.cards[p].IsEmpty()) continue;
    if (hand.cards[p].suit == before) allowed[p] = false;
    before = hand.cards[p].suit;
  }
}

void KeepOnly(int position, bool allowed[10]) {
  for (int p = 1; p <= 9; ++p) allowed[p] = p == position;
}

bool HasCard(const SearchHand& hand, int last, CardCode card) {
  for (int p = 1; p <= last; ++p) {
    if (hand.cards[p] == card) return true;
  }
  return false;
}

std::uint64_t PositionKey(const SearchHand& hand) {
  std::uint64_t key = 0;
  std::uint64_t power = 1;
  for (int p = 1; p <= 8; ++p) {
    if (!hand.cards[p].IsEmpty()) continue;
    key += static_cast<std::uint64_t>(p - 1) * power;
    power *= 10;
  }
  return key;
}

class Searcher {
 public:
  explicit Searcher(const SearchSettings& settings) : s_(settings) {}

  std::uint64_t nodes = 0;

  int Search(const SearchNode& node, double& out_d, double& out_f, Array1<double, 9>& root_values) {
    ++nodes;
    const SearchHand& me = node.hands[1];
    const bool we_declare = IsDeclaring(node.relation);
    const char trump = s_.trump;
    root_values.fill(kNotTried);

    // Horizon.
    if (node.depth >= s_.depth_limit && node.trick_position == 1) {
      const double ours = we_declare ? node.declaring_points : node.defending_points;
      const double theirs = we_declare ? node.defending_points : node.declaring_points;
      const double e = EstimateRest(node.hands, trump, node.relation, ours, theirs);
      out_d = we_declare ? e : -e;
      out_f = -out_d;
      return 0;
    }

    double d[10];
    double f[10];
    bool allowed[10];
    bool lead_allowed[10];
    for (int i = 0; i <= 9; ++i) {
      d[i] = kNotTried;
      f[i] = kNotTried;
      allowed[i] = true;
      lead_allowed[i] = true;
    }

    const char led = node.trick_position > 1 ? node.trick[1].suit : kNoSuit;
    const bool holds_led = node.trick_position > 1 && CountSuit(me, led) > 0;
    const bool holds_trump = CountSuit(me, trump) > 0;

    // Following rules.
    if (s_.pruning && node.trick_position == 3) {
      bool trump_in_trick = false;
      for (int k = 1; k <= 2; ++k) trump_in_trick |= node.trick[k].suit == trump;
      const bool second_beats_first =
          node.trick[2].suit == led && node.trick_order[2] > node.trick_order[1];
      const bool second_is_trump = node.trick[2].suit == trump;
      if (holds_led && (!trump_in_trick || led == trump) && second_beats_first &&
          HighestOrder(me, led) < node.trick_order[2]) {
        KeepOnly(LowestPosition(me, led), allowed);
      } else if (holds_led && led != trump && second_is_trump) {
        KeepOnly(LowestPosition(me, led), allowed);
      } else if (!holds_led && !holds_trump &&
                 (second_beats_first || (led != trump && second_is_trump))) {
        KeepLowestOfEachSuit(me, allowed);
      }
    }
    if (s_.pruning && node.trick_position == 4) {
      int probe = 0;
      if (holds_led) {
        probe = HighestPosition(me, led);
      } else if (holds_trump) {
        probe = HighestPosition(me, trump);
      } else {
        for (int p = 1; p <= 9; ++p) {
          if (!me.cards[p].IsEmpty()) probe = p;
        }
      }
      Array1<CardCode, 4> trick = node.trick;
      Array1<std::uint8_t, 4> order = node.trick_order;
      trick[4] = me.cards[probe];
      order[4] = me.order[probe];
      const int w = TrickWinner(trick, order, trump);
      if (w == 1 || w == 3) {
        if (holds_led) {
          KeepOnly(LowestPosition(me, led), allowed);
        } else if (holds_trump) {
          KeepOnly(LowestPosition(me, trump), allowed);
        } else {
          KeepLowestOfEachSuit(me, allowed);
        }
      }
    }

    // Claim test.
    if (s_.pruning && node.trick_position == 1 && node.depth > 1 && Claims(node)) {
      int points = 0;
      for (int h = 1; h <= 4; ++h) {
        for (int p = 1; p <= 8; ++p) {
          if (!node.hands[h].cards[p].IsEmpty()) points += node.hands[h].points[p];
        }
      }
      points += 10;
      if (SuitNumber(trump) != 0 && HasCard(me, 8, MakeCard(Rank::King, SuitNumber(trump))) &&
          HasCard(me, 8, MakeCard(Rank::Queen, SuitNumber(trump)))) {
        points += 20;
      }
      const int decl = node.declaring_points + (we_declare ? points : 0);
      const int def = node.defending_points + (we_declare ? 0 : points);
      out_d = DealValue(decl, def);
      out_f = -out_d;
      return 0;
    }

    // Leads.
    if (s_.pruning && node.trick_position == 1 && node.depth > 1) {
      for (int p = 1; p <= 9; ++p) lead_allowed[p] = false;
      for (int suit = 1; suit <= 4; ++suit) {
        const int low = LowestPosition(me, kSuitBytes[suit]);
        const int high = HighestPosition(me, kSuitBytes[suit]);
        if (low != 0) lead_allowed[low] = true;
        if (high != 0) lead_allowed[high] = true;
      }
    }

    // Transposition lookup.
    const int size = CardsIn(me);
    const bool use_table =
        s_.transposition && node.trick_position == 1 && node.depth > 1 && size >= 3 && size <= 7;
    Entry probe_entry{};
    if (use_table) {
      for (int h = 1; h <= 4; ++h) probe_entry.keys[h - 1] = PositionKey(node.hands[h]);
      probe_entry.relation = node.relation;
      probe_entry.declaring_points = node.declaring_points;
      probe_entry.defending_points = node.defending_points;
      for (const Entry& e : tables_[size]) {
        if (std::equal(e.keys, e.keys + 4, probe_entry.keys) && e.relation == node.relation &&
            e.declaring_points == node.declaring_points &&
            e.defending_points == node.defending_points) {
          out_d = e.declaring;
          out_f = e.defending;
          return 0;
        }
      }
    }

    // Cards to try.
    for (int i = 8; i >= 1; --i) {
      if (me.cards[i].IsEmpty()) continue;
      bool try_it = false;
      if (node.trick_position == 1) {
        try_it = lead_allowed[i];
      } else {
        const bool suit_led = me.cards[i].suit == led;
        const bool is_trump = me.cards[i].suit == trump;
        try_it = allowed[i] && ((suit_led && PassesOvertrump(node, i, holds_led)) ||
                                (is_trump && !holds_led && PassesOvertrump(node, i, holds_led)) ||
                                (!holds_led && !holds_trump));
      }
      if (try_it) Play(node, i, d[i], f[i]);
    }

    // Choice.
    int chosen = 0;
    double best = 950;
    for (int i = 1; i <= 9; ++i) {
      const double v = we_declare ? f[i] : d[i];
      if (v < best) {
        best = v;
        chosen = i;
      }
      root_values[i] = we_declare ? d[i] : f[i];
    }
    out_d = d[chosen];
    out_f = f[chosen];

    if (use_table && static_cast<int>(tables_[size].size()) <= kTableLimit) {
      probe_entry.declaring = out_d;
      probe_entry.defending = out_f;
      tables_[size].push_back(probe_entry);
    }
    return chosen;
  }

 private:
  bool Claims(const SearchNode& node) const {
    const char trump = s_.trump;
    const SearchHand& me = node.hands[1];
    if (trump != kNoSuit) {
      for (int h = 2; h <= 4; ++h) {
        if (CountSuit(me, trump) < CountSuit(node.hands[h], trump)) return false;
      }
    }
    for (int suit = 1; suit <= 4; ++suit) {
      const char s = kSuitBytes[suit];
      std::vector<int> mine;
      for (int p = 1; p <= 8; ++p) {
        if (!me.cards[p].IsEmpty() && me.cards[p].suit == s) mine.push_back(me.order[p]);
      }
      std::sort(mine.rbegin(), mine.rend());
      for (int h = 2; h <= 4; ++h) {
        const int m = std::min<int>(static_cast<int>(mine.size()), CountSuit(node.hands[h], s));
        if (m > 0 && mine[m - 1] < HighestOrder(node.hands[h], s)) return false;
      }
    }
    return true;
  }

  bool PassesOvertrump(const SearchNode& node, int i, bool holds_led) const {
    const char trump = s_.trump;
    const SearchHand& me = node.hands[1];
    const char led = node.trick[1].suit;
    if (!s_.trump_required || me.cards[i].suit != trump) return true;
    if (led != trump && holds_led) return true;
    int in_trick = 0;
    for (int k = 1; k < node.trick_position; ++k) {
      if (node.trick[k].suit == trump) in_trick = std::max<int>(in_trick, node.trick_order[k]);
    }
    const int in_hand = HighestOrder(me, trump);
    return !(in_hand > in_trick && me.order[i] < in_trick);
  }

  void AddPoints(SearchNode& node, bool declaring_team, int points) const {
    (declaring_team ? node.declaring_points : node.defending_points) += points;
  }

  void Play(const SearchNode& node, int i, double& d, double& f) {
    SearchNode next = node;
    SearchHand& me = next.hands[1];
    const int tp = node.trick_position;
    const CardCode card = me.cards[i];
    next.trick[tp] = card;
    next.trick_order[tp] = me.order[i];
    next.trick_points[tp] = me.points[i];
    me.cards[i] = kEmptyCard;
    me.order[i] = kEmptyValue;
    me.points[i] = kEmptyValue;

    const int trump_suit = SuitNumber(s_.trump);
    if (trump_suit != 0 && card.suit == s_.trump) {
      const CardCode king = MakeCard(Rank::King, trump_suit);
      const CardCode queen = MakeCard(Rank::Queen, trump_suit);
      const bool pair =
          (card == king && HasCard(me, 9, queen)) || (card == queen && HasCard(me, 9, king));
      if (pair && (tp == 1 || !s_.bella_first_hand_only)) {
        AddPoints(next, IsDeclaring(node.relation), 20);
      }
    }

    Array1<double, 9> unused;
    if (tp < 4) {
      SearchNode child = next;
      for (int h = 1; h <= 4; ++h) child.hands[h] = next.hands[h % 4 + 1];
      child.relation = (node.relation + 2) % 4 + 1;
      child.trick_position = tp + 1;
      child.depth = node.depth + 1;
      Search(child, d, f, unused);
      return;
    }

    const int w = TrickWinner(next.trick, next.trick_order, s_.trump);
    const int winner = w % 4 + 1;  // hand index seen from the mover
    const bool winner_declares = (winner - node.relation) % 2 == 0;
    int sum = 0;
    for (int k = 1; k <= 4; ++k) sum += next.trick_points[k];
    AddPoints(next, winner_declares, sum);
    if (CardsIn(me) > 0) {
      SearchNode child = next;
      for (int k = 1; k <= 4; ++k) {
        child.trick[k] = kEmptyCard;
        child.trick_order[k] = kEmptyValue;
        child.trick_points[k] = kEmptyValue;
      }
      for (int h = 1; h <= 4; ++h) child.hands[h] = next.hands[(winner - 1 + h - 1) % 4 + 1];
      child.relation = ((node.relation - winner) % 4 + 4) % 4 + 1;
      child.trick_position = 1;
      child.depth = node.depth + 1;
      Search(child, d, f, unused);
      return;
    }
    AddPoints(next, winner_declares, 10);
    d = DealValue(next.declaring_points, next.defending_points);
    f = -d;
  }

  const SearchSettings& s_;
  std::vector<Entry> tables_[8];
};

}  // namespace

SearchResult SearchDeal(const SearchNode& node, const SearchSettings& settings) {
  Searcher searcher(settings);
  SearchResult result;
  result.chosen = searcher.Search(node, result.declaring, result.defending, result.root_values);
  result.nodes = searcher.nodes;
  return result;
}

}  // namespace ostrel::reference
