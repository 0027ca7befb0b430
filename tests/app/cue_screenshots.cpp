// The pictures of what the table tells a new player, at the small window: whose turn it is, why
// a card was refused, the card chosen with the keys, the trick taken last shown again, and at
// the end of the game who won; and the table in full screen.
#include <QApplication>
#include <QtTest>
#include <cstdio>

#include "app/table_screen.h"
#include "app_fixture.h"
#include "game/rules.h"

void SavePng(const QImage& image, const QString& name);

namespace {

using namespace ostrel;
using namespace ostrel::testing;

void Save(QWidget* w, const QString& name) {
  QApplication::processEvents();
  SavePng(w->grab().toImage(), name);
}

bool Idle(TForm1& w) {
  return !w.Table()->Busy();
}

// The first card of the player's hand the rules refuse, 0 for none.
int RefusedCard(TForm1& w) {
  const GameRecord& r = w.CurrentGame().Record();
  for (int p = 1; p <= r.CardCount[4]; ++p) {
    if (w.CurrentGame().CanPlay(p) != kAllowed) return p;
  }
  return 0;
}

void StartGame(AppFixture& app, int window_size) {
  TForm1& w = app.Window();
  w.AppSettings().WindowSize = window_size;
  w.ApplySettings();
  app.LeaveTitle();
  QTest::qWait(100);
  app.StartAsNewPlayer("Anna");
  app.Settle();
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Begin
}

// Plays on, the player by the first card allowed, until `done` or the game is over.
void PlayUntil(AppFixture& app, const std::function<bool()>& done) {
  TForm1& w = app.Window();
  app.RunUntil(
      [&] {
        const GameRecord& r = w.CurrentGame().Record();
        if (done() || (Idle(w) && r.GameOver)) return true;
        if (Idle(w) && r.Phase == kPhaseDealOver) {
          QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);
          return false;
        }
        PlayerActs(w);
        return false;
      },
      60000);
}

void FullScreen() {
  AppFixture app(5);
  TForm1& w = app.Window();
  StartGame(app, 2);
  PlayUntil(app, [&] {
    const GameRecord& r = w.CurrentGame().Record();
    return Idle(w) && r.Phase == kPhaseTrickComplete && r.TrickNumber == 2;
  });
  Save(&w, "fullscreen");
}

}  // namespace

void CueShots() {
  FullScreen();
  AppFixture app(5);
  TForm1& w = app.Window();
  StartGame(app, 1);
  TableScreen* table = w.Table();
  const auto players_turn = [&] {
    const GameRecord& r = w.CurrentGame().Record();
    return Idle(w) && r.Phase == 24 && table->View()->State().last_trick.winner != 0;
  };
  // The player's turn after a trick was taken: the hand points at the player's plate.
  PlayUntil(app, players_turn);
  Save(&w, "cue-turn");
  QTest::keyClick(table, Qt::Key_Right);
  QTest::keyClick(table, Qt::Key_Right);
  Save(&w, "cue-keyboard");
  QTest::keyClick(table, TableScreen::kLastTrickKey);
  Save(&w, "cue-last-trick");
  QTest::keyClick(table, TableScreen::kLastTrickKey);
  // A card the rules refuse: the plate says why.
  bool refused = false;
  PlayUntil(app, [&] {
    if (!players_turn()) return false;
    if (const int p = RefusedCard(w)) {
      ClickCard(w, p);
      app.Settle();
      Save(&w, "cue-refusal");
      refused = true;
      return true;
    }
    return false;
  });
  if (!refused) std::fprintf(stderr, "no card was refused in this game\n");
  PlayUntil(app, [] { return false; });
  app.Settle();
  Save(&w, "cue-end-of-game");
}
