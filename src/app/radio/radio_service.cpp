#include "app/radio/radio_service.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include "app/text.h"
#include "packs/pack_names.h"
#include "storage/atomic_file.h"

namespace ostrel {
namespace {

// The fetched list must be a station list: text of a bounded size with a station in it.
bool UsableList(const std::string& bytes) {
  return !bytes.empty() && bytes.size() <= kRadioListMaxBytes && !ParseStationList(bytes).empty();
}

}  // namespace

RadioService::RadioService(RadioSetup setup, QObject* parent)
    : QObject(parent),
      setup_(std::move(setup)),
      player_(std::move(setup_.player)),
      tuner_(*player_, [this] { return LoadStationList(ListPath()); }) {}

RadioService::~RadioService() {
  if (worker_.joinable()) worker_.join();
  player_->Stop();
}

std::string RadioService::ListPath() const {
  return setup_.folder + (list_from_server_ ? kRadioListFetched : kRadioListShipped);
}

void RadioService::Init(bool list_from_server) {
  list_from_server_ = list_from_server;
  // A fetch under way ends with the setting as it is now.
  if (fetching_) return;
  if (!list_from_server || setup_.site.empty() || !setup_.fetch) {
    Finish(list_from_server, false);
    return;
  }
  fetching_ = true;
  if (worker_.joinable()) worker_.join();
  const std::string url = setup_.site + "/downloads/progr/cards/" + kRadioListShipped;
  const std::string target = setup_.folder + kRadioListFetched;
  auto fetch = setup_.fetch;
  QPointer<RadioService> self(this);
  worker_ = std::thread([self, url, target, fetch] {
    const std::optional<std::string> list = fetch(url);
    const bool ok = list && UsableList(*list) && ReplaceFileAtomically(target, *list).ok();
    // Back on the window's thread; the service may be gone by then.
    QMetaObject::invokeMethod(
        qApp,
        [self, ok] {
          if (!self) return;
          self->fetching_ = false;
          self->Finish(self->list_from_server_, ok);
        },
        Qt::QueuedConnection);
  });
}

void RadioService::Finish(bool list_from_server, bool download_ok) {
  RadioInitFacts facts;
  facts.logo_pack_found = OpenPack(setup_.packs, kPackRadioLogos) != nullptr;
  facts.list_from_server = list_from_server;
  facts.download_ok = download_ok;
  auto exists = [](const std::string& path) { return QFile::exists(QString::fromStdString(path)); };
  facts.shipped_list_found =
      exists(setup_.folder + kRadioListShipped) || exists(setup_.program + "/" + kRadioListShipped);
  ReadOutcome ini = RealFileSystem().ReadFile(SettingsPath(), kRadioSettingsMaxBytes);
  if (ini.read()) facts.settings = std::move(ini.bytes);
  tuner_.Init(facts);
  if (title_left_) tuner_.LeaveTitle();
  emit Changed();
}

void RadioService::Save() {
  (void)SaveRadioSettings(SettingsPath(), tuner_.State());
}

QString RadioService::Hint() const {
  return T("Tarvo Internet-Radio") + ": " + QString::fromStdString(tuner_.State().Name);
}

void RadioService::LeaveTitle() {
  title_left_ = true;
  if (!fetching_) tuner_.LeaveTitle();
}

QImage RadioService::PackPicture(const QString& name) const {
  return LoadPackPicture(setup_.packs, kPackRadioLogos, name, PackKind::kPng);
}

QImage RadioService::Logo() const {
  std::unique_ptr<PackReader> pack = OpenPack(setup_.packs, kPackRadioLogos);
  if (!pack) return {};
  const std::optional<std::string> name =
      LogoToDraw(tuner_.State().Resurs, [&](const std::string& n) { return pack->Find(n); });
  if (!name) return {};
  return ReadPackPicture(*pack, QString::fromStdString(*name), PackKind::kPng);
}

}  // namespace ostrel
