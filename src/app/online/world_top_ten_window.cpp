#include "app/online/world_top_ten_window.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "app/account/account_pictures.h"
#include "app/text.h"

namespace ostrel {

struct WorldTopTenWindow::Answer {
  TopTenView view = TopTenView::WindowsCycle;
  online::TourKind kind = online::TourKind::Score;
  std::optional<std::vector<ShownLine>> lines;
  std::optional<int> games;                    // service lists only
  std::optional<std::vector<ShownLine>> near;  // service lists only
};

namespace {

enum Column { kPlace, kFlag, kSex, kNick, kWhere, kScore, kColumns };

// The game identifier of a service list; 0 for the views that are not one.
int GameIdOf(TopTenView view) {
  switch (view) {
    case TopTenView::WindowsCycle:
      return online::ServiceGameId(online::GameList::Windows);
    case TopTenView::AndroidCycle:
      return online::ServiceGameId(online::GameList::Android);
    case TopTenView::AccountCycle:
      return online::ServiceGameId(online::GameList::ClubAccounts);
    default:
      return 0;
  }
}

QTreeWidget* MakeTree(QWidget* parent, int rows) {
  auto* tree = new QTreeWidget(parent);
  tree->setColumnCount(kColumns);
  tree->setHeaderHidden(true);
  tree->setRootIsDecorated(false);
  tree->setSelectionMode(QAbstractItemView::NoSelection);
  tree->setFocusPolicy(Qt::NoFocus);
  tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  tree->header()->setStretchLastSection(false);
  tree->setMinimumHeight(rows * 20 + 6);
  return tree;
}

}  // namespace

QString WorldTopTenWindow::ViewTitle(TopTenView view) {
  switch (view) {
    case TopTenView::AccountRating:
      return T(PhraseKey::TopTenAccountRatingTitle);
    case TopTenView::AccountCycle:
      return T(PhraseKey::TopTenAccountCycleTitle);
    case TopTenView::WindowsCycle:
      return T(PhraseKey::TopTenWindowsCycleTitle);
    case TopTenView::AndroidCycle:
      return T(PhraseKey::TopTenAndroidCycleTitle);
    case TopTenView::Tournament:
      return T(PhraseKey::TopTenTournamentTitle);
    case TopTenView::LocalGames:
      return T(PhraseKey::TopTenLocalTitle);
    case TopTenView::NetGames:
      return T(PhraseKey::TopTenNetTitle);
  }
  return {};
}

WorldTopTenWindow::WorldTopTenWindow(ServiceClient client, TopTenWindowInput input, QWidget* parent)
    : QDialog(parent), job_(std::move(client)), input_(std::move(input)) {
  setObjectName(QStringLiteral("TFormWorldTopTen"));
  setWindowTitle(T(PhraseKey::WorldTopTen));
  if (input_.purple) {
    views_ = {TopTenView::AccountRating, TopTenView::AccountCycle, TopTenView::WindowsCycle,
              TopTenView::AndroidCycle,  TopTenView::Tournament,   TopTenView::LocalGames,
              TopTenView::NetGames};
  } else {
    views_ = {TopTenView::WindowsCycle, TopTenView::AndroidCycle, TopTenView::AccountCycle};
  }
  view_ = input_.purple ? TopTenView::AccountRating : TopTenView::WindowsCycle;

  auto* layout = new QHBoxLayout(this);
  choice_ = new QListWidget(this);
  choice_->setObjectName(QStringLiteral("views"));
  for (TopTenView view : views_) choice_->addItem(ViewTitle(view));
  choice_->setFixedSize(choice_->sizeHintForColumn(0) + 12,
                        choice_->sizeHintForRow(0) * choice_->count() + 8);
  layout->addWidget(choice_, 0, Qt::AlignTop);

  auto* right = new QVBoxLayout();
  title_ = new QLabel(this);
  title_->setAlignment(Qt::AlignCenter);
  title_->setStyleSheet(QStringLiteral("font-weight: bold; color: #800000;"));
  right->addWidget(title_);
  right->addWidget(MakeTourKinds());
  list_ = MakeTree(this, 10);
  list_->setObjectName(QStringLiteral("list"));
  right->addWidget(list_);
  games_ = new QLabel(this);
  games_->setObjectName(QStringLiteral("games"));
  right->addWidget(games_);
  near_ = MakeTree(this, 5);
  near_->setObjectName(QStringLiteral("near"));
  right->addWidget(near_);

  right->addLayout(MakeBottom());
  layout->addLayout(right, 1);

  connect(&job_, &OnlineJob::BusyChanged, waiting_, &QWidget::setVisible);
  connect(choice_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0 && row < static_cast<int>(views_.size())) ShowView(views_[row]);
  });
  resize(input_.purple ? 720 : 620, 520);
  // The first view is read once, here, not again by the choice's signal.
  choice_->blockSignals(true);
  choice_->setCurrentRow(0);
  choice_->blockSignals(false);
  ShowView(view_);
}

