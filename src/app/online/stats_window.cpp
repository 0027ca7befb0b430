#include "app/online/stats_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/online/online_reads.h"
#include "app/text.h"
#include "online/field_check.h"

namespace ostrel {

namespace {

constexpr PhraseKey kRowNames[kStatsRows] = {
    PhraseKey::NumberOfStarts, PhraseKey::NumberOfUniqueStarts, PhraseKey::Likes,
    PhraseKey::LastLike,       PhraseKey::GamesWithPc,          PhraseKey::CyclesWithPc,
    PhraseKey::PeopleWins,     PhraseKey::PeopleLosses,         PhraseKey::GamesNet,
    PhraseKey::GamesOnline};

// The passport nick of a player who has not chosen one yet.
constexpr const char* kIncognito = "Incognito";

}  // namespace

StatsWindow::StatsWindow(ServiceClient client, Settings& settings, QWidget* parent)
    : QDialog(parent), job_(std::move(client)), settings_(settings) {
  setObjectName(QStringLiteral("TFormStats"));
  setWindowTitle(T(PhraseKey::WorldStatsTitle));
  ask_nick = [this]() -> std::optional<QString> {
    bool ok = false;
    const QString nick = QInputDialog::getText(this, T(PhraseKey::Nick), T(PhraseKey::Nick),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok) return std::nullopt;
    return nick;
  };
  notify = [this](const QString& text) { QMessageBox::information(this, windowTitle(), text); };

  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(T(PhraseKey::WorldStatsTitle), this);
  title->setAlignment(Qt::AlignCenter);
  title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 15px; color: #800000;"));
  layout->addWidget(title);
  auto* grid = new QGridLayout();
  for (int row = 0; row < kStatsRows; ++row) {
    grid->addWidget(new QLabel(T(kRowNames[row]), this), row, 0);
    values_[static_cast<std::size_t>(row)] = new QLabel(this);
    values_[static_cast<std::size_t>(row)]->setObjectName(QStringLiteral("stat%1").arg(row + 1));
    values_[static_cast<std::size_t>(row)]->setStyleSheet(QStringLiteral("color: #000080;"));
    grid->addWidget(values_[static_cast<std::size_t>(row)], row, 1, Qt::AlignRight);
  }
  layout->addLayout(grid);
  auto* note = new QLabel(T(PhraseKey::StatsSinceVersion), this);
  note->setStyleSheet(QStringLiteral("color: #606060; font-style: italic;"));
  layout->addWidget(note);
  auto* bottom = new QHBoxLayout();
  like_ = new QPushButton(T(PhraseKey::ILikeThisGame), this);
  like_->setObjectName(QStringLiteral("like"));
  like_->setEnabled(!settings_.Liked);
  bottom->addWidget(like_);
  waiting_ = new QLabel(T("Waiting for the server…"), this);
  waiting_->setVisible(false);
  bottom->addWidget(waiting_, 1);
  auto* close = new QPushButton(T(PhraseKey::Close), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  layout->addLayout(bottom);

  connect(&job_, &OnlineJob::BusyChanged, waiting_, &QWidget::setVisible);
  connect(like_, &QPushButton::clicked, this, &StatsWindow::Like);
  job_.Run([this](const ServiceClient& client) -> OnlineJob::Finish {
    std::optional<online::TTarvoStat> stats = ReadStats(client);
    return [this, stats] { Show(stats); };
  });
}

void StatsWindow::Show(const std::optional<online::TTarvoStat>& stats) {
  stats_ = stats;
  if (!stats) {
    values_[0]->setText(T(PhraseKey::NoConnect));
    for (int row = 1; row < kStatsRows; ++row) values_[static_cast<std::size_t>(row)]->clear();
    return;
  }
  const int numbers[kStatsRows] = {
      stats->Stat1,    stats->Stat2,    stats->Stat3,    0,
      stats->StatX[0], stats->StatX[1], stats->StatX[2], stats->StatX[3],
      stats->StatX[4], stats->StatX[5]};
  for (int row = 0; row < kStatsRows; ++row)
    values_[static_cast<std::size_t>(row)]->setText(QString::number(numbers[row]));
  values_[3]->setText(QString::fromStdString(stats->Stat4 == "#" ? std::string() : stats->Stat4));
}

void StatsWindow::Like() {
  if (settings_.Liked || job_.Busy()) return;
  std::string nick = settings_.PassportNick;
  if (nick == kIncognito) {
    for (;;) {
      const std::optional<QString> typed = ask_nick();
      if (!typed) return;
      nick = typed->trimmed().toStdString();
      if (online::CheckPassportField(nick, online::PassportField::Nick) !=
          online::FieldCheck::Invalid)
        break;
    }
    settings_.PassportNick = nick;
  }
  online::StatsLikeRequest like;
  like.Stat4 = nick;
  job_.Run([this, like](const ServiceClient& client) -> OnlineJob::Finish {
    const bool ok = SendReport(client, like);
    return [this, ok, nick = like.Stat4] {
      if (!ok) {
        notify(T(PhraseKey::CouldNotConnect));
        if (save_settings) save_settings();  // the nick chosen stays the passport's
        return;
      }
      like_->setEnabled(false);
      if (stats_) {
        ++stats_->Stat3;
        stats_->Stat4 = nick;
        Show(stats_);
      }
      settings_.Liked = true;
      if (save_settings) save_settings();
    };
  });
}

}  // namespace ostrel
