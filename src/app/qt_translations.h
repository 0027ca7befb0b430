// Qt's own texts (the standard buttons "Yes", "No", "Cancel", the file and colour dialogs) in
// the program's language, from the translations Qt ships.
#pragma once

#include <QString>

namespace ostrel {

// The Qt locale name of a language of the phrase table ("ru", "zh_CN"...).
QString QtLocaleName(int language);
// Replaces the Qt translation installed before by the one of `language`. False when Qt has no
// translation for it (English needs none); the standard texts then stay English.
bool InstallQtTranslations(int language);

}  // namespace ostrel
