// The fast search. It computes exactly the values of the plain search of the rules (every card
// of every seat, each seat for its own team) but prunes with alpha-beta windows, orders the
// moves, keeps hands as bit sets and plays and takes back cards in place. The transposition key
// is the set of cards still out, the seat to move and both teams' points, so a stored value is
// reused only where it is exact.
#include <bit>
#include <limits>

#include "ai/search.h"
#include "ai/search_bits.h"
#include "ai/transposition.h"

namespace ostrel {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

class FastSearch {
 public:
  FastSearch(const BitDeal& deal, const SearchSettings& settings, TranspositionTable& table)
      : deal_(deal), s_(settings), table_(table) {}

  std::uint64_t nodes = 0;

  // The value for the mover's team with every root card searched with a full window.
  SearchResult Root(BitState& state) {
    SearchResult result;
    result.root_values.fill(kNotTried);
    st_ = state;
    ++nodes;
    const int mover = Mover();
    double value = 0;
    if (Prelude(value)) {
      SetBoth(result, mover, value);
      result.nodes = nodes;
      return result;
    }
    const std::uint32_t moves = MoveSet();
    const std::uint32_t own = st_.hand[mover];
    const std::uint32_t others = Others(mover);
    double by_bit[32];
    int last_in_suit[4] = {-1, -1, -1, -1};
    for (std::uint32_t m = moves; m; m &= m - 1) {
      const int bit = LowBit(m);
      const int previous = last_in_suit[SuitOfBit(bit)];
      by_bit[bit] = previous >= 0 && deal_.Alike(previous, bit, own, others)
                        ? by_bit[previous]
                        : ValueOfMove(bit, -kInfinity, kInfinity);
      last_in_suit[SuitOfBit(bit)] = bit;
    }
    for (int p = 1; p <= 9; ++p) {
      const int bit = deal_.root_bits[p];
      if (bit >= 0 && (moves >> bit & 1u)) result.root_values[p] = by_bit[bit];
    }
    // The same choice as inside the search: the first strictly best, so ties go to the lower
    // hand position.
    double best = 950;
    for (int p = 1; p <= 9; ++p) {
      if (result.root_values[p] == kNotTried) continue;
      const double theirs = -result.root_values[p];
      if (theirs < best) {
        best = theirs;
        result.chosen = p;
      }
    }
    if (result.chosen != 0) {
      SetBoth(result, mover, result.root_values[result.chosen]);
    } else {
      result.declaring = result.defending = kNotTried;
    }
    result.nodes = nodes;
    return result;
  }

 private:
  int Mover() const { return (st_.leader + st_.count) & 3; }
  // The cards of the other hands and of the trick.
  std::uint32_t Others(int mover) const {
    std::uint32_t out = 0;
    for (int seat = 0; seat < 4; ++seat) {
      if (seat != mover) out |= st_.hand[seat];
    }
    for (int k = 0; k < st_.count; ++k) out |= 1u << st_.trick[k];
    return out;
  }
  int TeamOf(int seat) const { return (seat - deal_.declarer) & 1; }  // 0 declaring

  void SetBoth(SearchResult& result, int mover, double value) const {
    result.declaring = TeamOf(mover) == 0 ? value : -value;
    result.defending = -result.declaring;
  }

  double Settle(int mover) const {
    const double d = DealValue(st_.points[0], st_.points[1]);
    return TeamOf(mover) == 0 ? d : -d;
  }

  // Horizon and claim: true when the node's value is known without trying cards.
  bool Prelude(double& value) {
    const int mover = Mover();
    if (st_.depth >= s_.depth_limit && st_.count == 0) {
      value = Estimate(mover);
      return true;
    }
    if (s_.pruning && st_.count == 0 && st_.depth > 1 && Claims(mover)) {
      int points = 10;
      for (int seat = 0; seat < 4; ++seat) points += deal_.PointsOf(st_.hand[seat]);
      if (deal_.HoldsBellaPair(st_.hand[mover])) points += 20;
      st_.points[TeamOf(mover)] += points;
      value = Settle(mover);
      st_.points[TeamOf(mover)] -= points;
      return true;
    }
    return false;
  }

