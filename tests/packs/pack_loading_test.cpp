// The loading rules with small packs of our own making: where a pack is found, what happens
// when it is missing or damaged, and what is written back to the settings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "packs/card_images.h"
#include "packs/pack_names.h"
#include "packs/pack_writer.h"
#include "pictures/own_pictures.h"
#include "support/test_pack.h"

namespace ostrel {
namespace {

using test::Encode;
using test::Solid;

// Pack A holding the whole of face set 5 in one colour, and optionally missing one card; the
// large pictures in the given format (a palette or grey format is written as such a PNG).
PackWriter FaceSetPack(int set, QColor colour, const std::string& leave_out = "",
                       QImage::Format large_format = QImage::Format_ARGB32) {
  PackWriter w;
  const QSize small = CardSize(FaceSet(set).wide, 1.0), large = CardSize(FaceSet(set).wide, 2.0);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 9; ++rank) {
      for (bool big : {false, true}) {
        const std::string name = FacePictureName(set, suit, rank, big);
        if (name != leave_out)
          w.Add(name, PackKind::kPng,
                Encode(
                    big ? Solid(large, colour).convertToFormat(large_format) : Solid(small, colour),
                    "PNG"));
      }
    }
    w.Add(SymbolPictureName(set, suit, false), PackKind::kPng,
          Encode(Solid({20, 20}, colour), "PNG"));
  }
  return w;
}

class PackLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    QDir(root_.path()).mkdir(QStringLiteral("game"));
    folders_ = {root_.filePath(QStringLiteral("game")), root_.path()};
  }
  void Put(const QString& folder, const char* pack, const PackWriter& w) {
    ASSERT_TRUE(w.WriteFile(
        QFile::encodeName(QDir(folder).filePath(QString::fromLatin1(pack))).toStdString()));
  }
  QTemporaryDir root_;
  PackFolders folders_;
};

TEST_F(PackLoading, NoPackAtAllGivesTheOwnSetAndTheMessage) {
  PackOutcome outcome;
  const CardFaceSet faces = LoadCardFaces(folders_, 35, 1.0, outcome);
  EXPECT_EQ(faces.set, 0);
  EXPECT_TRUE(faces.wide);
  EXPECT_EQ(faces.faces.size(), 36);
  EXPECT_EQ(faces.faces.value(QStringLiteral("Pi5A")), OwnPicture(QStringLiteral("Pi5A")));
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.messages, QStringList{QStringLiteral("Can`t find the file TarvoCards06B.dll")});
  Settings settings;
  settings.CardFaces = 35;
  ApplyPackOutcome(outcome, settings);
  EXPECT_EQ(settings.CardFaces, 0);
  EXPECT_STREQ(FaceSet(settings.CardFaces).phrase, "Classical-1");
}

TEST_F(PackLoading, OwnSetNeedsNoPack) {
  PackOutcome outcome;
  const CardPictures cards = LoadCardPictures(folders_, 0, 0, 1.0, outcome);
  EXPECT_TRUE(outcome.ok);
  EXPECT_TRUE(outcome.messages.isEmpty());
  EXPECT_EQ(cards.backs.backs.size(), 7);
  EXPECT_EQ(cards.backs.backs[0], OwnPicture(QStringLiteral("Ob01Mo")));
  EXPECT_EQ(cards.backs.side_backs[6], OwnPicture(QStringLiteral("Ob07SuR")));
  EXPECT_EQ(LoadBackground(folders_, 2, 0, 1, false, outcome), OwnPicture(QStringLiteral("FonG")));
  EXPECT_TRUE(LoadBackground(folders_, 0, 3, 1, false, outcome).isNull());
  EXPECT_TRUE(outcome.ok);
}

TEST_F(PackLoading, PackInTheFolderAboveIsFound) {
  Put(folders_.above, kPackCardsA, FaceSetPack(5, Qt::blue));
  EXPECT_TRUE(PackFileExists(folders_, QString::fromLatin1(kPackCardsA)));
  EXPECT_FALSE(PackFileExists(folders_, QString::fromLatin1(kPackCardsB)));
  PackOutcome outcome;
  const CardFaceSet faces = LoadCardFaces(folders_, 5, 1.7, outcome);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(faces.set, 5);
  EXPECT_EQ(faces.size, QSize(121, 163));
  EXPECT_EQ(faces.faces.value(QStringLiteral("Kr3Q")).size(), QSize(121, 163));
  EXPECT_EQ(faces.faces.value(QStringLiteral("Kr3Q")).pixelColor(60, 80), QColor(Qt::blue));
  // No large symbols in this pack: the small ones stand in at 40 x 40.
  EXPECT_EQ(faces.symbols.value(QStringLiteral("KresB")).size(), QSize(40, 40));
}

