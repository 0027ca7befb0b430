#include "ai/search_bits.h"

namespace ostrel {

std::uint32_t LowestOfEachSuit(std::uint32_t hand) {
  std::uint32_t out = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const std::uint32_t cards = hand & SuitMask(suit);
    if (cards) out |= cards & (~cards + 1);
  }
  return out;
}

std::uint32_t LowAndHighOfEachSuit(std::uint32_t hand) {
  std::uint32_t out = 0;
  for (int suit = 0; suit < 4; ++suit) {
    const std::uint32_t cards = hand & SuitMask(suit);
    if (cards) out |= (cards & (~cards + 1)) | (1u << HighBit(cards));
  }
  return out;
}

std::uint32_t BitDeal::DropAlike(std::uint32_t moves, std::uint32_t own,
                                 std::uint32_t others) const {
  std::uint32_t out = moves;
  for (int suit = 0; suit < 4; ++suit) {
    int previous = -1;
    for (std::uint32_t m = moves & SuitMask(suit); m; m &= m - 1) {
      const int bit = LowBit(m);
      if (previous >= 0 && Alike(previous, bit, own, others)) out &= ~(1u << bit);
      previous = bit;
    }
  }
  return out;
}

FollowContext BitDeal::Follow(std::uint32_t hand, const std::int8_t* trick, int count) const {
  FollowContext f;
  f.hand = hand;
  f.trick = trick;
  f.count = count;
  f.led = SuitOfBit(trick[0]);
  f.led_cards = hand & SuitMask(f.led);
  f.trump_cards = hand & trump_mask;
  for (int k = 0; k < count; ++k) {
    if (SuitOfBit(trick[k]) == trump && RankOfBit(trick[k]) > f.best_trump_rank) {
      f.best_trump_rank = RankOfBit(trick[k]);
    }
  }
  return f;
}

std::uint32_t BitDeal::Legal(const FollowContext& f, bool trump_required) const {
  std::uint32_t trumps;
  if (f.led_cards) {
    if (f.led != trump) return f.led_cards;
    trumps = f.led_cards;
  } else if (f.trump_cards) {
    trumps = f.trump_cards;
  } else {
    return f.hand;
  }
  if (!trump_required || f.best_trump_rank < 0) return trumps;
  // Must beat the best trump of the trick whenever one of the hand's trumps can.
  const std::uint32_t above = trumps & ~((2u << (8 * trump + f.best_trump_rank)) - 1u);
  return above ? above : trumps;
}

std::uint32_t BitDeal::FollowingRule(const FollowContext& f) const {
  const bool holds_led = f.led_cards != 0;
  const bool holds_trump = f.trump_cards != 0;
  if (f.count == 2) {
    const int first = f.trick[0];
    const int second = f.trick[1];
    const bool second_beats_first = SuitOfBit(second) == f.led && second > first;
    const bool second_is_trump = trump >= 0 && SuitOfBit(second) == trump;
    const bool trump_in_trick = f.led == trump || second_is_trump;
    if (holds_led && (!trump_in_trick || f.led == trump) && second_beats_first &&
        HighBit(f.led_cards) < second) {
      return f.led_cards & (~f.led_cards + 1);
    }
    if (holds_led && f.led != trump && second_is_trump) return f.led_cards & (~f.led_cards + 1);
    if (!holds_led && !holds_trump && (second_beats_first || (f.led != trump && second_is_trump))) {
      return LowestOfEachSuit(f.hand);
    }
    return ~0u;
  }
  // Fourth place: if even the best card the mover can put on loses to an opponent, it gives
  // the cheapest instead. A card of neither the led suit nor trumps never wins.
  std::int8_t trick[4] = {f.trick[0], f.trick[1], f.trick[2], 0};
  int count = 3;
  if (holds_led) {
    trick[3] = static_cast<std::int8_t>(HighBit(f.led_cards));
    count = 4;
  } else if (holds_trump) {
    trick[3] = static_cast<std::int8_t>(HighBit(f.trump_cards));
    count = 4;
  }
  const int w = Winner(trick, count);
  if (w != 0 && w != 2) return ~0u;
  if (holds_led) return f.led_cards & (~f.led_cards + 1);
  if (holds_trump) return f.trump_cards & (~f.trump_cards + 1);
  return LowestOfEachSuit(f.hand);
}

