// The title screen, the main menu, the per-language titles and the flags of
// the language list.
#include <QFontMetricsF>
#include <QSvgRenderer>
#include <array>
#include <cmath>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

struct Language {
  const char* suffix;
  const char* subtitle;   // under the title of the main menu
  const char* champions;  // title of the champions table
  const char* network;    // the same for network games
};

const std::array<Language, 8> kLanguages = {{
    {"Eng", "Quartet", "Champions of the Club", "Network Champions"},
    {"Rus", "Квартет", "Чемпионы клуба", "Чемпионы сети"},
    {"Deu", "Quartett", "Champions des Clubs", "Netzwerk-Champions"},
    {"Fra", "Quatuor", "Champions du club", "Champions du réseau"},
    {"Spa", "Cuarteto", "Campeones del club", "Campeones de la red"},
    {"Chi", "四人牌局", "俱乐部冠军", "网络冠军"},
    {"Ita", "Quartetto", "Campioni del club", "Campioni di rete"},
    {"Cze", "Kvarteto", "Šampioni klubu", "Šampioni sítě"},
}};

// The book face covers Latin and Cyrillic with all accents in its regular
// weight only; the outline of the fancy text gives the weight.
Face TextFace(const Language& l) {
  return QLatin1String(l.suffix) == QLatin1String("Chi") ? Face::kCjk : Face::kSerif;
}

QBrush GoldText(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, colour::kGoldLight);
  g.setColorAt(0.5, colour::kGold);
  g.setColorAt(0.52, QColor(176, 130, 40));
  g.setColorAt(1, colour::kGoldLight);
  return g;
}

QImage PaintCap(const Language& l) {
  QImage img = Canvas(420, 90);
  QPainter p(&img);
  Smooth(p);
  const QRectF title(0, 0, 420, 62);
  FancyText(p, title, QStringLiteral("Ostrel"), MakeFont(Face::kSerif, 64), GoldText(title),
            QColor(60, 30, 0), 2.2, QColor(0, 0, 0, 140));
  const QString sub = QString::fromUtf8(l.subtitle).toUpper();
  const Face face = TextFace(l);
  const QRectF line(0, 60, 420, 28);
  FancyText(p, line, sub, MakeFont(face, FitFont(face, sub, 24, 300)), QColor(250, 240, 214),
            QColor(40, 20, 0), 1.2, QColor(0, 0, 0, 120));
  // Gold rules on either side of the subtitle.
  const double half =
      QFontMetricsF(MakeFont(face, FitFont(face, sub, 24, 300))).horizontalAdvance(sub) / 2;
  p.setPen(QPen(GoldGradient(QPointF(0, 0), QPointF(420, 0)), 1.6));
  p.drawLine(QPointF(40, 75), QPointF(210 - half - 14, 75));
  p.drawLine(QPointF(210 + half + 14, 75), QPointF(380, 75));
  return img;
}

QImage PaintBanner(const QString& text, Face face) {
  QImage img = Canvas(420, 70);
  QPainter p(&img);
  Smooth(p);
  const QRectF r(0, 4, 420, 62);
  FancyText(p, r, text, MakeFont(face, FitFont(face, text, 44, 360)), GoldText(r),
            QColor(60, 30, 0), 1.8, QColor(0, 0, 0, 140));
  for (const double x : {14.0, 406.0}) {
    p.setPen(QPen(QColor(90, 60, 8), 0.8));
    p.setBrush(GoldGradient(QPointF(x - 8, 27), QPointF(x + 8, 43)));
    p.drawPath(StarPath(QPointF(x, 35), 9, 3.6));
  }
  return img;
}

