// Game messages from the other programs of a network game, and Bella in play.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace ostrel::testing {
namespace {

const CardList32 kDeck =
    DeckFromHands("1ч Вч Дч 7б 8б Тб", "7к 8к 9к 1б Вб Кб", "9б Дб 7п 9п Вп Кп",
                  "8п 1п Дп Тп Кч Тч", "7ч 8ч 9ч Вк Дк Кк 1к Тк");

// A LAN client at network seat 3: the host drives the shared steps and sends every move.
struct ClientFixture : GameFixture {
  ClientFixture() {
    game.Mode().NetworkMode = true;
    game.Mode().NetworkSeat = 3;
    game.Mode().SoundOn = false;
    game.Mode().CardAnimation = false;
  }
  int Refusals() const { return static_cast<int>(port.All<RefusedMessageEffect>().size()); }
};

TEST(Messages, AClientFollowsTheHostsMovesAndRefusesWhatDoesNotFit) {
  ClientFixture f;
  f.game.SetNextDeck(kDeck);
  f.game.StartDeal(false);
  GameRecord& r = f.game.Record();
  EXPECT_FALSE(f.game.Button(7).enabled);  // the host presses the shared buttons
  const int first = r.FirstHand;
  ASSERT_NE(first, 4);

  struct Bad {
    const char* message;
  };
  for (const Bad bad : {Bad{"haddca"}, Bad{"hhods1"}, Bad{"hshowc"}, Bad{"hslits"},
                        Bad{"higra\xF7"}, Bad{"hxyzzy"}, Bad{""}}) {
    const GameRecord before = r;
    EXPECT_FALSE(Receive(f.game, bad.message)) << bad.message;
    EXPECT_EQ(r.Phase, before.Phase);
    EXPECT_EQ(r.Hand, before.Hand);
  }
  EXPECT_EQ(f.Refusals(), 5);  // the last two are no game messages at all

  ASSERT_TRUE(Receive(f.game, "hbegin"));
  EXPECT_EQ(r.BeginWait, 2);
  // Pass round one up to seat 4, whose answer only the local player gives.
  while (r.Phase != 4) ASSERT_TRUE(Receive(f.game, "hpasso"));
  EXPECT_FALSE(Receive(f.game, "hplayo"));  // would act for the local seat
  ASSERT_TRUE(f.game.Button8Click());
  while (r.Phase != 14 && r.Phase != kPhaseContract) {
    const int before = r.Phase;
    // The turned-up suit cannot be named again; an unknown suit byte is no suit.
    EXPECT_FALSE(Receive(f.game, std::string("higra") + r.Deck[32].suit));
    EXPECT_FALSE(Receive(f.game, "higraX"));
    ASSERT_TRUE(Receive(f.game, r.Phase == 10 + first ? "higra\xEF" : "hpassz"));
    ASSERT_NE(r.Phase, before);
  }
  ASSERT_EQ(r.Phase, kPhaseContract);
  EXPECT_EQ(r.Declarer, first);
  EXPECT_EQ(r.Trump, kSuitBytes[4]);
  ASSERT_TRUE(Receive(f.game, "haddca"));
  ASSERT_TRUE(Receive(f.game, "hshowc"));
  ASSERT_TRUE(Receive(f.game, "hdownc"));
  ASSERT_TRUE(IsPlayPhase(r.Phase));

  // Cards: a position outside the hand, or a card the rules refuse, changes nothing.
  if (r.Phase == 24) f.game.CardClick(LowestAllowedPosition(r, 4, true));
  const int seat = r.Phase - 20;
  EXPECT_FALSE(Receive(f.game, "hhods9"));
  EXPECT_FALSE(Receive(f.game, "hhods0"));
  EXPECT_FALSE(Receive(f.game, "hhods"));
  for (int p = 1; p <= 8; ++p) {
    if (CanPlay(r, seat, p, true) != kAllowed) {
      EXPECT_FALSE(Receive(f.game, "hhods" + std::to_string(p)));
      break;
    }
  }
  const int allowed = LowestAllowedPosition(r, seat, true);
  const CardCode card = r.Hand[seat][allowed];
  ASSERT_TRUE(Receive(f.game, "hhods" + std::to_string(allowed)));
  EXPECT_EQ(r.Trick[r.TrickPosition - 1], card);
  // The client's moves are sent; received ones never are.
  for (const auto& s : f.port.sent) {
    EXPECT_TRUE(s.action.kind == ActionKind::PassRoundOne || s.action.kind == ActionKind::PlayCard);
  }
}

TEST(Messages, AgainstTheComputerNothingIsSent) {
  GameFixture f;
  f.players.accepting_seat = 1;
  f.StartGame(1, &kDeck);
  f.RunUntil([&] { return f.game.Record().Phase == kPhaseDealOver; });
  EXPECT_EQ(f.game.Record().Phase, kPhaseDealOver);
  EXPECT_TRUE(f.port.sent.empty());
}

TEST(Bella, ScoresWithTheFirstOfKingAndQueenOfTrumps) {
  for (bool first_hand_only : {false, true}) {
    GameFixture f;
    f.game.Options().BellaFirstHandOnly = first_hand_only;
    f.game.Mode().CardAnimation = false;
    f.players.accepting_seat = 1;
    f.StartGame(1, &kDeck);
    f.RunUntil([&] { return f.game.Record().Phase == 21; });
    GameRecord& r = f.game.Record();
    // Give seat 2 the king and queen of trumps (clubs) and let it play the king second.
    const CardCode king = MakeCard(Rank::King, 3), queen = MakeCard(Rank::Queen, 3);
    for (int s = 1; s <= kSeats; ++s) {
      for (int p = 1; p <= 8; ++p) {
        if (r.Hand[s][p] == king || r.Hand[s][p] == queen) r.Hand[s][p] = kEmptyCard;
      }
    }
    r.Hand[2][1] = king;
    r.HandOrder[2][1] = PlayOrder(Rank::King, true);
    r.HandPoints[2][1] = 4;
    r.Hand[2][2] = queen;
    r.HandOrder[2][2] = PlayOrder(Rank::Queen, true);
    r.HandPoints[2][2] = 3;
    r.Trick[1] = MakeCard(Rank::Seven, 3);
    r.TrickOrder[1] = 1;
    r.TrickPoints[1] = 0;
    r.LedSuit = r.Trick[1].suit;
    r.TrickPosition = 2;
    r.Phase = 22;
    const int before = r.DealPoints[2];
    f.game.PlayCard(2, 1, false);
    EXPECT_EQ(r.DealPoints[2] - before, first_hand_only ? 0 : 20);
    const auto cards = f.port.All<CardFact>();
    EXPECT_EQ(cards.back().bella, !first_hand_only);
  }
}

}  // namespace
}  // namespace ostrel::testing

