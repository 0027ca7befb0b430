#include "app/table_screen.h"

#include <optional>
#include <type_traits>

#include <QKeySequence>

#include "app/text.h"
#include "game/cards.h"

namespace ostrel {

namespace {

constexpr int kContinues = -1;

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

TableScreen::TableScreen(SoundPort& sounds, QWidget* parent)
    : QWidget(parent),
      sounds_(sounds),
      view_(new TableView(this)),
      b7_(new TTarvoCardsButton(QString(), this)),
      b8_(new TTarvoCardsButton(QString(), this)) {
  step_timer_.setSingleShot(true);
  step_timer_.setTimerType(Qt::PreciseTimer);
  connect(&step_timer_, &QTimer::timeout, this, &TableScreen::FlightStep);
  b7_->setObjectName("Button7");
  b8_->setObjectName("Button8");
  b7_->SetColorSB(SkinColour::DGreen);
  b8_->SetColorSB(SkinColour::DRed);
  b7_->hide();
  b8_->hide();
  setFocusPolicy(Qt::StrongFocus);
  b7_->setFocusPolicy(Qt::NoFocus);
  b8_->setFocusPolicy(Qt::NoFocus);
  connect(b7_, &QAbstractButton::clicked, this, [this] {
    if (!Busy()) emit Button7Pressed();
  });
  connect(b8_, &QAbstractButton::clicked, this, [this] {
    if (!Busy()) emit Button8Pressed();
  });
  connect(view_, &TableView::CardClicked, this, [this](int position) {
    if (!Busy()) emit CardPressed(position);
  });
  connect(view_, &TableView::CardRightClicked, this, &TableScreen::CardRightPressed);
  connect(view_, &TableView::TrickAreaClicked, this, &TableScreen::ToggleLastTrick);
  SetTableLayout(view_->Layout());
}

void TableScreen::SetTableLayout(const TableLayout& layout) {
  view_->SetLayout(layout);
  setFixedSize(layout.scale.client_w, layout.scale.client_h);
  b7_->setGeometry(layout.button7.x, layout.button7.y, layout.button7.w, layout.button7.h);
  b8_->setGeometry(layout.button8.x, layout.button8.y, layout.button8.w, layout.button8.h);
  QFont f = b7_->font();
  f.setPixelSize(Scale(layout.scale, 15));
  b7_->setFont(f);
  b8_->setFont(f);
}

void TableScreen::Show(const Effect& effect) {
  queue_.push_back(effect);
  if (!running_) {
    running_ = true;
    emit StepStarted();
    QTimer::singleShot(0, this, &TableScreen::Pump);
  }
}

void TableScreen::SetProgress(int percent) {
  view_->State().panel.progress = percent;
  view_->StateChanged();
}

void TableScreen::Reset() {
  queue_.clear();
  step_timer_.stop();
  flying_.clear();
  view_->ClearSprites();
  paused_ = false;
  running_ = false;
  view_->State() = TableState{};
  taking_.reset();
  view_->StateChanged();
  b7_->hide();
  b8_->hide();
}

void TableScreen::Resume() {
  paused_ = false;
  running_ = true;
  QTimer::singleShot(0, this, &TableScreen::Pump);
}

void TableScreen::Hold(int ms) {
  const int scaled = static_cast<int>(ms * time_scale_);
  QTimer::singleShot(std::max(scaled, 0), Qt::PreciseTimer, this, &TableScreen::Pump);
}

void TableScreen::Pump() {
  if (paused_ || !flying_.empty()) return;
  running_ = true;
  while (!queue_.empty()) {
    // Flights in a row that leave the trick go together, as the trick is collected at once.
    if (const auto* f = std::get_if<FlightEffect>(&queue_.front())) {
      std::vector<FlightEffect> group{*f};
      queue_.pop_front();  // `f` is gone with it; the group holds the flight
      while (group.front().from.kind == Place::Trick && !queue_.empty()) {
        const auto* next = std::get_if<FlightEffect>(&queue_.front());
        if (next == nullptr || next->from.kind != Place::Trick) break;
        group.push_back(*next);
        queue_.pop_front();
      }
      StartFlights(std::move(group));
      return;
    }
    const Effect e = queue_.front();
    queue_.pop_front();
    const int hold = Apply(e);
    if (hold == kContinues) return;
    if (hold > 0 && time_scale_ > 0) {
      Hold(hold);
      return;
    }
  }
  running_ = false;
  emit Idle();
}

int TableScreen::Apply(const Effect& effect) {
  if (const std::optional<int> hold = ApplyOutward(effect)) return *hold;
  ApplyState(effect);
  return 0;
}

// Effects that leave the table: sounds, waits and the window's signals. Empty when the effect
// is the view's own.
std::optional<int> TableScreen::ApplyOutward(const Effect& effect) {
  return std::visit(Overloaded{
                        [&](const SoundEffect& s) -> std::optional<int> {
                          return sounds_.Play(s.name, s.waiting);
                        },
                        [&](const WaitEffect& w) -> std::optional<int> { return w.ms; },
                        [&](const MenuItemsEffect& m) -> std::optional<int> {
                          emit MenuItemsWanted(m.quit, m.gen_count, m.change_name);
                          return 0;
                        },
                        [&](const TimerEffect& t) -> std::optional<int> {
                          emit TimerWanted(t.period_ms, t.enabled);
                          return 0;
                        },
                        [&](const CounterHintEffect& c) -> std::optional<int> {
                          emit CounterHintWanted(c.game_number, c.of);
                          return 0;
                        },
                        [&](const SuitWindowEffect& s) -> std::optional<int> {
                          paused_ = true;
                          emit SuitWindowWanted(s.disabled_suit);
                          return kContinues;
                        },
                        [&](const MessageBoxEffect& m) -> std::optional<int> {
                          emit MessageWanted(WordsText(m.lines, {}));
                          return 0;
                        },
                        [&](const DealStartFact&) -> std::optional<int> {
                          emit DealStarted();
                          return 0;
                        },
                        [&](const GameEndFact& end) -> std::optional<int> {
                          ApplyGameEnd(end);
                          emit GameEnded();
                          return 0;
                        },
                        [&](const auto&) -> std::optional<int> { return std::nullopt; },
                    },
                    effect);
}

// Effects that change what the view shows.
void TableScreen::ApplyState(const Effect& effect) {
  TableState& st = view_->State();
  std::visit(Overloaded{
                 [&](const ButtonEffect& b) { ApplyButton(b); },
                 [&](const LabelEffect& l) {
                   LabelView& lv = st.labels[std::clamp(l.seat, 1, 4)];
                   lv.text = WordsText(l.words, l.name);
                   lv.colour = l.colour;
                   view_->StateChanged();
                 },
                 [&](const ShowTableEffect&) {
                   st = TableState{};
                   taking_.reset();
                   for (int team = 1; team <= 2; ++team) {
                     st.tabs[team].shown = true;
                     st.tabs[team].team = team == TeamOf(4) ? T("We") : T("They");
                   }
                   show();
                   setFocus();
                   view_->StateChanged();
                 },
                 [&](const DrawHandEffect& h) {
                   const int seat = std::clamp(h.seat, 1, 4);
                   HandView& hv = st.hands[seat];
                   hv.cards = h.cards;
                   hv.count = std::clamp(h.count, 0, kHandSlots);
                   dealt_face_up_[seat] = h.face_up;
                   hv.face_up = h.face_up || (open_view_ && seat != 4);
                   view_->StateChanged();
                 },
                 [&](const DrawDeckEffect& d) {
                   st.deck = {d.cards_left, d.turned_up, d.freza, d.under_turned_up};
                   view_->StateChanged();
                 },
                 [&](const DrawTrickEffect& t) { ApplyTrick(t); },
                 [&](const DrawShownEffect& s) {
                   st.shown = s.cards;
                   st.shown_count = std::clamp(s.count, 0, 9);
                   view_->StateChanged();
                 },
                 [&](const ScoreTabEffect& t) { ApplyTab(t); },
                 [&](const ScorePanelEffect& p) {
                   st.panel.deal_number = p.deal_number;
                   st.panel.trump_suit = SuitNumber(p.trump);
                   view_->StateChanged();
                 },
                 [&](const TurnCueEffect& c) {
                   for (int seat = 1; seat <= kSeats; ++seat) {
                     st.labels[seat].pointer = seat == c.seat;
                   }
                   view_->StateChanged();
                 },
                 [&](const MoveTimerEffect& m) {
                   st.move_timer = MoveTimerView{m.seat, m.count};
                   view_->StateChanged();
                 },
                 [&](const TrickFact& t) {
                   taking_.emplace();
                   taking_->cards = st.trick;
                   taking_->winner = t.winner;
                 },
                 [&](const ContractFact& c) { ApplyContract(c); },
                 [&](const BidFact& b) { ApplyBid(b); },
                 [&](const auto&) {},
             },
             effect);
}

void TableScreen::ApplyContract(const ContractFact& c) {
  TableState& st = view_->State();
  for (int seat = 1; seat <= kSeats; ++seat) {
    st.labels[seat].role = seat == c.declarer ? 1 : seat == PartnerOf(c.declarer) ? 3 : 2;
    st.labels[seat].first_hand = false;
  }
  view_->StateChanged();
}

void TableScreen::ApplyBid(const BidFact& b) {
  TableState& st = view_->State();
  if (b.round == 1 && st.labels[b.seat].role == 0) {
    bool any = false;
    for (int seat = 1; seat <= kSeats; ++seat) any |= st.labels[seat].first_hand;
    if (!any) st.labels[b.seat].first_hand = true;
  }
}

void TableScreen::ApplyButton(const ButtonEffect& b) {
  TTarvoCardsButton* button = b.button == 7 ? b7_ : b8_;
  (b.button == 7 ? caption7_ : caption8_) = b.caption;
  button->setText(CaptionText(b.caption));
  const QKeySequence key(b.button == 7 ? kButton7Key : kButton8Key);
  button->setToolTip(
      QStringLiteral("%1 (%2)").arg(button->text(), key.toString(QKeySequence::NativeText)));
  button->setEnabled(b.enabled);
  button->setVisible(b.visible && b.caption != Caption::None);
}

void TableScreen::ApplyTab(const ScoreTabEffect& t) {
  TabView& tab = view_->State().tabs[std::clamp(t.team, 1, 2)];
  tab.shown = true;
  if (t.pointer_mode == 1) tab.pointer = true;
  if (t.pointer_mode == 2) tab.pointer = false;
  if (t.star_mode == 1) tab.star = true;
  if (t.star_mode == 2) tab.star = false;
  if (t.small_number != kNoDealValue) tab.deal_value = t.small_number;
  tab.total = t.large_number;
  tab.game_over = t.game_over;
  view_->StateChanged();
}

void TableScreen::ApplyTrick(const DrawTrickEffect& t) {
  TableState& st = view_->State();
  if (t.count > 0) HideLastTrick();
  // An empty trick area after a complete trick: the trick has been taken.
  if (t.count == 0 && taking_) {
    st.last_trick = *taking_;
    taking_.reset();
    st.last_trick.caption = T(PhraseKey::LastTrick);
    st.last_trick.hint = QStringLiteral("%1 (%2)").arg(
        st.last_trick.caption, QKeySequence(kLastTrickKey).toString(QKeySequence::NativeText));
  }
  st.trick = {};
  const int leader = t.table_leader >= 1 && t.table_leader <= 4 ? t.table_leader : 1;
  for (int k = 1; k <= std::clamp(t.count, 0, 4); ++k) {
    st.trick[SeatAfter(leader, k - 1)] = t.cards[k];
  }
  view_->StateChanged();
}

QPoint TableScreen::PlacePos(const Place& place, bool landing) const {
  const TableState& st = view_->State();
  const int seat = std::clamp(place.seat, 1, 4);
  switch (place.kind) {
    case Place::Deck:
      return view_->DeckPos();
    case Place::Trick:
      return view_->TrickPos(seat);
    case Place::Shown:
      return view_->ShownPos(place.index);
    case Place::Hand:
      if (place.index == 0) return view_->OutsideBeside(seat);
      // Cards land before the hand is redrawn with them, and leave after it was redrawn
      // without them: either way the hand is laid out for one card more than it shows.
      (void)landing;
      return view_->HandCardPos(seat, place.index, st.hands[seat].count + 1);
  }
  return {};
}

void TableScreen::StartFlights(std::vector<FlightEffect> flights) {
  TableState& st = view_->State();
  flying_.clear();
  flight_steps_ = 0;
  for (const FlightEffect& f : flights) {
    Flying fl{
        f, {PlacePos(f.from, false), PlacePos(f.to, true)}, view_->CardPixmap(f.card, f.face_up)};
    flight_steps_ = std::max(flight_steps_, fl.line.Steps());
    if (f.from.kind == Place::Trick) st.trick[std::clamp(f.from.seat, 1, 4)] = kEmptyCard;
    if (f.to.kind == Place::Trick) HideLastTrick();
    if (f.from.kind == Place::Shown && f.from.index >= 1 && f.from.index <= 9) {
      st.shown_count = std::min(st.shown_count, f.from.index - 1);
    }
    flying_.push_back(std::move(fl));
  }
  view_->StateChanged();
  flight_clock_.start();
  flight_step_ = pace_.DrawsFirstStep() ? 0 : 1;
  if (time_scale_ <= 0) flight_step_ = flight_steps_;
  FlightStep();
}

void TableScreen::FlightStep() {
  const int margin = flying_.size() > 1 ? 10 : 2;
  for (;;) {
    std::vector<Sprite> sprites;
    for (const Flying& f : flying_) sprites.push_back({f.pixmap, f.line.At(flight_step_)});
    view_->SetSprites(std::move(sprites), margin);
    if (flight_step_ >= flight_steps_) break;
    ++flight_step_;
    const int wait = pace_.WaitAfterStep();
    if (wait > 0) {
      step_timer_.start(static_cast<int>(wait * time_scale_));
      return;
    }
    // Without waits every step is still shown; the window gets a breath now and then.
    if (flight_step_ % 16 == 0) {
      step_timer_.start(0);
      return;
    }
  }
  ++stats_.flights;
  stats_.steps += flight_steps_;
  stats_.ns += flight_clock_.nsecsElapsed();
  // Landed: the sprite goes, and the card lies where the next effect draws it.
  for (const Flying& f : flying_) {
    if (f.effect.to.kind == Place::Trick) {
      view_->State().trick[std::clamp(f.effect.to.seat, 1, 4)] = f.effect.card;
    }
  }
  flying_.clear();
  view_->ClearSprites();
  view_->StateChanged();
  emit Landed();
  Pump();
}

}  // namespace ostrel
