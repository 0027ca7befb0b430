// Our radio station: the rendered pieces as Ogg pages, the endless chained stream a listener
// gets, its pace and the bound on listeners; then the real server's stream played through
// GStreamer into a WAV file, which must hold decoded audio.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "server/radio/ogg_loop.h"
#include "server_process.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Piece(const char* name) {
  return ReadFile(std::string(OSTREL_RADIO_DIR) + "/" + name);
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

struct PageInfo {
  std::uint32_t serial;
  bool first, last;
};

// Splits a stream into pages, checking each page's CRC with the station's own function
// against the bytes as they arrived.
std::vector<PageInfo> Pages(const std::string& bytes, std::size_t* leftover = nullptr) {
  std::vector<PageInfo> pages;
  std::size_t at = 0;
  while (at + 27 <= bytes.size()) {
    EXPECT_EQ(bytes.substr(at, 4), "OggS") << at;
    const std::size_t segs = static_cast<unsigned char>(bytes[at + 26]);
    if (at + 27 + segs > bytes.size()) break;
    std::size_t size = 27 + segs;
    for (std::size_t i = 0; i < segs; ++i) size += static_cast<unsigned char>(bytes[at + 27 + i]);
    if (at + size > bytes.size()) break;
    const std::string page = bytes.substr(at, size);
    EXPECT_EQ(Le32(page, 22), OggPageCrc(page)) << "page at " << at;
    pages.push_back({Le32(page, 14), (page[5] & 2) != 0, (page[5] & 4) != 0});
    at += size;
  }
  if (leftover) *leftover = bytes.size() - at;
  return pages;
}

TEST(OggPieces, RenderedPiecesParseAndDamageIsFound) {
  const std::string song = Piece("MidiSong.ogg");
  std::string error;
  const auto piece = ParseOggVorbis(song, &error);
  ASSERT_TRUE(piece) << error;
  EXPECT_GT(piece->seconds, 30.0);
  EXPECT_LT(piece->seconds, 300.0);
  EXPECT_GT(piece->pages.size(), 10u);

  struct Damage {
    const char* what;
    std::string bytes;
  };
  std::string flipped = song;
  flipped[song.size() / 2] ^= 0x40;
  const Damage cases[] = {
      {"a flipped byte", flipped},
      {"cut short", song.substr(0, song.size() - 100)},
      {"two pieces in one file", song + song},
      {"no Ogg at all", std::string(4096, 'x')},
      {"empty", ""},
  };
  for (const Damage& c : cases) EXPECT_FALSE(ParseOggVorbis(c.bytes, &error)) << c.what;
}

std::vector<OggPiece> TwoPieces() {
  std::vector<OggPiece> pieces;
  for (const char* name : {"Polka.ogg", "Lullaby.ogg"}) {
    auto p = ParseOggVorbis(Piece(name));
    EXPECT_TRUE(p) << name;
    if (p) pieces.push_back(std::move(*p));
  }
  return pieces;
}

TEST(OggRadioStream, RunsAheadByTheLeadThenKeepsThePaceOfTheMusic) {
  RadioLimits limits;
  limits.lead = std::chrono::milliseconds(3000);
  auto radio = std::make_shared<OggRadio>(TwoPieces(), limits);
  const auto t0 = Clock::now();
  auto listener = radio->Listen(t0);
  std::string sent;
  ByteSource::Piece piece;
  do {
    piece = listener->Next(t0);
    sent += piece.bytes;
  } while (piece.wait.count() == 0);
  // About three seconds of music at about 80 kbit/s, and a wait until more is due.
  EXPECT_GT(sent.size(), 15000u);
  EXPECT_LT(sent.size(), 80000u);
  EXPECT_GT(piece.wait.count(), 0);
  EXPECT_TRUE(listener->Next(t0).bytes.empty()) << "nothing more at the same moment";
  EXPECT_FALSE(listener->Next(t0 + std::chrono::seconds(2)).bytes.empty());
}

TEST(OggRadioStream, LoopsForeverWithANewSerialForEachLink) {
  auto radio = std::make_shared<OggRadio>(TwoPieces(), RadioLimits{});
  const auto t0 = Clock::now();
  auto listener = radio->Listen(t0);
  // Far in the future the stream is sent as fast as it is read: five links of the chain.
  // The two pieces are about 1 MB together: 3.2 MB hold at least five links.
  std::string sent;
  while (sent.size() < 3200000) {
    const std::string chunk = listener->Next(t0 + std::chrono::hours(1)).bytes;
    ASSERT_FALSE(chunk.empty());
    std::size_t leftover = 0;
    Pages(chunk, &leftover);
    ASSERT_EQ(leftover, 0u) << "chunks end on page boundaries";
    sent += chunk;
  }
  const std::vector<PageInfo> pages = Pages(sent);
  std::set<std::uint32_t> serials;
  std::uint32_t current = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (pages[i].first) {
      EXPECT_TRUE(i == 0 || pages[i - 1].last) << "a link starts after the one before ended";
      EXPECT_TRUE(serials.insert(pages[i].serial).second) << "a serial used twice";
      current = pages[i].serial;
    }
    EXPECT_EQ(pages[i].serial, current);
  }
  EXPECT_GE(serials.size(), 5u);
}

