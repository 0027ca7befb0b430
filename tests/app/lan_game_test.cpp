// A host window and a client window in one process, over loopback: the network game is set
// up through the entry dialog and the waiting room, a deal is played by clicks on both tables,
// and a player who leaves ends the game on the other copy.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "app/chat_strip.h"
#include "app/lan_game.h"
#include "app/wait_room.h"
#include "app_fixture.h"
#include "game/rules.h"
#include "lan_fixture.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

std::string SortedHand(const GameRecord& r, int seat) {
  std::vector<std::string> cards;
  for (int i = 1; i <= r.CardCount[seat]; ++i) {
    cards.push_back(std::string{r.Hand[seat][i].rank, r.Hand[seat][i].suit});
  }
  std::sort(cards.begin(), cards.end());
  std::string all;
  for (const auto& c : cards) all += c;
  return all;
}

const GameRecord& HostRecord(const std::vector<AppFixture*>& all) {
  return all.front()->Window().CurrentGame().Record();
}

int CardsHeld(const GameRecord& r) {
  return r.CardCount[1] + r.CardCount[2] + r.CardCount[3] + r.CardCount[4];
}

// The host (network seat 1) sees the client at position 2; the client sees the host there.
// Position p of the host is position p % 4 + 1 turned twice on the client.
int ClientPosition(int host_position) {
  return (host_position + 1) % 4 + 1;
}

}  // namespace

class LanGameTest : public QObject {
  Q_OBJECT
 private slots:
  void DealPlayedByClicksAgreesOnBothTables();
  void ClientWaitsForTheHostsFirstDeal();
  void FourPeoplePlayADealWithoutComputerSeats();
  void WholeGameEndsOnBothTablesWithTheHostsRules();
  void ChatLinesGoBothWays();
  void PlayerLeavingEndsTheOtherCopysGame_data();
  void PlayerLeavingEndsTheOtherCopysGame();
};

void LanGameTest::DealPlayedByClicksAgreesOnBothTables() {
  AppFixture host(11);
  AppFixture client(12);
  EnableMultiplayer(host);
  EnableMultiplayer(client);
  QVERIFY(SetUpLanGame(host, client));
  const GameRecord& h = host.Window().CurrentGame().Record();
  const GameRecord& c = client.Window().CurrentGame().Record();
  QVERIFY(client.RunUntil([&] { return c.InGame; }, 5000));
  QCOMPARE(host.Window().Lan()->Lan().Names()[1], std::string("Bo  "));
  QCOMPARE(client.Window().Lan()->Lan().Names()[1], std::string("Anna"));
  QVERIFY(!client.Window().Table()->Button7()->isEnabled() ||
          client.Window().CurrentGame().Record().Phase != kPhaseDealOver);

  int actions = 0;
  int compared = 0;
  const bool over = host.RunUntil(
      [&] {
        if (h.Phase == kPhaseDealOver && c.Phase == kPhaseDealOver) return true;
        // The players act only while both tables are still at the same point of the deal,
        // and then both hold the same cards in every hand. (The phase names the seat to act,
        // so it differs by frame.)
        if (host.Window().Table()->Busy() || client.Window().Table()->Busy() ||
            CardsHeld(h) != CardsHeld(c) || h.TrickPosition != c.TrickPosition) {
          return false;
        }
        ++compared;
        for (int p = 1; p <= 4; ++p) {
          if (SortedHand(h, p) != SortedHand(c, ClientPosition(p))) {
            qWarning("position %d differs in phase %d", p, int(h.Phase));
            return true;
          }
        }
        if (PlayerActs(host.Window()) || PlayerActs(client.Window())) ++actions;
        return false;
      },
      60000);
  QVERIFY2(over, qPrintable(QString("phases %1 / %2").arg(h.Phase).arg(c.Phase)));
  QCOMPARE(int(c.Phase), int(kPhaseDealOver));
  QVERIFY(actions >= 16);  // eight cards each, at least
  QVERIFY2(compared >= 16, qPrintable(QString::number(compared)));
  for (int p = 1; p <= 4; ++p) QCOMPARE(SortedHand(h, p), SortedHand(c, ClientPosition(p)));
  // Host and client are partners: both count the deal for the same team.
  QCOMPARE(h.GameScore[1], c.GameScore[1]);
  QCOMPARE(h.GameScore[2], c.GameScore[2]);
  QVERIFY(h.GameScore[1] + h.GameScore[2] > 0);
  // Only the host starts the next deal.
  QVERIFY(host.Settle() && client.Settle());
  QVERIFY(host.Window().Table()->Button7()->isEnabled());
  QVERIFY(!client.Window().Table()->Button7()->isEnabled());
}

