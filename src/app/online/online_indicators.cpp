#include "app/online/online_indicators.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "app/online/online_reads.h"
#include "app/online/seen_files.h"
#include "app/text.h"
#include "net/http_client.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

constexpr int kSirenFrameMs = 150;
constexpr int kShelfWidth = 220, kShelfHeight = 54, kIconSize = 72;
constexpr int kSirenWidth = 24, kSirenHeight = 32, kSirenGap = 8;
constexpr int kCornerMargin = 20;  // inside the menu's frame, at scale 1

QString NewsAddress(const std::string& site) {
  return QString::fromStdString(site) + QStringLiteral("/news/");
}

}  // namespace

OnlineIndicators::OnlineIndicators(ServiceClient client, std::string shared_folder, QWidget* parent)
    : QWidget(parent), chat_job_(client), news_job_(client), folder_(std::move(shared_folder)) {
  setObjectName(QStringLiteral("OnlineIndicators"));
  setAttribute(Qt::WA_TranslucentBackground);
  siren_news_ = OwnAnimationFrames(QStringLiteral("GSirenaB"));
  siren_chat_ = OwnAnimationFrames(QStringLiteral("GSirenaR"));
  shelf_ = QPixmap::fromImage(OwnPicture(QStringLiteral("GPolkaNw")));
  news_picture_ = QPixmap::fromImage(OwnPicture(QStringLiteral("GNews072")));
  chat_picture_ = QPixmap::fromImage(OwnPicture(QStringLiteral("GChat072")));
  chat_timer_.setInterval(kChatCheckPeriodMs);
  news_timer_.setInterval(kNewsCheckPeriodMs);
  siren_timer_.setInterval(kSirenFrameMs);
  connect(&chat_timer_, &QTimer::timeout, this, &OnlineIndicators::CheckChat);
  connect(&news_timer_, &QTimer::timeout, this, &OnlineIndicators::CheckNews);
  connect(&siren_timer_, &QTimer::timeout, this, [this] {
    ++frame_;
    update();
  });
  if (parent) parent->installEventFilter(this);
  Relayout();
}

void OnlineIndicators::Start() {
  CheckChat();
  chat_timer_.start();
}

void OnlineIndicators::SetMenuShown(bool shown) {
  menu_shown_ = shown;
  if (shown && !news_on_) {
    news_timer_.start();
  } else {
    news_timer_.stop();
  }
}

void OnlineIndicators::SetScale(double scale) {
  scale_ = scale;
  Relayout();
}

void OnlineIndicators::CheckChat() {
  if (chat_on_) return;
  const std::string folder = folder_;
  chat_job_.Run([this, folder](const ServiceClient& client) -> OnlineJob::Finish {
    const int seen = LoadChatFile(folder).last_seen;
    const std::optional<TopTenLines> chat = ReadTopTenList(client, online::kChatGameId);
    const bool fresh = chat && NewestMessage(*chat) > seen;
    return [this, fresh] {
      if (!fresh || chat_on_) return;
      chat_on_ = true;
      chat_timer_.stop();
      Relayout();
      emit NewChat();
    };
  });
}

void OnlineIndicators::CheckNews() {
  if (news_on_) return;
  const std::string folder = folder_;
  news_job_.Run([this, folder](const ServiceClient& client) -> OnlineJob::Finish {
    const int seen = LoadNewsFile(folder);
    const HttpResult page =
        HttpGetAs(NewsAddress(client.Site()).toStdString(), kServiceUserAgent, kServiceTimeoutMs);
    const int newest = page.ok && page.status == 200 ? NewsNumberOf(page.body) : 0;
    return [this, seen, newest] {
      if (newest <= seen || news_on_) return;
      newest_news_ = newest;
      news_on_ = true;
      news_timer_.stop();
      Relayout();
    };
  });
}

QString OnlineIndicators::OpenNews() {
  if (news_on_) (void)SaveNewsFile(folder_, newest_news_);
  news_on_ = false;
  Relayout();
  return NewsAddress(news_job_.Client().Site());
}

void OnlineIndicators::ChatSeen() {
  if (!chat_on_) return;
  chat_on_ = false;
  chat_timer_.start();
  Relayout();
}

QRect OnlineIndicators::NewsRect() const {
  if (Shelf()) return {16, 0, kIconSize, kIconSize};
  return {0, 0, kSirenWidth, kSirenHeight};
}

QRect OnlineIndicators::ChatRect() const {
  if (Shelf()) return {kShelfWidth - 16 - kIconSize, 0, kIconSize, kIconSize};
  return {kSirenWidth + kSirenGap, 0, kSirenWidth, kSirenHeight};
}

void OnlineIndicators::Relayout() {
  if (Shelf()) {
    setFixedSize(kShelfWidth, kIconSize + kShelfHeight / 2);
  } else {
    setFixedSize(2 * kSirenWidth + kSirenGap, kSirenHeight);
  }
  PlaceInCorner();
  const bool any = news_on_ || chat_on_;
  setVisible(any);
  if (any && !Shelf()) {
    siren_timer_.start();
  } else {
    siren_timer_.stop();
  }
  update();
}

void OnlineIndicators::PlaceInCorner() {
  const QWidget* screen = parentWidget();
  if (!screen) return;
  const int margin = static_cast<int>(kCornerMargin * scale_);
  move(screen->width() - width() - margin, margin);
}

bool OnlineIndicators::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) PlaceInCorner();
  return QWidget::eventFilter(watched, event);
}

QString OnlineIndicators::HintAt(QPoint point) const {
  if (news_on_ && NewsRect().contains(point)) return T(PhraseKey::TarvoNewsHint);
  if (chat_on_ && ChatRect().contains(point)) return T(PhraseKey::TarvoChatHint);
  return {};
}

void OnlineIndicators::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (Shelf()) {
    painter.drawPixmap(0, height() - kShelfHeight, shelf_);
    if (news_on_) painter.drawPixmap(NewsRect(), news_picture_);
    if (chat_on_) painter.drawPixmap(ChatRect(), chat_picture_);
    return;
  }
  const auto frame = [this](const QList<QImage>& frames) {
    return frames.isEmpty() ? QImage() : frames[frame_ % frames.size()];
  };
  if (news_on_) painter.drawImage(NewsRect(), frame(siren_news_));
  if (chat_on_) painter.drawImage(ChatRect(), frame(siren_chat_));
}

void OnlineIndicators::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  if (news_on_ && NewsRect().contains(at)) emit NewsChosen();
  if (chat_on_ && ChatRect().contains(at)) emit ChatChosen();
}

bool OnlineIndicators::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString hint = HintAt(help->pos());
    if (hint.isEmpty()) {
      QToolTip::hideText();
    } else {
      QToolTip::showText(help->globalPos(), hint, this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace ostrel
