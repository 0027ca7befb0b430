#include "app/public_address.h"

#include <QHostAddress>

#include "net/http_client.h"

namespace ostrel {
namespace {

// The answer is one address; anything longer is not one.
constexpr std::size_t kMaxAnswer = 64;
constexpr int kTimeoutSeconds = 5;

}  // namespace

std::function<QString()> PublicAddressSource(const QString& site) {
  std::string base = site.toStdString();
  while (!base.empty() && base.back() == '/') base.pop_back();
  return [base]() -> QString {
    if (base.empty()) return {};
    const HttpResult r = HttpGet(base + "/get_ip.php", kTimeoutSeconds);
    if (!r.ok || r.body.size() > kMaxAnswer) return {};
    const QString text = QString::fromUtf8(r.body.data(), qsizetype(r.body.size())).trimmed();
    QHostAddress address;
    return address.setAddress(text) ? address.toString() : QString();
  };
}

}  // namespace ostrel
