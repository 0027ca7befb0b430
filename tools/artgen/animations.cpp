// The animated pictures: the three verdict animations and the club emblems.
// Frames are opaque (a GIF has no soft edges), each on its own framed panel.
#include <array>
#include <cmath>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

double Ease(double t) {
  return t <= 0 ? 0 : t >= 1 ? 1 : 1 - std::pow(1 - t, 3);
}

void PaintPanel(QPainter& p, int w, int h, QColor centre, QColor edge) {
  const QRectF r(0, 0, w, h);
  QRadialGradient fill(QPointF(w / 2.0, h * 0.45), h * 0.7);
  fill.setColorAt(0, centre);
  fill.setColorAt(1, edge);
  p.fillRect(r, fill);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(GoldGradient(r.topLeft(), r.bottomRight()), 3));
  p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
  p.setPen(QPen(QColor(250, 226, 150, 120), 1));
  p.drawRect(r.adjusted(5.5, 5.5, -5.5, -5.5));
}

void PaintRays(QPainter& p, QPointF c, double length, double turn, double strength) {
  if (strength <= 0) return;
  p.save();
  p.setPen(Qt::NoPen);
  QRadialGradient glow(c, length);
  glow.setColorAt(0, QColor(255, 236, 150, static_cast<int>(200 * strength)));
  glow.setColorAt(1, QColor(255, 236, 150, 0));
  p.setBrush(glow);
  for (int i = 0; i < 12; ++i) {
    const double a = turn + i * M_PI / 6;
    QPainterPath ray;
    ray.moveTo(c);
    ray.lineTo(c + QPointF(length * std::cos(a - 0.12), length * std::sin(a - 0.12)));
    ray.lineTo(c + QPointF(length * std::cos(a + 0.12), length * std::sin(a + 0.12)));
    ray.closeSubpath();
    p.drawPath(ray);
  }
  p.restore();
}

void PaintSparkle(QPainter& p, QPointF c, double r) {
  if (r <= 0.3) return;
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 250, 220));
  p.drawPath(StarPath(c, r, r * 0.22, 4));
  p.restore();
}

void PaintTrophy(QPainter& p, QPointF top_centre, double k) {
  p.save();
  p.translate(top_centre.x() - 50 * k, top_centre.y());
  p.scale(k, k);
  const QPen edge(QColor(90, 60, 8), 1.2);
  p.setPen(QPen(GoldGradient(QPointF(20, 0), QPointF(80, 0)), 4.5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(18, 4, 22, 24), 90 * 16, 180 * 16);
  p.drawArc(QRectF(60, 4, 22, 24), -90 * 16, 180 * 16);
  QPainterPath bowl;
  bowl.moveTo(28, 0);
  bowl.lineTo(72, 0);
  bowl.cubicTo(72, 30, 62, 42, 50, 44);
  bowl.cubicTo(38, 42, 28, 30, 28, 0);
  p.setPen(edge);
  p.setBrush(GoldGradient(QPointF(28, 0), QPointF(72, 0)));
  p.drawPath(bowl);
  p.drawRect(QRectF(46, 43, 8, 14));
  p.drawEllipse(QRectF(42, 48, 16, 7));
  QPainterPath foot;
  foot.moveTo(40, 57);
  foot.lineTo(60, 57);
  foot.lineTo(66, 66);
  foot.lineTo(34, 66);
  foot.closeSubpath();
  p.drawPath(foot);
  p.setBrush(QLinearGradient(QPointF(0, 66), QPointF(0, 76)));
  QLinearGradient wood(QPointF(0, 66), QPointF(0, 76));
  wood.setColorAt(0, QColor(110, 50, 20));
  wood.setColorAt(1, QColor(50, 20, 6));
  p.setBrush(wood);
  p.drawRect(QRectF(30, 66, 40, 10));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 90));
  p.drawEllipse(QRectF(34, 4, 8, 24));
  p.restore();
}

