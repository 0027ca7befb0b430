// Playing the table from the keyboard.
#include <QKeyEvent>
#include <algorithm>

#include "app/table_screen.h"

namespace ostrel {

void TableScreen::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      ChooseCard(-1);
      return;
    case Qt::Key_Right:
      ChooseCard(+1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (const int chosen = view_->State().chosen; chosen > 0 && !Busy()) {
        emit CardPressed(chosen);
      }
      return;
    case kButton7Key:
      if (b7_->isVisible() && b7_->isEnabled()) b7_->click();
      return;
    case kButton8Key:
      if (b8_->isVisible() && b8_->isEnabled()) b8_->click();
      return;
    case kLastTrickKey:
      ToggleLastTrick();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// The next card of the player's hand to the left or right, round the ends.
void TableScreen::ChooseCard(int step) {
  TableState& st = view_->State();
  const HandView& hand = st.hands[4];
  const int count = std::clamp(hand.count, 0, kHandSlots);
  if (count == 0) return;
  int at = std::clamp(st.chosen, 0, count);
  if (at == 0) at = step > 0 ? 0 : count + 1;
  for (int tries = 0; tries < count; ++tries) {
    at += step;
    if (at < 1) at = count;
    if (at > count) at = 1;
    if (!hand.cards[at].IsEmpty()) {
      st.chosen = at;
      view_->StateChanged();
      return;
    }
  }
}

}  // namespace ostrel
