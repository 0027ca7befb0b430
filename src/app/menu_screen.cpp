#include "app/menu_screen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/text.h"
#include "table/fonts.h"
#include "table/picture_source.h"

namespace ostrel {

namespace {

// A row of the champions table: the member's line written on the board, lit while the mouse
// is over it.
class ClubRow : public QAbstractButton {
 public:
  explicit ClubRow(QWidget* parent) : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (property("account").toBool()) {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(170, 20, 20, 200));
      p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
    if (isEnabled() && underMouse()) {
      p.setPen(QPen(QColor(240, 200, 90), 1));
      p.setBrush(QColor(240, 200, 90, 60));
      p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
    p.setFont(font());
    p.setPen(isEnabled() ? QColor(255, 240, 200) : QColor(160, 180, 160, 160));
    const QString t = text().isEmpty() ? QString(QChar(0x2014)) : text();
    p.drawText(rect().adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, t);
  }
};

}  // namespace

MenuScreen::MenuScreen(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (int seat = 1; seat <= 5; ++seat) {
    club_[seat] = new ClubRow(this);
    club_[seat]->setObjectName(QStringLiteral("Button%1").arg(seat));
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
    club_[seat]->setProperty("account", false);
  }
  update();
}

void MenuScreen::SetAccountLine(const QString& line) {
  club_[5]->setText(line);
  club_[5]->setEnabled(true);
  club_[5]->setProperty("account", true);
  club_[5]->update();
}

void MenuScreen::SetTableScale(const TableScale& scale) {
  scale_ = scale;
  setFixedSize(scale.client_w, scale.client_h);
  SetBackground(background_);
  Relayout();
}

void MenuScreen::SetBackground(const QImage& background) {
  background_ = background;
  if (!background.isNull()) {
    cloth_ = QPixmap::fromImage(
        background.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  } else {
    cloth_ = PictureSized("PngMenu1", size());
    if (cloth_.isNull()) cloth_ = cards_.Cloth(size(), 0);
  }
  update();
}

void MenuScreen::Relayout() {
  const TableScale& t = scale_;
  QFont f = font();
  f.setPixelSize(Scale(t, 15));
  QFont mono("DejaVu Sans Mono");
  mono.setPixelSize(Scale(t, 15));
  panel_ = QRect(PlaceX(t, 200, 360), PlaceY(t, 150, 260), Scale(t, 360), Scale(t, 260));
  for (int seat = 1; seat <= 5; ++seat) {
    club_[seat]->setFont(mono);
    club_[seat]->setGeometry(panel_.x() + Scale(t, 16), panel_.y() + Scale(t, 46 + (seat - 1) * 42),
                             Scale(t, 328), Scale(t, 38));
  }
  TTarvoCardsButton* row[6] = {new_player_, top_ten_, options_, history_, mode_, exit_};
  for (int i = 0; i < 6; ++i) {
    row[i]->setFont(f);
    row[i]->setGeometry(PlaceX(t, 28 + i * 120, 104), PlaceY(t, 428, 30), Scale(t, 104),
                        Scale(t, 30));
  }
}

void MenuScreen::Animate() {
  ++frame_;
  update(panel_.adjusted(-Scale(scale_, 20), -Scale(scale_, 20), Scale(scale_, 20),
                         Scale(scale_, 20)));
}

void MenuScreen::SetNetworkClub(bool network) {
  network_ = network;
  update();
}

void MenuScreen::SetPictureSuffix(const QString& suffix) {
  suffix_ = suffix;
  update();
}

void MenuScreen::paintEvent(QPaintEvent*) {
  const TableScale& t = scale_;
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(0, 0, cloth_);
  const QRect cap(PlaceX(t, 170, 420), PlaceY(t, 4, 90), Scale(t, 420), Scale(t, 90));
  const QPixmap title = PictureSized("Cap" + suffix_, cap.size());
  if (!title.isNull()) {
    p.drawPixmap(cap.topLeft(), title);
  } else {
    FontRoles roles;
    const QFont f = RoleFont(roles, FontRole::Decor, Scale(t, 56), true);
    QPainterPath path;
    const QString text = T("Ostrel-Quartet");
    path.addText((width() - QFontMetrics(f).horizontalAdvance(text)) / 2.0, PlaceY(t, 80, 0), f,
                 text);
    p.setPen(QPen(QColor(90, 40, 0), std::max(1, Scale(t, 2))));
    p.setBrush(QColor(240, 190, 50));
    p.drawPath(path);
  }
  const QRect elite(PlaceX(t, 170, 420), PlaceY(t, 84, 70), Scale(t, 420), Scale(t, 70));
  const QPixmap champions = PictureSized((network_ ? "Net__" : "Elite") + suffix_, elite.size());
  if (!champions.isNull()) p.drawPixmap(elite.topLeft(), champions);
  const QPixmap board = PictureSized("PngMenu2", panel_.size());
  if (!board.isNull()) {
    p.drawPixmap(panel_.topLeft(), board);
  } else {
    p.setPen(QPen(QColor(230, 190, 100), std::max(1, Scale(t, 2))));
    p.setBrush(QColor(60, 80, 60));
    p.drawRoundedRect(panel_, Scale(t, 12), Scale(t, 12));
  }
  // A spark runs along the board's frame.
  const QImage sparkle = Picture("GSparkle");
  if (!sparkle.isNull()) {
    const int frame = (frame_ / 3) % 8;
    const double along = std::fmod(frame_ * 2.0 * t.s, 2.0 * (panel_.width() + panel_.height()));
    QPointF at;
    if (along < panel_.width()) {
      at = QPointF(panel_.left() + along, panel_.top());
    } else if (along < panel_.width() + panel_.height()) {
      at = QPointF(panel_.right(), panel_.top() + along - panel_.width());
    } else if (along < 2 * panel_.width() + panel_.height()) {
      at = QPointF(panel_.right() - (along - panel_.width() - panel_.height()), panel_.bottom());
    } else {
      at = QPointF(panel_.left(), panel_.bottom() - (along - 2 * panel_.width() - panel_.height()));
    }
    const int size = Scale(t, 32);
    p.drawImage(QRectF(at.x() - size / 2.0, at.y() - size / 2.0, size, size), sparkle,
                QRectF(frame * 32, 0, 32, 32));
  }
  QFont head("DejaVu Sans Mono");
  head.setBold(true);
  head.setPixelSize(Scale(t, 13));
  p.setFont(head);
  p.setPen(QColor(255, 235, 170));
  p.drawText(QRect(panel_.left(), panel_.top() + Scale(t, 10), panel_.width(), Scale(t, 30)),
             Qt::AlignHCenter | Qt::AlignVCenter, header_);
}

}  // namespace ostrel
