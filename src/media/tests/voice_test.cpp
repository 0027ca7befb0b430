#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <set>

#include "media/voice.h"
#include "qt_app.h"

namespace ostrel {
namespace {

using testing::View;

constexpr const char* kSuffixes[] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                     "Chi", "Ita", "Cze", "Jap", "Kor"};

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

TEST(VoiceTest, TheBuiltVoiceHasEveryCardInEveryLanguage) {
  std::set<std::string> names;
  for (int language = 0; language < 10; ++language) {
    for (int number = 1; number <= kDeckSize; ++number) {
      const std::string name = VoiceResourceName(DeckTableCard(number), language);
      ASSERT_TRUE(name.ends_with(kSuffixes[language])) << name;
      names.insert(name);
      std::ifstream in(BuiltVoiceFolder() + "/" + name + ".wav", std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      std::string error;
      const auto info = ReadWavInfo(bytes, &error);
      ASSERT_TRUE(info) << name << ": " << error;
      EXPECT_GE(info->LengthMs(), 300) << name;
      EXPECT_LE(info->LengthMs(), 4000) << name;
    }
  }
  EXPECT_EQ(names.size(), 320u);
  // Nothing else lies in the folder: a misspelt name would leave a card silent.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(BuiltVoiceFolder())) {
    EXPECT_TRUE(names.contains(entry.path().stem().string())) << entry.path();
    ++files;
  }
  EXPECT_EQ(files, 320);
}

TEST(VoiceTest, SpeakCardPlaysFromTheSourceAndSaysFalseWithoutIt) {
  testing::EnsureQtApp();
  int starts = 0;
  SoundPlayer player([] { return false; }, std::make_unique<Counting>(starts));
  FolderVoiceSource built(BuiltVoiceFolder());
  CardSpeaker speaker(player, &built);
  const CardCode king_of_hearts = MakeCard(Rank::King, 1);
  // Spoken names answer a click, not the game: they play with the effects switched off too.
  const auto held = speaker.SpeakCard(king_of_hearts, 2, true);
  ASSERT_TRUE(held);
  EXPECT_GT(*held, 300);
  EXPECT_EQ(speaker.SpeakCard(king_of_hearts, 2, false), 0);
  EXPECT_EQ(starts, 2);

  QTemporaryDir empty;
  FolderVoiceSource nothing(empty.path().toStdString());
  CardSpeaker no_files(player, &nothing);
  EXPECT_FALSE(no_files.SpeakCard(king_of_hearts, 0, false));
  CardSpeaker no_pack(player, nullptr);
  EXPECT_FALSE(no_pack.SpeakCard(king_of_hearts, 0, false));
  EXPECT_FALSE(speaker.SpeakCard(kEmptyCard, 0, false));
  // A damaged clip is not played.
  std::ofstream(empty.path().toStdString() + "/Ch4KVoiceEng.wav") << "RIFF";
  EXPECT_FALSE(no_files.SpeakCard(king_of_hearts, 0, false));
  EXPECT_EQ(starts, 2);
}

TEST(VoiceTest, FolderSourceTakesOnlyPlainNames) {
  QTemporaryDir dir;
  const std::string inner = dir.path().toStdString() + "/inner";
  std::filesystem::create_directory(inner);
  std::ofstream(dir.path().toStdString() + "/Secret.wav") << "x";
  std::ofstream(inner + "/Ch4KVoiceEng.wav") << "y";
  FolderVoiceSource source(inner);
  EXPECT_TRUE(source.Find("Ch4KVoiceEng"));
  for (const char* name : {"../Secret", "", "Ch4K VoiceEng", "/etc/passwd"}) {
    EXPECT_FALSE(source.Find(name)) << name;
  }
}

}  // namespace
}  // namespace ostrel