TEST_F(PackLoading, FoldersOfTheStorage) {
  const PackFolders folders = PackFoldersOf({"/home/ü/Ostrel4", "/home/ü"});
  EXPECT_EQ(folders.program, QStringLiteral("/home/ü/Ostrel4"));
  EXPECT_EQ(folders.above, QStringLiteral("/home/ü"));
}

TEST_F(PackLoading, ProgramFolderComesFirstAndADamagedCopyCountsAsMissing) {
  Put(folders_.program, kPackCardsA, FaceSetPack(5, Qt::red));
  Put(folders_.above, kPackCardsA, FaceSetPack(5, Qt::green));
  PackOutcome outcome;
  EXPECT_EQ(
      LoadCardFaces(folders_, 5, 1.0, outcome).faces.value(QStringLiteral("Ch06")).pixelColor(5, 5),
      QColor(Qt::red));
  // Cut the program folder's copy short: the one above serves.
  QFile cut(QDir(folders_.program).filePath(QString::fromLatin1(kPackCardsA)));
  ASSERT_TRUE(cut.resize(cut.size() / 2));
  EXPECT_EQ(
      LoadCardFaces(folders_, 5, 1.0, outcome).faces.value(QStringLiteral("Ch06")).pixelColor(5, 5),
      QColor(Qt::green));
  EXPECT_TRUE(outcome.ok);
}

TEST_F(PackLoading, DamagedPackIsRefusedWithTheFallback) {
  Put(folders_.program, kPackCardsA, FaceSetPack(5, Qt::red));
  QFile file(QDir(folders_.program).filePath(QString::fromLatin1(kPackCardsA)));
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  QByteArray bytes = file.readAll();
  bytes[bytes.size() - 100] = static_cast<char>(bytes[bytes.size() - 100] ^ 0x55);
  file.seek(0);
  file.write(bytes);
  file.close();
  PackOutcome outcome;
  const CardFaceSet faces = LoadCardFaces(folders_, 5, 1.0, outcome);
  EXPECT_EQ(faces.set, 0);
  EXPECT_EQ(outcome.card_faces, 0);
  EXPECT_EQ(outcome.messages, QStringList{QStringLiteral("Can`t find the file TarvoCards06A.dll")});
}

// Between the fixed sizes the large pictures are scaled down smoothly, which takes RGB and
// RGB-with-alpha pictures only; at the fixed sizes the pictures are used as they are.
TEST_F(PackLoading, SmoothScalingRefusesPaletteAndGreyPictures) {
  const struct {
    QImage::Format format;
    double scale;
    bool refused;
  } kCases[] = {{QImage::Format_Indexed8, 1.5, true},  {QImage::Format_Grayscale8, 1.5, true},
                {QImage::Format_RGB32, 1.5, false},    {QImage::Format_ARGB32, 1.3, false},
                {QImage::Format_Indexed8, 2.0, false}, {QImage::Format_Indexed8, 1.0, false}};
  for (const auto& c : kCases) {
    Put(folders_.program, kPackCardsA, FaceSetPack(5, Qt::red, "", c.format));
    PackOutcome outcome;
    const CardFaceSet faces = LoadCardFaces(folders_, 5, c.scale, outcome);
    SCOPED_TRACE(testing::Message() << "format " << c.format << " scale " << c.scale);
    EXPECT_EQ(faces.set, c.refused ? 0 : 5);
    EXPECT_EQ(outcome.messages,
              c.refused ? QStringList{QString::fromLatin1(kOnlyRgbPictures)} : QStringList{});
    EXPECT_EQ(faces.faces.size(), 36);
  }
}

TEST_F(PackLoading, SetWithAMissingCardIsRefusedAsAWhole) {
  Put(folders_.program, kPackCardsA, FaceSetPack(5, Qt::red, "Bu4KCel"));
  PackOutcome outcome;
  EXPECT_EQ(LoadCardFaces(folders_, 5, 1.0, outcome).set, 0);
  EXPECT_FALSE(outcome.ok);
}

