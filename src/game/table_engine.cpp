// The table engine's checks: who is due, and why an action is refused.
#include "game/table_engine.h"

#include "game/hand.h"
#include "game/rules.h"

namespace ostrel {
namespace {

bool InRange(int value, int lo, int hi) {
  return value >= lo && value <= hi;
}

bool IsTableStep(ActionKind kind) {
  switch (kind) {
    case ActionKind::Begin:
    case ActionKind::DealRest:
    case ActionKind::ShowCombinations:
    case ActionKind::TakeBack:
    case ActionKind::TakeTrick:
    case ActionKind::NextDeal:
      return true;
    default:
      return false;
  }
}

const char* CardRefusal(CanPlayResult result) {
  return result == kRefusedTrump ? "the rules refuse that card: a higher trump must be played"
                                 : "the rules refuse that card: follow the suit led, or trump";
}

}  // namespace

int SeatAtPlace(int place_one_seat, int place) {
  static constexpr int kShift[5] = {0, 0, 2, 3, 1};
  return SeatAfter(place_one_seat, kShift[place < 1 || place > 4 ? 1 : place]);
}

TableEngine::TableEngine(Random& random) : random_(random) {
  for (int s = 1; s <= kSeats; ++s) {
    ClearHand(record_.Hand[s], record_.HandOrder[s], record_.HandPoints[s]);
  }
  record_.TrickOrder.fill(kEmptyValue);
  record_.TrickPoints.fill(kEmptyValue);
}

int TableEngine::DrivingSeat() const {
  return SeatAtPlace(4, frame_.place);
}

Turn TableEngine::ToAct() const {
  const int phase = record_.Phase;
  if (!record_.InGame || record_.GameOver || phase == kPhaseGameOver) return {};
  if (record_.BeginWait == 1) return {DrivingSeat(), true};
  if (InRange(phase, 1, 4)) return {phase, false};
  if (InRange(phase, 11, 14)) return {phase - 10, false};
  if (InRange(phase, 21, 24)) return {phase - 20, false};
  switch (phase) {
    case kPhaseContract:
    case kPhaseAllDealt:
    case kPhaseCombinationsShown:
    case kPhaseTrickComplete:
    case kPhaseDealOver:
      return {DrivingSeat(), true};
    default:
      return {};
  }
}

std::optional<std::string> TableEngine::Refusal(const Action& action, int seat) const {
  if (!InRange(seat, 1, kSeats)) return "there is no seat " + std::to_string(seat);
  if (!record_.InGame) return "no deal is on the table";
  if (record_.GameOver || record_.Phase == kPhaseGameOver) return "the game is over";
  if (action.kind == ActionKind::Begin) {
    if (record_.BeginWait != 1) return "the deal has begun already";
  } else if (record_.BeginWait == 1) {
    return "the deal has not begun yet";
  }
  if (const auto wrong = PhaseRefusal(action, seat)) return wrong;
  const Turn turn = ToAct();
  if (IsTableStep(action.kind) && seat != turn.seat) {
    return "only seat " + std::to_string(turn.seat) + " drives the table";
  }
  if (!IsTableStep(action.kind) && seat != turn.seat) {
    return "it is seat " + std::to_string(turn.seat) + "'s turn, not seat " + std::to_string(seat) +
           "'s";
  }
  if (action.kind == ActionKind::NameSuit) {
    if (!InRange(action.value, 1, 4)) return "no suit named";
    if (action.value == SuitNumber(record_.Deck[kDeckSize].suit)) return "the rejected suit";
  }
  if (action.kind == ActionKind::PlayCard) {
    const int p = action.value;
    if (!InRange(p, 1, 8) || record_.Hand[seat][p].IsEmpty()) {
      return "no card at hand position " + std::to_string(p);
    }
    const CanPlayResult can = CanPlay(record_, seat, p, options_.TrumpRequired);
    if (can != kAllowed) return CardRefusal(can);
  }
  return std::nullopt;
}

// Whether the phase is the one the action belongs to.
std::optional<std::string> TableEngine::PhaseRefusal(const Action& action, int) const {
  const int phase = record_.Phase;
  switch (action.kind) {
    case ActionKind::Begin:
      return std::nullopt;
    case ActionKind::PlayProposed:
    case ActionKind::PassRoundOne:
      if (!InRange(phase, 1, 4)) return "not a first-round bid now";
      return std::nullopt;
    case ActionKind::NameSuit:
    case ActionKind::PassRoundTwo:
      if (!InRange(phase, 11, 14)) return "not a second-round bid now";
      return std::nullopt;
    case ActionKind::DealRest:
      if (phase != kPhaseContract) return "no contract waits for its cards";
      return std::nullopt;
    case ActionKind::ShowCombinations:
      if (phase != kPhaseAllDealt) return "the cards are not all dealt";
      return std::nullopt;
    case ActionKind::TakeBack:
      if (phase != kPhaseCombinationsShown) return "no combinations are shown";
      return std::nullopt;
    case ActionKind::PlayCard:
      if (!InRange(phase, 21, 24)) return "no card is to be played now";
      return std::nullopt;
    case ActionKind::TakeTrick:
      if (phase != kPhaseTrickComplete) return "no complete trick to take";
      return std::nullopt;
    case ActionKind::NextDeal:
      if (phase != kPhaseDealOver) return "the deal is not over";
      return std::nullopt;
  }
  return "unknown action";
}

Outcome TableEngine::Apply(const Action& action, int seat) {
  Outcome outcome;
  if (auto refusal = Refusal(action, seat)) {
    outcome.reason = std::move(*refusal);
    return outcome;
  }
  outcome.accepted = true;
  collecting_ = &outcome.facts;
  switch (action.kind) {
    case ActionKind::Begin:
      record_.BeginWait = 2;
      break;
    case ActionKind::PlayProposed:
    case ActionKind::PassRoundOne:
      BidRoundOne(seat, action.kind == ActionKind::PlayProposed);
      break;
    case ActionKind::NameSuit:
    case ActionKind::PassRoundTwo:
      BidRoundTwo(seat, action.kind == ActionKind::NameSuit ? action.value : 0);
      break;
    case ActionKind::DealRest:
      DealRest();
      break;
    case ActionKind::ShowCombinations:
      ShowCombinations();
      break;
    case ActionKind::TakeBack:
      TakeBack();
      break;
    case ActionKind::PlayCard:
      PlayCard(seat, action.value);
      break;
    case ActionKind::TakeTrick:
      TakeTrick();
      break;
    case ActionKind::NextDeal:
      StartDeal();
      break;
  }
  collecting_ = nullptr;
  return outcome;
}

Outcome TableEngine::StartGame(std::int32_t game_number, std::int32_t initial_score) {
  Outcome outcome;
  outcome.accepted = true;
  collecting_ = &outcome.facts;
  record_.GameScore = {};
  record_.DealNumber = 0;
  record_.ScoreDifference = 0;
  record_.NewScore = 0;
  record_.GameOver = false;
  record_.GameNumber = game_number;
  record_.InitialScore = initial_score;
  StartDeal();
  collecting_ = nullptr;
  return outcome;
}

void TableEngine::SetNextDeck(const CardList32& deck) {
  next_deck_ = deck;
  has_next_deck_ = true;
}

void TableEngine::Report(Fact fact) {
  if (observer_) observer_(fact);
  if (collecting_) collecting_->push_back(std::move(fact));
}

void TableEngine::SettleGame() {
  record_.GameOver = true;
  record_.ScoreDifference = record_.GameScore[2] - record_.GameScore[1];
  record_.NewScore = record_.InitialScore + record_.ScoreDifference;
}

}  // namespace ostrel
