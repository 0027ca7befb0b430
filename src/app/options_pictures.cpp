// The pages of the options window that choose pictures: card faces, backs, the background and
// the window designs, each with a preview read from the packs as the table would read it.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/options_window.h"
#include "app/text.h"
#include "packs/card_images.h"
#include "packs/pack_names.h"

namespace ostrel {

namespace {

// The message of a design whose pictures are in the missing graphics pack; it does not hold
// the options window.
void MissingGraphicsPack(QWidget* parent) {
  auto* box = new QMessageBox(QMessageBox::Warning, T("Options"),
                              T(kCantFindTheFile) + QLatin1Char(' ') + kPackGraphics,
                              QMessageBox::Ok, parent);
  box->setObjectName("MissingPack");
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

QListWidget* SetList(QWidget* parent, const char* name, int count,
                     const std::function<const char*(int)>& phrase) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QString::fromLatin1(name));
  for (int i = 0; i < count; ++i) list->addItem(T(phrase(i)));
  return list;
}

void SelectRow(QListWidget* list, int row) {
  if (list == nullptr) return;
  const QSignalBlocker block(list);
  list->setCurrentRow(row);
}

// A row of pictures side by side, for the previews.
QPixmap Strip(const QList<QImage>& images, int gap) {
  int w = 0;
  int h = 0;
  for (const QImage& i : images) {
    w += i.width() + gap;
    h = std::max(h, i.height());
  }
  QPixmap pm(std::max(1, w - gap), std::max(1, h));
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  int x = 0;
  for (const QImage& i : images) {
    p.drawImage(x, 0, i);
    x += i.width() + gap;
  }
  return pm;
}

bool GraphicsPackPresent(const PackFolders& folders) {
  return PackFileExists(folders, QString::fromLatin1(kPackGraphics));
}

}  // namespace

void TFormOptions::RefreshEnabling() {
  if (save_gif_) save_gif_->setEnabled(s_.WindowSize == 1);
  if (gif_area_) gif_area_->setEnabled(s_.SaveGif);
  if (gif_delay_) gif_delay_->setEnabled(s_.SaveGif);
  const bool both_purple = s_.MainMenuDesign == 1 && s_.TableDesign == 1;
  if (bg_pattern_) bg_pattern_->setEnabled(!both_purple);
  if (bg_colour_) bg_colour_->setEnabled(!both_purple);
  // The salute plays the graphics pack's pictures: without it there is nothing to show.
  const bool graphics = GraphicsPackPresent(context_.packs);
  for (QCheckBox* box : {salute_buttons_, salute_cards_}) {
    if (box == nullptr) continue;
    box->setEnabled(graphics);
    if (!graphics && box->isChecked()) box->setChecked(false);
  }
}

void TFormOptions::SyncFromSettings() {
  SelectRow(faces_list_, std::clamp(s_.CardFaces, 0, kFaceSetCount - 1));
  SelectRow(backs_list_, std::clamp(s_.DeckBack, 0, kBackSetCount - 1));
  SelectRow(patterns_list_, std::clamp(s_.BackgroundPattern, 1, kBackgroundPatterns) - 1);
  SelectRow(colours_list_, std::clamp(s_.BackgroundColour, 0, kBackgroundColours - 1));
  for (auto [combo, index] : {std::pair{menu_design_, s_.MainMenuDesign == 1 ? 1 : 0},
                              std::pair{table_design_, s_.TableDesign == 1 ? 1 : 0}}) {
    if (combo == nullptr) continue;
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index);
  }
  RefreshBackModification();
  ShowFacePreview();
  ShowBackPreview();
  ShowBackgroundPreview();
  RefreshEnabling();
}

QWidget* TFormOptions::CardsPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  faces_list_ =
      SetList(page, "ListCardFaces", kFaceSetCount, [](int i) { return FaceSet(i).phrase; });
  faces_list_->setCurrentRow(std::clamp(s_.CardFaces, 0, kFaceSetCount - 1));
  connect(faces_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    s_.CardFaces = row;
    ShowFacePreview();
    emit Changed();
  });
  layout->addWidget(faces_list_);
  face_preview_ = new QLabel(page);
  face_preview_->setObjectName("PreviewFaces");
  layout->addWidget(face_preview_, 0, Qt::AlignCenter);
  face_note_ = new QLabel(page);
  face_note_->setObjectName("PreviewFacesNote");
  face_note_->setStyleSheet("color: #a00000;");
  layout->addWidget(face_note_, 0, Qt::AlignCenter);
  ShowFacePreview();
  return page;
}