  double Estimate(int mover) const {
    std::uint32_t hand[4] = {st_.hand[0], st_.hand[1], st_.hand[2], st_.hand[3]};
    int ours = st_.points[TeamOf(mover)];
    int theirs = st_.points[1 - TeamOf(mover)];
    for (int suit = 0; suit < 4; ++suit) {
      const std::uint32_t mask = SuitMask(suit);
      const bool is_trump = suit == deal_.trump;
      for (;;) {
        int holders = 0;
        int top = -1;
        int top_bit = -1;
        for (int seat = 0; seat < 4; ++seat) {
          const std::uint32_t cards = hand[seat] & mask;
          if (!cards) continue;
          ++holders;
          if (HighBit(cards) > top_bit) {
            top_bit = HighBit(cards);
            top = seat;
          }
        }
        if (is_trump ? holders == 0 : holders < 4) break;
        int sum = 0;
        for (int seat = 0; seat < 4; ++seat) {
          const std::uint32_t cards = hand[seat] & mask;
          if (!cards) continue;
          const int bit = seat == top ? HighBit(cards) : LowBit(cards);
          sum += deal_.points[bit];
          hand[seat] &= ~(1u << bit);
        }
        (TeamOf(top) == TeamOf(mover) ? ours : theirs) += sum;
      }
    }
    int rest = 0;
    for (int seat = 0; seat < 4; ++seat) rest += deal_.PointsOf(hand[seat]);
    const double o = ours + rest / 2.0;
    const double t = theirs + rest / 2.0;
    return TeamOf(mover) == 0 ? DealValue(o, t) : -DealValue(t, o);
  }

  bool Claims(int mover) const {
    const std::uint32_t me = st_.hand[mover];
    if (deal_.trump >= 0) {
      const int mine = std::popcount(me & deal_.trump_mask);
      for (int seat = 0; seat < 4; ++seat) {
        if (seat != mover && std::popcount(st_.hand[seat] & deal_.trump_mask) > mine) return false;
      }
    }
    for (int suit = 0; suit < 4; ++suit) {
      const std::uint32_t mine = me & SuitMask(suit);
      const int count = std::popcount(mine);
      for (int seat = 0; seat < 4; ++seat) {
        const std::uint32_t theirs = st_.hand[seat] & SuitMask(suit);
        if (seat == mover || !theirs || !count) continue;
        const int m = std::min(count, std::popcount(theirs));
        if (NthHighestBit(mine, m) < HighBit(theirs)) return false;
      }
    }
    return true;
  }

  std::uint32_t MoveSet() const {
    const std::uint32_t hand = st_.hand[Mover()];
    if (st_.count == 0) return s_.pruning && st_.depth > 1 ? LowAndHighOfEachSuit(hand) : hand;
    const FollowContext f = deal_.Follow(hand, st_.trick, st_.count);
    std::uint32_t moves = deal_.Legal(f, s_.trump_required);
    if (s_.pruning && st_.count >= 2) moves &= deal_.FollowingRule(f);
    return moves;
  }

  double ValueOfMove(int bit, double alpha, double beta) {
    const int mover = Mover();
    const std::uint32_t card = 1u << bit;
    const int position = st_.count;
    st_.hand[mover] &= ~card;
    st_.trick[st_.count++] = static_cast<std::int8_t>(bit);
    int bella = 0;
    if ((position == 0 || !s_.bella_first_hand_only) && deal_.IsBella(bit, st_.hand[mover])) {
      bella = 20;
    }
    st_.points[TeamOf(mover)] += bella;
    double value;
    if (st_.count < 4) {
      ++st_.depth;
      value = -Search(-beta, -alpha);
      --st_.depth;
    } else {
      value = CompleteTrick(mover, alpha, beta);
    }
    st_.points[TeamOf(mover)] -= bella;
    --st_.count;
    st_.hand[mover] |= card;
    return value;
  }

