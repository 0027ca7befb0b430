// What the table tells the player beyond the cards: the trick taken last, shown again on
// request, and at the end of the game who won it.
#include "app/table_screen.h"
#include "app/text.h"
#include "game/cards.h"

namespace ostrel {

void TableScreen::ToggleLastTrick() {
  LastTrickView& last = view_->State().last_trick;
  if (last.winner == 0) return;
  last.showing = !last.showing;
  view_->StateChanged();
}

void TableScreen::SetOpenView(bool on) {
  open_view_ = on;
  for (int seat = 1; seat <= 3; ++seat) {
    view_->State().hands[seat].face_up = dealt_face_up_[seat] || on;
  }
  view_->StateChanged();
}

void TableScreen::HideLastTrick() {
  LastTrickView& last = view_->State().last_trick;
  if (!last.showing) return;
  last.showing = false;
  view_->StateChanged();
}

// The statement of who won, from the player's side: "We" are seat 4's partnership.
void TableScreen::ApplyGameEnd(const GameEndFact& end) {
  const int we_team = TeamOf(4);
  const std::int32_t we = end.scores[we_team];
  const std::int32_t they = end.scores[3 - we_team];
  GameResultView& result = view_->State().result;
  result.shown = true;
  result.outcome = we > they ? 1 : we < they ? -1 : 0;
  result.verdict = T(result.outcome > 0   ? PhraseKey::GameWonByUs
                     : result.outcome < 0 ? PhraseKey::GameWonByThem
                                          : PhraseKey::GameDrawn);
  result.scores = QStringLiteral("%1 %2 : %3 %4")
                      .arg(T(PhraseKey::TeamWe))
                      .arg(we)
                      .arg(they)
                      .arg(T(PhraseKey::TeamThey));
  view_->StateChanged();
}

}  // namespace ostrel
