#include "app_fixture.h"

#include <QLineEdit>

#include "game/rules.h"
#include "storage/atomic_file.h"
#include "storage/club_file.h"
#include "table/cards_button.h"

namespace ostrel::testing {

QPoint CardPoint(TForm1& w, int position) {
  TableView* view = w.Table()->View();
  const QPoint at = view->HandCardPos(4, position, view->State().hands[4].count);
  return at + QPoint(4, view->Layout().card.h / 2);
}

void ClickCard(TForm1& w, int position) {
  QTest::mouseClick(w.Table()->View(), Qt::LeftButton, {}, CardPoint(w, position));
}

bool Drain(TableScreen& table, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (table.Busy()) {
    if (clock.elapsed() > ms) return false;
    QTest::qWait(1);
  }
  return true;
}

bool PlayerActs(TForm1& w) {
  if (w.Table()->Busy()) return false;
  TTarvoCardsButton* b7 = w.Table()->Button7();
  if (b7->isVisible() && b7->isEnabled()) {
    QTest::mouseClick(b7, Qt::LeftButton);
    return true;
  }
  const GameRecord& r = w.CurrentGame().Record();
  if (r.Phase == 24) {
    for (int p = 1; p <= r.CardCount[4]; ++p) {
      if (w.CurrentGame().CanPlay(p) == kAllowed) {
        ClickCard(w, p);
        return true;
      }
    }
  }
  return false;
}

AppFixture::AppFixture(std::uint64_t seed, bool instant, ComputerPlayers* computer,
                       std::optional<PackFolders> packs, QString site) {
  folder_ = dir_.path().toStdString();
  const std::string club = SerializeClubFile(InitialClubFile());
  for (const char* name : {kLocalClubFileName, kNetClubFileName}) {
    if (!ReplaceFileAtomically(folder_ + "/" + name, club).ok()) qFatal("cannot write club file");
  }
  AppContext context;
  context.program_folder = folder_;
  // The radio keeps its files in the test's folder, not in the shared one above it.
  context.radio_folder = folder_;
  context.sounds = &sounds;
  context.players = computer != nullptr ? computer : &players;
  context.seed = seed;
  context.instant = instant;
  context.music = false;
  context.site = site;
  context.table_tick_ms = instant ? 1 : 0;
  // The tests' own folder holds no packs: the program's own set, unless a test brings some.
  context.packs = packs ? *packs : PackFolders{QString::fromStdString(folder_), QString()};
  context.confirm = [this](const QString& q) {
    questions << q;
    return answer;
  };
  window_ = std::make_unique<TForm1>(context);
  QObject::connect(window_.get(), &TForm1::DialogOpened, [this](QDialog* dialog) {
    if (pending_.empty()) return;
    auto action = pending_.front();
    pending_.erase(pending_.begin());
    QTimer::singleShot(0, dialog, [dialog, action] { action(dialog); });
  });
  window_->show();
  QVERIFY2(window_->StartedWell(), qPrintable(window_->StartError()));
}

void AppFixture::LeaveTitle() {
  QTest::mouseClick(window_->Title(), Qt::LeftButton);
}

void AppFixture::OnNextDialog(std::function<void(QDialog*)> action) {
  pending_.push_back(std::move(action));
}

void AppFixture::StartAsNewPlayer(const QString& name, const QString& password) {
  OnNextDialog([name, password](QDialog* d) {
    auto* login = qobject_cast<TFormPassword*>(d);
    QVERIFY(login != nullptr);
    login->NameEdit()->clear();
    QTest::keyClicks(login->NameEdit(), name);
    QTest::keyClicks(login->PasswordEdit(), password);
    QTest::keyClicks(login->RepetitionEdit(), password);
    QTest::mouseClick(login->OkButton(), Qt::LeftButton);
  });
  QTest::mouseClick(window_->Menu()->NewPlayerButton(), Qt::LeftButton);
}

bool AppFixture::RunUntil(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return false;
    QTest::qWait(1);
  }
  return true;
}

bool AppFixture::Settle(int ms) {
  return RunUntil([this] { return !window_->Table()->Busy(); }, ms);
}

}  // namespace ostrel::testing