QImage PaintFlag(const QString& suffix) {
  QImage img = Canvas(30, 20);
  QPainter p(&img);
  Smooth(p);
  const QRectF r(0, 0, 30, 20);
  const auto stripes = [&p](const std::array<QColor, 3>& c, bool vertical) {
    for (int i = 0; i < 3; ++i) {
      p.fillRect(vertical ? QRectF(i * 10, 0, 10, 20) : QRectF(0, i * 20 / 3.0, 30, 20 / 3.0 + 0.5),
                 c[static_cast<size_t>(i)]);
    }
  };
  const QColor red(206, 17, 38), white(255, 255, 255), blue(0, 57, 166);
  if (suffix == QLatin1String("Eng")) {
    p.fillRect(r, QColor(1, 33, 105));
    p.setPen(QPen(white, 4));
    p.drawLine(QPointF(0, 0), QPointF(30, 20));
    p.drawLine(QPointF(30, 0), QPointF(0, 20));
    p.setPen(QPen(QColor(200, 16, 46), 1.3));
    p.drawLine(QPointF(0, 0), QPointF(30, 20));
    p.drawLine(QPointF(30, 0), QPointF(0, 20));
    p.fillRect(QRectF(12, 0, 6, 20), white);
    p.fillRect(QRectF(0, 7, 30, 6), white);
    p.fillRect(QRectF(13, 0, 4, 20), QColor(200, 16, 46));
    p.fillRect(QRectF(0, 8, 30, 4), QColor(200, 16, 46));
  } else if (suffix == QLatin1String("Rus")) {
    stripes({white, blue, red}, false);
  } else if (suffix == QLatin1String("Deu")) {
    stripes({QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}, false);
  } else if (suffix == QLatin1String("Fra")) {
    stripes({QColor(0, 35, 149), white, QColor(237, 41, 57)}, true);
  } else if (suffix == QLatin1String("Ita")) {
    stripes({QColor(0, 146, 70), white, QColor(206, 43, 55)}, true);
  } else if (suffix == QLatin1String("Spa")) {
    p.fillRect(r, QColor(170, 21, 27));
    p.fillRect(QRectF(0, 5, 30, 10), QColor(241, 191, 0));
  } else if (suffix == QLatin1String("Chi")) {
    p.fillRect(r, QColor(222, 41, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 0));
    p.drawPath(StarPath(QPointF(5.5, 5.5), 3.6, 1.4));
    for (const QPointF& c :
         {QPointF(10.5, 2), QPointF(12, 4.2), QPointF(12, 7), QPointF(10.5, 9)}) {
      p.drawPath(StarPath(c, 1.2, 0.5));
    }
  } else if (suffix == QLatin1String("Cze")) {
    p.fillRect(QRectF(0, 0, 30, 10), white);
    p.fillRect(QRectF(0, 10, 30, 10), QColor(215, 20, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(17, 69, 126));
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(15, 10), QPointF(0, 20)}));
  } else if (suffix == QLatin1String("Jap")) {
    p.fillRect(r, white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(188, 0, 45));
    p.drawEllipse(QPointF(15, 10), 6, 6);
  } else {  // Kor
    p.fillRect(r, white);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 46, 58));
    p.drawPie(QRectF(10, 5, 10, 10), 0, 180 * 16);
    p.setBrush(QColor(0, 71, 160));
    p.drawPie(QRectF(10, 5, 10, 10), 180 * 16, 180 * 16);
    p.setBrush(QColor(205, 46, 58));
    p.drawEllipse(QRectF(10, 7.5, 5, 5));
    p.setBrush(QColor(0, 71, 160));
    p.drawEllipse(QRectF(15, 7.5, 5, 5));
    p.setPen(QPen(QColor(0, 0, 0), 1.1));
    for (const QPointF& c : {QPointF(5, 4), QPointF(25, 4), QPointF(5, 16), QPointF(25, 16)}) {
      const double s = (c.x() < 15) == (c.y() < 10) ? 1 : -1;
      for (int i = -1; i <= 1; ++i) {
        const QPointF d(s * 1.6, 1.6);
        const QPointF o(i * 1.5, -i * 1.5 * s);
        p.drawLine(c + o - d, c + o + d);
      }
    }
  }
  // A little cloth shine and a fine edge.
  QLinearGradient shine(r.topLeft(), r.bottomRight());
  shine.setColorAt(0, QColor(255, 255, 255, 70));
  shine.setColorAt(0.5, QColor(255, 255, 255, 0));
  shine.setColorAt(1, QColor(0, 0, 0, 50));
  p.fillRect(r, shine);
  p.setPen(QPen(QColor(0, 0, 0, 110), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
  return img;
}

QImage PaintSparkles() {
  QImage img = Canvas(256, 32);
  QPainter p(&img);
  Smooth(p);
  for (int f = 0; f < 8; ++f) {
    const double t = std::sin((f + 0.5) * M_PI / 8);  // grows, then fades
    const QPointF c(f * 32 + 16, 16);
    QRadialGradient glow(c, 15);
    glow.setColorAt(0, QColor(255, 240, 180, static_cast<int>(200 * t)));
    glow.setColorAt(1, QColor(255, 240, 180, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 15, 15);
    p.save();
    p.translate(c);
    p.rotate(f * 11.25);
    p.setBrush(QColor(255, 252, 230, static_cast<int>(255 * std::min(1.0, t + 0.2))));
    p.drawPath(StarPath(QPointF(0, 0), 4 + 10 * t, 1.2 + 1.5 * t, 4));
    p.restore();
  }
  return img;
}

// The table cloth with a frame of dark wood and gold corners.
void PaintFramedCloth(QPainter& p, int w, int h) {
  QRadialGradient cloth(QPointF(w / 2.0, h * 0.45), w * 0.65);
  cloth.setColorAt(0, QColor(36, 126, 70));
  cloth.setColorAt(0.65, QColor(18, 88, 48));
  cloth.setColorAt(1, QColor(6, 44, 24));
  p.fillRect(QRectF(0, 0, w, h), cloth);
  const QRectF outer(0, 0, w, h);
  QPainterPath frame;
  frame.addRect(outer);
  QPainterPath inside;
  inside.addRoundedRect(outer.adjusted(16, 16, -16, -16), 10, 10);
  QLinearGradient wood(outer.topLeft(), outer.bottomRight());
  wood.setColorAt(0, QColor(96, 44, 20));
  wood.setColorAt(0.5, QColor(58, 24, 10));
  wood.setColorAt(1, QColor(90, 40, 18));
  p.setPen(Qt::NoPen);
  p.setBrush(wood);
  p.drawPath(frame.subtracted(inside));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(GoldGradient(outer.topLeft(), outer.bottomRight()), 2.4));
  p.drawRoundedRect(outer.adjusted(16, 16, -16, -16), 10, 10);
  p.setPen(QPen(QColor(250, 226, 150, 90), 1));
  p.drawRoundedRect(outer.adjusted(21, 21, -21, -21), 7, 7);
  for (const QPointF& c : {QPointF(16, 16), QPointF(w - 16.0, 16), QPointF(16, h - 16.0),
                           QPointF(w - 16.0, h - 16.0)}) {
    p.setPen(QPen(QColor(90, 60, 8), 1));
    p.setBrush(GoldGradient(c - QPointF(12, 12), c + QPointF(12, 12)));
    p.drawPath(StarPath(c, 13, 5, 8));
  }
}

QImage PaintTitle(QSvgRenderer& deck) {
  QImage img = Canvas(760, 500);
  QPainter p(&img);
  Smooth(p);
  PaintFramedCloth(p, 760, 500);
  // A spotlight on the fan of cards; the upper part stays calm for the title.
  QRadialGradient spot(QPointF(380, 330), 260);
  spot.setColorAt(0, QColor(255, 250, 220, 60));
  spot.setColorAt(1, QColor(255, 250, 220, 0));
  p.fillRect(QRectF(0, 0, 760, 500), spot);
  const std::array<const char*, 5> fan = {"jack_club", "queen_diamond", "1_spade", "king_heart",
                                          "jack_spade"};
  const QPointF pivot(380, 560);
  for (size_t i = 0; i < fan.size(); ++i) {
    p.save();
    p.translate(pivot);
    p.rotate(-30 + 15.0 * static_cast<double>(i));
    const QRectF card(-58, -330, 116, 162);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(card.translated(5, 6), 8, 8);
    deck.render(&p, QLatin1String(fan[i]), card);
    p.restore();
  }
  return img;
}

QImage PaintMenu() {
  QImage img = Canvas(760, 500);
  QPainter p(&img);
  Smooth(p);
  PaintFramedCloth(p, 760, 500);
  // Pressed suits in the four corners of the cloth.
  const std::array<Suit, 4> suits = {Suit::kSpades, Suit::kHearts, Suit::kDiamonds, Suit::kClubs};
  const std::array<QPointF, 4> at = {QPointF(70, 70), QPointF(690, 70), QPointF(70, 430),
                                     QPointF(690, 430)};
  for (size_t i = 0; i < 4; ++i) {
    p.setPen(QPen(QColor(150, 220, 160, 40), 1.5));
    p.setBrush(QColor(0, 30, 10, 50));
    p.drawPath(SuitPath(suits[i], QRectF(at[i].x() - 26, at[i].y() - 26, 52, 52)));
  }
  return img;
}

QImage PaintMenuPanel() {
  QImage img = Canvas(360, 260);
  QPainter p(&img);
  Smooth(p);
  const QRectF r(0.5, 0.5, 359, 259);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(4, 30, 16, 200));
  p.drawRoundedRect(r, 12, 12);
  GoldRim(p, r, 12, 3);
  // The heading strip for " The members of club    Games    Score ".
  const QRectF head(10, 10, 340, 30);
  p.setPen(Qt::NoPen);
  p.setBrush(Vertical(head, QColor(130, 20, 34), QColor(70, 6, 16)));
  p.drawRoundedRect(head, 6, 6);
  p.setPen(QPen(GoldGradient(head.topLeft(), head.topRight()), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(head, 6, 6);
  p.setPen(QPen(QColor(250, 226, 150, 50), 1));
  for (int i = 1; i < 5; ++i) p.drawLine(QPointF(20, 44 + i * 42.5), QPointF(340, 44 + i * 42.5));
  return img;
}

}  // namespace

bool DrawTitles(Sink& sink, const QString& deck_file, QString* error) {
  QSvgRenderer deck(deck_file);
  if (!deck.isValid()) {
    *error = QStringLiteral("cannot read the card deck %1").arg(deck_file);
    return false;
  }
  sink.Png(QStringLiteral("GTitle"), PaintTitle(deck));
  sink.Png(QStringLiteral("GSparkle"), PaintSparkles());
  sink.Png(QStringLiteral("PngMenu1"), PaintMenu());
  sink.Png(QStringLiteral("PngMenu2"), PaintMenuPanel());
  for (const Language& l : kLanguages) {
    const QString suffix = QLatin1String(l.suffix);
    sink.Png(QStringLiteral("Cap") + suffix, PaintCap(l));
    sink.Png(QStringLiteral("Elite") + suffix,
             PaintBanner(QString::fromUtf8(l.champions), TextFace(l)));
    sink.Png(QStringLiteral("Net__") + suffix,
             PaintBanner(QString::fromUtf8(l.network), TextFace(l)));
  }
  for (const char* suffix :
       {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
    sink.Png(QStringLiteral("FlagO") + QLatin1String(suffix), PaintFlag(QLatin1String(suffix)));
  }
  return true;
}

}  // namespace ostrel::artgen
