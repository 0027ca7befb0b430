#include "table/purple_design.h"

#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "i18n/language.h"
#include "packs/pack_names.h"
#include "table/cards_button.h"

namespace ostrel {

namespace {

constexpr char kPainterName[] = "PurpleDesignPainter";
constexpr int kIconLeft = 14;  // clear of the star on the background's corner

// Paints the design under everything else of the dialog: an event filter, so the dialog's own
// class needs no part in it.
class PurplePainter : public QObject {
 public:
  PurplePainter(QWidget* dialog, PurplePictures pictures)
      : QObject(dialog), dialog_(dialog), pictures_(std::move(pictures)) {
    setObjectName(kPainterName);
    dialog->installEventFilter(this);
  }

  void SetPictures(PurplePictures pictures) {
    pictures_ = std::move(pictures);
    scaled_ = QPixmap();
    dialog_->update();
  }

  // The height of the band at the top the header and the icon take.
  int Band() const {
    const int icon = pictures_.icon.isNull() ? 0 : pictures_.icon.height() + 8;
    return std::max(pictures_.header.isNull() ? 0 : pictures_.header.height(), icon);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == dialog_ && event->type() == QEvent::Paint) Paint();
    return false;  // the dialog paints itself after
  }

 private:
  void Paint() {
    if (scaled_.size() != dialog_->size()) {
      scaled_ = QPixmap::fromImage(pictures_.background.scaled(
          dialog_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QPainter p(dialog_);
    p.drawPixmap(0, 0, scaled_);
    if (!pictures_.header.isNull()) p.drawImage(0, 0, pictures_.header);
    if (!pictures_.icon.isNull()) {
      p.drawImage(kIconLeft, std::max(0, (Band() - pictures_.icon.height()) / 2), pictures_.icon);
    }
  }

  QWidget* dialog_;
  PurplePictures pictures_;
  QPixmap scaled_;  // the background at the dialog's size, made again when that changes
};

}  // namespace

QString LanguagePictureName(const QString& base) {
  const std::string_view suffix = PictureSuffix(Language());
  return base + QString::fromLatin1(suffix.data(), static_cast<qsizetype>(suffix.size()));
}

std::optional<PurplePictures> LoadPurplePictures(const PackFolders& packs, const QString& form,
                                                 const QString& icon) {
  auto reader = OpenPack(packs, QString::fromLatin1(kPackGraphics));
  if (!reader) return std::nullopt;
  PurplePictures pictures;
  pictures.background = ReadPackPicture(*reader, form, PackKind::kJpeg);
  if (pictures.background.isNull()) return std::nullopt;
  pictures.header = ReadPackPicture(*reader, LanguagePictureName(form), PackKind::kPng);
  if (!icon.isEmpty()) pictures.icon = ReadPackPicture(*reader, icon, PackKind::kPng);
  return pictures;
}

bool ApplyPurpleDesign(QDialog* dialog, const PackFolders& packs, const QString& form,
                       const QString& icon) {
  if (dialog == nullptr) return false;
  std::optional<PurplePictures> pictures = LoadPurplePictures(packs, form, icon);
  if (!pictures) return false;
  auto* painter = dynamic_cast<PurplePainter*>(
      dialog->findChild<QObject*>(QString::fromLatin1(kPainterName), Qt::FindDirectChildrenOnly));
  if (painter != nullptr) {
    painter->SetPictures(std::move(*pictures));
  } else {
    painter = new PurplePainter(dialog, std::move(*pictures));
  }
  if (QLayout* layout = dialog->layout()) {
    QMargins margins = layout->contentsMargins();
    if (margins.top() < painter->Band()) {
      margins.setTop(painter->Band());
      layout->setContentsMargins(margins);
    }
  }
  // The controls keep the gray ground their texts are drawn for; the program's own buttons
  // are a bar of their own and would only get gray corners.
  for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<TTarvoCardsButton*>(child) == nullptr) child->setAutoFillBackground(true);
  }
  dialog->update();
  return true;
}

}  // namespace ostrel
