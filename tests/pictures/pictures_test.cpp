// The compiled-in pictures against their list in assets/pictures.md.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <memory>

#include "picture_list.h"
#include "pictures/own_pictures.h"

namespace ostrel {
namespace {

class PicturesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pictures_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    QString error;
    list_ = test::ReadPictureList(QStringLiteral(OSTREL_PICTURE_LIST), &error);
    error_ = error;
  }
  static void TearDownTestSuite() { app_.reset(); }

  static std::unique_ptr<QGuiApplication> app_;
  static QMap<QString, test::ListedPicture> list_;
  static QString error_;
};

std::unique_ptr<QGuiApplication> PicturesTest::app_;
QMap<QString, test::ListedPicture> PicturesTest::list_;
QString PicturesTest::error_;

// The colour type byte of a PNG's header: 2 RGB, 6 RGB with alpha.
int PngColourType(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray head = file.read(26);
  if (head.size() < 26 || !head.startsWith("\x89PNG")) return -1;
  return static_cast<unsigned char>(head[25]);
}

TEST(PictureListTest, PatternsExpandAndFaultsAreReported) {
  QString error;
  EXPECT_EQ(test::ExpandPattern(QStringLiteral("{Ch,Bu}{07,08}B"), &error),
            QStringList({"Ch07B", "Ch08B", "Bu07B", "Bu08B"}));
  EXPECT_EQ(test::ExpandPattern(QStringLiteral("FonG"), &error), QStringList({"FonG"}));
  EXPECT_TRUE(error.isEmpty());
  EXPECT_TRUE(test::ExpandPattern(QStringLiteral("Ob{01Mo"), &error).isEmpty());
  EXPECT_FALSE(error.isEmpty());
}

TEST_F(PicturesTest, ListIsReadable) {
  ASSERT_TRUE(error_.isEmpty()) << error_.toStdString();
  // 72 faces, 8 suit symbols and 28 backs at the least.
  EXPECT_GE(list_.size(), 108);
  EXPECT_TRUE(list_.contains(QStringLiteral("Pi5AB")));
  EXPECT_TRUE(list_.contains(QStringLiteral("Ob07SuRB")));
}

TEST_F(PicturesTest, EveryListedPictureExistsWithItsSizeAndKind) {
  ASSERT_TRUE(error_.isEmpty()) << error_.toStdString();
  for (auto it = list_.cbegin(); it != list_.cend(); ++it) {
    const QString& name = it.key();
    SCOPED_TRACE(name.toStdString());
    const QImage image = OwnPicture(name);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), it->size.width());
    EXPECT_EQ(image.height(), it->size.height());
    QImageReader reader(OwnPicturePath(name));
    const QByteArray format = reader.format();
    EXPECT_EQ(QString::fromLatin1(format), it->kind);
    if (it->kind == QLatin1String("png")) {
      const int type = PngColourType(OwnPicturePath(name));
      EXPECT_TRUE(type == 2 || type == 6) << "PNG colour type " << type;
    }
    if (it->kind == QLatin1String("gif")) {
      EXPECT_GE(OwnAnimationFrames(name).size(), 2);
    }
  }
}

TEST_F(PicturesTest, NoPictureIsMissingFromTheList) {
  ASSERT_TRUE(error_.isEmpty()) << error_.toStdString();
  const QStringList names = OwnPictureNames();
  EXPECT_EQ(names.size(), list_.size());
  for (const QString& name : names) EXPECT_TRUE(list_.contains(name)) << name.toStdString();
}

TEST_F(PicturesTest, UnknownOrUnsafeNamesGiveNothing) {
  for (const char* name :
       {"", "Nothing", "Ch06.png", "../pictures/Ch06", ":/ostrel/pictures/Ch06", "Ch06 ", "ch06"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(OwnPicture(QString::fromLatin1(name)).isNull());
    EXPECT_TRUE(OwnPicturePath(QString::fromLatin1(name)).isEmpty());
    EXPECT_TRUE(OwnAnimationFrames(QString::fromLatin1(name)).isEmpty());
  }
}

TEST_F(PicturesTest, CardsAreTransparentOutsideTheirRoundedCorners) {
  // A flying card is cut out along its corners; the middle must be solid.
  for (const char* name : {"Ch06", "Pi4KB", "Ob01Mo", "Ob07SuRB"}) {
    SCOPED_TRACE(name);
    const QImage card = OwnPicture(QString::fromLatin1(name));
    ASSERT_FALSE(card.isNull());
    EXPECT_EQ(qAlpha(card.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(card.pixel(card.width() - 1, card.height() - 1)), 0);
    EXPECT_EQ(qAlpha(card.pixel(card.width() / 2, card.height() / 2)), 255);
  }
}

TEST_F(PicturesTest, VerdictAnimationsHaveTheFramesTheWindowStopsAt) {
  // The window rests on frame 25 for the best result, 24 for a good one and
  // shows frame 3 of the looping regret when animation is off.
  struct Case {
    const char* name;
    int least_frames;
    bool loops;
  };
  for (const Case& c : {Case{"GEndBest", 25, false}, Case{"GEndGood", 24, false},
                        Case{"GEndBads", 3, true}, Case{"GClubB", 2, true}}) {
    SCOPED_TRACE(c.name);
    const QString name = QString::fromLatin1(c.name);
    EXPECT_GE(OwnAnimationFrames(name).size(), c.least_frames);
    QImageReader reader(OwnPicturePath(name));
    EXPECT_EQ(reader.loopCount() != 0, c.loops);
  }
}

TEST_F(PicturesTest, CursorHotSpotsLieOnTheDrawing) {
  for (const char* name : {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"}) {
    SCOPED_TRACE(name);
    const QImage cursor = OwnPicture(QString::fromLatin1(name));
    ASSERT_FALSE(cursor.isNull());
    const QPoint spot = OwnCursorHotSpot(QString::fromLatin1(name));
    ASSERT_TRUE(cursor.rect().contains(spot));
    // The tip itself or a pixel right beside it is painted.
    int painted = 0;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const QPoint p = spot + QPoint(dx, dy);
        if (cursor.rect().contains(p) && qAlpha(cursor.pixel(p)) > 128) ++painted;
      }
    }
    EXPECT_GT(painted, 0);
  }
  EXPECT_EQ(OwnCursorHotSpot(QStringLiteral("FonG")), QPoint(0, 0));
}

}  // namespace
}  // namespace ostrel
