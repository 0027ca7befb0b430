// The "Purple" design of "TarvoCGraph1.dll": the main menu's background "BGLilu", the purple
// window backgrounds ("GForm...") with their header texts per language, the header pictures of
// the gray designs, the window icons, and the picture strips of the window star and the
// salute firework.
#include <QFile>
#include <QFontDatabase>
#include <QRandomGenerator>
#include <cmath>
#include "pictures/own_pictures.h"

#include "i18n/language.h"
#include "i18n/phrases.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

const QColor kDeep(34, 6, 52), kPurple(96, 16, 132), kViolet(136, 0, 226), kGold(200, 175, 50);
const QColor kGoldLight(250, 226, 140);

struct Window {
  const char* form;  // purple background and header base name
  const char* gray;  // header of the gray designs, or null
  PhraseKey title;
  int w, h;
};

const Window kWindows[] = {
    {"GFormOpt", "Options", PhraseKey::Options, 640, 560},
    {"GFormSpeed", "Speed", PhraseKey::ChoiceOfSpeed, 340, 280},
    {"GFormPass", "Passport", PhraseKey::Passport, 520, 600},
    {"GFormEndG", "EndGame", PhraseKey::HistoryResult, 620, 720},
    {"GFormHistory", "History", PhraseKey::History, 700, 520},
    {"GFormAcc1", "MyAccount", PhraseKey::MyAccount, 600, 640},
    {"GFormMast", nullptr, PhraseKey::ChoiceTrump, 360, 260},
    {"TarvoGamesChat", nullptr, PhraseKey::Chat, 520, 420},
};

constexpr int kPictureLanguages = 8;  // Japanese and Korean use the English pictures

QString CjkFamily() {
  static const QString family = [] {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"));
    const QStringList f = QFontDatabase::applicationFontFamilies(id);
    if (f.isEmpty()) Die(QStringLiteral("the Chinese type face is missing"));
    return f.first();
  }();
  return family;
}

QFont TitleFont(int language, double pixels) {
  QFont f = Font(Face::kSerif, pixels);
  if (PictureSuffix(language) == "Chi") f = QFont(CjkFamily());
  f.setPixelSize(static_cast<int>(pixels));
  return f;
}

// Purple velvet with soft light from above and a scatter of small sparkles.
QImage Velvet(int w, int h, quint32 seed) {
  QImage img = Canvas(w, h, kDeep);
  QPainter p(&img);
  Smooth(p);
  QRadialGradient g(QPointF(w * 0.5, -h * 0.1), std::max(w, h) * 1.1);
  g.setColorAt(0, kViolet);
  g.setColorAt(0.45, kPurple);
  g.setColorAt(1, kDeep);
  p.fillRect(img.rect(), g);
  p.setPen(QPen(QColor(255, 255, 255, 14), 1));
  for (int d = -h; d < w; d += 9) p.drawLine(d, h, d + h, 0);
  QRandomGenerator rng(seed);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < w * h / 2500; ++i) {
    const QPointF c(rng.bounded(w), rng.bounded(h));
    p.setBrush(QColor(255, 230, 170, 60 + rng.bounded(120)));
    p.drawPath(Star(c, 1.5 + rng.bounded(3.0), 0.6, 4));
  }
  return img;
}

void GoldRule(QPainter& p, double y, double w) {
  QLinearGradient g(0, 0, w, 0);
  g.setColorAt(0, QColor(0, 0, 0, 0));
  g.setColorAt(0.5, kGoldLight);
  g.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRectF(0, y, w, 2), g);
}

QImage FormBackground(const Window& win) {
  QImage img = Velvet(win.w, win.h, static_cast<quint32>(win.w * 7 + win.h));
  QPainter p(&img);
  Smooth(p);
  p.fillRect(QRectF(0, 0, win.w, 60), QColor(20, 0, 30, 120));
  GoldRule(p, 60, win.w);
  p.setPen(QPen(kGold, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(6, 6, win.w - 12, win.h - 12), 10, 10);
  // A faint medallion in the middle and gold stars at the corners.
  const QPointF c(win.w / 2.0, 60 + (win.h - 60) / 2.0);
  const double r = std::min(win.w, win.h - 60) * 0.36;
  p.setPen(QPen(QColor(255, 220, 140, 34), 2));
  for (int i = 0; i < 3; ++i) p.drawEllipse(c, r - i * 10, r - i * 10);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 140, 26));
  p.drawPath(Star(c, r * 0.8, r * 0.3, 8));
  p.setPen(QPen(kGoldLight, 1));
  p.setBrush(kGold);
  for (QPointF k : {QPointF(6, 6), QPointF(win.w - 6, 6), QPointF(6, win.h - 6),
                    QPointF(win.w - 6, win.h - 6)}) {
    p.drawPath(Star(k, 10, 4, 8));
  }
  return img;
}

QImage Header(const QString& text, int w, int h, int language, QColor ink, QColor shadow) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  QFont font = TitleFont(language, h * 0.74);
  while (QFontMetricsF(font).horizontalAdvance(text) > w - 16 && font.pixelSize() > 8) {
    font.setPixelSize(font.pixelSize() - 1);
  }
  p.setFont(font);
  p.setPen(shadow);
  p.drawText(QRectF(2, 2, w, h), Qt::AlignCenter, text);
  p.setPen(ink);
  p.drawText(QRectF(0, 0, w, h), Qt::AlignCenter, text);
  return img;
}

