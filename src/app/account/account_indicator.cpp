#include "app/account/account_indicator.h"

#include <QFile>
#include <QFutureWatcher>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QtConcurrent/QtConcurrentRun>

#include "app/account/account_pictures.h"
#include "app/account/account_window.h"
#include "app/text.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

// A user file is three short lines; anything far larger is not one.
constexpr qint64 kUserFileMaxBytes = 4096;

std::optional<std::string> ReadUserFile(const QString& path) {
  QFile file(path);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  if (file.size() > kUserFileMaxBytes) return std::nullopt;
  return file.read(kUserFileMaxBytes).toStdString();
}

}  // namespace

AccountIndicator::AccountIndicator(const QString& site, const QString& program_folder,
                                   QWidget* parent)
    : QWidget(parent), client_(site.toStdString()), user_file_(UserFilePath(program_folder)) {
  setObjectName(QStringLiteral("ImAc"));
  setFixedSize(72, 48);
  setCursor(Qt::PointingHandCursor);
  connect(this, &AccountIndicator::Clicked, this, &AccountIndicator::OpenAccountWindow);
  Redraw();
}

QString AccountIndicator::Hint() const {
  switch (state_.mode) {
    case AccountMode::SignedOut:
      return T("You are not logged in to your account!");
    case AccountMode::SignedIn:
      return T("You are logged in to your account!");
    default:
      return T("There is a game on the rating!");
  }
}

QString AccountIndicator::BalloonBody() const {
  if (!state_.SignedIn())
    return T("Login to account") + QStringLiteral(" / ") + T("Create an account");
  return QString::fromStdString(state_.user.Nick);
}

void AccountIndicator::Redraw() {
  setToolTip(Hint());
  update();
}

void AccountIndicator::StartUpSignIn() {
  auto* watcher = new QFutureWatcher<AccountState>(this);
  connect(watcher, &QFutureWatcher<AccountState>::finished, this, [this, watcher] {
    state_ = watcher->result();
    watcher->deleteLater();
    Redraw();
    if (state_.SignedIn()) emit SignedInAtStart();
  });
  watcher->setFuture(QtConcurrent::run(
      [client = client_, state = state_, bytes = ReadUserFile(user_file_)]() mutable {
        ostrel::StartUpSignIn(client, state, bytes);
        return state;
      }));
}

void AccountIndicator::OpenAccountWindow() {
  Sound("WOpenFo");
  const AccountMode mode = state_.mode;
  const std::string nick = state_.user.Nick;
  state_.rating_choice = false;
  ShowWindow();
  Redraw();
  if (state_.mode != mode || state_.user.Nick != nick) emit AccountChanged();
}

void AccountIndicator::ShowWindow() {
  AccountWindow dialog(state_, client_, user_file_, window());
  dialog.exec();
}

void AccountIndicator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(QRect(0, 0, 48, 48), OwnPicture(QStringLiteral("Account48")));
  p.drawPixmap(48, 24, ModeLamp(state_.mode));
}

void AccountIndicator::enterEvent(QEnterEvent* event) {
  QToolTip::showText(
      mapToGlobal(QPoint(width() / 2, height())),
      QStringLiteral("<b>%1</b><br>%2").arg(Hint().toHtmlEscaped(), BalloonBody().toHtmlEscaped()),
      this, rect(), 5000);
  QWidget::enterEvent(event);
}

void AccountIndicator::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked();
}

}  // namespace ostrel
