#include "table/end_game_window.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMovie>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "packs/pack_names.h"
#include "pictures/own_pictures.h"
#include "table/cards_button.h"
#include "table/picture_source.h"
#include "table/score_board.h"

namespace ostrel {

namespace {

QString Plain(const char* english) {
  return QString::fromUtf8(english);
}

// The program's button with its caption in a colour of its own; the skin is the common one.
class CaptionColourButton : public TTarvoCardsButton {
 public:
  CaptionColourButton(const QString& caption, QColor colour, QWidget* parent)
      : TTarvoCardsButton(QString(), parent), caption_(caption), colour_(colour) {
    setAccessibleName(caption);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    TTarvoCardsButton::paintEvent(event);
    QPainter p(this);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 130));
    p.drawText(QRectF(rect()).translated(1, 1), Qt::AlignCenter, caption_);
    p.setPen(isEnabled() ? colour_ : QColor(220, 220, 220));
    p.drawText(rect(), Qt::AlignCenter, caption_);
  }

 private:
  QString caption_;
  QColor colour_;
};

}  // namespace

const char* VerdictAnimation(int place) {
  return place == 1 ? "GEndBest" : HasMedal(place) ? "GEndGood" : "GEndBads";
}

const char* VerdictSound(int place, int account_mode) {
  if (place == 1) return "WFiBest";
  if (place >= 2 && place <= 10) return "WFiGood";
  (void)account_mode;
  return "WFiBads";
}

const char* ClubEmblem(int account_mode, bool multiplayer) {
  if (multiplayer) return "GifG";
  return account_mode == 3 ? "GifB" : account_mode == 1 ? "GifF" : nullptr;
}

const VerdictStyle& VerdictStyleOf(bool purple) {
  static const VerdictStyle kGray{
      {100, 175, 250, 325, 400}, 50, 22, 20, 0x800080, 0x000080, 0x800000, 0x008000, 0x008000};
  // Yellow on the velvet; the result green in the ten and red outside them.
  static const VerdictStyle kPurple{
      {50, 125, 200, 275, 350}, 0, 20, 18, 0x00FFFF, 0x00FFFF, 0x00FFFF, 0x00C800, 0x0000FF};
  return purple ? kPurple : kGray;
}

std::vector<VerdictLine> VerdictLines(const VerdictInput& in, Translate tr) {
  if (tr == nullptr) tr = Plain;
  const VerdictStyle& s = VerdictStyleOf(in.purple);
  const int r1 = s.rows[0], r2 = s.rows[1], r3 = s.rows[2], r4 = s.rows[3];
  const QString result = tr("Result: ") + QString::number(in.result);
  const std::uint32_t result_colour = HasMedal(in.place) ? s.result_ten : s.result_other;
  std::vector<VerdictLine> lines;
  if (in.place == 1) {
    const std::uint32_t c = s.best;
    lines.push_back({tr("CONGRATULATIONS!!!"), 32, c, r1});
    lines.push_back({tr("Your result - the best!"), 28, c, r2});
    lines.push_back({result, 28, result_colour, r3});
    const char* title = in.multiplayer         ? "You become a Bachelor of the Order!"
                        : in.account_mode == 3 ? "You become the Vice-President of the order!"
                        : in.account_mode == 1 ? "You become a Master of the Order!"
                                               : nullptr;
    if (title != nullptr) lines.push_back({tr(title), s.title_height, c, r4});
  } else if (HasMedal(in.place)) {
    const std::uint32_t c = s.ten;
    lines.push_back({tr("CONGRATULATIONS!!!"), 32, c, r1});
    lines.push_back({tr("Good result!"), 28, c, r2});
    lines.push_back({result, 28, result_colour, r3});
    lines.push_back({tr("You have hitted in top ten players!"), 22, c, r4});
  } else {
    const std::uint32_t c = s.other;
    lines.push_back({tr("Our regrets..."), 32, c, r1});
    lines.push_back({tr("Your result keeps to wish best"), s.regret_height, c, r2});
    lines.push_back(
        {in.place > 10 ? result + " ; " + tr("Place: ") + QString::number(in.place) : result, 28,
         result_colour, r3});
    lines.push_back({tr("You have not hitted in ten best players..."), s.regret_height, c, r4});
  }
  return lines;
}

