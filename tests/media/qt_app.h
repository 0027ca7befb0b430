// The Qt objects of the media library (timers, the audio device list) need an application
// object; the tests run under GoogleTest's own main, so one is made on first use.
#pragma once

#include <QByteArray>
#include <string_view>

namespace ostrel::testing {

void EnsureQtApp();

inline std::string_view View(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace ostrel::testing
