#include "table/suit_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "table/card_painter.h"
#include "table/cards_button.h"
#include "table/picture_source.h"

namespace ostrel {

namespace {

QIcon SuitIcon(int suit, bool enabled) {
  QPixmap pm(56, 56);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  // Red suits on the red plate, black suits on the blue one, the refused suit on yellow.
  const QString name = !enabled ? "GMYellow" : suit <= 2 ? "GMRed" : "GMBlue";
  const QPixmap plate = PictureSized(name, QSize(56, 56));
  if (!plate.isNull()) {
    p.drawPixmap(0, 0, plate);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(QRectF(12, 12, 32, 32));
    DrawSuitSign(p, suit, 28, 28, 22);
  } else {
    const QColor c = !enabled    ? QColor(230, 200, 60)
                     : suit <= 2 ? QColor(255, 215, 215)
                                 : QColor(205, 220, 255);
    p.setPen(QPen(c.darker(160), 2));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(2, 2, 52, 52), 10, 10);
    DrawSuitSign(p, suit, 28, 28, 34);
  }
  QIcon icon;
  // The refused suit keeps its yellow plate instead of the greyed look of a disabled icon.
  icon.addPixmap(pm, QIcon::Normal);
  icon.addPixmap(pm, QIcon::Disabled);
  return icon;
}

}  // namespace

TFormMastDeb::TFormMastDeb(int disabled_suit, const QString& title, const QString& label,
                           const QString& pass, QWidget* parent)
    : QDialog(parent) {
  setObjectName("TFormMastDeb");
  setWindowTitle(title);
  setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowCloseButtonHint &
                 ~Qt::WindowContextHelpButtonHint);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(label, this);
  QFont f = text->font();
  f.setPixelSize(18);
  f.setBold(true);
  text->setFont(f);
  text->setAlignment(Qt::AlignCenter);
  layout->addWidget(text);
  auto* row = new QHBoxLayout();
  for (int suit = 1; suit <= 4; ++suit) {
    auto* b = new QPushButton(this);
    b->setObjectName(QStringLiteral("BitBtn%1").arg(suit));
    const bool enabled = suit != disabled_suit;
    b->setIcon(SuitIcon(suit, enabled));
    b->setIconSize(QSize(56, 56));
    b->setFixedSize(72, 72);
    b->setEnabled(enabled);
    connect(b, &QPushButton::clicked, this, [this, suit] { Choose(suit); });
    suits_[suit] = b;
    row->addWidget(b);
  }
  layout->addLayout(row);
  pass_ = new TTarvoCardsButton(pass, this);
  pass_->setObjectName("TarvoCardsButton1");
  pass_->SetColorSB(SkinColour::DRed);
  pass_->setFixedHeight(32);
  connect(pass_, &QAbstractButton::clicked, this, [this] { Choose(0); });
  layout->addWidget(pass_);
  setModal(true);
}

void TFormMastDeb::Choose(int suit) {
  chosen_ = suit;
  may_close_ = true;
  emit Chosen(suit);
  accept();
}

void TFormMastDeb::closeEvent(QCloseEvent* event) {
  if (may_close_) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

void TFormMastDeb::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog without an answer; the bidding needs one.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace ostrel
