#include "app/song_buttons.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

#include "table/picture_source.h"

namespace ostrel {

namespace {

constexpr int kEndCheckMs = 500;
constexpr int kFirstLeft = 10;
constexpr int kLeftStep = 65;
constexpr int kAboveBottom = 70;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString SongBalloon(const SongHint& hint) {
  if (hint.title.empty()) return FromUtf8(hint.text);
  // The colours of the table's other balloons: dark red title, red text on pale yellow.
  return QStringLiteral(
             "<table style='background:#ffffe1; border:1px solid #ff0000' cellpadding='4'>"
             "<tr><td><p style='color:#800000'><b>%1</b></p>"
             "<p style='color:#ff0000'>%2</p></td></tr></table>")
      .arg(FromUtf8(hint.title).toHtmlEscaped(), FromUtf8(hint.text).toHtmlEscaped());
}

SongButton::SongButton(const QString& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
  setFixedSize(kSongButtonSize, kSongButtonSize);
  // The game's keys go to the table; a click on the player must not take them away.
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

void SongButton::SetPicture(const QString& picture) {
  if (picture == picture_) return;
  picture_ = picture;
  update();
}

void SongButton::SetCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);
  update();
}

void SongButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int dy = isDown() ? 1 : 0;
  const QPixmap face = PictureSized(picture_, size());
  if (face.isNull()) {
    // Without its picture the button still shows where it is.
    p.setPen(QColor(120, 90, 30));
    p.setBrush(QColor(20, 20, 24));
    p.drawEllipse(QRect(1, 1 + dy, width() - 3, height() - 3));
  } else {
    p.drawPixmap(0, dy, face);
  }
  if (text().isEmpty()) return;
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(13);
  p.setFont(font);
  // Below the speaker, light on the button's dark face with a shadow for contrast.
  const QRect band(0, height() - 21 + dy, width(), 14);
  p.setPen(QColor(0, 0, 0, 200));
  p.drawText(band.translated(1, 1), Qt::AlignCenter, text());
  p.setPen(QColor(255, 236, 160));
  p.drawText(band, Qt::AlignCenter, text());
}

void SongButton::mouseReleaseEvent(QMouseEvent* event) {
  last_release_ = event->position().toPoint();
  QAbstractButton::mouseReleaseEvent(event);
}

SongButtons::SongButtons(QWidget* window, SongButtonsSetup setup)
    : QObject(window), window_(window), setup_(std::move(setup)) {
  if (!setup_.pick) setup_.pick = ClockSongPick();
  connect(&fetch_, &QFutureWatcher<SongList>::finished, this, [this] { Arrived(fetch_.result()); });
  const std::string url = PlaylistUrl(setup_.site);
  if (url.empty() || !setup_.fetch) {
    QTimer::singleShot(0, this, [this] { emit ListArrived(false); });
    return;
  }
  // The task holds its own copies: it may outlive the window when the program closes while the
  // site is still answering.
  fetch_.setFuture(QtConcurrent::run([fetch = setup_.fetch, url, site = setup_.site] {
    const std::optional<std::string> body = fetch(url);
    return body ? ParseSongList(*body, site) : SongList{};
  }));
}

// The fetch is not waited for: the watcher going away drops its answer. The buttons go too, so
// that none is left on the window without a player behind it.
SongButtons::~SongButtons() {
  delete play_;
  delete next_;
  delete volume_;
}

void SongButtons::Arrived(SongList list) {
  if (list.Create && setup_.make_stream) {
    player_ = std::make_unique<SongPlayer>(std::move(list), setup_.make_stream(), setup_.pick);
    player_->Start();
    play_ = new SongButton(QStringLiteral("MP_Play"), window_);
    next_ = new SongButton(QStringLiteral("MP_Next"), window_);
    volume_ = new SongButton(QStringLiteral("MP_Volume"), window_);
    connect(play_, &QAbstractButton::clicked, this, [this] {
      player_->TogglePlay();
      Refresh();
    });
    connect(next_, &QAbstractButton::clicked, this, [this] {
      player_->Next();
      Refresh();
    });
    connect(volume_, &QAbstractButton::clicked, this, [this] {
      if (player_->VolumeReleased(volume_->LastRelease().x())) Refresh();
    });
    connect(&end_timer_, &QTimer::timeout, this, [this] {
      if (player_->Tick()) Refresh();
    });
    end_timer_.start(kEndCheckMs);
    window_->installEventFilter(this);
    Refresh();
    ApplyVisibility();
  }
  emit ListArrived(Created());
}

void SongButtons::Refresh() {
  const TMyMediaPL& st = player_->State();
  play_->SetPicture(st.Play ? QStringLiteral("MP_Pause") : QStringLiteral("MP_Play"));
  play_->setToolTip(SongBalloon(player_->Hint()));
  volume_->SetCaption(QString::number(st.Volume));
}

void SongButtons::Place() {
  const int top = window_->height() - kAboveBottom;
  int left = kFirstLeft;
  for (SongButton* b : {play_, next_, volume_}) {
    b->move(left, top);
    left += kLeftStep;
  }
}

void SongButtons::SetVisibleFor(double scale, bool intro) {
  wanted_visible_ = scale >= kSongButtonsMinScale && !intro;
  if (Created()) ApplyVisibility();
}

void SongButtons::ApplyVisibility() {
  // A hidden window holds back its resize events until it shows; the size is right already.
  Place();
  for (SongButton* b : {play_, next_, volume_}) {
    b->setVisible(wanted_visible_);
    // The screens are the window's children too; the buttons stay above whichever shows.
    if (wanted_visible_) b->raise();
  }
}

bool SongButtons::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Resize) Place();
  return QObject::eventFilter(watched, event);
}

}  // namespace ostrel