QImage EndBestFrame(int f, int n) {
  QImage img = Canvas(100, 200);
  QPainter p(&img);
  Smooth(p);
  PaintPanel(p, 100, 200, QColor(40, 30, 70), QColor(10, 6, 24));
  const double t = static_cast<double>(f) / (n - 1);
  const double rise = Ease(t / 0.55);
  const double y = 210 - rise * 150;  // the trophy rises to its place
  PaintRays(p, QPointF(50, 82), 70, t * 1.2, Ease((t - 0.45) / 0.4));
  PaintTrophy(p, QPointF(50, y), 0.9);
  if (t > 0.6) {
    const double s = Ease((t - 0.6) / 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(GoldGradient(QPointF(38, 20), QPointF(62, 44)));
    p.drawPath(StarPath(QPointF(50, 30), 14 * s, 6 * s));
    FancyText(p, QRectF(0, 150, 100, 36), QStringLiteral("1"), MakeFont(Face::kFigures, 34 * s + 1),
              GoldGradient(QPointF(40, 150), QPointF(60, 186)), QColor(60, 30, 0), 1.2,
              QColor(0, 0, 0, 120));
  }
  const std::array<QPointF, 5> at = {QPointF(18, 40), QPointF(84, 58), QPointF(22, 120),
                                     QPointF(80, 132), QPointF(50, 16)};
  for (size_t i = 0; i < at.size(); ++i) {
    const double phase = std::sin((t * 3 + static_cast<double>(i) * 0.37) * M_PI * 2);
    PaintSparkle(p, at[i], rise * (3 + 3 * std::max(0.0, phase)));
  }
  return img;
}

void PaintMedalOnRibbon(QPainter& p, QPointF pivot, double angle, bool rays) {
  p.save();
  p.translate(pivot);
  p.rotate(angle);
  p.setPen(QPen(QColor(70, 0, 10), 1));
  p.setBrush(QColor(190, 24, 36));
  p.drawPolygon(QPolygonF({QPointF(-12, 0), QPointF(12, 0), QPointF(6, 62), QPointF(-6, 62)}));
  p.setBrush(QColor(30, 60, 160));
  p.drawRect(QRectF(-3, 0, 6, 62));
  const QPointF c(0, 90);
  if (rays) PaintRays(p, c, 48, 0.3, 0.8);
  p.setPen(QPen(QColor(90, 60, 8), 1.4));
  p.setBrush(GoldGradient(c - QPointF(28, 28), c + QPointF(28, 28)));
  p.drawEllipse(c, 28, 28);
  QRadialGradient centre(c - QPointF(8, 8), 26);
  centre.setColorAt(0, QColor(255, 240, 180));
  centre.setColorAt(1, QColor(170, 120, 30));
  p.setBrush(centre);
  p.drawEllipse(c, 20, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(130, 20, 30));
  p.drawPath(StarPath(c, 14, 6));
  p.restore();
}

QImage EndGoodFrame(int f, int n) {
  QImage img = Canvas(100, 200);
  QPainter p(&img);
  Smooth(p);
  PaintPanel(p, 100, 200, QColor(20, 70, 110), QColor(6, 20, 40));
  const double t = static_cast<double>(f) / (n - 1);
  // A swing that dies away and rests at the last frame.
  const double angle = 16 * std::cos(t * M_PI * 3.5) * (1 - t) * (1 - t);
  PaintMedalOnRibbon(p, QPointF(50, 22), angle, t > 0.8);
  const std::array<QPointF, 4> at = {QPointF(16, 150), QPointF(84, 40), QPointF(82, 160),
                                     QPointF(18, 60)};
  for (size_t i = 0; i < at.size(); ++i) {
    const double phase = std::sin((t * 2.5 + static_cast<double>(i) * 0.3) * M_PI * 2);
    PaintSparkle(p, at[i], 2 + 3 * std::max(0.0, phase));
  }
  FancyText(p, QRectF(0, 160, 100, 30), QStringLiteral("TOP 10"), MakeFont(Face::kFigures, 17),
            GoldGradient(QPointF(0, 160), QPointF(0, 190)), QColor(20, 10, 0), 1,
            QColor(0, 0, 0, 0));
  return img;
}

void PaintCloud(QPainter& p, QPointF c) {
  QPainterPath cloud;
  cloud.addEllipse(c + QPointF(-22, 0), 16, 13);
  cloud.addEllipse(c + QPointF(0, -8), 20, 17);
  cloud.addEllipse(c + QPointF(22, 0), 16, 13);
  cloud.addRoundedRect(QRectF(c.x() - 34, c.y() - 2, 68, 15), 7, 7);
  cloud.setFillRule(Qt::WindingFill);
  p.setPen(QPen(QColor(40, 44, 60), 1.2));
  p.setBrush(Vertical(cloud.boundingRect(), QColor(190, 196, 210), QColor(96, 102, 120)));
  p.drawPath(cloud.simplified());
}

QImage EndBadsFrame(int f, int n) {
  QImage img = Canvas(100, 200);
  QPainter p(&img);
  Smooth(p);
  PaintPanel(p, 100, 200, QColor(60, 64, 76), QColor(18, 20, 26));
  const double t = static_cast<double>(f) / n;  // a loop: the last frame leads into the first
  // Rain from the cloud onto a card lying face down.
  p.setPen(QPen(QColor(150, 190, 240, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 9; ++i) {
    const double x = 22 + i * 7.2;
    const double y = 62 + std::fmod(t * 110 + i * 37, 110);
    p.drawLine(QPointF(x, y), QPointF(x - 2, y + 7));
  }
  PaintCloud(p, QPointF(50, 48));
  p.save();
  p.translate(50, 178);
  p.rotate(-8);
  const QRectF card(-24, -14, 48, 26);
  p.setPen(QPen(QColor(230, 226, 210), 1.5));
  p.setBrush(QColor(120, 20, 34));
  p.drawRoundedRect(card, 3, 3);
  p.setPen(QPen(QColor(220, 180, 90), 0.8));
  p.drawRoundedRect(card.adjusted(3, 3, -3, -3), 2, 2);
  p.restore();
  // Ripples where the drops land.
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    const double phase = std::fmod(t + i / 3.0, 1.0);
    p.setPen(QPen(QColor(150, 190, 240, static_cast<int>(200 * (1 - phase))), 1));
    p.drawEllipse(QPointF(26 + i * 24, 192), 3 + phase * 9, 1 + phase * 2.5);
  }
  return img;
}

QImage ClubFrame(int f, int n, QColor base) {
  QImage img = Canvas(60, 75);
  QPainter p(&img);
  Smooth(p);
  PaintPanel(p, 60, 75, Mix(base, Qt::black, 0.5), Mix(base, Qt::black, 0.85));
  QPainterPath shield;
  shield.moveTo(10, 12);
  shield.lineTo(50, 12);
  shield.lineTo(50, 38);
  shield.cubicTo(50, 52, 40, 60, 30, 66);
  shield.cubicTo(20, 60, 10, 52, 10, 38);
  shield.closeSubpath();
  p.setPen(QPen(GoldGradient(QPointF(10, 12), QPointF(50, 66)), 2.6));
  p.setBrush(
      Vertical(shield.boundingRect(), Mix(base, Qt::white, 0.25), Mix(base, Qt::black, 0.3)));
  p.drawPath(shield);
  p.setPen(QPen(QColor(80, 56, 10), 0.8));
  p.setBrush(GoldGradient(QPointF(18, 18), QPointF(42, 50)));
  p.drawPath(SuitPath(Suit::kClubs, QRectF(18, 20, 24, 26)));
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kGoldLight);
  p.drawPath(StarPath(QPointF(30, 54), 4, 1.8));
  // A band of light sweeping across the shield.
  const double x = -30 + 120.0 * f / n;
  QLinearGradient shine(QPointF(x - 10, 0), QPointF(x + 10, 0));
  shine.setColorAt(0, QColor(255, 255, 255, 0));
  shine.setColorAt(0.5, QColor(255, 255, 255, 120));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setClipPath(shield);
  p.setBrush(shine);
  p.drawRect(QRectF(0, 0, 60, 75));
  return img;
}

}  // namespace

void DrawAnimations(Sink& sink) {
  // The verdict window stops the best result at frame 25 and a good one at 24.
  sink.Gif(QStringLiteral("GEndBest"), Frames(25, EndBestFrame), 8, false);
  sink.Gif(QStringLiteral("GEndGood"), Frames(24, EndGoodFrame), 8, false);
  sink.Gif(QStringLiteral("GEndBads"), Frames(12, EndBadsFrame), 9, true);
  const std::array<std::pair<const char*, QColor>, 3> clubs = {{{"GClubB", QColor(40, 80, 190)},
                                                                {"GClubF", QColor(20, 120, 60)},
                                                                {"GClubG", QColor(170, 24, 36)}}};
  for (const auto& [name, base] : clubs) {
    const QColor colour = base;
    sink.Gif(QLatin1String(name),
             Frames(16, [colour](int f, int n) { return ClubFrame(f, n, colour); }), 8, true);
  }
}

}  // namespace ostrel::artgen
