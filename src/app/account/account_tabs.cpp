// The four tabs of the account window that show the service's data: the own results, the
// rating list, the own profile and the president's.
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/account/account_pictures.h"
#include "app/account/account_window.h"
#include "app/account/profile_window.h"
#include "app/text.h"
#include "online/countries.h"
#include "online/numbers.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

QPushButton* RefreshButton(QWidget* parent) {
  return new QPushButton(T("Refresh"), parent);
}

// The texts of the president's twelve rows, in the order of their icons.
const std::string& PresidentField(const online::TInfo14& info, int row) {
  const std::string* fields[12] = {
      &info.About, &info.Telephone, &info.EMailO,   &info.WebSite, &info.Skype,      &info.OK,
      &info.VK,    &info.Telegram,  &info.FaceBook, &info.Twitter, &info.Instagramm, &info.YouTube};
  return *fields[row];
}

constexpr const char* kPresidentIcons[12] = {
    "GAcAbout", "GAcTelephone", "GAcEMail",    "GAcWebSite", "GAcSkype",      "GAcOK",
    "GAcVK",    "GAcTelegram",  "GAcFaceBook", "GAcTwitter", "GAcInstagramm", "GAcYouTube"};

}  // namespace

QWidget* AccountWindow::BuildResultsTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(AccountTitle(T("Information about your games"), page));
  auto* grid = new QGridLayout;
  grid->setSpacing(0);
  // The account's own phrases: "Game", "Player" and "Rating" are other windows' words too.
  constexpr PhraseKey kRows[9] = {
      PhraseKey::AccountGame,  PhraseKey::AccountPlayer, PhraseKey::AccountRating,
      PhraseKey::AccountPlace, PhraseKey::PlayedGames,   PhraseKey::MyBestScore,
      PhraseKey::PlayedCycles, PhraseKey::CurrentDeal,   PhraseKey::CurrentScoreAccount};
  for (int row = 0; row < 9; ++row) {
    auto* label = new QLabel(T(kRows[row]) + QStringLiteral(":"), page);
    results_[row] = new QLabel(page);
    for (QLabel* cell : {label, results_[row]}) {
      cell->setAutoFillBackground(true);
      cell->setContentsMargins(6, 3, 6, 3);
      QPalette palette = cell->palette();
      palette.setColor(QPalette::Window, row % 2 ? QColor(225, 235, 250) : QColor(250, 245, 225));
      palette.setColor(QPalette::WindowText, Qt::black);
      cell->setPalette(palette);
    }
    grid->addWidget(label, row, 0);
    grid->addWidget(results_[row], row, 1);
  }
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);
  auto* refresh = RefreshButton(page);
  connect(refresh, &QPushButton::clicked, this,
          [this] { job_.Run(ReadResults, [this] { DrawAll(); }); });
  layout->addWidget(refresh, 0, Qt::AlignRight);
  layout->addStretch(1);
  return page;
}

void AccountWindow::DrawResults() {
  results_[0]->setText(T("Ostrel-Quartet"));
  const bool show = !state_.user.Nick.empty() && state_.SignedIn();
  const online::TTarvoGame& g = state_.game;
  const QString values[8] = {Q(state_.user.Nick),      Q(online::RatingScreenText(g.Rating)),
                             QString::number(g.Place), QString::number(g.Kon),
                             QString::number(g.Best),  QString::number(g.Sessions),
                             QString::number(g.KonL),  QString::number(g.Score)};
  for (int row = 1; row < 9; ++row) {
    results_[row]->setText(!show                 ? QString()
                           : state_.record_found ? values[row - 1]
                                                 : T("No Connect"));
  }
}

QWidget* AccountWindow::BuildTopTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(AccountTitle(T("Top 10 best rated players"), page));
  auto* grid = new QGridLayout;
  const QString header[6] = {QStringLiteral("№"), T("Nick"),  QStringLiteral("C"), T("Sex"),
                             T("City"),           T("Rating")};
  for (int column = 0; column < 6; ++column) {
    auto* cell = new QLabel(QStringLiteral("<b>%1</b>").arg(header[column]), page);
    grid->addWidget(cell, 0, column);
  }
  for (int row = 0; row < 10; ++row)
    for (int column = 0; column < 6; ++column) {
      top_[row][column] = new QLabel(page);
      grid->addWidget(top_[row][column], row + 1, column);
    }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(4, 1);
  layout->addLayout(grid);
  auto* refresh = RefreshButton(page);
  connect(refresh, &QPushButton::clicked, this,
          [this] { job_.Run(ReadRatingList, [this] { DrawAll(); }); });
  layout->addWidget(refresh, 0, Qt::AlignRight);
  layout->addStretch(1);
  return page;
}

QLabel* AccountWindow::TopCell(int row, int column) {
  return top_[row][column];
}

