// Two windows of one process in a LAN game over loopback: the host's entry and waiting room,
// the client joining from inside the host's room, as the players do it by typing and clicks.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "app_fixture.h"

namespace ostrel::testing {

// A loopback port nothing listens on just now; 0 when none could be found.
quint16 FreeLoopbackPort();
// Leaves the title and switches Multiplayer on, as the options window does.
void EnableMultiplayer(AppFixture& f);
// "New Player": fills the entry dialog in its network layout and presses OK; `room` then acts
// on the waiting room once it shows.
void EnterNetworkGame(AppFixture& f, const QString& name, bool client, quint16 port,
                      std::function<void(QDialog*)> room);
// The host ("Anna") opens its room, the client ("Bo") joins from inside it, and the host starts
// with one client. True when both windows show their tables.
bool SetUpLanGame(AppFixture& host, AppFixture& client);
// The same with three clients ("Bo", "Cy", "Di", seated in this order): four people.
bool SetUpLanGame(AppFixture& host, const std::vector<AppFixture*>& clients);

}  // namespace ostrel::testing
