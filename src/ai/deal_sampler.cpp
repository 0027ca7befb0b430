#include "ai/deal_sampler.h"

#include <algorithm>

#include "game/hand.h"

namespace ostrel {
namespace {

using Mask = std::uint32_t;  // bit (deck-table number - 1)

Mask Bit(int number) {
  return 1u << (number - 1);
}

Mask MaskOfCard(CardCode card) {
  const int number = DeckTableNumber(card);
  return number == 0 ? 0 : Bit(number);
}

std::vector<int> InDeckOrder(Mask m) {
  std::vector<int> out;
  for (int n = 1; n <= kDeckSize; ++n) {
    if (m & Bit(n)) out.push_back(n);
  }
  return out;
}

void Append(std::vector<int>& to, const std::vector<int>& from) {
  to.insert(to.end(), from.begin(), from.end());
}

// Puts deck-table cards into a search hand with their play values, sorted as the game sorts a
// hand whose trump is unknown.
void FillHand(const std::vector<int>& cards, char trump, SearchHand& hand) {
  ClearHand(hand.cards, hand.order, hand.points);
  int p = 1;
  for (int number : cards) {
    const CardCode card = DeckTableCard(number);
    const Rank rank = *RankOf(card);
    const bool is_trump = card.suit == trump;
    hand.cards[p] = card;
    hand.order[p] = PlayOrder(rank, is_trump);
    hand.points[p] = CardPoints(rank, is_trump);
    ++p;
  }
  SortHand(hand.cards, hand.order, hand.points, kNoSuit);
}

}  // namespace

int SampleCount(int cards_in_hand) {
  switch (cards_in_hand) {
    case 2:
      return 200;
    case 3:
      return 100;
    case 4:
      return 30;
    case 5:
    case 6:
    case 7:
      return 12;
    default:
      return 5;
  }
}

SearchSettings DecisionSettings(int trick_number, int trick_position, int cards_in_hand, char trump,
                                const RuleOptions& options) {
  SearchSettings s;
  s.trump = trump;
  s.trump_required = options.TrumpRequired;
  s.bella_first_hand_only = options.BellaFirstHandOnly;
  if (trick_number <= 2) {
    s.depth_limit = 10 - trick_position;
  } else if (trick_number == 3) {
    s.depth_limit = 14 - trick_position;
  } else {
    s.depth_limit = 58 - trick_position;
  }
  s.transposition = cards_in_hand >= 4;
  s.pruning = cards_in_hand >= 5;
  return s;
}

DealSampler::DealSampler(const GameRecord& record, int seat, const RuleOptions& options) {
  const int q = ((seat - record.TrickLeader) % 4 + 4) % 4 + 1;
  if (seat < 1 || seat > 4 || record.Declarer < 1 || record.Declarer > 4 ||
      q != record.TrickPosition) {
    ok_ = false;
    return;
  }
  settings_ =
      DecisionSettings(record.TrickNumber, q, record.CardCount[seat], record.Trump, options);
  base_.trick_position = q;
  base_.relation = ((record.Declarer - seat) % 4 + 4) % 4 + 1;
  const int declaring_team = TeamOf(record.Declarer);
  base_.declaring_points = record.DealPoints[declaring_team];
  base_.defending_points = record.DealPoints[3 - declaring_team];
  base_.depth = 1;
  for (int k = 1; k <= 4; ++k) {
    const bool played = k < q;
    base_.trick[k] = played ? record.Trick[k] : kEmptyCard;
    base_.trick_order[k] = played ? record.TrickOrder[k] : kEmptyValue;
    base_.trick_points[k] = played ? record.TrickPoints[k] : kEmptyValue;
  }
  // The own hand as the record holds it, closed up and in the game's order, with the way back
  // to the record's positions.
  SearchHand& own = base_.hands[1];
  ClearHand(own.cards, own.order, own.points);
  for (int p = 1; p <= 8; ++p) {
    own.cards[p] = record.Hand[seat][p];
    own.order[p] = record.HandOrder[seat][p];
    own.points[p] = record.HandPoints[seat][p];
  }
  SortHand(own.cards, own.order, own.points, record.Trump);
  for (int p = 1; p <= 9; ++p) {
    record_position_[p] = 0;
    for (int r = 1; r <= 8 && !own.cards[p].IsEmpty(); ++r) {
      if (record.Hand[seat][r] == own.cards[p]) record_position_[p] = r;
    }
  }
  Prepare(record, seat);
}

void DealSampler::Prepare(const GameRecord& record, int seat) {
  const SeatMemory& memory = record.Memory;
  Mask own = 0;
  for (int p = 1; p <= 8; ++p) own |= MaskOfCard(record.Hand[seat][p]);
  Mask x[4] = {};
  Mask k[4] = {};
  int count[4] = {};
  for (int i = 1; i <= 3; ++i) {
    const int other = SeatAfter(seat, i);
    count[i] = record.CardCount[other];
    for (int p = 1; p <= kDeckSize; ++p) x[i] |= MaskOfCard(memory.NotHeld[other][p]);
    x[i] &= ~own;
    for (int p = 1; p <= 8; ++p) {
      const CardCode card = memory.KnownHeld[other][p];
      const Mask m = MaskOfCard(card);
      if (m == 0 || (k[i] & m)) continue;
      k[i] |= m;
      known_[i].push_back(DeckTableNumber(card));
    }
  }
  const Mask free = ~own & ~(x[1] | x[2] | x[3] | k[1] | k[2] | k[3]);
  // A card two neighbours cannot hold belongs to the third.
  for (int n = 1; n <= kDeckSize; ++n) {
    for (int i = 1; i <= 3; ++i) {
      const int j = i % 3 + 1;
      const int l = j % 3 + 1;
      if ((x[j] & Bit(n)) && (x[l] & Bit(n)) && !(x[i] & Bit(n)) && !(k[i] & Bit(n))) {
        k[i] |= Bit(n);
        known_[i].push_back(n);
      }
    }
  }
  // A memory that puts a card in two hands, in the own hand, or where it cannot be disagrees
  // with the deal.
  Mask seen = own;
  for (int i = 1; i <= 3; ++i) {
    if ((k[i] & seen) || (k[i] & x[i]) || static_cast<int>(known_[i].size()) > count[i]) {
      ok_ = false;
    }
    seen |= k[i];
  }
  const int n = 1, pa = 2, pr = 3;
  const auto only = [&](int in, int a, int b, int ka, int kb) {
    return InDeckOrder(x[in] & ~x[a] & ~x[b] & ~k[ka] & ~k[kb]);
  };
  const std::vector<int> free_cards = InDeckOrder(free);
  Append(pool_[n], only(pa, n, pr, n, pr));
  Append(pool_[n], only(pr, n, pa, n, pa));
  Append(pool_[pa], only(n, pa, pr, pa, pr));
  Append(pool_[pa], only(pr, n, pa, n, pa));
  Append(pool_[pr], only(n, pa, pr, pa, pr));
  Append(pool_[pr], only(pa, n, pr, n, pr));
  for (int i = 1; i <= 3; ++i) {
    Append(pool_[i], free_cards);
    need_[i] = count[i] - static_cast<int>(known_[i].size());
    if (need_[i] > static_cast<int>(pool_[i].size())) ok_ = false;
  }
}

bool DealSampler::DrawHands(Random& random, std::vector<int> hands[4]) {
  Mask given = 0;
  for (int i = 1; i <= 3; ++i) {
    std::vector<int> pool;
    for (int card : pool_[i]) {
      if (!(given & Bit(card))) pool.push_back(card);
    }
    const int r = need_[i];
    if (r > 0 && static_cast<int>(pool.size()) < r) return false;
    std::vector<bool> taken(pool.size(), false);
    for (int drawn = 0; drawn < r;) {
      const int at = random.Uniform(0, static_cast<int>(pool.size()) - 1);
      if (taken[at]) continue;
      taken[at] = true;
      ++drawn;
    }
    hands[i] = known_[i];
    for (std::size_t at = 0; at < pool.size(); ++at) {
      if (taken[at]) hands[i].push_back(pool[at]);
    }
    for (int card : hands[i]) given |= Bit(card);
  }
  return true;
}

std::optional<SearchNode> DealSampler::Draw(Random& random) {
  if (!ok_) return std::nullopt;
  std::vector<int> hands[4];
  for (int attempt = 0;; ++attempt) {
    if (attempt >= kAttemptLimit) return std::nullopt;
    if (DrawHands(random, hands)) break;
    ++restarts_;
  }
  SearchNode node = base_;
  for (int i = 1; i <= 3; ++i) FillHand(hands[i], settings_.trump, node.hands[i + 1]);
  return node;
}

}  // namespace ostrel
