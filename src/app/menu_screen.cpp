#include "app/menu_screen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/text.h"
#include "table/fonts.h"

namespace ostrel {

MenuScreen::MenuScreen(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (int seat = 1; seat <= 5; ++seat) {
    club_[seat] = MakeButton(qPrintable(QStringLiteral("Button%1").arg(seat)), SkinColour::DNavy);
    connect(club_[seat], &QAbstractButton::clicked, this,
            [this, seat] { emit ClubPlayerChosen(seat); });
  }
  new_player_ = MakeButton("Button6", SkinColour::DGreen);
  top_ten_ = MakeButton("Button9", SkinColour::DOrang);
  options_ = MakeButton("Button10", SkinColour::DBlue);
  history_ = MakeButton("BHistory", SkinColour::DViolet);
  mode_ = MakeButton("BMode", SkinColour::DYellow);
  exit_ = MakeButton("Button11", SkinColour::DRed);
  top_ten_->setToolTip(QStringLiteral("25"));
  connect(new_player_, &QAbstractButton::clicked, this, &MenuScreen::NewPlayerChosen);
  connect(top_ten_, &QAbstractButton::clicked, this, &MenuScreen::TopTenChosen);
  connect(options_, &QAbstractButton::clicked, this, &MenuScreen::OptionsChosen);
  connect(history_, &QAbstractButton::clicked, this, &MenuScreen::HistoryChosen);
  connect(mode_, &QAbstractButton::clicked, this, &MenuScreen::ModeChosen);
  connect(exit_, &QAbstractButton::clicked, this, &MenuScreen::ExitChosen);
  Retranslate();
  SetTableScale(ScaleForWindowSize(1, 0, 0));
}

TTarvoCardsButton* MenuScreen::MakeButton(const char* name, SkinColour colour) {
  auto* b = new TTarvoCardsButton(QString(), this);
  b->setObjectName(QString::fromLatin1(name));
  b->SetColorSB(colour);
  return b;
}

void MenuScreen::Retranslate() {
  new_player_->setText(T("New Player"));
  top_ten_->setText(T("Top Ten"));
  options_->setText(T("Options"));
  history_->setText(T("History"));
  mode_->setText(T("Mode"));
  exit_->setText(T("Exit"));
}

void MenuScreen::SetChampions(const QString& header, const QStringList& rows) {
  header_ = header;
  for (int seat = 1; seat <= 5; ++seat) {
    const QString text = seat - 1 < rows.size() ? rows[seat - 1] : QString();
    club_[seat]->setText(text);
    club_[seat]->setEnabled(!text.trimmed().isEmpty());
  }
  update();
}

void MenuScreen::SetTableScale(const TableScale& scale) {
  scale_ = scale;
  setFixedSize(scale.client_w, scale.client_h);
  cloth_ = cards_.Cloth(size(), 0);
  Relayout();
}

void MenuScreen::Relayout() {
  const TableScale& t = scale_;
  QFont f = font();
  f.setPixelSize(Scale(t, 15));
  QFont mono("DejaVu Sans Mono");
  mono.setPixelSize(Scale(t, 15));
  for (int seat = 1; seat <= 5; ++seat) {
    club_[seat]->setFont(mono);
    club_[seat]->setGeometry(PlaceX(t, 190, 380), PlaceY(t, 176 + (seat - 1) * 40, 34),
                             Scale(t, 380), Scale(t, 34));
  }
  TTarvoCardsButton* row[6] = {new_player_, top_ten_, options_, history_, mode_, exit_};
  for (int i = 0; i < 6; ++i) {
    row[i]->setFont(f);
    row[i]->setGeometry(PlaceX(t, 28 + i * 120, 104), PlaceY(t, 420, 36), Scale(t, 104),
                        Scale(t, 36));
  }
}

void MenuScreen::Animate() {
  ++frame_;
  if (frame_ % 3 == 0) update(0, 0, width(), PlaceY(scale_, 120, 0));
}

void MenuScreen::paintEvent(QPaintEvent*) {
  const TableScale& t = scale_;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawPixmap(0, 0, cloth_);
  FontRoles roles;
  // The title with a light that runs across it.
  const QFont title = RoleFont(roles, FontRole::Decor, Scale(t, 64), true);
  const QString text = T("Ostrel-Quartet");
  const QFontMetrics fm(title);
  const double x = (width() - fm.horizontalAdvance(text)) / 2.0;
  const double y = PlaceY(t, 95, 0);
  QPainterPath path;
  path.addText(x, y, title, text);
  const double shine = std::fmod(frame_ * 4.0 * t.s, width() * 2.0) - width() / 2.0;
  QLinearGradient gold(shine - Scale(t, 80), 0, shine + Scale(t, 80), 0);
  gold.setColorAt(0, QColor(235, 175, 40));
  gold.setColorAt(0.5, QColor(255, 250, 210));
  gold.setColorAt(1, QColor(235, 175, 40));
  p.fillPath(path.translated(Scale(t, 3), Scale(t, 3)), QColor(0, 0, 0, 110));
  p.setPen(QPen(QColor(90, 40, 0), std::max(1, Scale(t, 2))));
  p.setBrush(gold);
  p.drawPath(path);

  // The club board behind the five champion buttons.
  const QRectF board(PlaceX(t, 170, 420), PlaceY(t, 128, 266), Scale(t, 420), Scale(t, 266));
  QLinearGradient wood(board.topLeft(), board.bottomLeft());
  wood.setColorAt(0, QColor(130, 80, 35));
  wood.setColorAt(1, QColor(80, 45, 18));
  p.setPen(QPen(QColor(230, 190, 100), std::max(1, Scale(t, 2))));
  p.setBrush(wood);
  p.drawRoundedRect(board, Scale(t, 14), Scale(t, 14));
  QFont head("DejaVu Sans Mono");
  head.setBold(true);
  head.setPixelSize(Scale(t, 14));
  p.setFont(head);
  p.setPen(QColor(255, 235, 170));
  p.drawText(QRectF(board.left(), board.top() + Scale(t, 10), board.width(), Scale(t, 30)),
             Qt::AlignHCenter | Qt::AlignVCenter, header_);
}

}  // namespace ostrel
