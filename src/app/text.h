// Every text the window shows goes through here: the English text names the phrase, and the
// phrase table gives it in the current language.
#pragma once

#include <QString>

#include "game/table_port.h"
#include "i18n/phrase_keys.h"

namespace ostrel {

QString T(const char* english);
// The phrase of a key in the current language (the storage code names its phrases by key).
QString T(PhraseKey key);
QString CaptionText(Caption caption);
QString WordsText(const std::vector<Words>& words, const std::string& seat_name);

}  // namespace ostrel
