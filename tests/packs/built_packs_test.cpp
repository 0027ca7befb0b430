// The packs the build makes: every face set, back set and background loads from them with the
// names and sizes the table expects, and the borrowed cards come from the lending set; every
// card is spoken in every language, and the calendar pictures and radio logos decode at their
// sizes.
#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>

#include "packs/card_images.h"
#include "packs/pack_names.h"

namespace ostrel {
namespace {

const PackFolders kBuilt{QString::fromUtf8(OSTREL_BUILT_PACKS_DIR), QString()};

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

// The length in milliseconds of an uncompressed PCM clip the player can take (mono or stereo,
// 8 or 16 bits), with its data chunk inside the bytes; nothing for anything else.
std::optional<int> PcmLengthMs(const std::vector<std::uint8_t>& b) {
  auto text = [&](std::size_t at, const char* s) {
    return b.size() >= at + 4 && std::equal(s, s + 4, b.begin() + static_cast<long>(at));
  };
  if (!text(0, "RIFF") || !text(8, "WAVE")) return std::nullopt;
  std::uint32_t bytes_a_second = 0;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = Le(b, at + 4, 4);
    if (size > b.size() - at - 8) return std::nullopt;
    if (text(at, "fmt ")) {
      const std::uint32_t channels = Le(b, at + 10, 2), bits = Le(b, at + 22, 2);
      if (size < 16 || Le(b, at + 8, 2) != 1 || channels < 1 || channels > 2 ||
          (bits != 8 && bits != 16)) {
        return std::nullopt;
      }
      bytes_a_second = Le(b, at + 12, 4) * channels * bits / 8;
    } else if (text(at, "data")) {
      if (bytes_a_second == 0) return std::nullopt;
      return static_cast<int>(std::uint64_t{size} * 1000 / bytes_a_second);
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

TEST(BuiltPacks, EveryFaceSetAtEverySizeClass) {
  for (double scale : {1.0, 1.3, 2.0}) {
    for (int set = 0; set < kFaceSetCount; ++set) {
      PackOutcome outcome;
      const CardFaceSet faces = LoadCardFaces(kBuilt, set, scale, outcome);
      ASSERT_TRUE(outcome.ok) << set << " "
                              << outcome.messages.join(QLatin1Char(',')).toStdString();
      EXPECT_EQ(faces.set, set);
      const bool narrow =
          (set >= 28 && set <= 39) || (set >= 41 && set <= 44) || set == 46 || set == 47;
      EXPECT_EQ(faces.wide, !narrow) << set;
      EXPECT_EQ(faces.size, CardSize(!narrow, scale)) << set;
      ASSERT_EQ(faces.faces.size(), 36) << set;
      for (const QImage& face : faces.faces) EXPECT_EQ(face.size(), faces.size) << set;
      EXPECT_EQ(faces.symbols.value(QStringLiteral("Piki")).size(), QSize(20, 20)) << set;
      EXPECT_EQ(faces.symbols.value(QStringLiteral("PikiB")).size(), QSize(40, 40)) << set;
    }
  }
}

TEST(BuiltPacks, PackFilesHoldTheSizesTheNamesPromise) {
  // The large pictures as they are in the pack, before any scaling by the loader.
  auto a = OpenPack(kBuilt, QString::fromLatin1(kPackCardsA));
  auto b = OpenPack(kBuilt, QString::fromLatin1(kPackCardsB));
  ASSERT_TRUE(a && b);
  EXPECT_EQ(ReadPackPicture(*a, QStringLiteral("Ch2JCroB"), PackKind::kPng).size(),
            QSize(146, 198));
  EXPECT_EQ(ReadPackPicture(*a, QStringLiteral("Ch2JCro"), PackKind::kPng).size(), QSize(71, 96));
  EXPECT_EQ(ReadPackPicture(*b, QStringLiteral("Pi5ADiaB"), PackKind::kPng).size(),
            QSize(126, 198));
  EXPECT_EQ(ReadPackPicture(*b, QStringLiteral("Ob08XXRFloU"), PackKind::kPng).size(),
            QSize(126, 198));
}

TEST(BuiltPacks, CrownBorrowsSpotCardsAndAcesFromModern) {
  PackOutcome outcome;
  const CardFaceSet crown = LoadCardFaces(kBuilt, 7, 1.0, outcome);
  auto a = OpenPack(kBuilt, QString::fromLatin1(kPackCardsA));
  ASSERT_TRUE(a);
  auto pack = [&](const char* name) {
    return ReadPackPicture(*a, QString::fromLatin1(name), PackKind::kPng);
  };
  EXPECT_EQ(crown.faces.value(QStringLiteral("Ch06")), pack("Ch06Mod"));
  EXPECT_EQ(crown.faces.value(QStringLiteral("Kr10")), pack("Kr10Mod"));
  EXPECT_EQ(crown.faces.value(QStringLiteral("Bu5A")), pack("Bu5AMod"));
  EXPECT_EQ(crown.faces.value(QStringLiteral("Pi2J")), pack("Pi2JCro"));
  EXPECT_EQ(crown.faces.value(QStringLiteral("Ch4K")), pack("Ch4KCro"));
  EXPECT_TRUE(pack("Ch06Cro").isNull());  // the set has no spot cards of its own
}

TEST(BuiltPacks, EveryBackSet) {
  for (double scale : {1.0, 1.7, 2.0}) {
    for (bool wide : {true, false}) {
      for (int set = 0; set < kBackSetCount; ++set) {
        PackOutcome outcome;
        const CardBackSet backs = LoadCardBacks(kBuilt, set, wide, scale, outcome);
        ASSERT_TRUE(outcome.ok) << set;
        EXPECT_EQ(backs.set, set);
        const int count = IsBackGroup(set) ? 10 : 7;
        ASSERT_EQ(backs.backs.size(), count) << set;
        ASSERT_EQ(backs.side_backs.size(), count) << set;
        for (int i = 0; i < count; ++i) {
          EXPECT_EQ(backs.backs[i].size(), CardSize(wide, scale)) << set;
          EXPECT_EQ(backs.side_backs[i].size(), CardSize(wide, scale)) << set;
          EXPECT_NE(backs.backs[i], backs.side_backs[i]) << set << " " << i;
        }
      }
    }
  }
}

TEST(BuiltPacks, EveryBackgroundAndThePurpleMenu) {
  for (int pattern = 1; pattern <= kBackgroundPatterns; ++pattern) {
    for (int colour = 0; colour < kBackgroundColours; ++colour) {
      for (int window_size : {1, 4}) {
        PackOutcome outcome;
        const QImage image = LoadBackground(kBuilt, pattern, colour, window_size, false, outcome);
        ASSERT_TRUE(outcome.ok) << pattern << " " << colour;
        EXPECT_EQ(image.size(), window_size == 1 ? QSize(760, 500) : QSize(1520, 1000));
      }
    }
  }
  PackOutcome outcome;
  EXPECT_EQ(LoadBackground(kBuilt, 5, 1, 1, true, outcome).size(), QSize(760, 500));
  EXPECT_TRUE(outcome.ok);
  for (const char* name : {"GFormOptEng", "GFormEndGRus", "GIcon48WT", "GTouch", "EndGameChi"}) {
    EXPECT_FALSE(LoadPackPicture(kBuilt, QString::fromLatin1(kPackGraphics),
                                 QString::fromLatin1(name), PackKind::kPng)
                     .isNull())
        << name;
  }
  const auto gif = LoadPackData(kBuilt, QString::fromLatin1(kPackGraphics), QStringLiteral("GifB"),
                                PackKind::kGif);
  ASSERT_TRUE(gif);
  EXPECT_TRUE(gif->startsWith("GIF89a"));
}

TEST(BuiltPacks, EveryCardIsSpokenInEveryLanguage) {
  auto voice = OpenPack(kBuilt, QString::fromLatin1(kPackVoice));
  ASSERT_TRUE(voice);
  std::set<std::string> names;
  for (const char* language :
       {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
    for (const char* suit : kSuitPrefixes) {
      for (const char* rank : {"07", "08", "09", "10", "2J", "3Q", "4K", "5A"}) {
        const std::string name = std::string(suit) + rank + "Voice" + language;
        names.insert(name);
        const PackEntry* entry = voice->Find(name);
        ASSERT_TRUE(entry) << name;
        EXPECT_EQ(entry->kind, PackKind::kWav) << name;
        const auto bytes = voice->Read(*entry);
        ASSERT_TRUE(bytes) << name;
        const auto length = PcmLengthMs(*bytes);
        ASSERT_TRUE(length) << name << " is no playable WAV";
        EXPECT_GE(*length, 300) << name;
        EXPECT_LE(*length, 4000) << name;
      }
    }
  }
  EXPECT_EQ(names.size(), 320u);
  // Nothing else in the pack: a misspelt name would leave a card silent.
  EXPECT_EQ(voice->Entries().size(), names.size());
}

// The logo names of the station source file (its fifth column), each once.
std::vector<std::string> StationLogoNames() {
  std::vector<std::string> names;
  std::ifstream in(OSTREL_RADIO_STATIONS);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const std::string logo = line.substr(line.rfind('\t') + 1);
    if (std::find(names.begin(), names.end(), logo) == names.end()) names.push_back(logo);
  }
  return names;
}

TEST(BuiltPacks, CalendarPicturesAndRadioLogosDecodeAtTheirSizes) {
  std::vector<std::string> logos = StationLogoNames();
  ASSERT_GT(logos.size(), 28u) << "a station or more for each country";
  logos.push_back("RRADIO_LOGO_RADIOUN");
  const struct {
    const char* pack;
    std::vector<std::string> names;
    PackKind kind;
    QSize size;
    bool alpha;
  } groups[] = {
      {kPackCalendar,
       {"Calendar01", "Calendar02", "Calendar03", "Calendar04", "Calendar05", "Calendar06",
        "Calendar07", "Calendar08", "Calendar09", "Calendar10", "Calendar11", "Calendar12"},
       PackKind::kJpeg,
       QSize(300, 200),
       false},
      {kPackCalendar,
       {"HolidayNewYear", "HolidaySpring", "HolidayMidsummer", "HolidayHarvest",
        "HolidayWinterLights"},
       PackKind::kPng,
       QSize(160, 160),
       true},
      {kPackRadioLogos, logos, PackKind::kPng, QSize(150, 150), true},
      {kPackRadioLogos, {"RRADIO_MAING", "RRADIO_MAINR"}, PackKind::kPng, QSize(145, 90), true},
      {kPackRadioLogos,
       {"RRADIO_VOLUME00", "RRADIO_VOLUME01", "RRADIO_VOLUME02", "RRADIO_VOLUME03",
        "RRADIO_VOLUME04", "RRADIO_VOLUME05", "RRADIO_VOLUME06", "RRADIO_VOLUME07",
        "RRADIO_VOLUME08", "RRADIO_VOLUME09", "RRADIO_VOLUME10"},
       PackKind::kPng,
       QSize(78, 30),
       true},
      {kPackRadioLogos, {"RRADIO_RAMKA"}, PackKind::kPng, QSize(180, 180), true},
  };
  std::map<std::string, std::size_t> listed;
  for (const auto& group : groups) {
    auto reader = OpenPack(kBuilt, QString::fromLatin1(group.pack));
    ASSERT_TRUE(reader) << group.pack;
    std::vector<QImage> seen;
    for (const std::string& name : group.names) {
      const QImage image = ReadPackPicture(*reader, QString::fromStdString(name), group.kind);
      ASSERT_FALSE(image.isNull()) << name;
      EXPECT_EQ(image.size(), group.size) << name;
      EXPECT_EQ(image.hasAlphaChannel(), group.alpha) << name;
      // Each its own picture, not one drawn twice under two names.
      for (const QImage& other : seen) EXPECT_NE(image, other) << name;
      seen.push_back(image);
    }
    listed[group.pack] += group.names.size();
  }
  for (const auto& [pack, count] : listed) {
    EXPECT_EQ(OpenPack(kBuilt, QString::fromStdString(pack))->Entries().size(), count) << pack;
  }
}

}  // namespace
}  // namespace ostrel