namespace ostrel::testing {
namespace {

TEST(MoveTimers, TheLocalSeatThatRunsOutOfTimeLosesTheGame) {
  GameFixture f;
  f.game.Mode().TournamentMode = true;
  f.game.Mode().TournamentSeat = 1;
  f.game.SetNextDeck(kDeck);
  f.game.StartDeal(false);
  GameRecord& r = f.game.Record();
  ASSERT_EQ(r.FirstHand, 2);
  ASSERT_TRUE(f.game.Button7Click());   // "To Begin" is sent; the server relays the moves
  EXPECT_FALSE(f.game.TimerEnabled());  // no seat is driven by the timer at a tournament
  EXPECT_EQ(f.game.MoveTimerSeat(), 2);
  ASSERT_TRUE(Receive(f.game, "hpasso"));
  EXPECT_EQ(f.game.MoveTimerSeat(), 3);
  ASSERT_TRUE(Receive(f.game, "hpasso"));
  ASSERT_EQ(r.Phase, 4);
  ASSERT_EQ(f.game.MoveTimerSeat(), 4);
  EXPECT_EQ(f.game.MoveTimerCount(), 26);
  f.port.Clear();
  for (int i = 0; i < 26; ++i) f.game.MoveTimerSecond();
  const auto sounds = f.port.Sounds();
  const std::vector<std::string> ticks(sounds.begin(), sounds.begin() + 25);
  std::vector<std::string> expected(18, "STimerA~");
  expected.insert(expected.end(), 7, "STimerB~");
  EXPECT_EQ(ticks, expected);
  EXPECT_EQ(sounds.back(), "WWrongs");
  const auto& sent = f.port.sent;
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.back().kind, TableMessage::Kind::TimeOut);
  EXPECT_EQ(f.port.All<CloseConnectionEffect>().size(), 1u);
  EXPECT_TRUE(r.GameOver);
  EXPECT_EQ(r.Phase, kPhaseGameOver);
  EXPECT_EQ(f.game.Button(8).caption, Caption::ExitToMenu);
  EXPECT_TRUE(f.game.Button(8).enabled);
  EXPECT_FALSE(f.game.Button(7).enabled);
}

}  // namespace
}  // namespace ostrel::testing