// A seated client shows its table without a game until the host starts; it may leave from
// there, and the host's first deal starts its game.
void LanGameTest::ClientWaitsForTheHostsFirstDeal() {
  AppFixture host(71);
  AppFixture client(72);
  EnableMultiplayer(host);
  EnableMultiplayer(client);
  const quint16 port = FreeLoopbackPort();
  QVERIFY(port != 0);
  bool waited = false;
  EnterNetworkGame(host, "Anna", false, port, [&](QDialog* d) {
    auto* room = qobject_cast<TFormWait*>(d);
    QVERIFY(room != nullptr);
    EnterNetworkGame(client, "Bo", true, port, [](QDialog*) {});
    TForm1& w = client.Window();
    QCOMPARE(w.CurrentScreen(), TForm1::Screen::Table);
    QVERIFY(w.Lan()->WaitingForFirstDeal());
    QVERIFY(!w.CurrentGame().Record().InGame);
    QVERIFY(w.QuitAction()->isEnabled());
    waited = true;
    QTRY_VERIFY_WITH_TIMEOUT(room->OkButton()->isEnabled(), 5000);
    QTest::mouseClick(room->OkButton(), Qt::LeftButton);
  });
  QVERIFY(waited);
  QVERIFY(client.RunUntil([&] { return client.Window().CurrentGame().Record().InGame; }, 5000));
  QVERIFY(!client.Window().Lan()->WaitingForFirstDeal());
  const GameRecord& h = host.Window().CurrentGame().Record();
  const GameRecord& c = client.Window().CurrentGame().Record();
  // The client's first deal is the host's, turned to its own seat.
  for (int p = 1; p <= 4; ++p) QCOMPARE(SortedHand(c, ClientPosition(p)), SortedHand(h, p));
  QCOMPARE(int(c.DealNumber), 1);
}

// Four copies: every seat is a person, the host runs no computer player, and all four tables
// hold the same deal as it is played.
void LanGameTest::FourPeoplePlayADealWithoutComputerSeats() {
  AppFixture host(61);
  AppFixture c1(62), c2(63), c3(64);
  std::vector<AppFixture*> all{&host, &c1, &c2, &c3};
  for (AppFixture* f : all) EnableMultiplayer(*f);
  QVERIFY(SetUpLanGame(host, {&c1, &c2, &c3}));
  const auto record = [](AppFixture* f) -> const GameRecord& {
    return f->Window().CurrentGame().Record();
  };
  QVERIFY(host.RunUntil(
      [&] {
        return std::all_of(all.begin(), all.end(), [&](auto* f) { return record(f).InGame; });
      },
      5000));
  const lan::PositionNames names = host.Window().Lan()->Lan().Names();
  QCOMPARE(names[0], std::string("Cy  "));  // network seat 3 at the host's position 1
  QCOMPARE(names[2], std::string("Di  "));
  for (int p = 1; p <= 3; ++p) QVERIFY(!host.Window().CurrentGame().IsComputerDriven(p));
  int compared = 0;
  const bool over = host.RunUntil(
      [&] {
        if (std::all_of(all.begin(), all.end(),
                        [&](auto* f) { return record(f).Phase == kPhaseDealOver; })) {
          return true;
        }
        for (AppFixture* f : all) {
          if (f->Window().Table()->Busy() || CardsHeld(record(f)) != CardsHeld(HostRecord(all)) ||
              record(f).TrickPosition != HostRecord(all).TrickPosition) {
            return false;
          }
        }
        ++compared;
        for (AppFixture* f : all) PlayerActs(f->Window());
        return false;
      },
      60000);
  QVERIFY2(over, qPrintable(QString::number(int(record(&host).Phase))));
  QVERIFY(compared >= 32);
  // The partnerships see the deal's score from their own side: the same two figures.
  std::vector<std::int32_t> host_scores{record(&host).GameScore[1], record(&host).GameScore[2]};
  std::sort(host_scores.begin(), host_scores.end());
  for (AppFixture* f : all) {
    std::vector<std::int32_t> scores{record(f).GameScore[1], record(f).GameScore[2]};
    std::sort(scores.begin(), scores.end());
    QCOMPARE(scores, host_scores);
  }
}

