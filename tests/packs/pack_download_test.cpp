// Downloads of the packs from a local server: only a whole, intact pack that the site's list of
// files names with its size and SHA-256 ever lands in the folder above, where the loader then
// finds it; everything else leaves the folder as it was.
#include "packs/pack_download.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>

#include "net/site_files.h"
#include "support/local_http_server.h"
#include "packs/pack_names.h"
#include "packs/pack_writer.h"

namespace ostrel {
namespace {

using testing::HttpReply;
using testing::LocalHttpServer;

std::string SmallPack(std::uint8_t fill = 0x22) {
  PackWriter w;
  w.Add("Ch06Med", PackKind::kPng, std::vector<std::uint8_t>(400, 0x11));
  w.Add("Ch07Med", PackKind::kPng, std::vector<std::uint8_t>(300, fill));
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
  // Serves a file, and the site's list naming it with the size and SHA-256 of `listed`.
  void Offer(const char* name, HttpReply reply, const std::string& listed) {
    server_.Serve(Path(name), std::move(reply));
    listed_[std::string(Path(name)).substr(1)] = listed;
    std::string manifest;
    for (const auto& [path, bytes] : listed_) {
      manifest += ManifestLine({path, bytes.size(), Sha256Hex(bytes)});
    }
    server_.Serve(kManifestPath, HttpReply::Body(manifest));
  }
  void Offer(const char* name, const std::string& bytes) {
    Offer(name, HttpReply::Body(bytes), bytes);
  }

  QTemporaryDir root_;
  std::map<std::string, std::string> listed_;
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
  Offer(kPackCardsA, pack);
  ASSERT_FALSE(PackFileExists(folders_, kPackCardsA));
  // A site written with a closing slash asks for the same path.
  const PackDownload d = DownloadPack(folders_, Site() + "/", 1);
  ASSERT_TRUE(d.ok) << d.error.toStdString();
  EXPECT_EQ(d.error, QString());
  EXPECT_EQ(server_.Requests(), (std::vector<std::string>{kManifestPath, Path(kPackCardsA)}));
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
  std::string listed = {};  // what the site's list describes; the reply's body when empty
};

TEST_F(PackDownloads, ABrokenDownloadLeavesNothingAndKeepsAnOlderCopy) {
  const std::string pack = SmallPack();
  std::string bad_entry = pack;
  bad_entry.back() ^= 0x01;  // the last entry's data no longer match their CRC
  std::string bad_index = pack;
  bad_index[kPackHeaderSize] ^= 0x01;
  const BrokenCase cases[] = {
      {"cut short", HttpReply::CutAfter(pack, pack.size() - 10),
       "Cannot download TarvoCards06B.dll: the answer ended early", pack},
      {"damaged entry", HttpReply::Body(bad_entry),
       "Cannot download TarvoCards06B.dll: the file is not an intact pack: entry Ch07Med fails "
       "its CRC-32"},
      {"damaged index", HttpReply::Body(bad_index),
       "Cannot download TarvoCards06B.dll: the file is not an intact pack: the index fails its "
       "CRC-32"},
      {"not a pack", HttpReply::Body("<p>gone</p>"),
       "Cannot download TarvoCards06B.dll: the file is not an intact pack: the pack is shorter "
       "than its header"},
      {"missing on the site", HttpReply::Status(404), "Cannot download TarvoCards06B.dll: HTTP 404",
       pack},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    Offer(kPackCardsB, c.reply, c.listed.empty() ? c.reply.body : c.listed);
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
  Offer(kPackCardsB, bad_entry);
  EXPECT_FALSE(DownloadPack(folders_, Site(), 2).ok);
  EXPECT_EQ(Above(), QStringList{kPackCardsB});
  EXPECT_EQ(ReadAbove(kPackCardsB).toStdString(), pack);
}

TEST_F(PackDownloads, TheStationListMustBeText) {
  Offer(kRadioStationList, "Radio One\r\nhttp://a.example/\r\n");
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
    Offer(kRadioStationList, c.reply, c.reply.body);
    const PackDownload d = DownloadPack(folders_, Site(), 5);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error.toStdString(), c.error);
    EXPECT_EQ(Above(), QStringList());
  }
}

// Anyone on the path could put other bytes in place of a pack, and the picture decoders would
// get them: a file whose size or SHA-256 differs from the site's list is refused, even when it
// is an intact pack of its own.
TEST_F(PackDownloads, AFileThatIsNotTheOneTheSiteListsIsRefused) {
  const std::string pack = SmallPack();
  const BrokenCase cases[] = {
      {"other content of the same size", HttpReply::Body(SmallPack(0x33)),
       "Cannot download TarvoCards06A.dll: its SHA-256 differs from the site's list", pack},
      {"shorter", HttpReply::Body(pack.substr(0, pack.size() - 1)),
       "Cannot download TarvoCards06A.dll: its size differs from the site's list", pack},
  };
  for (const BrokenCase& c : cases) {
    SCOPED_TRACE(c.name);
    Offer(kPackCardsA, c.reply, c.listed);
    const PackDownload d = DownloadPack(folders_, Site(), 1);
    EXPECT_FALSE(d.ok);
    EXPECT_EQ(d.error.toStdString(), c.error);
    EXPECT_EQ(Above(), QStringList());
  }
  // Longer than listed: the download stops as soon as it passes the listed size.
  Offer(kPackCardsA, HttpReply::Body(pack + std::string(100000, 'x')), pack);
  EXPECT_EQ(DownloadPack(folders_, Site(), 1).error.toStdString(),
            "Cannot download TarvoCards06A.dll: the answer is larger than " +
                std::to_string(pack.size()) + " bytes");
  EXPECT_EQ(Above(), QStringList());
}

TEST_F(PackDownloads, NothingIsDownloadedWithoutTheSitesListNamingIt) {
  server_.Serve(Path(kPackCardsA), HttpReply::Body(SmallPack()));
  PackDownload d = DownloadPack(folders_, Site(), 1);
  EXPECT_EQ(d.error.toStdString(),
            "Cannot download TarvoCards06A.dll: the site's list of files cannot be read: HTTP 404");
  server_.Serve(kManifestPath, HttpReply::Body("downloads/progr/cards/TarvoCards06A.dll 12\n"));
  d = DownloadPack(folders_, Site(), 1);
  EXPECT_EQ(d.error.toStdString(),
            "Cannot download TarvoCards06A.dll: line 1 of the site's list: not three fields "
            "separated by single spaces");
  Offer(kPackCardsB, SmallPack());  // a list that names another file only
  d = DownloadPack(folders_, Site(), 1);
  EXPECT_EQ(d.error.toStdString(),
            "Cannot download TarvoCards06A.dll: the site's list does not name it");
  for (const std::string& request : server_.Requests()) EXPECT_EQ(request, kManifestPath);
  EXPECT_EQ(Above(), QStringList());
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