// The ace, king, queen and jack of the four suits, small, as the set draws them; a set whose
// pack is missing shows the program's own set and says which file it lacks.
void TFormOptions::ShowFacePreview() {
  if (face_preview_ == nullptr) return;
  PackOutcome outcome;
  const CardFaceSet set = LoadCardFaces(context_.packs, s_.CardFaces, 1.0, outcome);
  QList<QImage> cards;
  const char* ranks[4] = {"5A", "4K", "3Q", "2J"};
  for (int suit = 0; suit < 4; ++suit) {
    cards << set.faces.value(QString::fromLatin1(kSuitPrefixes[suit]) + ranks[suit]);
  }
  face_preview_->setPixmap(Strip(cards, 6));
  face_note_->setText(outcome.messages.join(QLatin1Char('\n')));
}

QWidget* TFormOptions::DecksPage() {
  auto* page = new QWidget(this);
  auto* layout = new QHBoxLayout(page);
  backs_list_ = SetList(page, "ListDecks", kBackSetCount, [](int i) { return BackSet(i).phrase; });
  backs_list_->setCurrentRow(std::clamp(s_.DeckBack, 0, kBackSetCount - 1));
  connect(backs_list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    s_.DeckBack = row;
    RefreshBackModification();
    ShowBackPreview();
    emit Changed();
  });
  layout->addWidget(backs_list_);
  auto* right = new QVBoxLayout();
  auto* group = new QGroupBox(T("Modification"), page);
  auto* gl = new QVBoxLayout(group);
  back_change_ = new QRadioButton(T("To change decks"), group);
  back_change_->setObjectName("RadioChangeDecks");
  back_one_ = new QRadioButton(T("Always one"), group);
  back_one_->setObjectName("RadioAlwaysOne");
  back_random_ = new QRadioButton(T("Random"), group);
  back_random_->setObjectName("RadioRandom");
  for (QRadioButton* r : {back_change_, back_one_, back_random_}) gl->addWidget(r);
  connect(back_one_, &QRadioButton::toggled, this, [this](bool on) {
    if (!back_one_->isEnabled()) return;
    s_.AlwaysOneBack = on;
    emit Changed();
  });
  right->addWidget(group);
  back_preview_ = new QLabel(page);
  back_preview_->setObjectName("PreviewBacks");
  right->addWidget(back_preview_, 0, Qt::AlignCenter);
  right->addStretch();
  layout->addLayout(right);
  RefreshBackModification();
  ShowBackPreview();
  return page;
}

// The groups take a picture at random for every deal; the other sets follow the weekday or
// keep one picture, and only those two choices are offered for them.
void TFormOptions::RefreshBackModification() {
  if (back_random_ == nullptr) return;
  const bool group = IsBackGroup(s_.DeckBack);
  const QSignalBlocker b1(back_change_), b2(back_one_), b3(back_random_);
  back_change_->setEnabled(!group);
  back_one_->setEnabled(!group);
  back_random_->setEnabled(group);
  (group ? back_random_ : s_.AlwaysOneBack ? back_one_ : back_change_)->setChecked(true);
}

// Three pictures of the set and the back of a player at the side.
void TFormOptions::ShowBackPreview() {
  if (back_preview_ == nullptr) return;
  PackOutcome outcome;
  const CardBackSet set = LoadCardBacks(context_.packs, s_.DeckBack, true, 1.0, outcome);
  QList<QImage> backs;
  for (int i : {0, 3, 6}) {
    if (i < set.backs.size()) backs << set.backs[i];
  }
  if (!set.side_backs.isEmpty()) backs << set.side_backs.front();
  back_preview_->setPixmap(Strip(backs, 6));
  back_preview_->setToolTip(outcome.messages.join(QLatin1Char('\n')));
}

QWidget* TFormOptions::BackgroundPage() {
  auto* page = new QWidget(this);
  auto* box = new QGroupBox(T("Background"), page);
  auto* layout = new QHBoxLayout(box);
  static const char* kPatterns[] = {"Sun",  "Felt",   "Gradient", "Cloth", "Carpet",
                                    "Tree", "Casino", "Pattern",  "Silk",  "Ornament"};
  static const char* kColours[] = {"Green",      "Red",       "Orang", "Yellow",
                                   "Light-Blue", "Dark Blue", "Violet"};
  patterns_list_ =
      SetList(box, "ListPattern", kBackgroundPatterns, [](int i) { return kPatterns[i]; });
  // "Carpet" names a back set too; the pattern has a phrase of its own.
  for (int i = 0; i < kBackgroundPatterns; ++i) {
    if (std::string_view(kPatterns[i]) == "Carpet") {
      patterns_list_->item(i)->setText(T(PhraseKey::SetCarpet2));
    }
  }
  patterns_list_->setCurrentRow(std::clamp(s_.BackgroundPattern, 1, kBackgroundPatterns) - 1);
  connect(patterns_list_, &QListWidget::currentRowChanged, this, [this](int r) {
    if (r < 0) return;
    s_.BackgroundPattern = r + 1;
    ShowBackgroundPreview();
    emit Changed();
  });
  colours_list_ = SetList(box, "ListColour", kBackgroundColours, [](int i) { return kColours[i]; });
  colours_list_->setCurrentRow(std::clamp(s_.BackgroundColour, 0, kBackgroundColours - 1));
  connect(colours_list_, &QListWidget::currentRowChanged, this, [this](int r) {
    if (r < 0) return;
    s_.BackgroundColour = r;
    ShowBackgroundPreview();
    emit Changed();
  });
  layout->addWidget(patterns_list_);
  layout->addWidget(colours_list_);
  bg_pattern_ = patterns_list_;
  bg_colour_ = colours_list_;
  auto* outer = new QVBoxLayout(page);
  outer->addWidget(box);
  bg_preview_ = new QLabel(page);
  bg_preview_->setObjectName("PreviewBackground");
  outer->addWidget(bg_preview_, 0, Qt::AlignCenter);
  ShowBackgroundPreview();
  return page;
}

