#include "app/radio/radio_control.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/radio/radio_service.h"
#include "app/text.h"
#include "packs/pack_names.h"
#include "table/picture_source.h"

namespace ostrel {

QString RadioUnavailableText() {
  return T(PhraseKey::CantFind) + kRadioListShipped + " + " + kPackRadioLogos;
}

RadioControl::RadioControl(RadioService& radio, QWidget* menu) : QWidget(menu), radio_(radio) {
  setObjectName(QStringLiteral("ImRadio"));
  setFixedSize(kRadioControlWidth, kRadioControlHeight);
  setCursor(Qt::PointingHandCursor);
  connect(&radio_, &RadioService::Changed, this, &RadioControl::Refresh);
  Refresh();
}

void RadioControl::Place(const TableScale& scale) {
  // Right of the champions' board, centred on it: the free part of the menu.
  const QRect board(PlaceX(scale, 200, 360), PlaceY(scale, 150, 260), Scale(scale, 360),
                    Scale(scale, 260));
  const std::optional<RadioControlPlace> at = PlaceRadioControl(
      scale.s, board.right() + 1, scale.client_w, board.bottom() + 1, board.top());
  if (!at) {
    hide();
    return;
  }
  move(at->left, at->top);
  show();
  raise();
}

void RadioControl::Refresh() {
  const QString hint = radio_.Hint();
  // The balloon: the title in bold, the station under it.
  setToolTip(QStringLiteral("<b>%1:</b><br>%2")
                 .arg(T("Tarvo Internet-Radio").toHtmlEscaped(),
                      QString::fromStdString(radio_.State().Name).toHtmlEscaped()));
  setAccessibleName(hint);
  update();
}

QImage RadioControl::Drawn() const {
  QImage img(size(), QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.drawImage(0, 71, Picture(QStringLiteral("GPolkaNw")));
  p.drawImage(37, 6, Picture(QStringLiteral("GRadioA")));
  const char* lamp = "GRadioB";
  switch (radio_.Tuner().Lamp()) {
    case RadioLamp::kUnavailable:
      break;
    case RadioLamp::kOff:
      lamp = "GRadioR";
      break;
    case RadioLamp::kOn:
      lamp = "GRadioG";
      break;
  }
  p.drawImage(37, 6, Picture(QString::fromLatin1(lamp)));
  return img;
}

void RadioControl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, Drawn());
}

void RadioControl::mousePressEvent(QMouseEvent* event) {
  if (!radio_.State().CanUse) {
    emit Unavailable();
    return;
  }
  if (event->button() == Qt::LeftButton) {
    radio_.Tuner().Toggle();
    emit radio_.Changed();
  } else if (event->button() == Qt::RightButton) {
    emit WindowWanted();
  }
}

}  // namespace ostrel