// The tournament lists' three kinds: by score, rating or games.
QWidget* WorldTopTenWindow::MakeTourKinds() {
  tour_kinds_ = new QWidget(this);
  auto* kinds = new QHBoxLayout(tour_kinds_);
  kinds->setContentsMargins(0, 0, 0, 0);
  const std::pair<online::TourKind, QString> kind_buttons[] = {
      {online::TourKind::Score, T(PhraseKey::OnlineScore)},
      {online::TourKind::Rating, T(PhraseKey::TopRating)},
      {online::TourKind::Games, T(PhraseKey::OnlineGames)}};
  for (const auto& [kind, caption] : kind_buttons) {
    auto* button = new QPushButton(caption, tour_kinds_);
    button->setObjectName(QStringLiteral("kind_") + QChar(static_cast<char>(kind)));
    connect(button, &QPushButton::clicked, this, [this, kind = kind] { ShowTourKind(kind); });
    kinds->addWidget(button);
  }
  return tour_kinds_;
}

QLayout* WorldTopTenWindow::MakeBottom() {
  auto* bottom = new QHBoxLayout();
  waiting_ = new QLabel(T("Waiting for the server…"), this);
  waiting_->setObjectName(QStringLiteral("waiting"));
  waiting_->setVisible(false);
  bottom->addWidget(waiting_, 1);
  stats_ = new QPushButton(T(PhraseKey::WorldStatsTitle), this);
  stats_->setObjectName(QStringLiteral("stats"));
  connect(stats_, &QPushButton::clicked, this, &WorldTopTenWindow::StatsChosen);
  bottom->addWidget(stats_);
  auto* close = new QPushButton(T(PhraseKey::Close), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(close);
  return bottom;
}

void WorldTopTenWindow::ShowView(TopTenView view) {
  view_ = view;
  title_->setText(ViewTitle(view));
  const bool service_list = GameIdOf(view) != 0;
  games_->setVisible(service_list);
  near_->setVisible(service_list);
  tour_kinds_->setVisible(view == TopTenView::Tournament);
  list_->clear();
  near_->clear();
  games_->clear();
  if (view == TopTenView::LocalGames || view == TopTenView::NetGames) {
    Fill(list_,
         ClubShownLines(view == TopTenView::LocalGames ? input_.local_games : input_.net_games));
    return;
  }
  Read();
}

void WorldTopTenWindow::ShowTourKind(online::TourKind kind) {
  tour_kind_ = kind;
  if (view_ == TopTenView::Tournament) ShowView(view_);
}

// Reads the current view; a view chosen while a read runs is read when that one is done.
void WorldTopTenWindow::Read() {
  const TopTenView view = view_;
  const online::TourKind kind = tour_kind_;
  const int gid = GameIdOf(view);
  const bool account = view == TopTenView::AccountCycle && !input_.account_nick.empty();
  const std::string nick = account ? input_.account_nick : input_.passport_nick;
  const std::string city = account ? input_.account_city : input_.passport_city;
  job_.Run([this, view, kind, gid, nick, city](const ServiceClient& client) -> OnlineJob::Finish {
    Answer answer{view, kind, {}, {}, {}};
    if (view == TopTenView::AccountRating) {
      if (auto lines = ReadAccountRatings(client)) answer.lines = RatingShownLines(*lines);
    } else if (view == TopTenView::Tournament) {
      if (auto lines = ReadTourTopTen(client, kind)) answer.lines = TourShownLines(*lines);
    } else if (auto lines = ReadTopTenList(client, gid)) {
      answer.lines = TopTenShownLines(*lines, view == TopTenView::WindowsCycle);
      answer.games = ReadTopTenSize(client, gid);
      if (auto near = ReadTopTenNear(client, gid, nick, city)) answer.near = NearShownLines(*near);
    }
    // Runs on the window's thread, and only while the window lives (OnlineJob drops it else).
    return [this, answer] { ShowAnswer(answer); };
  });
}

void WorldTopTenWindow::ShowAnswer(const Answer& answer) {
  if (answer.view != view_ || (view_ == TopTenView::Tournament && answer.kind != tour_kind_)) {
    ShowView(view_);  // the player chose another list meanwhile
    return;
  }
  if (!answer.lines) {
    ShowNoConnect();
    return;
  }
  Fill(list_, *answer.lines);
  if (GameIdOf(view_) == 0) return;
  games_->setText(T(PhraseKey::NumberOfGames) + QStringLiteral(": ") +
                  (answer.games ? QString::number(*answer.games) : T(PhraseKey::NoConnect)));
  if (answer.near) Fill(near_, *answer.near);
}

void WorldTopTenWindow::ShowNoConnect() {
  list_->clear();
  auto* item = new QTreeWidgetItem(list_);
  item->setText(kNick, T(PhraseKey::NoConnect));
  item->setForeground(kNick, QColor(0xc0, 0, 0));
}

void WorldTopTenWindow::Fill(QTreeWidget* tree, const std::vector<ShownLine>& lines) {
  tree->clear();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ShownLine& line = lines[i];
    auto* item = new QTreeWidgetItem(tree);
    item->setText(kPlace, line.place);
    if (!line.country_code.isEmpty())
      item->setIcon(kFlag, QIcon(CountryFlagOfCode(line.country_code.toStdString())));
    if (line.sex != 0) item->setIcon(kSex, QIcon(FaceIcon(line.sex)));
    item->setText(kNick, line.nick);
    item->setText(kWhere, line.where);
    item->setText(kScore, line.score);
    item->setTextAlignment(kScore, Qt::AlignRight | Qt::AlignVCenter);
    const QColor colour = i < 3 ? QColor(0xc0, 0, 0) : QColor(0, 0, 0x80);
    for (int c = 0; c < kColumns; ++c) item->setForeground(c, colour);
  }
}

}  // namespace ostrel
