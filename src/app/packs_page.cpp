#include "app/packs_page.h"

#include <QApplication>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <cstring>

#include "app/text.h"
#include "packs/pack_names.h"

namespace ostrel {

namespace {

// "Medieval-1 … Skat - French suits": the first and the last face set a card pack holds.
QString FaceSetRange(const char* pack) {
  int first = -1, last = -1;
  for (int set = 0; set < kFaceSetCount; ++set) {
    if (std::strcmp(FaceSet(set).pack, pack) != 0) continue;
    if (first < 0) first = set;
    last = set;
  }
  if (first < 0) return {};
  return T(FaceSet(first).phrase) + QStringLiteral(" … ") + T(FaceSet(last).phrase);
}

QString Contents(int number) {
  const QString cards = T("Cards") + QStringLiteral(": ");
  switch (number) {
    case 1:
      return cards + FaceSetRange(kPackCardsA);
    case 2:
      return cards + FaceSetRange(kPackCardsB) + QStringLiteral(", ") + T("Decks");
    case 3:
      return T("Background");
    case 4:
      return T("Calendar");
    case 5:
      return T("Radio stations");
    case 6:
      return T("Radio station logos");
    case 7:
      return T("Spoken card names");
    case 8:
      return cards + FaceSetRange(kPackCardsC);
    case 9:
      return T("Design") + QStringLiteral(": ") + T("Purple");
    default:
      return {};
  }
}

// A pack that is already there cannot be fetched again; its button is drawn pale and flat
// whatever the palette of the design, so that the packs still missing stand out at a glance.
// A sheet for the disabled state only: an enabled button keeps the style's own look.
void FadeWhenDisabled(QPushButton* button) {
  button->setStyleSheet(
      QStringLiteral("QPushButton:disabled { color: #b4b4b4; background-color: #fafafa;"
                     " border: 1px solid #e0e0e0; border-radius: 3px; padding: 4px 8px; }"));
}

}  // namespace

QString TPacksPage::Caption(int number) {
  const QString file = DownloadablePack(number);
  if (file.isEmpty()) return {};
  return Contents(number) + QStringLiteral(" (") + file + QStringLiteral(")");
}

TPacksPage::TPacksPage(Settings& settings, PackFolders folders, QString site, PlaySound play_sound,
                       QWidget* parent)
    : QWidget(parent),
      s_(settings),
      folders_(std::move(folders)),
      site_(std::move(site)),
      play_sound_(std::move(play_sound)) {
  auto* layout = new QVBoxLayout(this);
  auto* note = new QLabel(T("The program's own cards, backs and table are built in."), this);
  note->setWordWrap(true);
  layout->addWidget(note);
  for (int number = 1; number <= kDownloadablePacks; ++number) {
    auto* button = new QPushButton(Caption(number), this);
    button->setObjectName(QStringLiteral("ButtonDownload%1").arg(number));
    button->setToolTip(QStringLiteral("<b>") + T("Download").toHtmlEscaped() +
                       QStringLiteral("</b><br>") + DownloadablePack(number).toHtmlEscaped());
    FadeWhenDisabled(button);
    connect(button, &QPushButton::clicked, this, [this, number] { Download(number); });
    layout->addWidget(button);
    buttons_[static_cast<std::size_t>(number - 1)] = button;
  }
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("LabelDownloadError"));
  message_->setWordWrap(true);
  layout->addWidget(message_);

  auto* group = new QGroupBox(T("Reading the list of radio stations"), this);
  auto* gl = new QVBoxLayout(group);
  auto* server = new QRadioButton(T("From the server"), group);
  auto* disk = new QRadioButton(T("From disk"), group);
  server->setObjectName(QStringLiteral("RadioFromServer"));
  disk->setObjectName(QStringLiteral("RadioFromDisk"));
  gl->addWidget(server);
  gl->addWidget(disk);
  (s_.RadioListFromServer ? server : disk)->setChecked(true);
  connect(server, &QRadioButton::toggled, this, [this](bool on) {
    s_.RadioListFromServer = on;
    emit Changed();
  });
  layout->addWidget(group);
  layout->addStretch();
  RefreshButtons();
}

QPushButton* TPacksPage::DownloadButton(int number) const {
  if (number < 1 || number > kDownloadablePacks) return nullptr;
  return buttons_[static_cast<std::size_t>(number - 1)];
}

void TPacksPage::showEvent(QShowEvent* event) {
  RefreshButtons();
  QWidget::showEvent(event);
}

TPacksPage::~TPacksPage() {
  // The download itself runs to its end on its thread; only its answer is no longer wanted.
  if (downloading_) QApplication::restoreOverrideCursor();
}

void TPacksPage::RefreshButtons() {
  for (int number = 1; number <= kDownloadablePacks; ++number) {
    DownloadButton(number)->setEnabled(!downloading_ &&
                                       !PackFileExists(folders_, DownloadablePack(number)));
  }
}

void TPacksPage::Download(int number) {
  if (downloading_) return;
  downloading_ = true;
  RefreshButtons();
  message_->clear();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  auto* watcher = new QFutureWatcher<PackDownload>(this);
  connect(watcher, &QFutureWatcher<PackDownload>::finished, this, [this, watcher] {
    watcher->deleteLater();
    Finish(watcher->result());
  });
  // The worker gets copies: the page may be closed before the download ends.
  watcher->setFuture(QtConcurrent::run(
      [folders = folders_, site = site_, number] { return DownloadPack(folders, site, number); }));
}

void TPacksPage::Finish(const PackDownload& result) {
  downloading_ = false;
  QApplication::restoreOverrideCursor();
  if (play_sound_) play_sound_(result.ok ? "WToMenK" : "WWrongs");
  message_->setText(result.ok ? QString() : result.error);
  RefreshButtons();
  if (result.ok) emit PacksChanged();
  emit DownloadFinished(result.ok);
}

}  // namespace ostrel