// Played to its end, the game ends on both tables with the host's target (the client's own
// settings say 501), nobody is told of an interruption, and each copy records the game as a
// network game of the two people in its network club.
void LanGameTest::WholeGameEndsOnBothTablesWithTheHostsRules() {
  AppFixture host(51);
  AppFixture client(52);
  EnableMultiplayer(host);
  EnableMultiplayer(client);
  host.Window().AppSettings().TargetScore = 301;
  client.Window().AppSettings().TargetScore = 501;
  QVERIFY(SetUpLanGame(host, client));
  // From now on no window is expected: one that opens is noted and closed.
  QStringList dialogs;
  for (AppFixture* f : {&host, &client}) {
    QObject::connect(&f->Window(), &TForm1::DialogOpened, [&dialogs](QDialog* d) {
      dialogs << d->objectName();
      QTimer::singleShot(0, d, [d] { d->reject(); });
    });
  }
  const GameRecord& h = host.Window().CurrentGame().Record();
  const GameRecord& c = client.Window().CurrentGame().Record();
  QVERIFY(client.RunUntil([&] { return c.InGame; }, 5000));
  QCOMPARE(client.Window().CurrentGame().Options().TargetScore, 301);
  const auto at_menu = [](AppFixture& f) {
    return f.Window().CurrentScreen() == TForm1::Screen::Menu;
  };
  int deals = 0;
  const bool over = host.RunUntil(
      [&] {
        if (at_menu(host) && at_menu(client)) return true;
        const bool ending = h.GameOver || c.GameOver || !h.InGame || !c.InGame;
        if (!ending && (host.Window().Table()->Busy() || client.Window().Table()->Busy() ||
                        CardsHeld(h) != CardsHeld(c) || h.TrickPosition != c.TrickPosition)) {
          return false;
        }
        deals = std::max(deals, int(h.DealNumber));
        for (AppFixture* f : {&host, &client}) {
          TForm1& w = f->Window();
          if (at_menu(*f) || w.Table()->Busy()) continue;
          TTarvoCardsButton* b8 = w.Table()->Button8();
          if (w.CurrentGame().Record().GameOver && !w.Table()->Button7()->isEnabled() &&
              b8->isVisible() && b8->isEnabled()) {
            QTest::mouseClick(b8, Qt::LeftButton);  // "Exit to menu" after the sum-up
          } else {
            PlayerActs(w);
          }
        }
        return false;
      },
      120000);
  QVERIFY2(over, qPrintable(QString("deal %1, scores %2:%3")
                                .arg(h.DealNumber)
                                .arg(h.GameScore[1])
                                .arg(h.GameScore[2])));
  QVERIFY(deals >= 2);
  QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(", ")));
  QCOMPARE(host.sounds.Count("WWrongs") + client.sounds.Count("WWrongs"), 0);
  for (AppFixture* f : {&host, &client}) {
    const QString folder = QString::fromStdString(f->Folder());
    QFile net(folder + "/Ostrel4.net");
    QFile local(folder + "/Ostrel4.clb");
    QVERIFY(net.open(QIODevice::ReadOnly) && local.open(QIODevice::ReadOnly));
    const QByteArray name = f == &host ? "Anna" : "Bo";
    QVERIFY(net.readAll().contains(name));
    QVERIFY(!local.readAll().contains(name));
    QByteArray lines;
    for (const QFileInfo& file : QDir(folder + "/History").entryInfoList(QDir::Files)) {
      QFile history(file.absoluteFilePath());
      if (history.open(QIODevice::ReadOnly)) lines += history.readAll();
    }
    const QByteArray people = f == &host ? "Anna/Bo" : "Bo/Anna";
    const qsizetype at = lines.indexOf(people);
    QVERIFY2(at >= 15, lines.constData());
    QCOMPARE(lines.at(at - 15 + 89), 'N');  // the kind of game: over the network
  }
}

