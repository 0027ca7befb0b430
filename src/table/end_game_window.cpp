#include "table/end_game_window.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "table/cards_button.h"
#include "table/picture_source.h"
#include "table/pictures/own_pictures.h"
#include "table/score_board.h"

namespace ostrel {

namespace {

QColor Win(std::uint32_t bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QString Plain(const char* english) {
  return QString::fromUtf8(english);
}

// A shadow is drawn first at (+1, +1) in half the text colour, each component rounded to the
// nearest with halves to even.
QColor ShadowOf(const QColor& c) {
  const auto half = [](int v) { return v / 2 + ((v % 2 == 1 && (v / 2) % 2 == 1) ? 1 : 0); };
  return QColor(half(c.red()), half(c.green()), half(c.blue()));
}

}  // namespace

const char* VerdictAnimation(int place) {
  return place == 1 ? "GEndBest" : HasMedal(place) ? "GEndGood" : "GEndBads";
}

const char* VerdictSound(int place, int account_mode) {
  if (place == 1) return "WFiBest";
  if (place >= 2 && place <= 10) return "WFiGood";
  (void)account_mode;
  return "WFiBads";
}

std::vector<VerdictLine> VerdictLines(const VerdictInput& in, Translate tr) {
  if (tr == nullptr) tr = Plain;
  const int r1 = 100, r2 = 175, r3 = 250, r4 = 325;
  const QString result = tr("Result: ") + QString::number(in.result);
  std::vector<VerdictLine> lines;
  if (in.place == 1) {
    const std::uint32_t c = 0x800080;
    lines.push_back({tr("CONGRATULATIONS!!!"), 32, c, r1});
    lines.push_back({tr("Your result - the best!"), 28, c, r2});
    lines.push_back({result, 28, 0x008000, r3});
    const char* title = in.multiplayer         ? "You become a Bachelor of the Order!"
                        : in.account_mode == 3 ? "You become the Vice-President of the order!"
                        : in.account_mode == 1 ? "You become a Master of the Order!"
                                               : nullptr;
    if (title != nullptr) lines.push_back({tr(title), 22, c, r4});
  } else if (in.place >= 2 && in.place <= 10) {
    const std::uint32_t c = 0x000080;
    lines.push_back({tr("CONGRATULATIONS!!!"), 32, c, r1});
    lines.push_back({tr("Good result!"), 28, c, r2});
    lines.push_back({result, 28, 0x008000, r3});
    lines.push_back({tr("You have hitted in top ten players!"), 22, c, r4});
  } else {
    const std::uint32_t c = 0x800000;
    lines.push_back({tr("Our regrets..."), 32, c, r1});
    lines.push_back({tr("Your result keeps to wish best"), 20, c, r2});
    lines.push_back(
        {in.place > 10 ? result + " ; " + tr("Place: ") + QString::number(in.place) : result, 28,
         0x008000, r3});
    lines.push_back({tr("You have not hitted in ten best players..."), 20, c, r4});
  }
  return lines;
}

TFormEndGame::TFormEndGame(const VerdictInput& in, QWidget* parent, Translate tr)
    : QDialog(parent), in_(in), tr_(tr != nullptr ? tr : Plain) {
  setObjectName("TFormEndGame");
  lines_ = VerdictLines(in_, tr_);
  setWindowTitle(tr_("The completion of game"));
  const int design = std::clamp(in_.design, 1, 3);
  const int heights[4] = {0, 690, 705, 760};
  setFixedSize(560, heights[design]);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(212, 208, 200));
  setPalette(pal);
  setAutoFillBackground(true);