namespace {

// The bit of a card with its play order, -1 when the card or its value is not valid.
int BitOf(CardCode card, std::uint8_t order) {
  const int suit = SuitNumber(card.suit);
  if (suit == 0 || !RankOf(card) || order < 1 || order > 8) return -1;
  return (suit - 1) * 8 + order - 1;
}

}  // namespace

bool MakeBitDeal(const SearchNode& node, const SearchSettings& settings, BitDeal& deal,
                 BitState& state) {
  const int tp = node.trick_position;
  if (tp < 1 || tp > 4 || node.relation < 1 || node.relation > 4) return false;
  deal.trump = SuitNumber(settings.trump) - 1;
  deal.trump_mask = deal.trump >= 0 ? SuitMask(deal.trump) : 0;
  deal.declarer = node.relation - 1;
  std::uint32_t seen = 0;
  auto take = [&](CardCode card, std::uint8_t order, std::uint8_t points) -> int {
    const int bit = BitOf(card, order);
    if (bit < 0 || (seen >> bit & 1u)) return -1;
    seen |= 1u << bit;
    deal.points[bit] = points;
    if (deal.trump >= 0 && SuitOfBit(bit) == deal.trump) {
      if (card == MakeCard(Rank::King, deal.trump + 1)) deal.king_bit = bit;
      if (card == MakeCard(Rank::Queen, deal.trump + 1)) deal.queen_bit = bit;
    }
    return bit;
  };
  deal.root_bits.fill(-1);
  for (int h = 1; h <= 4; ++h) {
    const SearchHand& hand = node.hands[h];
    for (int p = 1; p <= kHandSlots; ++p) {
      if (hand.cards[p].IsEmpty()) continue;
      if (p > 8) return false;
      const int bit = take(hand.cards[p], hand.order[p], hand.points[p]);
      if (bit < 0) return false;
      state.hand[h - 1] |= 1u << bit;
      if (h == 1) deal.root_bits[p] = bit;
    }
  }
  for (int k = 1; k < tp; ++k) {
    const int bit = take(node.trick[k], node.trick_order[k], node.trick_points[k]);
    if (bit < 0) return false;
    state.trick[k - 1] = static_cast<std::int8_t>(bit);
  }
  if (deal.king_bit < 0 || deal.queen_bit < 0) deal.king_bit = deal.queen_bit = -1;
  // The seats that already played to this trick hold one card fewer than the others.
  const int n = std::popcount(state.hand[0]);
  for (int h = 1; h <= 3; ++h) {
    const bool played = h + 1 >= 6 - tp;
    if (std::popcount(state.hand[h]) != (played ? n - 1 : n)) return false;
  }
  state.count = tp - 1;
  state.leader = (4 - state.count) & 3;
  state.depth = node.depth;
  state.points[0] = node.declaring_points;
  state.points[1] = node.defending_points;
  return state.hand[0] != 0;
}

MoveOrder::MoveOrder(const BitDeal& deal, const BitState& state, int mover, std::uint32_t moves,
                     int hint) {
  int score[32];
  const bool leading = state.count == 0;
  int winner = 0;
  bool partner_wins = false;
  if (!leading) {
    const int w = deal.Winner(state.trick, state.count);
    winner = state.trick[w];
    partner_wins = ((state.leader + w) & 3) == ((mover + 2) & 3);
  }
  for (std::uint32_t m = moves; m; m &= m - 1) {
    const int bit = LowBit(m);
    int s;
    if (bit == hint) {
      s = 1000;
    } else if (leading) {
      s = RankOfBit(bit) * 4 + deal.points[bit];
    } else if (deal.Beats(bit, winner)) {
      s = partner_wins ? deal.points[bit] : 200 - RankOfBit(bit) + deal.points[bit];
    } else {
      s = partner_wins ? 100 + deal.points[bit] : 100 - deal.points[bit] - RankOfBit(bit);
    }
    // Insertion by descending score; ties keep the lower bit first.
    int i = count_++;
    while (i > 0 && score[i - 1] < s) {
      score[i] = score[i - 1];
      bits_[i] = bits_[i - 1];
      --i;
    }
    score[i] = s;
    bits_[i] = bit;
  }
}

}  // namespace ostrel
