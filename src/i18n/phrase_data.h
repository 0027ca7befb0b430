// The generated cells of the phrase table (defined in the build tree by phrasegen). Only
// src/i18n reads this; everybody else goes through "i18n/phrases.h".
#pragma once

#include <string_view>

#include "i18n/language.h"
#include "i18n/phrase_keys.h"

namespace ostrel::phrase_data {

static_assert(kPhraseTableLanguages == static_cast<std::size_t>(kLanguageCount),
              "the phrase table must have one column per language");

extern const std::string_view kKeyNames[kPhraseCount];
extern const std::string_view kCells[kPhraseCount][kPhraseTableLanguages];

}  // namespace ostrel::phrase_data
