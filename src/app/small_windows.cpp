#include "app/small_windows.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QSlider>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/text.h"
#include "table/cards_button.h"

// The help is compiled into the program's static library; its resources must be registered.
static void InitHelpResource() {
  Q_INIT_RESOURCE(help);
}

namespace ostrel {

namespace {

QString U(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

TTarvoCardsButton* OkButton(QDialog* dialog) {
  auto* ok = new TTarvoCardsButton(T("Ok"), dialog);
  ok->setObjectName("ButtonOk");
  ok->SetColorSB(SkinColour::DGreen);
  ok->setFixedHeight(30);
  QObject::connect(ok, &QAbstractButton::clicked, dialog, &QDialog::accept);
  return ok;
}

}  // namespace

QStringList GameInfoLines(const GameInfo& i) {
  return {QString::number(i.game_number),
          QStringLiteral("%1 / 25").arg(i.cycle_game),
          QString::number(i.initial_score),
          QString::number(i.difference),
          QString::number(i.initial_score + i.difference),
          QString::number(i.rating_before, 'f', 2),
          QString::number(i.rating_after, 'f', 2)};
}

InfoWindow::InfoWindow(const GameInfo& info, QWidget* parent) : QDialog(parent) {
  setObjectName("InfoWindow");
  setWindowTitle(T("General score"));
  auto* grid = new QGridLayout(this);
  auto* head = new QLabel(T(PhraseKey::InfoAboutGame), this);
  head->setStyleSheet("font-size: 16px; font-weight: bold; color: #800000;");
  grid->addWidget(head, 0, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(new QLabel(T(PhraseKey::InfoPlayer) + ":", this), 1, 0);
  auto* player = new QLabel(info.player, this);
  player->setObjectName("ValuePlayer");
  player->setStyleSheet("font-weight: bold;");
  grid->addWidget(player, 1, 1, Qt::AlignRight);
  const PhraseKey titles[7] = {PhraseKey::TotalGames,   PhraseKey::RoundInCycle,
                               PhraseKey::InitialScore, PhraseKey::CurrentScore,
                               PhraseKey::TotalScore,   PhraseKey::InitialRating,
                               PhraseKey::CurrentRating};
  const QStringList values = GameInfoLines(info);
  for (int i = 0; i < 7; ++i) {
    grid->addWidget(new QLabel(T(titles[i]), this), i + 2, 0);
    auto* v = new QLabel(values[i], this);
    v->setObjectName(QStringLiteral("Value%1").arg(i + 1));
    v->setStyleSheet("font-weight: bold; color: #000080;");
    grid->addWidget(v, i + 2, 1, Qt::AlignRight);
  }
  grid->addWidget(OkButton(this), 9, 0, 1, 2);
}

TFormSpeed::TFormSpeed(int speed, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormSpeed");
  setWindowTitle(T("Choice of speed"));
  setFixedSize(340, 280);
  auto* layout = new QVBoxLayout(this);
  auto* head = new QLabel(T("Choice of speed"), this);
  head->setStyleSheet("font-size: 20px; font-weight: bold; color: #800000;");
  head->setAlignment(Qt::AlignCenter);
  layout->addWidget(head);
  layout->addWidget(new QLabel(T("Select a flight speed of cards:"), this));
  bar_ = new QSlider(Qt::Horizontal, this);
  bar_->setObjectName("TrackBar1");
  bar_->setRange(1, 6);
  bar_->setTickPosition(QSlider::TicksBelow);
  bar_->setTickInterval(1);
  bar_->setPageStep(1);
  bar_->setValue(std::clamp(speed, 1, 6));
  layout->addWidget(bar_);
  auto* digits = new QHBoxLayout();
  for (int i = 1; i <= 6; ++i) {
    digits->addWidget(new QLabel(QString::number(i), this), 0,
                      i == 1   ? Qt::AlignLeft
                      : i == 6 ? Qt::AlignRight
                               : Qt::AlignCenter);
  }
  layout->addLayout(digits);
  layout->addStretch();
  layout->addWidget(OkButton(this));
  connect(bar_, &QSlider::valueChanged, this, &TFormSpeed::SpeedChanged);
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle(T("Help"));
  resize(640, 560);
  auto* layout = new QVBoxLayout(this);
  auto* browser = new QTextBrowser(this);
  browser->setObjectName("HelpBrowser");
  browser->setOpenExternalLinks(true);
  InitHelpResource();
  QFile file(QStringLiteral(":/help/rules.html"));
  browser->setHtml(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                                  : T("Can`t find ") + "rules.html");
  layout->addWidget(browser);
  layout->addWidget(OkButton(this));
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutWindow");
  setWindowTitle(T("About"));
  auto* layout = new QVBoxLayout(this);
  auto* text = new QLabel(this);
  text->setAlignment(Qt::AlignCenter);
  text->setWordWrap(true);
  text->setMinimumWidth(380);
  text->setText(QStringLiteral("<h2 style='color:#800000'>%1</h2><p>V 5.7f</p><p>%2</p><p>%3</p>")
                    .arg(T("Ostrel-Quartet"), T(PhraseKey::AboutGame).toHtmlEscaped(),
                         T(PhraseKey::AboutLicence).toHtmlEscaped()));
  layout->addWidget(text);
  layout->addWidget(OkButton(this));
}

TFormTopTen::TFormTopTen(const TopTenTable& table, QWidget* parent) : QDialog(parent) {
  setObjectName("TFormTopTen");
  setWindowTitle(T("Top Ten"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(T(table.title), this);
  title->setAlignment(Qt::AlignCenter);
  title->setStyleSheet("font-weight: bold; font-size: 15px; color: #800000;");
  layout->addWidget(title);
  auto* grid = new QGridLayout();
  grid->addWidget(new QLabel("<b>" + T("Top Ten") + "</b>", this), 0, 1);
  grid->addWidget(new QLabel("<b>" + T("Score") + "</b>", this), 0, 2, Qt::AlignRight);
  for (int i = 1; i <= 10; ++i) {
    const TopTenRow& row = table.rows[i];
    const QString colour = row.red ? "#c00000" : "#000080";
    const auto cell = [&](const std::string& text, const char* name) {
      auto* l = new QLabel(U(text).trimmed(), this);
      l->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
      l->setStyleSheet("color: " + colour + "; font-family: 'DejaVu Sans Mono';");
      return l;
    };
    grid->addWidget(cell(row.rank, "Rank"), i, 0);
    // A place that holds no result yet stays blank.
    grid->addWidget(cell(row.empty ? std::string() : row.name, "Name"), i, 1);
    grid->addWidget(cell(row.empty ? std::string() : row.result, "Result"), i, 2, Qt::AlignRight);
  }
  layout->addLayout(grid);
  layout->addWidget(OkButton(this));
  setMinimumWidth(360);
}

}  // namespace ostrel