TFormEndGame::TFormEndGame(const VerdictInput& in, QWidget* parent, Translate tr)
    : QDialog(parent), in_(in), tr_(tr != nullptr ? tr : Plain) {
  setObjectName("TFormEndGame");
  setWindowTitle(tr_("The completion of game"));
  ChooseDesign();
  lines_ = VerdictLines(in_, tr_);
  if (purple_) {
    BuildPurple();
  } else {
    BuildGray();
  }
}

void TFormEndGame::ChooseDesign() {
  in_.design = std::clamp(in_.design, 1, 3);
  if (in_.purple) {
    purple_ =
        LoadPurplePictures(in_.packs, QStringLiteral("GFormEndG"), QStringLiteral("GIcon48WT"));
    if (purple_) return;
    // Without the pack the purple window quietly becomes the aristocratic one.
    in_.purple = false;
    in_.design = 2;
    outcome_.settings_to_design_2 = true;
    return;
  }
  const QString pack = QString::fromLatin1(kPackGraphics);
  if (in_.design == 1) {
    pack_header_ = LoadPackPicture(in_.packs, pack, LanguagePictureName("EndGame"), PackKind::kPng);
    // A pack without the picture is as good as none: the header stays empty either way.
    if (pack_header_.isNull()) {
      outcome_.message = tr_(kCantFindTheFile) + QLatin1Char(' ') + pack;
      outcome_.settings_to_design_2 = true;
    }
  } else if (in_.design == 3) {
    pack_header_ =
        LoadPackPicture(in_.packs, pack, LanguagePictureName("GFormEndG"), PackKind::kPng);
  }
}

QLabel* TFormEndGame::AddPicture(const char* name, const QRect& place, const QPixmap& picture) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setGeometry(place);
  if (!picture.isNull()) label->setPixmap(picture);
  return label;
}

void TFormEndGame::BuildGray() {
  const int design = in_.design;
  const int heights[4] = {0, 690, 705, 760};
  setFixedSize(560, heights[design]);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(212, 208, 200));
  setPalette(pal);
  setAutoFillBackground(true);

  const int header_h[4] = {0, 50, 64, 120};
  AddPicture("Image0", QRect(0, 0, 560, header_h[design]), Header());
  const int panel_top[4] = {0, 55, 70, 130};
  AddPicture("Panel1", QRect(5, panel_top[design], 550, 4), {})
      ->setStyleSheet("background: #b00000;");
  const int image_top[4] = {0, 75, 90, 145};
  AddPicture("Image1", QRect(5, image_top[design], 450, 570), TextPicture());
  const int verdict_top[4] = {0, 220, 240, 280};
  AddVerdict(QPoint(455, verdict_top[design]));
  const int button_top[4] = {0, 655, 670, 725};
  AddOkButton(QRect(180, button_top[design], 200, 30));
}

void TFormEndGame::AddVerdict(QPoint at) {
  QLabel* verdict = AddPicture("RxGIFAn1", QRect(at, QSize(100, 200)), VerdictPicture());
  // The verdict plays once and rests on its last frame for a place in the ten (25 frames for
  // the best, 24 for the others), and loops for a result outside them.
  const QString movie_path = OwnPicturePath(QString::fromLatin1(VerdictAnimation(in_.place)));
  if (in_.gif_animation && !movie_path.isEmpty()) {
    auto* movie = new QMovie(movie_path, QByteArray(), verdict);
    const int last = in_.place == 1 ? 24 : HasMedal(in_.place) ? 23 : -1;
    connect(movie, &QMovie::frameChanged, verdict, [movie, last](int frame) {
      if (last >= 0 && frame >= last) movie->setPaused(true);
    });
    verdict->setMovie(movie);
    movie->start();
  }
}

void TFormEndGame::AddOkButton(const QRect& place) {
  TTarvoCardsButton* ok = nullptr;
  if (Purple()) {
    ok = new CaptionColourButton(tr_("Ok"), QColor(0xC8, 0xAF, 0x32), this);
    ok->SetColorSB(SkinColour::DCards);
  } else {
    ok = new TTarvoCardsButton(tr_("Ok"), this);
    ok->SetColorSB(SkinColour::DRed);
  }
  ok->setObjectName("Button1");
  QFont f = ok->font();
  f.setPixelSize(20);
  f.setBold(true);
  ok->setFont(f);
  ok->setGeometry(place);
  connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
}

}  // namespace ostrel
