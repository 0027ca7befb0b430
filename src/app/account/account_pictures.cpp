#include "app/account/account_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "online/countries.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

// The famfamfam set as Debian installs it (package famfamfam-flag-png).
constexpr const char* kFlagFolder = "/usr/share/flags/countries/16x11/";

// Rows 1.. of each continent's table, in the tables' fixed order.
constexpr std::array<const char*, 48> kEurope{
    "ru", "al", "ad", "at", "by", "be", "ba", "bg", "hr", "cz", "dk", "ee", "fo", "fi", "fr", "de",
    "gi", "gr", "gg", "hu", "is", "ie", "im", "it", "je", "lv", "li", "lt", "lu", "mk", "mt", "md",
    "mc", "nl", "no", "pl", "pt", "ro", "sm", "cs", "sk", "si", "es", "se", "ch", "ua", "va", "gb"};
constexpr std::array<const char*, 51> kAsia{
    "af", "am", "az", "bh", "bd", "bt", "io", "bn", "kh", "cn", "cy", "tl", "ge",
    "hk", "in", "id", "ir", "iq", "il", "jp", "jo", "kz", "kw", "kg", "la", "lb",
    "mo", "my", "mv", "mn", "mm", "np", "kp", "om", "pk", "ph", "qa", "sa", "sg",
    "kr", "lk", "sy", "tw", "tj", "th", "tr", "tm", "ae", "uz", "vn", "ye"};
constexpr std::array<const char*, 35> kNorthAmerica{
    "ai", "ag", "aw", "bs", "bb", "bz", "bm", "vg", "ca", "ky", "cr", "cu",
    "dm", "do", "sv", "gl", "gd", "gt", "ht", "hn", "jm", "mq", "mx", "ms",
    "ni", "pa", "pr", "kn", "lc", "pm", "vc", "tt", "tc", "us", "vi"};
constexpr std::array<const char*, 14> kSouthAmerica{"ar", "bo", "br", "cl", "co", "ec", "fk",
                                                    "gy", "py", "pe", "gs", "sr", "uy", "ve"};
constexpr std::array<const char*, 23> kOceania{"as", "au", "ck", "fj", "pf", "gu", "ki", "mh",
                                               "fm", "nr", "nz", "nu", "nf", "mp", "pw", "pg",
                                               "pn", "ws", "sb", "to", "tv", "vu", "wf"};
constexpr std::array<const char*, 54> kAfrica{
    "dz", "ao", "bj", "bw", "bf", "bi", "cm", "cv", "cf", "td", "km", "cg", "cd", "dj",
    "eg", "gq", "er", "et", "ga", "gm", "gh", "gn", "gw", "ci", "ke", "ls", "lr", "ly",
    "mg", "mw", "ml", "mr", "mu", "ma", "mz", "na", "ne", "ng", "rw", "sh", "st", "sn",
    "sc", "sl", "so", "za", "sd", "sz", "tz", "tg", "tn", "ug", "zm", "zw"};

template <std::size_t N>
const char* RowOf(const std::array<const char*, N>& table, int row) {
  return row >= 1 && row <= static_cast<int>(N) ? table[row - 1] : "";
}

QPixmap UnknownFlag() {
  QPixmap flag(16, 11);
  flag.fill(QColor(200, 200, 200));
  QPainter p(&flag);
  p.setPen(QColor(120, 120, 120));
  p.drawRect(0, 0, 15, 10);
  p.drawText(QRect(0, 0, 16, 11), Qt::AlignCenter, QStringLiteral("?"));
  return flag;
}

QPixmap Own(const char* name) {
  return QPixmap::fromImage(OwnPicture(QString::fromUtf8(name)));
}

}  // namespace

const char* CountryIsoCode(int continent, int row) {
  switch (continent) {
    case 1:
      return RowOf(kEurope, row);
    case 2:
      return RowOf(kAsia, row);
    case 3:
      return RowOf(kNorthAmerica, row);
    case 4:
      return RowOf(kSouthAmerica, row);
    case 5:
      return RowOf(kOceania, row);
    case 6:
      return RowOf(kAfrica, row);
    default:
      return "";
  }
}

QPixmap CountryFlag(int continent, int row) {
  const QString iso = QString::fromLatin1(CountryIsoCode(continent, row));
  if (iso.isEmpty()) return UnknownFlag();
  QPixmap flag(QString::fromLatin1(kFlagFolder) + iso + QStringLiteral(".png"));
  return flag.isNull() ? UnknownFlag() : flag;
}

QPixmap CountryFlagOfCode(const std::string& code) {
  const std::optional<online::CountryPlace> place = online::ParseCountryCode(code);
  if (!place) return UnknownFlag();
  return CountryFlag(place->continent, place->row);
}

QPixmap LampPicture(online::FieldCheck check) {
  switch (check) {
    case online::FieldCheck::Valid:
      return Own("LampG24");
    case online::FieldCheck::ValidCyrillic:
      return Own("LampY24");
    default:
      return Own("LampR24");
  }
}

