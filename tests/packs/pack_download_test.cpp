// Downloads of the packs from a local server: only a whole, intact pack ever lands in the
// folder above, where the loader then finds it; everything else leaves the folder as it was.
#include "packs/pack_download.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "packs/pack_names.h"
#include "packs/pack_writer.h"
#include "support/local_http_server.h"

namespace ostrel {
namespace {

using testing::HttpReply;
using testing::LocalHttpServer;

std::string SmallPack() {
  PackWriter w;
  w.Add("Ch06Med", PackKind::kPng, std::vector<std::uint8_t>(400, 0x11));
  w.Add("Ch07Med", PackKind::kPng, std::vector<std::uint8_t>(300, 0x22));
  const std::vector<std::uint8_t> bytes = w.Bytes();
  return {bytes.begin(), bytes.end()};
}

std::string Path(const char* name) {
  return std::string("/downloads/progr/cards/") + name;
}

class PackDownloads : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    QDir(root_.path()).mkdir(QStringLiteral("game"));
    folders_ = {root_.filePath(QStringLiteral("game")), root_.path()};
  }
  // What lies in the folder above besides the program's folder.
  QStringList Above() const {
    QStringList names = QDir(folders_.above).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
  }
  QByteArray ReadAbove(const char* name) const {
    QFile f(QDir(folders_.above).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QString Site() const { return QString::fromStdString(server_.Url("")); }

  QTemporaryDir root_;
  PackFolders folders_;
  LocalHttpServer server_;
};

TEST(DownloadablePacks, AreTheNineFilesInButtonOrder) {
  const QStringList expected = {"TarvoCards06A.dll",   "TarvoCards06B.dll", "TarvoBackG03.dll",
                                "TarvoCalendar01.dll", "TarvoRadio.rad",    "TarvoRadio02.dll",
                                "TarvoCVoice3.dll",    "TarvoCards06C.dll", "TarvoCGraph1.dll"};
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(DownloadablePack(n), expected[n - 1]) << n;
  EXPECT_EQ(DownloadablePack(0), QString());
  EXPECT_EQ(DownloadablePack(10), QString());
}

TEST_F(PackDownloads, AGoodPackLandsAboveAndIsFoundThere) {
  const std::string pack = SmallPack();
  server_.Serve(Path(kPackCardsA), HttpReply::Body(pack));
  ASSERT_FALSE(PackFileExists(folders_, kPackCardsA));
  // A site written with a closing slash asks for the same path.
  const PackDownload d = DownloadPack(folders_, Site() + "/", 1);
  ASSERT_TRUE(d.ok) << d.error.toStdString();
  EXPECT_EQ(d.error, QString());
  EXPECT_EQ(server_.Requests(), std::vector<std::string>{Path(kPackCardsA)});
  EXPECT_EQ(Above(), QStringList{kPackCardsA});
  EXPECT_EQ(ReadAbove(kPackCardsA).toStdString(), pack);
  EXPECT_TRUE(PackFileExists(folders_, kPackCardsA));
  auto reader = OpenPack(folders_, kPackCardsA);
  ASSERT_NE(reader, nullptr);
  ASSERT_NE(reader->Find("Ch07Med"), nullptr);
  EXPECT_EQ(reader->Read(*reader->Find("Ch07Med")), std::vector<std::uint8_t>(300, 0x22));
}

struct BrokenCase {
  const char* name;
  HttpReply reply;
  const char* error;
};

TEST_F(PackDownloads, ABrokenDownloadLeavesNothingAndKeepsAnOlderCopy) {
  const std::string pack = SmallPack();
  std::string bad_entry = pack;
  bad_entry.back() ^= 0x01;  // the last entry's data no longer match their CRC
  std::string bad_index = pack;
  bad_index[kPackHeaderSize] ^= 0x01;
  const BrokenCase cases[] = {
      {"cut short", HttpReply::CutAfter(pack, pack.size() - 10),
       "Cannot download TarvoCards06B.dll: the answer ended early"},
      {"damaged entry", HttpReply::Body(bad_entry),
       "Cannot download TarvoCards06B.dll: the file is not an intact pack: entry Ch07Med fails "
       "its CRC-32"},
      {"damaged index", HttpReply::Body(bad_index),
       "Cannot download TarvoCards06B.dll: the file is not an intact pack: the index fails its "
       "CRC-32"},
      {"not a pack", HttpReply::Body("<p>gone</p>"),
       "Cannot download TarvoCards06B.dll: the file is not an intact pack: the pack is shorter "
       "than its header"},
      {"missing on the site", HttpReply::Status(404),
       "Cannot download TarvoCards06B.dll: HTTP 404"},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    server_.Serve(Path(kPackCardsB), c.reply);
    const PackDownload d = DownloadPack(folders_, Site(), 2);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error.toStdString(), c.error);
    EXPECT_EQ(Above(), QStringList());
    EXPECT_FALSE(PackFileExists(folders_, kPackCardsB));
  }
  // An intact older copy is not replaced by a damaged new one.
  QFile old(QDir(folders_.above).filePath(kPackCardsB));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(pack.data(), static_cast<qint64>(pack.size()));
  old.close();
  server_.Serve(Path(kPackCardsB), HttpReply::Body(bad_entry));
  EXPECT_FALSE(DownloadPack(folders_, Site(), 2).ok);
  EXPECT_EQ(Above(), QStringList{kPackCardsB});
  EXPECT_EQ(ReadAbove(kPackCardsB).toStdString(), pack);
}

TEST_F(PackDownloads, TheStationListMustBeText) {
  server_.Serve(Path(kRadioStationList), HttpReply::Body("Radio One\r\nhttp://a.example/\r\n"));
  const PackDownload good = DownloadPack(folders_, Site(), 5);
  ASSERT_TRUE(good.ok) << good.error.toStdString();
  EXPECT_EQ(ReadAbove(kRadioStationList), "Radio One\r\nhttp://a.example/\r\n");
  QFile::remove(QDir(folders_.above).filePath(kRadioStationList));
  const BrokenCase cases[] = {
      {"empty", HttpReply::Body(""), "Cannot download TarvoRadio.rad: the list is empty"},
      {"blank", HttpReply::Body(" \r\n"), "Cannot download TarvoRadio.rad: the list is empty"},
      {"binary", HttpReply::Body(std::string("ab\0cd", 5)),
       "Cannot download TarvoRadio.rad: the list is not text"},
      {"too long", HttpReply::Body(std::string(kRadioStationListMaxBytes + 1, 'a')),
       "Cannot download TarvoRadio.rad: the list is larger than 1 MiB"},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    server_.Serve(Path(kRadioStationList), c.reply);
    const PackDownload d = DownloadPack(folders_, Site(), 5);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error.toStdString(), c.error);
    EXPECT_EQ(Above(), QStringList());
  }
}

TEST_F(PackDownloads, NothingIsAskedWithoutAnAddressOrANumber) {
  server_.Serve(Path(kPackCardsA), HttpReply::Body(SmallPack()));
  EXPECT_EQ(DownloadPack(folders_, "", 1).error, "no download address is set");
  EXPECT_EQ(DownloadPack(folders_, "  ", 1).error, "no download address is set");
  EXPECT_EQ(DownloadPack(folders_, Site(), 0).error, "there is no download number 0");
  EXPECT_EQ(DownloadPack(folders_, Site(), 10).error, "there is no download number 10");
  EXPECT_EQ(DownloadPack({folders_.program, ""}, Site(), 1).error,
            "the folder above the program is not known");
  EXPECT_EQ(DownloadPack(folders_, "ftp://127.0.0.1", 1).error,
            "Cannot download TarvoCards06A.dll: only http:// and https:// addresses are accepted");
  EXPECT_TRUE(server_.Requests().empty());
  EXPECT_EQ(Above(), QStringList());
}

}  // namespace
}  // namespace ostrel
