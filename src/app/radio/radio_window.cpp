#include "app/radio/radio_window.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "app/account/account_pictures.h"
#include "app/radio/radio_service.h"
#include "app/text.h"
#include "packs/pack_names.h"
#include "table/cards_button.h"
#include "table/picture_source.h"

namespace ostrel {
namespace {

constexpr int kWidth = 340;

// The rows of a design: client height, top of the pictures, the two lists, the volume row and
// the Ok button, and the header's height (0: no header).
struct DesignRows {
  int height, pictures, countries, stations, volume, ok, header;
};

DesignRows RowsOf(int shown) {
  switch (shown) {
    case 1:
      return {279, 59, 159, 184, 209, 244, 48};
    case 2:
      return {295, 75, 175, 200, 225, 260, 64};
    case 3:
      return {325, 105, 205, 230, 255, 290, 90};
    default:  // purple
      return {320, 105, 205, 230, 255, 290, 0};
  }
}

QColor Bgr(unsigned v) {
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QIcon FlagIcon(int position) {
  const RadioCountry& c = RadioCountries()[static_cast<std::size_t>(position)];
  return QIcon(CountryFlag(c.continent, c.flag)
                   .scaled(14, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QImage GraphicsPicture(const PackFolders& packs, const char* name, PackKind kind) {
  return LoadPackPicture(packs, kPackGraphics, QString::fromLatin1(name), kind);
}

}  // namespace

TFormRadio::TFormRadio(RadioService& radio, RadioWindowLook look, QWidget* parent)
    : QDialog(parent), radio_(radio), look_(look) {
  setObjectName(QStringLiteral("TFormRadio"));
  setWindowTitle(T(PhraseKey::TarvoRadio));
  setCursor(Qt::ArrowCursor);
  image0_ = new QLabel(this);
  image1_ = new QLabel(this);
  image2_ = new QLabel(this);
  image3_ = new QLabel(this);
  image1_->setObjectName(QStringLiteral("Image1"));
  image2_->setObjectName(QStringLiteral("Image2"));
  image3_->setObjectName(QStringLiteral("Image3"));
  image1_->setCursor(Qt::PointingHandCursor);
  image1_->installEventFilter(this);
  countries_ = new QComboBox(this);
  stations_ = new QComboBox(this);
  countries_->setObjectName(QStringLiteral("ComboBox1"));
  stations_->setObjectName(QStringLiteral("ComboBox2"));
  minus_ = new TTarvoCardsButton(QStringLiteral("-"), this);
  plus_ = new TTarvoCardsButton(QStringLiteral("+"), this);
  ok_ = new TTarvoCardsButton(QStringLiteral("Ok"), this);
  minus_->setObjectName(QStringLiteral("ButtonMinus"));
  plus_->setObjectName(QStringLiteral("ButtonPlus"));
  ok_->setObjectName(QStringLiteral("Button1"));
  for (QWidget* w : std::initializer_list<QWidget*>{countries_, stations_, minus_, plus_, ok_}) {
    w->setCursor(Qt::PointingHandCursor);
  }
  ChooseDesign();
  Layout();
  on_ = radio_.PackPicture(QStringLiteral("RRADIO_MAING"));
  off_ = radio_.PackPicture(QStringLiteral("RRADIO_MAINR"));
  DrawSwitch();
  FillCountries();
  FillStations();
  DrawPanel();

  connect(countries_, &QComboBox::currentIndexChanged, this, [this](int position) {
    if (filling_ || position < 0) return;
    radio_.Tuner().ChooseCountry(position);
    FillStations();
    DrawPanel();
    emit radio_.Changed();
  });
  connect(stations_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    radio_.Tuner().ChooseStation(index);
    stations_->setToolTip(QString::fromStdString(radio_.State().Name));
    DrawPanel();
    emit radio_.Changed();
  });
  connect(minus_, &QAbstractButton::clicked, this, [this] {
    radio_.Tuner().VolumeDown();
    DrawPanel();
  });
  connect(plus_, &QAbstractButton::clicked, this, [this] {
    radio_.Tuner().VolumeUp();
    DrawPanel();
  });
  connect(ok_, &QAbstractButton::clicked, this, &QDialog::accept);
  ok_->setFocus();
}

void TFormRadio::ChooseDesign() {
  const PackFolders& packs = radio_.Packs();
  form_ = GraphicsPicture(packs, "GFormRadio", PackKind::kJpeg);
  purple_ = look_.purple;
  if (form_.isNull() && (look_.purple || look_.design != 2)) {
    // Without the graphics pack only the second gray design can be drawn.
    if (look_.design == 1 && !look_.purple) {
      pack_message_ = T(PhraseKey::CantFindFile) + " " + kPackGraphics;
    }
    purple_ = false;
    look_.design = 2;
    fell_back_ = true;
  }
  if (look_.design < 1 || look_.design > 3) look_.design = 2;
}

void TFormRadio::Layout() {
  const DesignRows r = RowsOf(ShownDesign());
  setFixedSize(kWidth, r.height);
  const QFont window_font = RoleFont(look_.fonts, FontRole::Serif, 24);
  setFont(window_font);
  QFont lists = RoleFont(look_.fonts, FontRole::Serif, 16);
  QFont bold = RoleFont(look_.fonts, FontRole::Serif, 24, true);
  image0_->setVisible(!purple_);
  image0_->setGeometry(5, 5, 330, r.header);
  image0_->setPixmap(QPixmap::fromImage(Header()));
  image1_->setGeometry(5, r.pictures, 145, 90);
  image2_->setGeometry(155, r.pictures, 180, 180);
  countries_->setGeometry(5, r.countries, 145, 22);
  stations_->setGeometry(5, r.stations, 145, 22);
  minus_->setGeometry(5, r.volume, 30, 30);
  image3_->setGeometry(39, r.volume, 78, 30);
  plus_->setGeometry(120, r.volume, 30, 30);
  ok_->setGeometry(5, r.ok, 330, 30);
  ok_->setFont(bold);
  for (QComboBox* list : {countries_, stations_}) {
    list->setFont(lists);
    list->setIconSize(QSize(14, 12));
    QPalette pal = list->palette();
    pal.setColor(QPalette::Base, purple_ ? Bgr(0xE20088) : QColor(Qt::white));
    pal.setColor(QPalette::Button, purple_ ? Bgr(0xE20088) : QColor(Qt::white));
    pal.setColor(QPalette::Text, purple_ ? QColor(Qt::yellow) : QColor(Qt::black));
    pal.setColor(QPalette::ButtonText, purple_ ? QColor(Qt::yellow) : QColor(Qt::black));
    list->setPalette(pal);
  }
  ok_->SetColorSB(purple_ ? SkinColour::DCards : SkinColour::DRed);
  ok_->SetColorMouse(purple_ ? Bgr(0x32AFC8) : QColor(Qt::yellow));
  for (TTarvoCardsButton* b : {minus_, plus_, ok_}) b->SetNata(look_.new_buttons);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, purple_ ? QColor(Qt::black) : pal.color(QPalette::Button));
  setPalette(pal);
  setAutoFillBackground(true);
}

QImage TFormRadio::Header() const {
  const DesignRows r = RowsOf(ShownDesign());
  if (r.header == 0) return {};
  QImage img(330, r.header, QImage::Format_ARGB32_Premultiplied);
  img.fill(palette().color(QPalette::Button));
  QPainter p(&img);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const PackFolders& packs = radio_.Packs();
  if (look_.design == 1) {
    p.drawImage(15, 0, GraphicsPicture(packs, "Radio", PackKind::kPng));
  } else if (look_.design == 2) {
    p.drawImage(15, 0, Picture(QStringLiteral("GCap300")));
    const QFont f = RoleFont(look_.fonts, FontRole::Serif, 40, true);
    p.setFont(f);
    const QString word = QStringLiteral("RADIO");
    const int x = (img.width() - QFontMetrics(f).horizontalAdvance(word)) / 2;
    const int y = 10 + QFontMetrics(f).ascent();
    p.setPen(QColor(128, 128, 0));  // half the yellow, rounded
    p.drawText(x + 1, y + 1, word);
    p.setPen(QColor(255, 255, 0));
    p.drawText(x, y, word);
  } else {
    const QSize band(img.width() - 50, img.height());
    p.drawPixmap(25, 0, PictureSized(QStringLiteral("GLenta280x090"), band));
    const QImage ribbon = GraphicsPicture(packs, "GFormRadioL", PackKind::kPng);
    if (!ribbon.isNull()) {
      p.drawImage(QRect(25, 6, band.width(), band.height() - 10), ribbon);
    }
  }
  return img;
}

// What lies under a picture: the purple background's piece, or the button face.
QImage TFormRadio::Background(const QRect& place) const {
  if (purple_) {
    return form_.scaled(kWidth, RowsOf(0).height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .copy(place);
  }
  QImage img(place.size(), QImage::Format_ARGB32_Premultiplied);
  img.fill(palette().color(QPalette::Button));
  return img;
}

void TFormRadio::FillCountries() {
  filling_ = true;
  countries_->clear();
  for (int i = 0; i < kRadioCountryCount; ++i) {
    countries_->addItem(FlagIcon(i), QString::fromLatin1(RadioCountries()[i].shown));
  }
  countries_->setCurrentIndex(radio_.State().KakStations);
  filling_ = false;
}

void TFormRadio::FillStations() {
  radio_.Tuner().FillStationList(radio_.State().KakStations);
  filling_ = true;
  // The country may have fallen back to the first one.
  countries_->setCurrentIndex(radio_.State().KakStations);
  stations_->clear();
  const QIcon flag = FlagIcon(radio_.State().KakStations);
  for (const RadioStation& s : radio_.Tuner().Shown()) {
    stations_->addItem(flag, QString::fromStdString(s.name));
  }
  stations_->setCurrentIndex(radio_.Tuner().Selected());
  stations_->setToolTip(QString::fromStdString(radio_.State().Name));
  filling_ = false;
}

void TFormRadio::DrawPanel() {
  QImage scale = Background(image3_->geometry());
  QPainter ps(&scale);
  ps.drawImage(
      0, 0, radio_.PackPicture(QString::fromStdString(VolumePictureName(radio_.State().Volume))));
  ps.end();
  image3_->setPixmap(QPixmap::fromImage(scale));
  QImage logo = Background(image2_->geometry());
  QPainter pl(&logo);
  pl.drawImage(0, 0, radio_.PackPicture(QStringLiteral("RRADIO_RAMKA")));
  pl.drawImage(15, 15, radio_.Logo());
  pl.end();
  image2_->setPixmap(QPixmap::fromImage(logo));
}

void TFormRadio::DrawSwitch() {
  QImage img = Background(image1_->geometry());
  QPainter p(&img);
  p.drawImage(0, 0, radio_.State().Enabled ? on_ : off_);
  p.end();
  image1_->setPixmap(QPixmap::fromImage(img));
}

bool TFormRadio::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image1_ && event->type() == QEvent::MouseButtonPress) {
    radio_.Tuner().Toggle();
    DrawSwitch();
    emit radio_.Changed();
    emit Switched();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFormRadio::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!purple_) return;
  QPainter p(this);
  p.drawImage(rect(), form_);
}

}  // namespace ostrel