QPixmap ModeLamp(AccountMode mode) {
  return Own(mode == AccountMode::SignedOut  ? "LampR24"
             : mode == AccountMode::SignedIn ? "LampY24"
                                             : "LampG24");
}

QString ModeStarName(AccountMode mode) {
  return mode == AccountMode::SignedOut  ? QStringLiteral("StarR0")
         : mode == AccountMode::SignedIn ? QStringLiteral("StarY0")
                                         : QStringLiteral("StarG0");
}

QPixmap FaceIcon(char sex) {
  const bool man = sex == 'M';
  QPixmap face(16, 16);
  face.fill(Qt::transparent);
  QPainter p(&face);
  p.setRenderHint(QPainter::Antialiasing);
  // Hair behind the face: short for a man, long for a woman.
  p.setPen(Qt::NoPen);
  p.setBrush(man ? QColor(90, 60, 30) : QColor(160, 90, 40));
  if (man) {
    p.drawEllipse(QRectF(2.5, 0.5, 11, 8));
  } else {
    p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 5, 5);
  }
  p.setBrush(QColor(250, 210, 170));
  p.setPen(QPen(QColor(150, 100, 70), 0.8));
  p.drawEllipse(QRectF(3.5, 2.5, 9, 11));
  p.setPen(Qt::NoPen);
  p.setBrush(man ? QColor(40, 80, 170) : QColor(200, 40, 110));
  p.drawEllipse(QRectF(5.6, 6.5, 1.6, 1.6));
  p.drawEllipse(QRectF(8.8, 6.5, 1.6, 1.6));
  p.setPen(QPen(QColor(170, 60, 60), 1));
  p.drawArc(QRectF(5.5, 8, 5, 3), 200 * 16, 140 * 16);
  return face;
}

QPixmap PlatformIcon(bool android) {
  QPixmap icon(32, 32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing);
  if (android) {
    // A small robot: head, eyes, body and arms.
    const QColor green(120, 190, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawChord(QRectF(7, 3, 18, 16), 0, 180 * 16);
    p.drawRoundedRect(QRectF(7, 12, 18, 14), 3, 3);
    p.drawRoundedRect(QRectF(2, 12, 4, 10), 2, 2);
    p.drawRoundedRect(QRectF(26, 12, 4, 10), 2, 2);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(11, 6.5, 3, 3));
    p.drawEllipse(QRectF(18, 6.5, 3, 3));
  } else {
    // A screen on a stand with four window panes.
    p.setPen(QPen(QColor(40, 40, 60), 1.5));
    p.setBrush(QColor(230, 235, 245));
    p.drawRoundedRect(QRectF(2, 3, 28, 20), 2, 2);
    p.drawLine(QPointF(16, 23), QPointF(16, 27));
    p.drawLine(QPointF(10, 28), QPointF(22, 28));
    p.setPen(Qt::NoPen);
    const std::array<QColor, 4> panes{QColor(220, 70, 50), QColor(90, 170, 60),
                                      QColor(50, 120, 210), QColor(240, 190, 40)};
    for (int i = 0; i < 4; ++i) {
      p.setBrush(panes[i]);
      p.drawRect(QRectF(9 + (i % 2) * 7.5, 6 + (i / 2) * 7, 6.5, 6));
    }
  }
  return icon;
}

QPixmap FramedPhoto(const std::string& jpeg, char sex) {
  QPixmap frame = Own("GAcFrame");
  if (frame.isNull()) frame = QPixmap(128, 160), frame.fill(QColor(120, 90, 40));
  QImage photo;
  if (!jpeg.empty())
    photo.loadFromData(reinterpret_cast<const uchar*>(jpeg.data()), static_cast<int>(jpeg.size()),
                       "JPG");
  if (photo.isNull()) photo = OwnPicture(sex == 'M' ? "GAcNoM" : "GAcNoF");
  QPainter p(&frame);
  const QRect inside((frame.width() - 112) / 2, (frame.height() - 144) / 2, 112, 144);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(inside, photo);
  return frame;
}

std::optional<std::string> PhotoJpegFromFile(const QString& path) {
  QImageReader reader(path);
  reader.setAutoTransform(true);
  const QImage picture = reader.read();
  if (picture.isNull()) return std::nullopt;
  const QImage covered = picture.scaled(kPhotoWidth, kPhotoHeight, Qt::KeepAspectRatioByExpanding,
                                        Qt::SmoothTransformation);
  const QImage cut = covered
                         .copy((covered.width() - kPhotoWidth) / 2,
                               (covered.height() - kPhotoHeight) / 2, kPhotoWidth, kPhotoHeight)
                         .convertToFormat(QImage::Format_RGB32);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!cut.save(&buffer, "JPG", 88)) return std::nullopt;
  return bytes.toStdString();
}

bool IsAccountPhoto(const std::string& bytes) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "JPG");
  return reader.canRead() && reader.size() == QSize(kPhotoWidth, kPhotoHeight);
}

QLabel* AccountTitle(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(font.pointSizeF() * 1.25);
  label->setFont(font);
  return label;
}

}  // namespace ostrel