QImage Lilu() {
  QImage img = Velvet(760, 500, 77);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(380, 250);
  for (int i = 0; i < 36; ++i) {
    const double a = i * M_PI / 18;
    p.setPen(QPen(QColor(255, 220, 255, 16), 18));
    p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * 600);
  }
  p.setPen(QPen(kGold, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(14, 14, 732, 472), 18, 18);
  p.setPen(QPen(QColor(200, 175, 50, 120), 1));
  p.drawRoundedRect(QRectF(22, 22, 716, 456), 14, 14);
  for (QPointF k : {QPointF(14, 14), QPointF(746, 14), QPointF(14, 486), QPointF(746, 486)}) {
    p.setPen(QPen(kGoldLight, 1));
    p.setBrush(kGold);
    p.drawPath(Star(k, 14, 5, 8));
  }
  return img;
}

QImage Icon(int kind) {
  QImage img = Canvas(48, 48);
  QPainter p(&img);
  Smooth(p);
  QRadialGradient g(QPointF(18, 16), 30);
  g.setColorAt(0, QColor(196, 120, 255));
  g.setColorAt(1, kPurple);
  p.setPen(QPen(kGold, 2));
  p.setBrush(g);
  p.drawEllipse(QRectF(3, 3, 42, 42));
  p.setPen(QPen(kGoldLight, 3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (kind == 0) {  // a cog wheel
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4;
      p.drawLine(QPointF(24 + 9 * std::cos(a), 24 + 9 * std::sin(a)),
                 QPointF(24 + 15 * std::cos(a), 24 + 15 * std::sin(a)));
    }
    p.drawEllipse(QPointF(24, 24), 9, 9);
  } else {  // a scroll of lines
    p.drawRoundedRect(QRectF(14, 11, 20, 26), 3, 3);
    for (int y = 17; y <= 31; y += 5) p.drawLine(18, y, 30, y);
  }
  return img;
}

// Twenty frames of a turning gold star, 48 x 48 each, side by side.
QImage StarStrip() {
  QImage img = Canvas(960, 48);
  QPainter p(&img);
  Smooth(p);
  for (int f = 0; f < 20; ++f) {
    p.save();
    p.translate(f * 48 + 24, 24);
    p.rotate(f * 18);
    const double pulse = 1 + 0.12 * std::sin(f * M_PI / 10);
    QRadialGradient g(QPointF(0, 0), 20);
    g.setColorAt(0, kGoldLight);
    g.setColorAt(1, kGold);
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(g);
    p.drawPath(Star(QPointF(0, 0), 20 * pulse, 8 * pulse, 5));
    p.restore();
  }
  return img;
}

// Thirty frames of a firework burst, 100 x 100 each, on a transparent ground.
QImage TouchStrip() {
  QImage img = Canvas(3000, 100);
  QPainter p(&img);
  Smooth(p);
  p.setPen(Qt::NoPen);
  const QColor colours[4] = {kGoldLight, QColor(255, 120, 220), QColor(160, 200, 255),
                             QColor(255, 255, 255)};
  for (int f = 0; f < 30; ++f) {
    const double t = (f + 1) / 30.0;
    const double r = 44 * std::sqrt(t);
    for (int k = 0; k < 24; ++k) {
      const double a = k * M_PI / 12 + (k % 2) * 0.1;
      const QPointF c(f * 100 + 50 + r * std::cos(a), 50 + r * std::sin(a) + 10 * t * t);
      QColor col = colours[k % 4];
      col.setAlpha(static_cast<int>(255 * (1 - t * t)));
      p.setBrush(col);
      p.drawEllipse(c, 2.6 * (1.2 - t), 2.6 * (1.2 - t));
    }
  }
  return img;
}

}  // namespace

void BuildGraphics(Sink& sink) {
  sink.Jpeg("BGLilu", Lilu(), 88);
  for (const Window& win : kWindows) {
    sink.Jpeg(win.form, FormBackground(win), 88);
    for (int language = 0; language < kPictureLanguages; ++language) {
      const std::string suffix(PictureSuffix(language));
      const QString title = QString::fromUtf8(std::string(PhraseIn(win.title, language)));
      sink.Png(win.form + suffix,
               Header(title, win.w, 56, language, kGoldLight, QColor(20, 0, 30, 200)));
      if (win.gray) {
        sink.Png(win.gray + suffix,
                 Header(title, 300, 48, language, QColor(40, 40, 48), QColor(255, 255, 255, 160)));
        if (std::string(win.gray) == "MyAccount") {
          sink.Png(
              std::string("MyAccountR") + suffix,
              Header(title, 300, 48, language, QColor(150, 20, 30), QColor(255, 255, 255, 160)));
        }
      }
    }
  }
  sink.Jpeg("GFormRadio", FormBackground({"GFormRadio", nullptr, PhraseKey::Radio, 320, 330}), 88);
  const QString radio = QString::fromUtf8(std::string(PhraseIn(PhraseKey::Radio, 0)));
  sink.Png("Radio", Header(radio, 250, 48, 0, QColor(40, 40, 48), QColor(255, 255, 255, 160)));
  sink.Png("GFormRadioL", Header(radio, 280, 90, 0, QColor(250, 240, 220), QColor(60, 0, 0, 200)));
  sink.Png("GIcon48Opt", Icon(0));
  sink.Png("GIcon48History", Icon(1));
  sink.Png("GIcon48WT", StarStrip());
  sink.Png("GTouch", TouchStrip());
  // The club emblems of the purple verdict window are the program's own animations: rated
  // games, not signed in, network game.
  for (const auto& [name, own] :
       {std::pair{"GifB", "GClubB"}, {"GifF", "GClubF"}, {"GifG", "GClubG"}}) {
    QFile file(OwnPicturePath(QString::fromLatin1(own)));
    if (!file.open(QIODevice::ReadOnly))
      Die(QStringLiteral("the program's %1 is missing").arg(own));
    sink.Raw(name, PackKind::kGif, file.readAll());
  }
}

}  // namespace ostrel::packgen
