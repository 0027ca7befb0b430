// A settings file the program could not read keeps what it holds: the window runs with the
// defaults and does not write them over the file when it closes. One it could read is saved at
// closing as ever.
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QtTest>

#include "plain_players.h"
#include "app/main_window.h"
#include "storage/atomic_file.h"
#include "storage/club_file.h"
#include "storage/settings.h"
#include "storage/text.h"

using namespace ostrel;

namespace {

class SilentSounds : public SoundPort {
 public:
  int Play(const std::string&, bool) override { return 0; }
};

// Opens and closes the main window on the folder.
void OpenAndClose(const std::string& folder) {
  const std::string club = SerializeClubFile(InitialClubFile());
  for (const char* name : {kLocalClubFileName, kNetClubFileName}) {
    QVERIFY(ReplaceFileAtomically(folder + "/" + name, club).ok());
  }
  SilentSounds sounds;
  PlainPlayers players;
  AppContext context;
  context.program_folder = folder;
  context.sounds = &sounds;
  context.players = &players;
  context.seed = 3;
  context.instant = true;
  context.music = false;
  context.packs = PackFolders{QString::fromStdString(folder), QString()};
  TForm1 window(context);
  QVERIFY(window.StartedWell());
  window.show();
  QVERIFY(window.close());
}

}  // namespace

class SettingsKeptTest : public QObject {
  Q_OBJECT
 private slots:
  void AnUnreadableSettingsFileIsNotSavedOver();
  void AReadableOneIsSavedAtClosing();
};

void SettingsKeptTest::AnUnreadableSettingsFileIsNotSavedOver() {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string path = folder + "/" + kSettingsFileName;
  // A pipe cannot be read as a file; a save would replace it with a plain file of defaults.
  QCOMPARE(::mkfifo(path.c_str(), 0644), 0);
  OpenAndClose(folder);
  struct stat st {};
  QCOMPARE(::lstat(path.c_str(), &st), 0);
  QVERIFY(S_ISFIFO(st.st_mode));
}

void SettingsKeptTest::AReadableOneIsSavedAtClosing() {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  const std::string path = folder + "/" + kSettingsFileName;
  Settings mine = DefaultSettings();
  mine.CardSpeed = 2;
  mine.PlayerName = "Anna";
  QVERIFY(ReplaceFileAtomically(path, JoinCrLf(FormatSettings(mine))).ok());
  OpenAndClose(folder);
  const Settings saved = LoadSettings(path);
  QCOMPARE(saved.CardSpeed, 2);
  QCOMPARE(saved.PlayerName, std::string("Anna"));
}

QTEST_MAIN(SettingsKeptTest)
#include "settings_kept_test.moc"