  double CompleteTrick(int mover, double alpha, double beta) {
    const int w = deal_.Winner(st_.trick);
    const int winner = (st_.leader + w) & 3;
    const int team = TeamOf(winner);
    int sum = 0;
    for (int k = 0; k < 4; ++k) sum += deal_.points[st_.trick[k]];
    st_.points[team] += sum;
    double value;
    if (st_.hand[mover] != 0) {
      const BitState saved = st_;
      st_.leader = winner;
      st_.count = 0;
      ++st_.depth;
      const bool same = team == TeamOf(mover);
      value = same ? Search(alpha, beta) : -Search(-beta, -alpha);
      st_ = saved;
    } else {
      st_.points[team] += 10;
      value = Settle(mover);
      st_.points[team] -= 10;
    }
    st_.points[team] -= sum;
    return value;
  }

  // The last trick: every seat has one card left and no choice.
  double LastTrick(int mover) {
    int points = 10;
    std::int8_t trick[4];
    for (int k = 0; k < 4; ++k) {
      const int bit = LowBit(st_.hand[(mover + k) & 3]);
      trick[k] = static_cast<std::int8_t>(bit);
      points += deal_.points[bit];
    }
    const int winner = (mover + deal_.Winner(trick)) & 3;
    st_.points[TeamOf(winner)] += points;
    const double value = Settle(mover);
    st_.points[TeamOf(winner)] -= points;
    return value;
  }

  double Search(double alpha, double beta) {
    ++nodes;
    double value = 0;
    if (Prelude(value)) return value;
    const int mover = Mover();
    const int size = std::popcount(st_.hand[mover]);
    if (st_.count == 0 && size == 1) return LastTrick(mover);
    const bool use_table = st_.count == 0 && table_.Usable();
    std::uint64_t key = 0;
    int hint = -1;
    if (use_table) {
      key = TranspositionTable::Key(st_.hand, mover, st_.points);
      if (const auto* e = table_.Find(key)) {
        if (e->lower == e->upper) return e->lower;
        if (e->lower >= beta) return e->lower;
        if (e->upper <= alpha) return e->upper;
        if (e->lower > alpha) alpha = e->lower;
        if (e->upper < beta) beta = e->upper;
        hint = e->best;
      }
    }
    const double alpha0 = alpha;
    const double beta0 = beta;
    const std::uint32_t moves = deal_.DropAlike(MoveSet(), st_.hand[mover], Others(mover));
    double best = -kInfinity;
    int best_bit = -1;
    MoveOrder order(deal_, st_, mover, moves, hint);
    for (int bit = order.Next(); bit >= 0; bit = order.Next()) {
      const double v = ValueOfMove(bit, alpha, beta);
      if (v > best) {
        best = v;
        best_bit = bit;
        if (v > alpha) alpha = v;
        if (alpha >= beta) break;
      }
    }
    if (use_table) table_.Store(key, size, best, alpha0, beta0, best_bit);
    return best;
  }

  const BitDeal& deal_;
  const SearchSettings& s_;
  TranspositionTable& table_;
  BitState st_;
};

}  // namespace

SearchContext::SearchContext() : impl_(std::make_unique<Impl>()) {}
SearchContext::~SearchContext() = default;

SearchResult SearchDeal(const SearchNode& node, const SearchSettings& settings,
                        SearchContext& context) {
  BitDeal deal;
  BitState state;
  SearchResult result;
  result.root_values.fill(kNotTried);
  if (!MakeBitDeal(node, settings, deal, state)) return result;
  TranspositionTable& table = context.impl().table;
  table.Clear(state.points[0] >= 0 && state.points[1] >= 0 &&
              state.points[0] < TranspositionTable::kPointLimit &&
              state.points[1] < TranspositionTable::kPointLimit);
  FastSearch search(deal, settings, table);
  return search.Root(state);
}

}  // namespace ostrel
