// The verdict window in the purple design: the velvet background of the graphics pack with
// its header, the turning star of the window, the club emblem, and the verdict written on the
// piece of the background under it.
#include <QBuffer>
#include <QLabel>
#include <QMovie>
#include <QPaintEvent>
#include <QTimer>

#include "packs/pack_names.h"
#include "table/end_game_window.h"
#include "table/picture_source.h"

namespace ostrel {

namespace {

constexpr QSize kPurpleSize(620, 720);
const QRect kPurpleText(40, 120, 440, 400);   // Image1
const QRect kPurplePlace(10, 516, 600, 150);  // Image2
const QRect kPurpleOk(210, 678, 200, 30);
constexpr QPoint kPurpleVerdict(517, 260);
constexpr QPoint kPurpleEmblem(527, 42);
constexpr QPoint kIconAt(34, 49);
constexpr int kIconSide = 48;
constexpr int kIconFrames = 20;
constexpr int kIconPeriodMs = 60;

}  // namespace

void TFormEndGame::BuildPurple() {
  setFixedSize(kPurpleSize);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  setAutoFillBackground(true);
  // The pack's background is drawn for the window; one of another size is stretched to it.
  const QImage& background = purple_->background;
  backdrop_ = QPixmap::fromImage(
      background.size() == kPurpleSize
          ? background
          : background.scaled(kPurpleSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  AddPicture("Image0", QRect(0, 0, 560, 64), {})->hide();
  AddPicture("Panel1", QRect(5, 70, 550, 4), {})->hide();
  AddPicture("Image1", kPurpleText, PurpleTextPicture());
  AddPicture("Image2", kPurplePlace, PurplePlacePicture());
  AddVerdict(kPurpleVerdict);
  AddEmblem();
  AddOkButton(kPurpleOk);
  if (purple_->icon.width() >= kIconSide && purple_->icon.height() >= kIconSide) {
    icon_timer_ = new QTimer(this);
    connect(icon_timer_, &QTimer::timeout, this, &TFormEndGame::NextIconFrame);
    icon_timer_->start(kIconPeriodMs);
  }
}

void TFormEndGame::NextIconFrame() {
  const int frames = std::clamp(purple_->icon.width() / kIconSide, 1, kIconFrames);
  icon_frame_ = (icon_frame_ + 1) % frames;
  update(QRect(kIconAt, QSize(kIconSide, kIconSide)));
}

void TFormEndGame::paintEvent(QPaintEvent* event) {
  if (!Purple()) {
    QDialog::paintEvent(event);
    return;
  }
  QPainter p(this);
  p.drawPixmap(0, 0, backdrop_);
  if (!purple_->header.isNull()) p.drawImage(0, 0, purple_->header);
  if (icon_timer_ != nullptr) {
    p.drawImage(kIconAt, purple_->icon, QRect(icon_frame_ * kIconSide, 0, kIconSide, kIconSide));
  }
}

void TFormEndGame::AddEmblem() {
  const char* name = ClubEmblem(in_.account_mode, in_.multiplayer);
  if (name == nullptr) return;
  const std::optional<QByteArray> gif = LoadPackData(in_.packs, QString::fromLatin1(kPackGraphics),
                                                     QString::fromLatin1(name), PackKind::kGif);
  const QImage first = gif ? QImage::fromData(*gif, "GIF") : QImage();
  if (first.isNull()) return;
  QLabel* emblem =
      AddPicture("RxGIFAn2", QRect(kPurpleEmblem, first.size()), QPixmap::fromImage(first));
  if (!in_.gif_animation) return;
  // The movie owns the bytes it reads, so they live exactly as long as it does.
  auto* movie = new QMovie(emblem);
  auto* buffer = new QBuffer(movie);
  buffer->setData(*gif);
  buffer->open(QIODevice::ReadOnly);
  movie->setDevice(buffer);
  emblem->setMovie(movie);
  movie->start();
}

QPixmap TFormEndGame::PurpleTextPicture() const {
  QPixmap pm = backdrop_.copy(kPurpleText);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  DrawLines(p);
  if (in_.account_mode == 3) {
    p.drawPixmap(328, 15, PictureSized(QStringLiteral("Account48"), QSize(32, 32)));
  }
  return pm;
}

QPixmap TFormEndGame::PurplePlacePicture() const {
  QPixmap pm = backdrop_.copy(kPurplePlace);
  if (HasMedal(in_.place)) {
    QPainter p(&pm);
    p.drawPixmap(248, 27,
                 PictureSized(QStringLiteral("GPlace%1").arg(in_.place, 2, 10, QLatin1Char('0')),
                              QSize(104, 104)));
  }
  return pm;
}

}  // namespace ostrel
