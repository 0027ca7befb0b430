#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>

#include "media/voice.h"
#include "packs/pack_names.h"
#include "packs/pack_writer.h"
#include "qt_app.h"

namespace ostrel {
namespace {

class Counting : public AudioOutput {
 public:
  explicit Counting(int& starts) : starts_(starts) {}
  void Start(const QByteArray&, const WavInfo&) override { ++starts_; }
  void Stop() override {}

 private:
  int& starts_;
};

TEST(VoiceTest, ResourceNamesFollowThePacksScheme) {
  const struct {
    Rank rank;
    int suit;
    int language;
    const char* name;
  } cases[] = {
      {Rank::King, 1, 0, "Ch4KVoiceEng"},  {Rank::Seven, 2, 1, "Bu07VoiceRus"},
      {Rank::Ten, 3, 7, "Kr10VoiceCze"},   {Rank::Ace, 4, 8, "Pi5AVoiceJap"},
      {Rank::Jack, 4, 9, "Pi2JVoiceKor"},  {Rank::Queen, 1, 5, "Ch3QVoiceChi"},
      {Rank::Nine, 2, 15, "Bu09VoiceEng"}, {Rank::Eight, 3, -1, "Kr08VoiceEng"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VoiceResourceName(MakeCard(c.rank, c.suit), c.language), c.name);
  }
  EXPECT_EQ(VoiceResourceName(kEmptyCard, 0), "");
  EXPECT_EQ(VoiceResourceName(CardCode{'7', kNoSuit}, 0), "");
}

// A mono 16-bit clip of silence at 22050 Hz lasting `ms`.
std::vector<std::uint8_t> Wav(int ms) {
  const std::uint32_t data = 22050 * 2 * static_cast<std::uint32_t>(ms) / 1000;
  std::vector<std::uint8_t> b(44 + data, 0);
  auto text = [&](std::size_t at, const char* s) {
    for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(s[i]);
  };
  auto le = [&](std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  text(0, "RIFF");
  le(4, 36 + data, 4);
  text(8, "WAVE");
  text(12, "fmt ");
  le(16, 16, 4);
  le(20, 1, 2);          // PCM
  le(22, 1, 2);          // mono
  le(24, 22050, 4);      // samples a second
  le(28, 22050 * 2, 4);  // bytes a second
  le(32, 2, 2);
  le(34, 16, 2);
  text(36, "data");
  le(40, data, 4);
  return b;
}

std::vector<std::uint8_t> Pack(const std::string& name, PackKind kind,
                               std::vector<std::uint8_t> data) {
  PackWriter writer;
  EXPECT_TRUE(writer.Add(name, kind, std::move(data)));
  return writer.Bytes();
}

void Put(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A temporary "program folder" inside a temporary folder above it, each of which may hold a
// copy of the voice pack.
class PackVoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureQtApp();
    ASSERT_TRUE(QDir(root_.path()).mkdir(QStringLiteral("app")));
  }
  std::string Program() const { return (root_.path() + QStringLiteral("/app")).toStdString(); }
  std::string Above() const { return root_.path().toStdString(); }
  PackFolders Folders() const {
    return {QString::fromStdString(Program()), QString::fromStdString(Above())};
  }
  static std::string InFolder(const std::string& folder) { return folder + "/" + kPackVoice; }

  QTemporaryDir root_;
  int starts_ = 0;
  // Spoken names answer a click, not the game: they play with the effects switched off too.
  SoundPlayer player_{[] { return false; }, std::make_unique<Counting>(starts_)};
  const CardCode king_of_hearts_ = MakeCard(Rank::King, 1);
};

TEST_F(PackVoiceTest, SpeaksFromAnIntactPackAndStaysSilentOtherwise) {
  const auto good = Pack("Ch4KVoiceEng", PackKind::kWav, Wav(500));
  using Setup = std::function<void(const std::string& program, const std::string& above)>;
  const struct {
    const char* what;
    Setup setup;
    bool speaks;
  } cases[] = {
      {"in the program folder", [&](auto& program, auto&) { Put(InFolder(program), good); }, true},
      {"only in the folder above", [&](auto&, auto& above) { Put(InFolder(above), good); }, true},
      {"damaged beside the program, intact above",
       [&](auto& program, auto& above) {
         Put(InFolder(program), {'O', 'S', 'T', 'R', 'P', 'A', 'C', 'K', 9});
         Put(InFolder(above), good);
       },
       true},
      {"no pack anywhere", [](auto&, auto&) {}, false},
      {"a truncated pack",
       [&](auto& program, auto&) {
         Put(InFolder(program), std::vector<std::uint8_t>(good.begin(), good.end() - 100));
       },
       false},
      {"a file that is no pack", [&](auto& program, auto&) { Put(InFolder(program), Wav(500)); },
       false},
      {"a pack without the card",
       [&](auto& program, auto&) {
         Put(InFolder(program), Pack("Ch3QVoiceEng", PackKind::kWav, Wav(500)));
       },
       false},
      {"the clip stored as a picture",
       [&](auto& program, auto&) {
         Put(InFolder(program), Pack("Ch4KVoiceEng", PackKind::kPng, Wav(500)));
       },
       false},
      {"a clip that fails its CRC",
       [&](auto& program, auto&) {
         auto bytes = good;
         bytes.back() ^= 0x5A;
         Put(InFolder(program), bytes);
       },
       false},
      {"an intact entry that is no WAV",
       [&](auto& program, auto&) {
         Put(InFolder(program), Pack("Ch4KVoiceEng", PackKind::kWav, {'R', 'I', 'F', 'F'}));
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(InFolder(Program()));
    std::filesystem::remove(InFolder(Above()));
    c.setup(Program(), Above());
    starts_ = 0;
    PackVoiceSource source(Folders());
    CardSpeaker speaker(player_, &source);
    const auto held = speaker.SpeakCard(king_of_hearts_, 0, true);
    EXPECT_EQ(held, c.speaks ? std::optional<int>(500) : std::nullopt);
    EXPECT_EQ(starts_, c.speaks ? 1 : 0);
  }
}

TEST_F(PackVoiceTest, ThePackIsReadAtEachCardAndNotKeptOpen) {
  PackVoiceSource source(Folders());
  CardSpeaker speaker(player_, &source);
  EXPECT_FALSE(speaker.SpeakCard(king_of_hearts_, 0, true));
  // A pack put in while the program runs serves the next card; in the background mode the
  // caller is not held.
  Put(InFolder(Above()), Pack("Ch4KVoiceEng", PackKind::kWav, Wav(500)));
  EXPECT_EQ(speaker.SpeakCard(king_of_hearts_, 0, false), 0);
  EXPECT_EQ(speaker.SpeakCard(king_of_hearts_, 0, true), 500);
  std::filesystem::remove(InFolder(Above()));
  EXPECT_FALSE(speaker.SpeakCard(king_of_hearts_, 0, true));
  EXPECT_EQ(starts_, 2);
}

TEST_F(PackVoiceTest, OnlyTheCardsNamesAreAnswered) {
  Put(InFolder(Program()), Pack("Ch4KVoiceEng", PackKind::kWav, Wav(500)));
  PackVoiceSource source(Folders());
  EXPECT_TRUE(source.Find("Ch4KVoiceEng"));
  for (const char* name : {"", "ch4kvoiceeng", "../app/Ch4KVoiceEng", "Ch4KVoiceEng.wav"}) {
    EXPECT_FALSE(source.Find(name)) << name;
  }
  CardSpeaker no_pack(player_, nullptr);
  EXPECT_FALSE(no_pack.SpeakCard(king_of_hearts_, 0, false));
  CardSpeaker speaker(player_, &source);
  EXPECT_FALSE(speaker.SpeakCard(kEmptyCard, 0, false));
  EXPECT_EQ(starts_, 0);
}

}  // namespace
}  // namespace ostrel