// A line typed at one table shows on both, in the colour of the seat that wrote it.
void LanGameTest::ChatLinesGoBothWays() {
  AppFixture host(31);
  AppFixture client(32);
  EnableMultiplayer(host);
  EnableMultiplayer(client);
  QVERIFY(SetUpLanGame(host, client));
  ChatStrip* host_chat = host.Window().Chat();
  ChatStrip* client_chat = client.Window().Chat();
  QVERIFY(host_chat->isVisible() && client_chat->Edit()->isVisible());
  QTest::keyClicks(host_chat->Edit(), "good luck");
  QTest::keyClick(host_chat->Edit(), Qt::Key_Return);
  QCOMPARE(host_chat->Lines()[0].seat, 1);
  QVERIFY(client.RunUntil([&] { return client_chat->Lines()[0].seat != 0; }, 5000));
  QCOMPARE(client_chat->Lines()[0].seat, 1);
  QCOMPARE(client_chat->Lines()[0].text, QString("good luck"));
  QCOMPARE(client.sounds.Count("WToMenK"), 1);
  client_chat->Edit()->setText(QString::fromUtf8("и тебе"));  // typed on a Russian layout
  QTest::mouseClick(client_chat->SendButton(), Qt::LeftButton);
  QVERIFY(host.RunUntil([&] { return host_chat->Lines()[1].seat != 0; }, 5000));
  QCOMPARE(host_chat->Lines()[1].seat, 2);
  QCOMPARE(host_chat->Lines()[1].text, QString::fromUtf8("и тебе"));
  QCOMPARE(host.sounds.Count("WToMenK"), 1);  // its own line makes no sound
}

void LanGameTest::PlayerLeavingEndsTheOtherCopysGame_data() {
  QTest::addColumn<bool>("host_leaves");
  QTest::newRow("the client leaves") << false;
  QTest::newRow("the host leaves") << true;
}

void LanGameTest::PlayerLeavingEndsTheOtherCopysGame() {
  QFETCH(bool, host_leaves);
  AppFixture host(21);
  AppFixture client(22);
  EnableMultiplayer(host);
  EnableMultiplayer(client);
  QVERIFY(SetUpLanGame(host, client));
  QVERIFY(client.RunUntil([&] { return client.Window().CurrentGame().Record().InGame; }, 5000));
  AppFixture& leaver = host_leaves ? host : client;
  AppFixture& stayer = host_leaves ? client : host;
  QString shown;
  stayer.OnNextDialog([&shown](QDialog* d) {
    auto* box = qobject_cast<QMessageBox*>(d);
    QVERIFY(box != nullptr);
    shown = box->text();
    box->accept();
  });
  leaver.Window().Quit();  // "Exit to menu", confirmed
  QCOMPARE(leaver.Window().CurrentScreen(), TForm1::Screen::Menu);
  QVERIFY(stayer.RunUntil([&] { return stayer.Window().CurrentScreen() == TForm1::Screen::Menu; },
                          10000));
  QVERIFY2(shown.contains("interrupted"), qPrintable(shown));
  QCOMPARE(stayer.sounds.Count("WWrongs"), 1);
  QVERIFY(!stayer.Window().Lan()->Active());
  QVERIFY(!stayer.Window().CurrentGame().Mode().NetworkMode);
  QVERIFY(stayer.Window().Chat()->isHidden());
}

QTEST_MAIN(LanGameTest)
#include "lan_game_test.moc"
