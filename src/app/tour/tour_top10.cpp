#include "app/tour/tour_top10.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/text.h"
#include "online/replies.h"
#include "pictures/own_pictures.h"

namespace ostrel {
namespace {

namespace on = ostrel::online;

int OwnValue(const TourFigures& own, on::TourKind kind) {
  switch (kind) {
    case on::TourKind::Score:
      return own.score;
    case on::TourKind::Rating:
      return own.rating;
    case on::TourKind::Games:
      return own.games;
  }
  return 0;
}

}  // namespace

TFormTourTop10::TFormTourTop10(const ServiceClient& service, TourFigures own, QWidget* parent)
    : QDialog(parent), service_(service), own_(own) {
  setObjectName("TFormTourTop10");
  setWindowTitle(T("Online-Tournament") + " - " + T("Top 10"));
  auto* layout = new QVBoxLayout(this);
  auto* kinds = new QHBoxLayout();
  const std::array<std::pair<const char*, on::TourKind>, 3> choices{{
      {"Score", on::TourKind::Score},
      {"Rating", on::TourKind::Rating},
      {"Games", on::TourKind::Games},
  }};
  for (std::size_t k = 0; k < choices.size(); ++k) {
    const auto& [caption, kind] = choices[k];
    auto* button = new QRadioButton(T(caption), this);
    kinds_[k] = button;
    connect(button, &QRadioButton::toggled, this, [this, k = kind](bool on) {
      if (on) ShowKind(k);
    });
    kinds->addWidget(button);
  }
  layout->addLayout(kinds);
  for (auto& line : lines_) {
    line = new QLabel(this);
    line->setMinimumWidth(360);
    layout->addWidget(line);
  }
  auto* own_row = new QHBoxLayout();
  place_ = new QLabel(this);
  medal_ = new QLabel(this);
  own_row->addWidget(place_, 1);
  own_row->addWidget(medal_);
  layout->addLayout(own_row);
  auto* close = new QPushButton(T("Close"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close);
  kinds_[0]->setChecked(true);
}

void TFormTourTop10::ShowKind(on::TourKind kind) {
  const std::size_t chosen =
      kind == on::TourKind::Score ? 0 : (kind == on::TourKind::Rating ? 1 : 2);
  if (!kinds_[chosen]->isChecked()) {
    kinds_[chosen]->setChecked(true);  // its toggle shows the list
    return;
  }
  const auto reply = service_.Send(on::TourTopTenRequest{kind, on::kGameCode});
  const auto list =
      reply ? on::ParseTourTopTen(*reply) : on::Result<std::vector<on::TourTopLine>>(on::Error{""});
  for (std::size_t k = 0; k < lines_.size(); ++k) {
    QString text;
    if (!list && k == 0) text = T("No Connect");
    if (list && k < list->size() && (*list)[k].Nick != "#") {
      const on::TourTopLine& l = (*list)[k];
      text = QStringLiteral("%1. %2 (%3, %4) - %5")
                 .arg(l.Place)
                 .arg(QString::fromStdString(l.Nick), QString::fromStdString(l.City),
                      QString::fromStdString(l.Country))
                 .arg(l.Value);
    }
    lines_[k]->setText(text);
  }
  const int value = OwnValue(own_, kind);
  const auto place_reply = service_.Send(on::TourPlaceRequest{kind, on::kGameCode, value});
  const auto place =
      place_reply ? on::ParseNumberReply(*place_reply) : on::Result<int>(on::Error{""});
  if (!place) {
    place_->setText(T("Your place") + ": " + T("No Connect"));
    medal_->clear();
    return;
  }
  place_->setText(T("Your place") + ": " + QString::number(*place));
  if (*place >= 1 && *place <= 10) {
    const QString name = QStringLiteral("GPlace%1").arg(*place, 2, 10, QLatin1Char('0'));
    medal_->setPixmap(QPixmap::fromImage(OwnPicture(name))
                          .scaled(52, 52, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  } else {
    medal_->clear();
  }
}

}  // namespace ostrel
