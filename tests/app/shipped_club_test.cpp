// A copy of the program with no club files beside it starts from the ones it carries; files
// shipped beside an installation come first, and one that is there but unreadable stops it.
#include <QtTest>

#include "app/shipped_club.h"
#include "app/text.h"
#include "storage/club_file.h"
#include "storage/club_store.h"
#include "storage/file_system.h"

using namespace ostrel;

namespace {

std::string Read(const QString& folder, const char* name) {
  return ReadWholeFile((folder + "/" + name).toStdString()).value_or("(missing)");
}

void Write(const QString& path, const std::string& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// No HOME to fall back on: the program folder must be the portable one beside the program.
const Environment kNoHome = [](const std::string&) { return std::optional<std::string>(); };

}  // namespace

class ShippedClubTest : public QObject {
  Q_OBJECT
 private slots:
  void ACopyWithNothingBesideItStartsFromWhatItCarries();
  void ShippedFilesBesideAnInstallationComeFirst();
  void AShippedFileThatCannotBeReadStopsTheStart();
};

void ShippedClubTest::ACopyWithNothingBesideItStartsFromWhatItCarries() {
  QTemporaryDir exe;
  QVERIFY(exe.isValid());
  QString error;
  const auto folders =
      PrepareProgramFiles(exe.path(), ShippedClubFolders(exe.path() + "/no/such"), kNoHome, &error);
  QVERIFY2(folders.has_value(), qPrintable(error));
  QCOMPARE(QString::fromStdString(folders->program), QDir(exe.path()).absolutePath());
  for (const char* name : {kLocalClubFileName, kNetClubFileName}) {
    const std::string path = folders->program + "/" + name;
    QVERIFY2(VerifyClubFile(path).usable(), name);
    QCOMPARE(Read(exe.path(), name), SerializeClubFile(InitialClubFile()));
  }
  // A second start finds the player's club and keeps it.
  Write(exe.path() + "/" + kLocalClubFileName, "the player's own club");
  QVERIFY(PrepareProgramFiles(exe.path(), {}, kNoHome, &error).has_value());
  QCOMPARE(Read(exe.path(), kLocalClubFileName), std::string("the player's own club"));
}

void ShippedClubTest::ShippedFilesBesideAnInstallationComeFirst() {
  QTemporaryDir exe, share;
  ClubFile club = InitialClubFile();
  std::string best = "Anna";
  best.resize(20, ' ');
  club.lines[6] = best + "   120";
  const std::string shipped = SerializeClubFile(club);
  Write(share.path() + "/" + kLocalClubFileName, shipped);  // the net file only inside
  QString error;
  const auto folders = PrepareProgramFiles(exe.path(), {share.path()}, kNoHome, &error);
  QVERIFY2(folders.has_value(), qPrintable(error));
  QCOMPARE(Read(exe.path(), kLocalClubFileName), shipped);
  QCOMPARE(Read(exe.path(), kNetClubFileName), SerializeClubFile(InitialClubFile()));
}

void ShippedClubTest::AShippedFileThatCannotBeReadStopsTheStart() {
  QTemporaryDir exe, share;
  // There, but not a file: taken for a read error, never for "absent".
  QVERIFY(QDir(share.path()).mkdir(kLocalClubFileName));
  QString error;
  QVERIFY(!PrepareProgramFiles(exe.path(), {share.path()}, kNoHome, &error).has_value());
  QVERIFY2(error.startsWith(T(PhraseKey::DiskWriteError)), qPrintable(error));
  QVERIFY2(error.contains(kLocalClubFileName), qPrintable(error));
  QVERIFY(!QFile::exists(exe.path() + "/" + kLocalClubFileName));
}

QTEST_MAIN(ShippedClubTest)
#include "shipped_club_test.moc"
