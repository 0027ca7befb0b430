// A new deal, the two bidding rounds and the rest of the deal.
#include "game/deck.h"
#include "game/game.h"
#include "game/hand.h"

namespace ostrel {
namespace {

// Each program numbers the seats with itself at seat 4; seat s of the host (or of tournament
// place 1) becomes this seat on the program at `place`.
int HostToLocalSeat(int host_seat, int place) {
  static constexpr int kShift[5] = {0, 0, 2, 3, 1};
  return SeatAfter(host_seat, kShift[place < 1 || place > 4 ? 1 : place]);
}

}  // namespace

int Game::PlaceOneSeat() const {
  return HostToLocalSeat(4, mode_.TournamentSeat);
}

void Game::SetPlayer(std::string name, std::int32_t game_number, std::int32_t initial_score) {
  player_name_ = std::move(name);
  player_game_number_ = game_number;
  player_initial_score_ = initial_score;
}

void Game::SetNextDeck(const CardList32& deck) {
  next_deck_ = deck;
  has_next_deck_ = true;
}

void Game::NewGameCounters() {
  record_.GameScore = {};
  record_.DealNumber = 0;
  record_.ScoreDifference = 0;
  record_.NewScore = 0;
  record_.GameOver = false;
  record_.GameNumber = player_game_number_;
  record_.InitialScore = player_initial_score_;
}

void Game::StartDeal(bool continuing) {
  Emit(ShowTableEffect{});
  for (int s = 1; s <= kSeats; ++s) Label(s, {}, LabelColour::Plain);
  Emit(MenuItemsEffect{true, true, !Networked() && !mode_.AccountGame});
  if (!continuing) NewGameCounters();
  ++record_.DealNumber;
  if (!Networked()) {
    for (int s = 1; s <= 3; ++s) record_.SeatName[s] = "PC";
    record_.SeatName[4] = player_name_;
  }

  if (has_next_deck_) {
    SetDeck(record_, next_deck_);
    has_next_deck_ = false;
  } else {
    ShuffleDeck(record_, random_);
  }
  for (int s = 1; s <= kSeats; ++s) {
    ClearHand(record_.Hand[s], record_.HandOrder[s], record_.HandPoints[s]);
    record_.CardCount[s] = 0;
    record_.Combinations[s] = {};
  }
  record_.Memory = SeatMemory{};

  record_.DealPointer = 25;
  record_.Trump = record_.Deck[kDeckSize].suit;
  record_.Trick.fill(kEmptyCard);
  record_.TrickOrder.fill(kEmptyValue);
  record_.TrickPoints.fill(kEmptyValue);
  record_.ShownCards.fill(kEmptyCard);
  record_.ShownCount = 0;
  record_.ShownSeat = 0;
  record_.LedSuit = kNoSuit;
  record_.Declarer = 0;
  record_.SecondRoundContract = false;
  record_.TrickNumber = 1;
  record_.DealPoints = {};
  record_.Role = {};
  record_.TrickPosition = 1;
  record_.BeginWait = 1;
  record_.MemoryPending = true;

  const int place = mode_.TournamentMode ? mode_.TournamentSeat : mode_.NetworkSeat;
  if (Networked()) {
    record_.FirstHand =
        static_cast<std::uint8_t>(HostToLocalSeat(record_.DealNumber % 4 + 1, place));
  } else {
    record_.FirstHand =
        static_cast<std::uint8_t>((record_.GameNumber + record_.DealNumber) % 4 + 1);
  }
  record_.Phase = record_.FirstHand;
  record_.TrickLeader = record_.FirstHand;
  record_.TableLeader = record_.FirstHand;
  record_.InGame = true;

  SetButton(7, Caption::ToBegin, DrivesSharedSteps());
  SetButton(8, Caption::ExitToMenu, false);
  DrawScorePanel();
  Emit(DealStartFact{});
  const int first_team = TeamOf(record_.FirstHand);
  for (int team = 1; team <= 2; ++team) {
    DrawScoreTab(team, team == first_team ? 1 : 2, true, 0, record_.GameScore[team], 2);
  }
  DealFirstCards();
  SetTimer(200, false);
  Emit(CounterHintEffect{record_.GameNumber, mode_.TournamentMode ? 1 : 25});
}

void Game::DealFirstCards() {
  const int place = mode_.NetworkMode ? mode_.NetworkSeat : 1;
  static constexpr int kPacketSeat[4] = {4, 2, 1, 3};
  for (int packet = 0; packet < 4; ++packet) {
    const int seat = HostToLocalSeat(kPacketSeat[packet], place);
    for (int i = 1; i <= 6; ++i) {
      const int d = packet * 6 + i;
      record_.Hand[seat][i] = record_.Deck[d];
      record_.HandOrder[seat][i] = record_.DeckOrder[d];
      record_.HandPoints[seat][i] = record_.DeckPoints[d];
    }
  }
  for (int s = 1; s <= kSeats; ++s) DrawHand(s);
  DrawDeck();
  for (int s = 1; s <= kSeats; ++s) NameLabel(s);
  DrawScorePanel();
  Sound("WTasoKo", false);
}

void Game::TakeContract(int seat, bool second_round, bool send) {
  if (send) {
    Send(second_round ? std::string("higra") + record_.Trump : std::string("hplayo"));
  }
  Emit(BidFact{second_round ? 2 : 1, seat, true, second_round ? record_.Trump : kNoSuit});
  record_.Declarer = static_cast<std::uint8_t>(seat);
  for (int s = 1; s <= kSeats; ++s) {
    record_.Role[s] = s == seat ? 1 : (s == PartnerOf(seat) ? 3 : 2);
  }
  record_.SecondRoundContract = second_round;
  Emit(ContractFact{seat, record_.Trump, second_round});
  DrawTeamTab(TeamOf(seat), 3, 1);
  DrawScorePanel();
  Label(seat, {Words::ToPlay}, LabelColour::Blue);
  Sound("WDing_1", true);
  record_.Phase = kPhaseContract;
  SetButton(7, Caption::BuyCards, DrivesSharedSteps());
  SetButton(8, Caption::Pass, false);
  StartMoveTimer(PlaceOneSeat());
}

void Game::BidRoundOne(int seat, bool ask_computer, bool answer, bool send) {
  if (ask_computer) answer = players_.AcceptProposedTrump(record_, seat);
  if (answer) {
    TakeContract(seat, false, send);
    return;
  }
  if (send) Send("hpasso");
  Emit(BidFact{1, seat, false, kNoSuit});
  Label(seat, {Words::Pass}, LabelColour::Green);
  Sound("WDiPass", true);
  if (seat == PreviousSeat(record_.FirstHand)) {
    record_.Phase = static_cast<std::uint8_t>(10 + record_.FirstHand);
    StartMoveTimer(record_.FirstHand);
    if (record_.FirstHand == 4) AskPlayerForSuit();
    return;
  }
  const int next = NextSeat(seat);
  record_.Phase = static_cast<std::uint8_t>(next);
  StartMoveTimer(next);
  if (next == 4) OfferBidToPlayer();
}

void Game::OfferBidToPlayer() {
  record_.Phase = 4;
  SetButton(7, Caption::ToPlay, true);
  SetButton(8, Caption::Pass, true);
}

void Game::PlayerTakesContract(int seat) {
  TakeContract(seat, false, true);
}

void Game::BidRoundTwo(int seat, bool ask_computer, bool answer, bool send) {
  if (ask_computer) {
    const int suit = players_.NameTrumpSuit(record_, seat);
    answer = suit >= 1 && suit <= 4;
    if (answer) record_.Trump = kSuitBytes[suit];
  }
  if (answer) {
    TakeContract(seat, true, send);
    return;
  }
  if (send) Send("hpassz");
  Emit(BidFact{2, seat, false, kNoSuit});
  Label(seat, {Words::Pass}, LabelColour::Violet);
  Sound("WDiPass", true);
  if (seat == PreviousSeat(record_.FirstHand)) {
    EndOfRoundTwo();
    return;
  }
  const int next = NextSeat(seat);
  record_.Phase = static_cast<std::uint8_t>(10 + next);
  StartMoveTimer(next);
  if (next == 4) AskPlayerForSuit();
}

// Nobody played: the deal is thrown in and the next one is dealt without any score.
void Game::EndOfRoundTwo() {
  record_.Phase = kPhaseDealOver;
  Emit(ThrownInFact{});
  SetButton(7, Caption::NextRound, DrivesSharedSteps());
  SetButton(8, Caption::Pass, false);
  StartMoveTimer(PlaceOneSeat());
}

void Game::AskPlayerForSuit() {
  record_.Phase = 14;
  suit_window_open_ = true;
  Emit(SuitWindowEffect{SuitNumber(record_.Trump)});
}

bool Game::AnswerSuitChoice(int suit) {
  if (!suit_window_open_ || record_.Phase != 14) return false;
  if (suit < 0 || suit > 4 || (suit != 0 && suit == SuitNumber(record_.Trump))) return false;
  suit_window_open_ = false;
  if (suit != 0) record_.Trump = kSuitBytes[suit];
  BidRoundTwo(4, false, suit != 0, true);
  return true;
}

void Game::DealRest(bool send) {
  if (send) Send("haddca");
  EnableButton(7, false);
  for (int s = 1; s <= kSeats; ++s) {
    if (s != record_.Declarer) NameLabel(s);
  }
  for (int j = 0; j < 4; ++j) {
    const int seat = SeatAfter(record_.Declarer, j);
    for (int k = 0; k < 2; ++k) {
      const int d = 25 + 2 * j + k;
      ++record_.DealPointer;
      const int landed =
          AddToHand(seat, record_.Deck[d], record_.DeckOrder[d], record_.DeckPoints[d]);
      Fly(record_.Deck[d], Place{Place::Deck, 0, 0}, Place{Place::Hand, seat, landed}, seat == 4);
      DrawDeck();
      DrawHand(seat);
      CardMoveSound();
    }
  }
  Emit(HandsDealtFact{});
  if (Networked()) Wait(2500);
  DrawScorePanel();
  record_.Phase = kPhaseAllDealt;
  SetButton(7, Caption::ExhibitCombinations, DrivesSharedSteps());
  SetButton(8, Caption::Pass, false);
  StartMoveTimer(PlaceOneSeat());
}

}  // namespace ostrel