void TFormOptions::ShowBackgroundPreview() {
  if (bg_preview_ == nullptr) return;
  PackOutcome outcome;
  const QImage image = LoadBackground(context_.packs, s_.BackgroundPattern, s_.BackgroundColour, 1,
                                      s_.MainMenuDesign == 1 && s_.TableDesign == 1, outcome);
  QPixmap pm(240, 160);
  pm.fill(QColor(40, 40, 40));
  if (!image.isNull()) {
    pm = QPixmap::fromImage(
        image.scaled(pm.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  bg_preview_->setPixmap(pm);
  bg_preview_->setToolTip(outcome.messages.join(QLatin1Char('\n')));
}

QComboBox* TFormOptions::AuxDesignCombo(QWidget* page) {
  auto* combo = new QComboBox(page);
  combo->setObjectName("ComboAuxDesign");
  combo->addItems(
      {T("Gray aristocratic"), T("Gray concise"), T("Gray with red ribbons"), T("Purple")});
  // List item 0 is design 2, 1 is design 1, 2 is design 3, 3 the purple design.
  combo->setCurrentIndex(s_.AuxDesignPurple  ? 3
                         : s_.AuxDesign == 1 ? 1
                         : s_.AuxDesign == 3 ? 2
                                             : 0);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, combo](int i) {
    if (i == 3 && !GraphicsPackPresent(context_.packs)) {
      MissingGraphicsPack(this);
      combo->setCurrentIndex(0);
      return;
    }
    s_.AuxDesignPurple = i == 3;
    if (i != 3) s_.AuxDesign = i == 1 ? 1 : i == 2 ? 3 : 2;
    emit Changed();
  });
  return combo;
}

QGroupBox* TFormOptions::SaluteGroup(QWidget* page) {
  auto* salute = new QGroupBox(T("Salute"), page);
  auto* sl = new QVBoxLayout(salute);
  const auto check = [&](const char* name, const char* caption, bool& field) {
    auto* box = new QCheckBox(T(caption), salute);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(field);
    connect(box, &QCheckBox::toggled, this, [this, &field](bool on) {
      if (field == on) return;
      field = on;
      emit Changed();
    });
    sl->addWidget(box);
    return box;
  };
  salute_buttons_ = check("CheckSaluteButtons", "Buttons", s_.SaluteButtons);
  salute_cards_ = check("CheckSaluteCards", "Cards", s_.SaluteCards);
  return salute;
}

QWidget* TFormOptions::DesignPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* form = new QFormLayout();
  const auto design_list = [&](const char* name, int& field) {
    auto* combo = new QComboBox(page);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems({T("Customizable"), T("Purple")});
    combo->setCurrentIndex(std::clamp(field, 0, 1));
    connect(combo, &QComboBox::currentIndexChanged, this, [this, &field, combo](int i) {
      if (i == 1 && !GraphicsPackPresent(context_.packs)) {
        MissingGraphicsPack(this);
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(0);
        return;
      }
      field = i;
      ShowBackgroundPreview();
      emit Changed();
    });
    return combo;
  };
  menu_design_ = design_list("ComboMenuDesign", s_.MainMenuDesign);
  table_design_ = design_list("ComboTableDesign", s_.TableDesign);
  form->addRow(T("Main Menu Design"), menu_design_);
  form->addRow(T("Game Table Design"), table_design_);
  aux_design_ = AuxDesignCombo(page);
  form->addRow(T("Auxiliary Window Design"), aux_design_);
  layout->addLayout(form);
  layout->addWidget(SaluteGroup(page));
  layout->addStretch();
  return page;
}

}  // namespace ostrel
