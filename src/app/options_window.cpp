#include "app/options_window.h"

#include "app/qt_translations.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/account/passport_window.h"
#include "app/packs_page.h"
#include "app/small_windows.h"
#include "app/text.h"
#include "i18n/language.h"
#include "table/card_painter.h"
#include "table/cards_button.h"
#include "table/picture_source.h"

namespace ostrel {

namespace {

// The options window remembers its page while the program runs.
int g_last_page = 0;

QString U(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, bool& field,
                 TFormOptions* owner) {
  auto* box = new QCheckBox(T(caption), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setChecked(field);
  QObject::connect(box, &QCheckBox::toggled, owner, [&field, owner](bool on) {
    field = on;
    emit owner->Changed();
  });
  return box;
}

}  // namespace

TFormOptions::TFormOptions(Settings& settings, QWidget* parent)
    : TFormOptions(settings, OptionsContext{}, parent) {}

TFormOptions::TFormOptions(Settings& settings, OptionsContext context, QWidget* parent)
    : QDialog(parent), s_(settings), context_(std::move(context)) {
  setObjectName("TFormOptions");
  setWindowTitle(T("Options"));
  resize(660, 460);
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  // All nine tabs in sight: a tab hidden behind scroll arrows is a page nobody finds.
  pages_->setUsesScrollButtons(false);
  pages_->addTab(GeneralPage(), T("General"));
  pages_->addTab(CardsPage(), T("Cards"));
  pages_->addTab(DecksPage(), T("Decks"));
  pages_->addTab(GamePage(), T("Game"));
  pages_->addTab(FontsPage(), T("Fonts"));
  pages_->addTab(BackgroundPage(), T("BG"));
  pages_->addTab(SaveGamesPage(), T("Save games"));
  pages_->addTab(PacksPage(), QStringLiteral("DLL"));
  pages_->addTab(DesignPage(), T("Design"));
  pages_->setCurrentIndex(g_last_page);
  connect(pages_, &QTabWidget::currentChanged, this, [](int i) { g_last_page = i; });
  layout->addWidget(pages_);
  auto* ok = new TTarvoCardsButton(T("Ok"), this);
  ok->setObjectName("ButtonOk");
  ok->SetColorSB(SkinColour::DGreen);
  ok->setFixedSize(140, 30);
  connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  connect(this, &TFormOptions::Changed, this, &TFormOptions::RefreshEnabling);
  RefreshEnabling();
}

QPushButton* TFormOptions::SpeedButton(QWidget* page) {
  auto* speed = new QPushButton(page);
  speed->setObjectName("ButtonSpeed");
  const auto caption = [this, speed] {
    speed->setText(T("Speed") + QStringLiteral("=%1").arg(s_.CardSpeed));
  };
  caption();
  connect(speed, &QPushButton::clicked, this, [this, caption] {
    TFormSpeed window(s_.CardSpeed, this);
    connect(&window, &TFormSpeed::SpeedChanged, this, [this, caption](int v) {
      s_.CardSpeed = v;
      caption();
      emit Changed();
    });
    window.exec();
  });
  return speed;
}

QComboBox* TFormOptions::SizeCombo(QWidget* page) {
  auto* sizes = new QComboBox(page);
  sizes->setObjectName("ComboWindowSize");
  // Values 3 to 5 are offered only when the screen holds them.
  QSize screen(4000, 4000);
  if (const QScreen* sc = QGuiApplication::primaryScreen()) screen = sc->size();
  const struct {
    int value;
    const char* caption;
    int need_w, need_h;
  } kSizes[] = {{1, "Small window", 0, 0},
                {2, "Full screen", 0, 0},
                {3, "Average window 1", 990, 670},
                {4, "Average window 2", 1290, 870},
                {5, "Large window", 1520, 1020}};
  for (const auto& size : kSizes) {
    if (screen.width() >= size.need_w && screen.height() >= size.need_h) {
      sizes->addItem(T(size.caption), size.value);
    }
  }
  sizes->setCurrentIndex(std::max(0, sizes->findData(s_.WindowSize)));
  connect(sizes, &QComboBox::currentIndexChanged, this, [this, sizes](int i) {
    s_.WindowSize = sizes->itemData(i).toInt();
    emit Changed();
  });
  return sizes;
}

QComboBox* TFormOptions::LanguageCombo(QWidget* page) {
  auto* languages = new QComboBox(page);
  languages->setObjectName("ComboLanguage");
  for (int i = 0; i < kLanguageCount; ++i) {
    const std::string_view name = LanguageName(i);
    const std::string_view flag = FlagSuffix(i);
    const QPixmap icon = PictureSized(
        QStringLiteral("FlagO") + QString::fromLatin1(flag.data(), qsizetype(flag.size())),
        QSize(30, 20));
    languages->addItem(QIcon(icon), QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
  languages->setCurrentIndex(std::clamp(s_.Language, 0, kLanguageCount - 1));
  connect(languages, &QComboBox::currentIndexChanged, this, [this](int i) {
    s_.Language = i;
    SetLanguage(i);
    InstallQtTranslations(i);
    emit Changed();
  });
  return languages;
}

QWidget* TFormOptions::GeneralPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* media = new QGroupBox(T("Multimedia"), page);
  auto* ml = new QVBoxLayout(media);
  ml->addWidget(Check(media, "CheckSound", "Sound", s_.SoundOn, this));
  ml->addWidget(Check(media, "CheckMusic", "Music", s_.MusicOn, this));
  ml->addWidget(Check(media, "CheckGif", "Gif-animation", s_.GifAnimation, this));
  ml->addWidget(Check(media, "CheckFly", "\"Fly\" cards", s_.FlyingCards, this));
  ml->addWidget(Check(media, "CheckCursor", "Red mouse cursor", s_.RedCursor, this));
  ml->addWidget(Check(media, "CheckButtons", "New buttons", s_.NewButtons, this));
  layout->addWidget(media);
  layout->addWidget(Check(page, "CheckMultiplayer", "Multiplayer", s_.Multiplayer, this));

  layout->addWidget(SpeedButton(page));
  auto* passport = new QPushButton(T("Passport"), page);
  connect(passport, &QPushButton::clicked, this, [this] {
    // The passport writes into the same settings; they are saved when the options close.
    PassportWindow window(s_, this);
    window.exec();
  });
  layout->addWidget(passport);

  auto* form = new QFormLayout();
  form->addRow(T("Window size"), SizeCombo(page));
  form->addRow(T("Language"), LanguageCombo(page));
  layout->addLayout(form);
  layout->addStretch();
  return page;
}

QWidget* TFormOptions::GamePage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* main = new QGroupBox(T("Main"), page);
  auto* ml = new QVBoxLayout(main);
  auto* dial = new QGroupBox(T("You want to dial"), main);
  auto* dl = new QHBoxLayout(dial);
  auto* r301 = new QRadioButton(QStringLiteral("301 ") + T("points"), dial);
  r301->setObjectName("Radio301");
  auto* r501 = new QRadioButton(QStringLiteral("501 ") + T("points"), dial);
  r501->setObjectName("Radio501");
  dl->addWidget(r301);
  dl->addWidget(r501);
  (s_.TargetScore == 301 ? r301 : r501)->setChecked(true);
  connect(r301, &QRadioButton::toggled, this, [this](bool on) {
    s_.TargetScore = on ? 301 : 501;
    emit Changed();
  });
  ml->addWidget(dial);
  ml->addWidget(Check(main, "CheckBella", "To declare Bella only with 1st hand",
                      s_.BellaFirstHandOnly, this));
  ml->addWidget(Check(main, "CheckTrump", "Interrupt trump required", s_.TrumpRequired, this));
  layout->addWidget(main);
  layout->addStretch();
  return page;
}

std::string& TFormOptions::FontFace(int role) {
  switch (role) {
    case 1:
      return s_.FontSmall;
    case 2:
      return s_.FontSpecial1;
    case 3:
      return s_.FontSpecial2;
    default:
      return s_.FontLarge;
  }
}

int& TFormOptions::FontScale(int role) {
  switch (role) {
    case 1:
      return s_.ScaleSmall;
    case 2:
      return s_.ScaleSpecial1;
    case 3:
      return s_.ScaleSpecial2;
    default:
      return s_.ScaleLarge;
  }
}

QWidget* TFormOptions::FontsPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* roles = new QListWidget(page);
  roles->setObjectName("ListFontRoles");
  roles->addItems(
      {T("Large font"), T("Small font"), T("Special font") + " 1", T("Special font") + " 2"});
  auto* faces = new QFontComboBox(page);
  faces->setObjectName("ComboFont");
  auto* scale = new QSpinBox(page);
  scale->setObjectName("SpinScale");
  scale->setRange(50, 150);
  auto loading = std::make_shared<bool>(false);
  const auto load = [=, this](int role) {
    *loading = true;
    faces->setCurrentFont(QFont(U(FontFace(role))));
    scale->setValue(FontScale(role));
    *loading = false;
  };
  connect(roles, &QListWidget::currentRowChanged, this, [=](int r) {
    if (r >= 0) load(r);
  });
  connect(faces, &QFontComboBox::currentFontChanged, this, [=, this](const QFont& f) {
    if (*loading || roles->currentRow() < 0) return;
    FontFace(roles->currentRow()) = f.family().toStdString();
    emit Changed();
  });
  connect(scale, &QSpinBox::valueChanged, this, [=, this](int v) {
    if (*loading || roles->currentRow() < 0) return;
    FontScale(roles->currentRow()) = v;
    emit Changed();
  });
  auto* defaults = new QPushButton(T("Default"), page);
  connect(defaults, &QPushButton::clicked, this, [=, this] {
    const Settings d;
    s_.FontLarge = d.FontLarge;
    s_.FontSmall = d.FontSmall;
    s_.FontSpecial1 = d.FontSpecial1;
    s_.FontSpecial2 = d.FontSpecial2;
    s_.ScaleLarge = s_.ScaleSmall = s_.ScaleSpecial1 = s_.ScaleSpecial2 = 100;
    load(std::max(roles->currentRow(), 0));
    emit Changed();
  });
  roles->setCurrentRow(0);
  layout->addWidget(roles);
  auto* form = new QFormLayout();
  form->addRow(T("Font"), faces);
  form->addRow(T("Scale, %"), scale);
  layout->addLayout(form);
  layout->addWidget(defaults);
  auto* warning = new QLabel(
      T("Attention!\n\rThese installations should be changed only in case of incorrect map of "
        "fonts!")
          .replace("\n\r", "\n"),
      page);
  warning->setWordWrap(true);
  warning->setStyleSheet("color: #a00000;");
  layout->addWidget(warning);
  return page;
}

QWidget* TFormOptions::SaveGamesPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* check = Check(page, "CheckSaveGif", "Save games as GIFs", s_.SaveGif, this);
  layout->addWidget(check);
  auto* area = new QComboBox(page);
  area->setObjectName("ComboGifArea");
  area->addItems({T("Save contents of only the main window"), T("Save screen contents")});
  area->setCurrentIndex(std::clamp(s_.SaveGifArea, 1, 2) - 1);
  connect(area, &QComboBox::currentIndexChanged, this, [this](int i) {
    s_.SaveGifArea = i + 1;
    emit Changed();
  });
  layout->addWidget(area);
  auto* form = new QFormLayout();
  auto* delay = new QSpinBox(page);
  delay->setObjectName("SpinGifDelay");
  delay->setRange(10, 5000);
  delay->setValue(std::clamp(s_.GifFrameDelay, 10, 5000));
  connect(delay, &QSpinBox::valueChanged, this, [this](int v) {
    s_.GifFrameDelay = v;
    emit Changed();
  });
  form->addRow(T("Delay between frames, msec."), delay);
  layout->addLayout(form);
  layout->addStretch();
  save_gif_ = check;
  gif_area_ = area;
  gif_delay_ = delay;
  return page;
}

QWidget* TFormOptions::PacksPage() {
  auto* page = new TPacksPage(s_, context_.packs, context_.site, context_.play_sound, this);
  connect(page, &TPacksPage::Changed, this, &TFormOptions::Changed);
  // A new graphics pack enables the purple designs and the salute at once.
  connect(page, &TPacksPage::PacksChanged, this, [this] {
    RefreshEnabling();
    emit PacksArrived();
  });
  return page;
}

}  // namespace ostrel
