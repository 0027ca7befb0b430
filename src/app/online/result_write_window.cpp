#include "app/online/result_write_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/account/account_pictures.h"
#include "app/online/online_reads.h"
#include "app/online/top_ten_lines.h"
#include "app/text.h"

namespace ostrel {

online::TopTenWriteRequest ResultWrite(const Settings& passport, int score) {
  online::TopTenWriteRequest write;
  write.Gid = online::ServiceGameId(online::GameList::Windows);
  write.Nick = passport.PassportNick;
  write.City = passport.PassportCity;
  write.Country = passport.PassportCountry;
  write.Score = score;
  write.R7 = passport.PassportSex == "W" ? "W" : "M";
  write.R8 = online::kProgramVersion;
  write.R9 = "#";
  write.R10 = "#";
  return write;
}

ResultWriteWindow::ResultWriteWindow(ServiceClient client, const Settings& passport, int score,
                                     QWidget* parent)
    : QDialog(parent), job_(std::move(client)), write_(ResultWrite(passport, score)) {
  setObjectName(QStringLiteral("TFormServerWrite"));
  setWindowTitle(T(PhraseKey::WorldTopTen));
  notify = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };

  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout();
  form->addRow(T(PhraseKey::Nick), new QLabel(QString::fromStdString(write_.Nick), this));
  auto* country = new QLabel(this);
  country->setText(CountryShownName(write_.Country));
  auto* country_row = new QHBoxLayout();
  auto* flag = new QLabel(this);
  flag->setPixmap(CountryFlagOfCode(write_.Country));
  country_row->addWidget(flag);
  country_row->addWidget(country, 1);
  form->addRow(T(PhraseKey::Country), country_row);
  form->addRow(T(PhraseKey::City), new QLabel(QString::fromStdString(write_.City), this));
  auto* score_label = new QLabel(QString::number(score), this);
  score_label->setObjectName(QStringLiteral("score"));
  score_label->setStyleSheet(QStringLiteral("font-weight: bold; color: #000080;"));
  form->addRow(T(PhraseKey::YourScore), score_label);
  place_ = new QLabel(this);
  place_->setObjectName(QStringLiteral("place"));
  place_->setStyleSheet(QStringLiteral("font-weight: bold; color: #c00000;"));
  form->addRow(T(PhraseKey::YourPlace), place_);
  layout->addLayout(form);

  auto* bottom = new QHBoxLayout();
  waiting_ = new QLabel(T("Waiting for the server…"), this);
  waiting_->setVisible(false);
  bottom->addWidget(waiting_, 1);
  send_ = new QPushButton(T(PhraseKey::Send), this);
  send_->setObjectName(QStringLiteral("send"));
  bottom->addWidget(send_);
  auto* close = new QPushButton(T(PhraseKey::Close2), this);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  bottom->addWidget(close);
  layout->addLayout(bottom);

  connect(&job_, &OnlineJob::BusyChanged, waiting_, &QWidget::setVisible);
  connect(&job_, &OnlineJob::BusyChanged, send_, [this](bool busy) {
    if (busy) send_->setEnabled(false);
  });
  connect(send_, &QPushButton::clicked, this, &ResultWriteWindow::Send);
}

void ResultWriteWindow::Send() {
  const online::TopTenWriteRequest write = write_;
  job_.Run([this, write](const ServiceClient& client) -> OnlineJob::Finish {
    const std::optional<int> place = WriteTopTen(client, write);
    return [this, place] {
      if (!place) {
        send_->setEnabled(true);
        notify(T(PhraseKey::CantWriteResult));
        return;
      }
      send_->setEnabled(false);
      place_->setText(QString::number(*place));
    };
  });
}

}  // namespace ostrel