void AccountWindow::DrawTop() {
  for (int row = 0; row < 10; ++row) {
    auto& cells = top_[row];
    for (QLabel* cell : cells) {
      cell->clear();
    }
    if (!state_.list_read) {
      cells[1]->setText(T("No Connect"));
      continue;
    }
    if (row >= static_cast<int>(state_.rating_list.size())) continue;
    const online::TTarvoTop10& line = state_.rating_list[row];
    if (line.Nick.empty()) continue;
    cells[0]->setText(QString::number(row + 1) + QStringLiteral("."));
    cells[1]->setText(Q(line.Nick));
    cells[2]->setPixmap(CountryFlagOfCode(line.Country));
    cells[2]->setToolTip(Q(std::string(online::CountryOfCode(line.Country).english)));
    cells[3]->setPixmap(FaceIcon(line.Sex));
    cells[4]->setText(Q(line.City));
    cells[5]->setText(Q(online::RatingScreenText(line.Rating)));
  }
}

QWidget* AccountWindow::BuildAboutTab() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  about_photo_ = new QLabel(page);
  auto* left = new QVBoxLayout;
  left->addWidget(about_photo_);
  profile_ = new QPushButton(T("Refresh"), page);
  left->addWidget(profile_);
  left->addStretch(1);
  layout->addLayout(left);
  auto* grid = new QGridLayout;
  for (int row = 0; row < 14; ++row) {
    auto* icon = new QLabel(page);
    icon->setPixmap(QPixmap::fromImage(OwnPicture(QString::fromLatin1(kProfileRows[row].icon))));
    about_[row] = new QLabel(page);
    about_[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(icon, row, 0);
    grid->addWidget(about_[row], row, 1);
  }
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid, 1);
  connect(profile_, &QPushButton::clicked, this, &AccountWindow::OpenProfile);
  return page;
}

void AccountWindow::DrawAbout() {
  about_photo_->setPixmap(
      FramedPhoto(state_.SignedIn() ? state_.own_photo : std::string(), state_.user.Sex));
  for (int row = 0; row < 14; ++row)
    about_[row]->setText(state_.SignedIn() ? Q(kProfileRows[row].field(state_.user.Info))
                                           : QString());
  profile_->setEnabled(state_.SignedIn());
}

void AccountWindow::OpenProfile() {
  if (!state_.SignedIn()) return;
  ProfileWindow profile(state_, job_.Client(), this);
  if (run_dialog) {
    run_dialog(profile);
  } else {
    profile.exec();
  }
  job_.Run(ReadPresident, [this] { DrawAll(); });
}

QWidget* AccountWindow::BuildPresidentTab() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(AccountTitle(T("President of the Order") + QStringLiteral(" \"") +
                                     T("Ostrel-Quartet") + QStringLiteral("\""),
                                 page));
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  president_photo_ = new QLabel(page);
  president_names_ = new QLabel(page);
  president_names_->setAlignment(Qt::AlignHCenter);
  left->addWidget(president_photo_);
  left->addWidget(president_names_);
  left->addStretch(1);
  body->addLayout(left);
  auto* rows = new QVBoxLayout;
  rows->setSpacing(1);
  for (int row = 0; row < 12; ++row) {
    president_rows_[row] = new QPushButton(page);
    president_rows_[row]->setFlat(true);
    president_rows_[row]->setIcon(
        QIcon(QPixmap::fromImage(OwnPicture(QString::fromLatin1(kPresidentIcons[row])))));
    president_rows_[row]->setIconSize(QSize(24, 24));
    president_rows_[row]->setStyleSheet(QStringLiteral("text-align: left; padding: 2px;"));
    president_texts_[row] = new QLabel(president_rows_[row]);
    president_texts_[row]->setVisible(false);
    connect(president_rows_[row], &QPushButton::clicked, this,
            [this, row] { PresidentRowClicked(row); });
    rows->addWidget(president_rows_[row]);
  }
  rows->addStretch(1);
  body->addLayout(rows, 1);
  layout->addLayout(body);
  return page;
}

QLabel* AccountWindow::PresidentText(int row) {
  return president_texts_[row];
}

void AccountWindow::DrawPresident() {
  const online::TTarvoTop10* line = state_.PresidentLine();
  president_photo_->setPixmap(
      FramedPhoto(line ? state_.president_photo : std::string(), line ? line->Sex : 'M'));
  const online::TInfo14& info = state_.president_info;
  president_names_->setText(line ? Q(info.Name1) + QStringLiteral("\n") + Q(info.Name2) +
                                       QStringLiteral("\n") + Q(line->Nick) + QStringLiteral("\n") +
                                       Q(line->City)
                                 : QString());
  for (int row = 0; row < 12; ++row) {
    const QString text = line ? Q(PresidentField(info, row)) : QString();
    president_texts_[row]->setText(text);
    president_rows_[row]->setText(text);
  }
}

// About, phone, e-mail, Skype and Telegram are copied; the addresses are opened.
void AccountWindow::PresidentRowClicked(int row) {
  const QString text = president_texts_[row]->text().trimmed();
  if (text.isEmpty()) return;
  constexpr bool kCopied[12] = {true,  true, true,  false, true,  false,
                                false, true, false, false, false, false};
  if (kCopied[row]) {
    QApplication::clipboard()->setText(text);
    Notice(T("Copied to clipboard!"));
    return;
  }
  QUrl url = QUrl::fromUserInput(text);
  if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
    QDesktopServices::openUrl(url);
}

}  // namespace ostrel