TEST_F(PackLoading, BackSetZeroLargeWithoutPackBSaysNothingAndResetsTheFaces) {
  Put(folders_.program, kPackCardsA, FaceSetPack(2, Qt::red));
  PackOutcome outcome;
  const CardPictures cards = LoadCardPictures(folders_, 2, 0, 2.0, outcome);
  EXPECT_TRUE(outcome.messages.isEmpty());
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.card_faces, 0);
  EXPECT_EQ(cards.faces.set, 0);
  EXPECT_EQ(cards.backs.backs[2], OwnPicture(QStringLiteral("Ob03WeB")));
}

TEST_F(PackLoading, MissingBackPackFallsBackToBackZero) {
  PackOutcome outcome;
  const CardBackSet backs = LoadCardBacks(folders_, 9, true, 1.0, outcome);
  EXPECT_EQ(backs.set, 0);
  EXPECT_EQ(backs.backs.size(), 7);
  EXPECT_EQ(outcome.deck_back, 0);
  EXPECT_EQ(outcome.messages, QStringList{QStringLiteral("Can`t find the file TarvoCards06B.dll")});
}

TEST_F(PackLoading, MissingBackgroundAndGraphicsPacks) {
  PackOutcome outcome;
  EXPECT_EQ(LoadBackground(folders_, 7, 4, 3, false, outcome), OwnPicture(QStringLiteral("FonGB")));
  EXPECT_EQ(outcome.background_pattern, 2);
  EXPECT_EQ(outcome.background_colour, 0);
  EXPECT_EQ(outcome.messages, QStringList{QStringLiteral("Can`t find the file TarvoBackG03.dll")});

  PackOutcome purple;
  Settings settings;
  settings.AuxDesignPurple = true;
  settings.MainMenuDesign = settings.TableDesign = 1;
  EXPECT_EQ(LoadBackground(folders_, 2, 0, 1, true, purple), OwnPicture(QStringLiteral("FonG")));
  EXPECT_FALSE(purple.ok);
  EXPECT_EQ(purple.messages, QStringList{QStringLiteral("Can`t find the file TarvoCGraph1.dll")});
  ApplyPackOutcome(purple, settings);
  EXPECT_FALSE(settings.AuxDesignPurple);
  EXPECT_EQ(settings.MainMenuDesign, 0);
  EXPECT_EQ(settings.TableDesign, 0);
}

TEST_F(PackLoading, PictureKindMustMatch) {
  PackWriter w;
  w.Add("BGLilu", PackKind::kPng, Encode(Solid({8, 8}, Qt::magenta), "PNG"));
  Put(folders_.program, kPackGraphics, w);
  const QString pack = QString::fromLatin1(kPackGraphics);
  EXPECT_FALSE(LoadPackPicture(folders_, pack, QStringLiteral("BGLilu"), PackKind::kPng).isNull());
  EXPECT_TRUE(LoadPackPicture(folders_, pack, QStringLiteral("BGLilu"), PackKind::kJpeg).isNull());
  EXPECT_TRUE(LoadPackPicture(folders_, pack, QStringLiteral("GTouch"), PackKind::kPng).isNull());
  EXPECT_TRUE(LoadPackPicture(folders_, QStringLiteral("../game/") + pack, QStringLiteral("BGLilu"),
                              PackKind::kPng)
                  .isNull());
}

TEST(CardSizes, ThreeClasses) {
  EXPECT_EQ(CardSize(true, 1.0), QSize(71, 96));
  EXPECT_EQ(CardSize(false, 1.29), QSize(61, 96));
  EXPECT_EQ(CardSize(true, 1.3), QSize(92, 125));
  EXPECT_EQ(CardSize(false, 1.3), QSize(79, 125));
  EXPECT_EQ(CardSize(true, 1.7), QSize(121, 163));
  EXPECT_EQ(CardSize(true, 2.0), QSize(146, 198));
  EXPECT_EQ(CardSize(false, 2.6), QSize(126, 198));
}

TEST(DealBack, WeekdayAlwaysOneAndGroups) {
  Random random(7);
  for (int day = 1; day <= 7; ++day) {
    EXPECT_EQ(ChooseDealBack(3, false, day, random), day);
    EXPECT_EQ(ChooseDealBack(12, true, day, random), 7);
  }
  // Flowers: one of ten at random whatever the day and AlwaysOneBack.
  std::set<int> seen;
  for (int i = 0; i < 400; ++i) {
    const int picture = ChooseDealBack(9, i % 2 == 0, 1 + i % 7, random);
    ASSERT_GE(picture, 1);
    ASSERT_LE(picture, 10);
    seen.insert(picture);
  }
  EXPECT_EQ(seen.size(), 10u);
}

}  // namespace
}  // namespace ostrel
