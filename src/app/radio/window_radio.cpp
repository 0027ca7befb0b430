// The main window's part of the internet radio: the service and the control on the menu, the
// menu item and leaving the title screen.
#include <QMessageBox>

#include "app/main_window.h"
#include "app/radio/radio_control.h"
#include "app/radio/radio_player.h"
#include "app/radio/radio_service.h"
#include "app/radio/radio_window.h"
#include "app/text.h"
#include "net/http_client.h"
#include "storage/radio_files.h"

namespace ostrel {
namespace {

// The radio of a window without sound (tests): nothing is heard.
class SilentRadio : public RadioPlayer {
 public:
  void Play(const std::string&) override {}
  void Stop() override {}
  void SetVolume(double) override {}
};

}  // namespace

void TForm1::SetUpRadio() {
  RadioSetup setup;
  setup.packs = pictures_->Folders();
  setup.program = context_.program_folder;
  setup.folder = context_.radio_folder.empty() ? RadioFolder(context_.program_folder)
                                               : context_.radio_folder + "/";
  setup.site = context_.site.toStdString();
  setup.fetch = [](const std::string& url) -> std::optional<std::string> {
    HttpResult r = HttpGet(url, 8);
    if (!r.ok) return std::nullopt;
    return std::move(r.body);
  };
  if (context_.radio_player) {
    setup.player = context_.radio_player();
  } else if (context_.music) {
    setup.player = MakeMediaRadioPlayer();
  } else {
    setup.player = std::make_unique<SilentRadio>();
  }
  radio_service_ = std::make_unique<RadioService>(std::move(setup));
  radio_control_ = new RadioControl(*radio_service_, menu_);
  radio_control_->hide();
  connect(radio_control_, &RadioControl::Unavailable, this,
          [this] { RadioMessage(RadioUnavailableText()); });
  connect(radio_control_, &RadioControl::WindowWanted, this, &TForm1::OpenRadio);
  RadioInit();
}

void TForm1::RadioMessage(const QString& text) {
  QMessageBox box(QMessageBox::Information, T("Ostrel-Quartet"), text, QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("RadioMessage"));
  RunDialog(box);
}

void TForm1::RadioInit() {
  if (radio_service_) radio_service_->Init(settings_.RadioListFromServer);
}

void TForm1::OpenRadio() {
  if (!radio_service_) return;
  if (!radio_service_->State().CanUse) {
    emit radio_control_->Unavailable();
    return;
  }
  RadioWindowLook look;
  look.design = settings_.AuxDesign;
  look.purple = settings_.AuxDesignPurple;
  look.new_buttons = settings_.NewButtons;
  look.fonts.face = {QString::fromStdString(settings_.FontLarge),
                     QString::fromStdString(settings_.FontSmall),
                     QString::fromStdString(settings_.FontSpecial1),
                     QString::fromStdString(settings_.FontSpecial2)};
  look.fonts.scale = {settings_.ScaleLarge, settings_.ScaleSmall, settings_.ScaleSpecial1,
                      settings_.ScaleSpecial2};
  TFormRadio window(*radio_service_, look, this);
  if (window.FellBackToDesign2()) {
    settings_.AuxDesignPurple = false;
    settings_.AuxDesign = 2;
  }
  if (window.PackMessage()) RadioMessage(*window.PackMessage());
  RunDialog(window);
}

void TForm1::RadioOnLeavingTitle() {
  if (!radio_service_) return;
  // The radio left on plays instead of the background music.
  if (radio_service_->State().CanUse && radio_service_->State().Enabled && settings_.MusicOn) {
    settings_.MusicOn = false;
    Music(false);
  }
  radio_service_->LeaveTitle();
  if (radio_control_) radio_control_->update();
}

}  // namespace ostrel
