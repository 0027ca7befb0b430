// The packs the build makes: every face set, back set and background loads from them with the
// names and sizes the table expects, and the borrowed cards come from the lending set.
#include <gtest/gtest.h>

#include <QDir>

#include "table/packs/card_images.h"
#include "table/packs/pack_names.h"

namespace ostrel {
namespace {

const PackFolders kBuilt{QString::fromUtf8(OSTREL_BUILT_PACKS_DIR), QString()};

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

}  // namespace
}  // namespace ostrel
