#include "table/table_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace ostrel {

TableView::TableView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  SetLayout(MakeTableLayout(ScaleForWindowSize(1, 0, 0)));
}

void TableView::SetLayout(const TableLayout& layout) {
  layout_ = layout;
  setFixedSize(layout.scale.client_w, layout.scale.client_h);
  RebuildCloth();
  StateChanged();
}

void TableView::RebuildCloth() {
  cloth_ = background_.isNull()
               ? cards_.Cloth(size(), cloth_variant_)
               : QPixmap::fromImage(background_.size() == size()
                                        ? background_
                                        : background_.scaled(size(), Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation));
}

void TableView::SetBackground(const QImage& background) {
  if (background.cacheKey() == background_.cacheKey()) return;
  background_ = background;
  RebuildCloth();
  StateChanged();
}

void TableView::SetCardPictures(std::shared_ptr<const CardPictures> pictures) {
  cards_.SetPictures(std::move(pictures));
  StateChanged();
}

void TableView::SetFonts(const FontRoles& fonts) {
  fonts_ = fonts;
  StateChanged();
}

void TableView::SetClothColour(int variant) {
  if (variant == cloth_variant_ && !cloth_.isNull()) return;
  cloth_variant_ = variant;
  RebuildCloth();
  StateChanged();
}

void TableView::SetBackVariant(int variant) {
  cards_.SetBackVariant(variant);
  StateChanged();
}

void TableView::SetRoundWord(const QString& word) {
  round_word_ = word;
  StateChanged();
}

void TableView::SetPanelBalloon(const QString& title, const QStringList& lines) {
  if (lines.isEmpty()) {
    balloon_.clear();
    return;
  }
  QStringList escaped;
  for (const QString& line : lines) escaped << line.toHtmlEscaped();
  // Dark red title, red lines on pale yellow inside a red border.
  balloon_ = QStringLiteral(
                 "<table style='background:#ffffe1; border:1px solid #ff0000' cellpadding='4'>"
                 "<tr><td><p style='color:#800000'><b>&#x2139; %1</b></p>"
                 "<p style='color:#ff0000'>%2</p></td></tr></table>")
                 .arg(title.toHtmlEscaped(), escaped.join(QStringLiteral("<br>")));
}

void TableView::SetPanelHint(const QString& hint) {
  hint_ = hint;
}

void TableView::PointerAt(QPoint pos) {
  const bool over = layout_.panel.Contains(pos.x(), pos.y());
  if (over == over_panel_) return;
  over_panel_ = over;
  if (!over) {
    QToolTip::hideText();
    return;
  }
  if (balloon_.isEmpty()) return;
  const Rect& r = layout_.panel;
  QToolTip::showText(mapToGlobal(QPoint(r.x, r.y + r.h)), balloon_, this, QRect(r.x, r.y, r.w, r.h),
                     5000);
  balloon_opened_ = true;
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
  PointerAt(event->position().toPoint());
  QWidget::mouseMoveEvent(event);
}

void TableView::leaveEvent(QEvent* event) {
  PointerAt(QPoint(-1, -1));
  QWidget::leaveEvent(event);
}

bool TableView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    // The plain hint serves only until the first balloon; the balloon opens by itself.
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint p = help->pos();
    if (!balloon_opened_ && !hint_.isEmpty() && layout_.panel.Contains(p.x(), p.y())) {
      QToolTip::showText(help->globalPos(), hint_, this);
    } else if (state_.last_trick.winner != 0 && layout_.trick.Contains(p.x(), p.y())) {
      QToolTip::showText(help->globalPos(), state_.last_trick.hint, this);
    }
    return true;
  }
  return QWidget::event(event);
}

void TableView::StateChanged() {
  dirty_ = true;
  update();
}

QPixmap TableView::CardPixmap(CardCode card, bool face_up, bool side) {
  return cards_.Card(card, face_up, QSize(layout_.card.w, layout_.card.h), side);
}

QPoint TableView::HandCardPos(int seat, int position, int count) const {
  const Rect& h = layout_.hand[seat];
  const std::vector<int> x = LayOutHand(h.w, std::max(count, position), layout_.card.w);
  const int i = std::clamp(position, 1, static_cast<int>(x.size()) - 1);
  return {h.x + x[i], h.y};
}

QPoint TableView::TrickPos(int seat) const {
  const Rect& p = layout_.trick_place[std::clamp(seat, 1, 4)];
  return {layout_.trick.x + p.x, layout_.trick.y + p.y};
}

QPoint TableView::ShownPos(int index) const {
  const Rect& p = layout_.shown_place[std::clamp(index, 1, 9)];
  return {layout_.trick.x + p.x, layout_.trick.y + p.y};
}

QPoint TableView::DeckPos() const {
  return {layout_.deck.x + Scale(layout_.scale, 12), layout_.deck.y + Scale(layout_.scale, 40)};
}

QPoint TableView::OutsideBeside(int seat) const {
  const int cw = layout_.card.w;
  const int ch = layout_.card.h;
  switch (seat) {
    case 1:
      return {-cw, layout_.hand[1].y};
    case 2:
      return {layout_.hand[2].x + layout_.hand[2].w / 2 - cw / 2, -ch};
    case 3:
      return {width() + cw, layout_.hand[3].y};
    default:
      return {layout_.hand[4].x + layout_.hand[4].w / 2 - cw / 2, height()};
  }
}

int TableView::HandPositionAt(QPoint p) const {
  const HandView& hand = state_.hands[4];
  const Rect& h = layout_.hand[4];
  const std::vector<int> x = LayOutHand(h.w, hand.count, layout_.card.w);
  for (int i = hand.count; i >= 1; --i) {
    const Rect card{h.x + x[i], h.y, layout_.card.w, layout_.card.h};
    if (card.Contains(p.x(), p.y())) return i;
  }
  return 0;
}