  const int header_h[4] = {0, 50, 64, 120};
  auto* image0 = new QLabel(this);
  image0->setObjectName("Image0");
  image0->setGeometry(0, 0, 560, header_h[design]);
  image0->setPixmap(Header());
  const int panel_top[4] = {0, 55, 70, 130};
  auto* panel1 = new QLabel(this);
  panel1->setObjectName("Panel1");
  panel1->setGeometry(5, panel_top[design], 550, 4);
  panel1->setStyleSheet("background: #b00000;");
  const int image_top[4] = {0, 75, 90, 145};
  auto* image1 = new QLabel(this);
  image1->setObjectName("Image1");
  image1->setGeometry(5, image_top[design], 450, 570);
  image1->setPixmap(TextPicture());
  auto* verdict = new QLabel(this);
  verdict->setObjectName("RxGIFAn1");
  const int verdict_top[4] = {0, 220, 240, 280};
  verdict->setGeometry(455, verdict_top[design], 100, 200);
  verdict->setPixmap(VerdictPicture());
  // The verdict plays once and rests on its last frame for a place in the ten (25 frames for
  // the best, 24 for the others), and loops for a result outside them.
  const QString movie_path = OwnPicturePath(QString::fromLatin1(VerdictAnimation(in_.place)));
  if (in_.gif_animation && !movie_path.isEmpty()) {
    auto* movie = new QMovie(movie_path, QByteArray(), verdict);
    const int last = in_.place == 1 ? 24 : HasMedal(in_.place) ? 23 : -1;
    connect(movie, &QMovie::frameChanged, verdict, [movie, last](int frame) {
      if (last >= 0 && frame >= last) movie->setPaused(true);
    });
    verdict->setMovie(movie);
    movie->start();
  }
  const int button_top[4] = {0, 655, 670, 725};
  auto* ok = new TTarvoCardsButton(tr_("Ok"), this);
  ok->setObjectName("Button1");
  ok->SetColorSB(SkinColour::DRed);
  QFont f = ok->font();
  f.setPixelSize(20);
  f.setBold(true);
  ok->setFont(f);
  ok->setGeometry(180, button_top[design], 200, 30);
  connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
}

QPixmap TFormEndGame::Header() const {
  const int design = std::clamp(in_.design, 1, 3);
  const int h = design == 1 ? 50 : design == 2 ? 64 : 120;
  QPixmap pm(560, h);
  pm.fill(QColor(212, 208, 200));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QString title = tr_("The completion of game").toUpper();
  QFont f("DejaVu Serif");
  f.setBold(true);
  f.setPixelSize(design == 1 ? 28 : 36);
  const QPixmap cap = PictureSized("GCap550", QSize(550, 64));
  const QPixmap ribbon = PictureSized("GLenta380x120", QSize(380, 120));
  if (design == 2 && !cap.isNull()) {
    p.drawPixmap(5, 0, cap);
  } else if (design == 3 && !ribbon.isNull()) {
    p.drawPixmap(85, 0, ribbon);
  } else if (design == 3) {
    // Two red ribbons hanging from the header.
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(200, 30, 30));
    g.setColorAt(1, QColor(120, 10, 10));
    for (int x : {85, 405}) {
      QPainterPath ribbon;
      ribbon.moveTo(x, 0);
      ribbon.lineTo(x + 70, 0);
      ribbon.lineTo(x + 70, h - 10);
      ribbon.lineTo(x + 35, h - 30);
      ribbon.lineTo(x, h - 10);
      ribbon.closeSubpath();
      p.fillPath(ribbon, g);
    }
  } else if (design == 2) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(150, 20, 20));
    g.setColorAt(1, QColor(70, 0, 0));
    p.setBrush(g);
    p.setPen(QPen(QColor(230, 190, 90), 2));
    p.drawRoundedRect(QRectF(5, 3, 550, h - 6), 12, 12);
  }
  // The title in capitals is wider in some languages than the bar: it shrinks to fit.
  while (f.pixelSize() > 12 && QFontMetrics(f).horizontalAdvance(title) > 520) {
    f.setPixelSize(f.pixelSize() - 1);
  }
  // The concise design's header picture comes from the graphics pack: without it the header
  // stays empty.
  if (design == 1) return pm;
  p.setFont(f);
  const QColor yellow = design == 1 ? QColor(128, 0, 0) : QColor(255, 255, 0);
  const QRect box(0, design == 3 ? 30 : 12, 560, 48);
  p.setPen(ShadowOf(yellow));
  p.drawText(box.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, title);
  p.setPen(yellow);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, title);
  return pm;
}

QPixmap TFormEndGame::TextPicture() const {
  QPixmap pm(450, 570);
  pm.fill(QColor(212, 208, 200));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  // The scroll the verdict is written on.
  const QPixmap scroll = PictureSized("GSvitok", QSize(450, 570));
  if (!scroll.isNull()) {
    p.drawPixmap(0, 0, scroll);
  } else {
    DrawOwnScroll(p);
  }
  DrawLines(p);
  DrawMedal(p);
  return pm;
}