TEST(OggRadioStream, TakesOnlySoManyListeners) {
  RadioLimits limits;
  limits.max_listeners = 2;
  auto radio = std::make_shared<OggRadio>(TwoPieces(), limits);
  auto a = radio->Listen(Clock::now());
  auto b = radio->Listen(Clock::now());
  ASSERT_TRUE(a && b);
  EXPECT_FALSE(radio->Listen(Clock::now()));
  a.reset();
  EXPECT_EQ(radio->listeners(), 1);
  EXPECT_TRUE(radio->Listen(Clock::now()));
}

// The site folder of a server with our pieces and a piece that is no Ogg at all.
class RadioServerTest : public ::testing::Test {
 protected:
  void Start(const std::string& listeners) {
    const std::string radio = site_.path() + "/radio";
    fs::create_directories(radio);
    for (const char* name : {"Polka.ogg", "Nocturne.ogg"}) {
      fs::copy_file(std::string(OSTREL_RADIO_DIR) + "/" + name, radio + "/" + name);
    }
    std::ofstream(radio + "/broken.ogg") << "not a piece";
    server_ = std::make_unique<testing::ServerProcess>(
        OSTREL_SERVER_BINARY,
        std::vector<std::string>{"--data", data_.path(), "--site-files", site_.path(),
                                 "--radio-listeners", listeners, "--no-tables"});
  }
  testing::TempDir data_, site_;
  std::unique_ptr<testing::ServerProcess> server_;
};

TEST_F(RadioServerTest, GStreamerDecodesTheStream) {
  Start("4");
  const std::string wav = site_.path() + "/heard.wav";
  // 20 buffers of the HTTP source are a few seconds of music; the pipeline then ends.
  const std::string command =
      "timeout -k 2 40 gst-launch-1.0 -q souphttpsrc location=http://127.0.0.1:" +
      std::to_string(server_->port()) + kRadioPath +
      " num-buffers=20 ! oggdemux ! vorbisdec ! audioconvert ! audio/x-raw,format=S16LE ! "
      "wavenc ! filesink location=" +
      wav + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string heard = ReadFile(wav);
  ASSERT_GT(heard.size(), 44u);
  const std::uint32_t rate = Le32(heard, 24), bytes_per_second = Le32(heard, 28);
  EXPECT_EQ(rate, 44100u);
  const double seconds = static_cast<double>(heard.size() - 44) / bytes_per_second;
  EXPECT_GT(seconds, 1.0) << "decoded audio frames arrived";
  // Music, not silence.
  int loud = 0;
  for (std::size_t i = 44; i + 1 < heard.size(); i += 2) {
    const auto s = static_cast<std::int16_t>(static_cast<unsigned char>(heard[i]) |
                                             (static_cast<unsigned char>(heard[i + 1]) << 8));
    if (s > 1000 || s < -1000) ++loud;
  }
  EXPECT_GT(loud, 1000);
  EXPECT_NE(server_->Log().find("radio piece skipped: broken.ogg"), std::string::npos);
}

TEST_F(RadioServerTest, ListenersBeyondTheBoundAreTurnedAway) {
  Start("1");
  const int fd = testing::ConnectLoopback(server_->port());
  ASSERT_GE(fd, 0);
  const std::string get = std::string("GET ") + kRadioPath + " HTTP/1.1\r\nHost: x\r\n\r\n";
  send(fd, get.data(), get.size(), MSG_NOSIGNAL);
  const std::string first = testing::ReadAll(fd, 1500);
  EXPECT_EQ(first.rfind("HTTP/1.1 200", 0), 0u) << first.substr(0, 40);
  EXPECT_NE(first.find("Transfer-Encoding: chunked"), std::string::npos);
  EXPECT_NE(first.find("OggS"), std::string::npos);
  EXPECT_EQ(testing::HttpCall(server_->port(), "GET", kRadioPath, "", "", 3000).status, 503);
  close(fd);
  // The place is free again once the first listener has gone.
  int status = 0;
  for (int i = 0; i < 50 && status != 200; ++i) {
    usleep(100000);
    const int again = testing::ConnectLoopback(server_->port());
    send(again, get.data(), get.size(), MSG_NOSIGNAL);
    const std::string got = testing::ReadAll(again, 300);
    status = got.rfind("HTTP/1.1 200", 0) == 0 ? 200 : 0;
    close(again);
  }
  EXPECT_EQ(status, 200);
}

}  // namespace
}  // namespace ostrel::server
