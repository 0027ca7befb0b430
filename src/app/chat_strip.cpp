#include "app/chat_strip.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "app/text.h"
#include "pictures/own_pictures.h"

namespace ostrel {
namespace {

// Design units of the strip: the text's height, its left edge and room, the line pitch.
constexpr int kTextHeight = 14;
constexpr int kTextLeft = 20;
constexpr int kTextRoom = 85;
constexpr int kLinePitch = 14;
constexpr int kFirstLineTop = 3;

}  // namespace

QColor ChatSeatColour(int seat) {
  switch (seat) {
    case 1:
      return QColor(128, 0, 0);
    case 2:
      return QColor(0, 0, 128);
    case 3:
      return QColor(0, 128, 0);
    case 4:
      return QColor(128, 128, 0);
    default:
      return QColor(0, 0, 0);
  }
}

QString FitChatLine(const QString& text, int width,
                    const std::function<int(const QString&)>& text_width) {
  if (text_width(text) <= width) return text;
  const QString dots = QStringLiteral("...");
  QString cut = text;
  while (!cut.isEmpty() && text_width(cut + dots) > width) cut.chop(1);
  return cut + dots;
}

ChatStrip::ChatStrip(QWidget* table) : QWidget(table) {
  setObjectName("ImageMemo");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  edit_ = new QLineEdit(table);
  edit_->setObjectName("Edit1");
  edit_->setMaxLength(255);  // the most a chat line carries
  send_ = new QPushButton(T("Send"), table);
  send_->setObjectName("BitBtn1");
  connect(edit_, &QLineEdit::returnPressed, this, &ChatStrip::Send);
  connect(send_, &QPushButton::clicked, this, &ChatStrip::Send);
  send_->installEventFilter(this);
  SetShown(false);
}

bool ChatStrip::eventFilter(QObject* watched, QEvent* event) {
  if (watched != send_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) typed_.clear();
  if (event->type() == QEvent::KeyPress) {
    typed_ += static_cast<QKeyEvent*>(event)->text();
    typed_ = typed_.right(32);  // what could still read as the number stays; the rest goes
    bool number = false;
    if (typed_.toLongLong(&number) == 71948 && number) {
      typed_.clear();
      emit OpenViewToggled();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ChatStrip::Send() {
  const QString text = edit_->text();
  if (text.trimmed().isEmpty()) return;
  edit_->clear();
  emit SendWanted(text);
}

int ChatStrip::LineWidth() const {
  return Scale(scale_, kTextRoom);
}

void ChatStrip::AddLine(int seat, const QString& text) {
  int k = 0;
  while (k < 4 && lines_[k].seat != 0) ++k;
  if (k == 4) {
    for (int i = 0; i < 3; ++i) {
      lines_[i] = lines_[i + 1];
      full_[i] = full_[i + 1];
    }
    k = 3;
  }
  // A control character would break the line in two on the strip.
  QString clean = text;
  for (QChar& c : clean) {
    if (c.unicode() < 0x20) c = QLatin1Char(' ');
  }
  full_[k] = clean;
  const QFontMetrics metrics(font_);
  lines_[k] = {seat, FitChatLine(clean, LineWidth(),
                                 [&](const QString& s) { return metrics.horizontalAdvance(s); })};
  update();
}

void ChatStrip::Clear() {
  lines_ = {};
  full_ = {};
  edit_->clear();
  update();
}

void ChatStrip::Place(const TableLayout& layout, const FontRoles& fonts) {
  scale_ = layout.scale;
  font_ = RoleFont(fonts, FontRole::Serif, Scale(scale_, kTextHeight));
  const Rect& m = layout.memo;
  setGeometry(m.x, m.y, m.w, m.h);
  const int button = Scale(scale_, 35);
  const int top = m.Bottom() + Scale(scale_, 1);
  const int edit_height = Scale(scale_, 20);
  edit_->setGeometry(m.x, top + (button - edit_height) / 2, m.w - Scale(scale_, 36), edit_height);
  QFont edit_font = edit_->font();
  edit_font.setPixelSize(std::max(8, Scale(scale_, kTextHeight)));
  edit_->setFont(edit_font);
  send_->setGeometry(m.Right() - button, top, button, button);
  // The lines are cut again for the new width.
  const QFontMetrics metrics(font_);
  for (int k = 0; k < 4; ++k) {
    if (lines_[k].seat == 0) continue;
    lines_[k].text = FitChatLine(full_[k], LineWidth(),
                                 [&](const QString& s) { return metrics.horizontalAdvance(s); });
  }
  update();
}

void ChatStrip::SetShown(bool shown) {
  setVisible(shown);
  edit_->setVisible(shown);
  send_->setVisible(shown);
  if (shown) {
    raise();
    edit_->raise();
    send_->raise();
  }
}

void ChatStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const bool small = scale_.s == 1.0 && scale_.sx == 1.0 && scale_.sy == 1.0;
  const QImage frame =
      OwnPicture(small ? QStringLiteral("RamkaERSm") : QStringLiteral("RamkaERBg"));
  if (!frame.isNull()) {
    p.drawImage(rect(), frame);
  } else {
    p.fillRect(rect(), QColor(236, 228, 200));
    p.setPen(QColor(96, 72, 40));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  p.setFont(font_);
  const QFontMetrics metrics(font_);
  for (int k = 0; k < 4; ++k) {
    if (lines_[k].seat == 0) continue;
    p.setPen(ChatSeatColour(lines_[k].seat));
    // Line k + 1 has its top at 14 (k + 1) + 3 units.
    const int top = Scale(scale_, kLinePitch * (k + 1) + kFirstLineTop);
    p.drawText(Scale(scale_, kTextLeft), top + metrics.ascent(), lines_[k].text);
  }
}

}  // namespace ostrel
