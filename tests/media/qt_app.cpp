#include "qt_app.h"

#include <QCoreApplication>

namespace ostrel::testing {

void EnsureQtApp() {
  static int argc = 1;
  static char name[] = "test_media";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
}

}  // namespace ostrel::testing