void TFormEndGame::DrawOwnScroll(QPainter& p) const {
  QLinearGradient paper(0, 0, 450, 0);
  paper.setColorAt(0, QColor(232, 214, 170));
  paper.setColorAt(0.5, QColor(250, 240, 210));
  paper.setColorAt(1, QColor(232, 214, 170));
  p.setPen(QPen(QColor(140, 100, 50), 2));
  p.setBrush(paper);
  p.drawRoundedRect(QRectF(30, 60, 390, 420), 18, 18);
  p.setBrush(QColor(190, 150, 90));
  p.drawRoundedRect(QRectF(20, 45, 410, 26), 13, 13);
  p.drawRoundedRect(QRectF(20, 470, 410, 26), 13, 13);
}

void TFormEndGame::DrawLines(QPainter& p) const {
  for (const VerdictLine& line : lines_) {
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(line.height);
    p.setFont(f);
    const QFontMetrics fm(f);
    int size = line.height;
    while (fm.horizontalAdvance(line.text) > 350 && size > 10) {
      f.setPixelSize(--size);
      p.setFont(f);
      if (QFontMetrics(f).horizontalAdvance(line.text) <= 350) break;
    }
    const int x = 50 + (400 - 50 - QFontMetrics(p.font()).horizontalAdvance(line.text)) / 2;
    const QColor c = Win(line.colour);
    p.setPen(ShadowOf(c));
    p.drawText(x + 1, line.row + 1 + QFontMetrics(p.font()).ascent() - 20, line.text);
    p.setPen(c);
    p.drawText(x, line.row + QFontMetrics(p.font()).ascent() - 20, line.text);
  }
}

void TFormEndGame::DrawMedal(QPainter& p) const {
  if (!HasMedal(in_.place)) return;
  const QPixmap medal = PictureSized("GMedal", QSize(104, 104));
  const QPixmap number = PictureSized(
      QStringLiteral("GPlace%1").arg(in_.place, 2, 10, QLatin1Char('0')), QSize(104, 104));
  if (!medal.isNull() && !number.isNull()) {
    p.drawPixmap(173, 370, medal);
    p.drawPixmap(173, 370, number);
    return;
  }
  {
    const QRectF medal(173, 370, 64, 64);
    QRadialGradient g(medal.center() - QPointF(10, 10), 40);
    g.setColorAt(0, QColor(255, 245, 170));
    g.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QPen(QColor(120, 80, 0), 2));
    p.setBrush(g);
    p.drawEllipse(medal);
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(QColor(110, 60, 0));
    p.drawText(medal, Qt::AlignCenter,
               QStringLiteral("%1").arg(in_.place, 2, 10, QLatin1Char('0')));
  }
}

QPixmap TFormEndGame::VerdictPicture() const {
  // The verdict animation's resting frame: 25 for the best, 24 for the ten, 3 otherwise.
  const QList<QImage> frames = OwnAnimationFrames(QString::fromLatin1(VerdictAnimation(in_.place)));
  if (!frames.isEmpty()) {
    const int wanted = in_.place == 1 ? 25 : HasMedal(in_.place) ? 24 : 3;
    return QPixmap::fromImage(frames[std::min<qsizetype>(wanted, frames.size()) - 1]);
  }
  QPixmap pm(100, 200);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (in_.place >= 1 && in_.place <= 10) {
    // A cup: gold for the best, silver for the ten.
    const QColor metal = in_.place == 1 ? QColor(230, 180, 30) : QColor(190, 190, 200);
    QLinearGradient g(10, 0, 90, 0);
    g.setColorAt(0, metal.darker(140));
    g.setColorAt(0.4, metal.lighter(140));
    g.setColorAt(1, metal.darker(150));
    QPainterPath cup;
    cup.moveTo(15, 40);
    cup.lineTo(85, 40);
    cup.cubicTo(85, 100, 60, 110, 55, 120);
    cup.lineTo(55, 150);
    cup.lineTo(75, 165);
    cup.lineTo(25, 165);
    cup.lineTo(45, 150);
    cup.lineTo(45, 120);
    cup.cubicTo(40, 110, 15, 100, 15, 40);
    p.setPen(QPen(metal.darker(200), 2));
    p.setBrush(g);
    p.drawPath(cup);
    PaintStar(p, QRectF(35, 55, 30, 30), QColor(220, 20, 20));
  } else {
    // Two cards fallen on their backs.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 20, 30));
    p.save();
    p.translate(50, 110);
    p.rotate(-20);
    p.drawRoundedRect(QRectF(-30, -42, 60, 84), 6, 6);
    p.rotate(40);
    p.setBrush(QColor(20, 50, 130));
    p.drawRoundedRect(QRectF(-30, -42, 60, 84), 6, 6);
    p.restore();
  }
  return pm;
}

}  // namespace ostrel