bool TableView::IsOverPlayArea(QPoint p) const {
  for (const Rect& r : {layout_.hand[4], layout_.trick, layout_.deck}) {
    if (r.Contains(p.x(), p.y())) return true;
  }
  return false;
}

void TableView::SetSprites(std::vector<Sprite> sprites, int margin) {
  QRect before = SpriteBounds(sprite_margin_);
  sprites_ = std::move(sprites);
  sprite_margin_ = margin;
  QRect after = SpriteBounds(margin);
  repaint(before.united(after));
}

void TableView::ClearSprites() {
  if (sprites_.empty()) return;
  const QRect before = SpriteBounds(sprite_margin_);
  sprites_.clear();
  update(before);
}

QRect TableView::SpriteBounds(int margin) const {
  QRect r;
  for (const Sprite& s : sprites_) r = r.united(QRect(s.pos, s.pixmap.size()));
  return r.isNull() ? r : r.adjusted(-margin, -margin, margin, margin);
}

QImage TableView::Snapshot() {
  return grab().toImage();
}

void TableView::RebuildScene() {
  if (scene_.size() != size()) scene_ = QPixmap(size());
  QPainter p(&scene_);
  p.drawPixmap(0, 0, cloth_);
  for (int seat = 1; seat <= kSeats; ++seat) PaintHand(p, seat);
  PaintDeck(p);
  PaintTrick(p);
  for (int seat = 1; seat <= kSeats; ++seat) {
    PaintSeatLabel(p, layout_.label[seat], layout_.scale, fonts_, state_.labels[seat]);
  }
  for (int team = 1; team <= 2; ++team) {
    PaintScoreTab(p, layout_.tab[team], layout_.scale, fonts_, state_.tabs[team]);
  }
  if (state_.tabs[1].shown) {
    PaintScorePanel(p, layout_.panel, layout_.scale, fonts_, state_.panel, round_word_);
  }
  if (const int seat = state_.move_timer.seat; seat >= 1 && seat <= kSeats) {
    PaintMoveTimer(p, layout_.label[seat], layout_.scale, state_.move_timer.count);
  }
  if (state_.result.shown) PaintGameResult(p);
  dirty_ = false;
}

void TableView::PaintHand(QPainter& p, int seat) {
  const HandView& hand = state_.hands[seat];
  const Rect& h = layout_.hand[seat];
  const std::vector<int> x = LayOutHand(h.w, hand.count, layout_.card.w);
  for (int i = 1; i <= hand.count && i <= kHandSlots; ++i) {
    if (hand.cards[i].IsEmpty()) continue;
    const bool face = seat == 4 || hand.face_up;
    const bool chosen = seat == 4 && state_.chosen == i;
    // The card chosen with the keys stands a little out of the hand, framed.
    const int lift = chosen ? Scale(layout_.scale, 8) : 0;
    p.drawPixmap(h.x + x[i], h.y - lift, CardPixmap(hand.cards[i], face, seat % 2 == 1));
    if (chosen) {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(QColor(255, 220, 40), 3));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(h.x + x[i], h.y - lift, layout_.card.w, layout_.card.h), 4, 4);
      p.restore();
    }
  }
}

void TableView::PaintDeck(QPainter& p) {
  const DeckView& d = state_.deck;
  if (d.cards_left <= 0) return;
  const Rect& r = layout_.deck;
  const TableScale& t = layout_.scale;
  const QPoint pos = DeckPos();
  if (!d.turned_up.IsEmpty()) {
    // The turned-up card lies across, under the pile.
    const QPixmap face = CardPixmap(d.turned_up, true);
    p.save();
    p.translate(r.x + r.w / 2, pos.y() + layout_.card.h - Scale(t, 8));
    p.rotate(90);
    p.drawPixmap(-face.width() / 2, -face.height() / 2, face);
    p.restore();
  }
  const int layers = std::min(4, std::max(1, d.cards_left / 4));
  const QPixmap back = CardPixmap(kEmptyCard, false);
  for (int i = 0; i < layers; ++i) {
    p.drawPixmap(pos.x() + i * 2, pos.y() - i * 2 - Scale(t, 20), back);
  }
}

void TableView::PaintTrick(QPainter& p) {
  if (state_.last_trick.showing) {
    PaintLastTrick(p);
    return;
  }
  for (int i = 1; i <= state_.shown_count && i <= 9; ++i) {
    p.drawPixmap(ShownPos(i), CardPixmap(state_.shown[i], true));
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!state_.trick[seat].IsEmpty()) {
      p.drawPixmap(TrickPos(seat), CardPixmap(state_.trick[seat], true));
    }
  }
}

void TableView::paintEvent(QPaintEvent* event) {
  if (dirty_) RebuildScene();
  QPainter p(this);
  const QRect r = event->rect();
  p.drawPixmap(r, scene_, r);
  for (const Sprite& s : sprites_) {
    if (QRect(s.pos, s.pixmap.size()).intersects(r)) p.drawPixmap(s.pos, s.pixmap);
  }
}

void TableView::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    const int position = HandPositionAt(pos);
    if (position > 0) {
      emit CardClicked(position);
    } else if (layout_.trick.Contains(pos.x(), pos.y())) {
      emit TrickAreaClicked();
    }
  } else if (event->button() == Qt::RightButton) {
    emit CardRightClicked(pos);
  }
  QWidget::mousePressEvent(event);
}

}  // namespace ostrel
