#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>
#include <memory>

#include "i18n/language.h"

namespace ostrel {

namespace {

// In the order of the phrase table's columns.
constexpr std::array<const char*, kLanguageCount> kLocales = {"en",    "ru", "de", "fr", "es",
                                                              "zh_CN", "it", "cs", "ja", "ko"};

std::unique_ptr<QTranslator>& Installed() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

}  // namespace

QString QtLocaleName(int language) {
  if (language < 0 || language >= kLanguageCount) language = 0;
  return QString::fromLatin1(kLocales[static_cast<std::size_t>(language)]);
}

bool InstallQtTranslations(int language) {
  std::unique_ptr<QTranslator>& installed = Installed();
  if (installed) {
    QCoreApplication::removeTranslator(installed.get());
    installed.reset();
  }
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_") + QtLocaleName(language),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  QCoreApplication::installTranslator(translator.get());
  installed = std::move(translator);
  return true;
}

}  // namespace ostrel
