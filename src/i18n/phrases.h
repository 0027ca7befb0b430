// The phrase table: every text the program shows, in ten languages, compiled in from
// i18n/phrases.tsv (see i18n/README.md). Code names a phrase by its key:
//
//   Phrase(PhraseKey::ToPlay)            // "To Play" in the current language
//   PhraseIn(PhraseKey::ToPlay, kGerman) // one given language
//
// Keys are the first column of the table, spelled as C++ enumerators (UpperCamelCase,
// e.g. ExitToMenu, ClubHeaderScore). Phrases whose English text is the same are distinct
// keys (e.g. OptCards and SaluteCards both read "Cards" in English).
//
// Reading a phrase never fails. The texts are UTF-8; line breaks inside a phrase are the
// two characters LF CR ("\n\r"), which message boxes show as one line break.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "i18n/language.h"
#include "i18n/phrase_keys.h"  // generated: enum class PhraseKey, kPhraseCount

namespace ostrel {

// The text in the current language (Language()).
std::string_view Phrase(PhraseKey key);

// The text in `language`; an index outside 0..9 reads English, like SetLanguage.
std::string_view PhraseIn(PhraseKey key, int language);

// --- Order of the table -----------------------------------------------------------------
// Some texts are found by their place in the table, so the order of its rows is part of
// its meaning: the champions table's header is the v-th phrase after Mode, and some
// two-line messages are a phrase and the one that follows it.

// The key `steps` rows after `key` (steps may be negative); nullopt past either end.
std::optional<PhraseKey> PhraseAfter(PhraseKey key, int steps = 1);

// The header of the champions table for ClubView 1 (games and score) or 2 (games and
// rating): the first or second phrase after Mode. Any other view is taken as 1.
PhraseKey ClubHeaderKey(int club_view);

// Phrase(first) + middle + the phrase after `first`, in the current language: e.g.
//   PhraseWithNext(PhraseKey::LeaveToMenuQuestion, "\n\r")
//     -> "You want to leave in the main menu?\n\rAll datas for want of it will be lost!"
//   PhraseWithNext(PhraseKey::FileAttributesBegin, path)
//     -> "The file \"" + path + "\" has incorrect attributes!\n\r..."
// For the last phrase of the table there is no follower and only Phrase(first) + middle
// is returned.
std::string PhraseWithNext(PhraseKey first, std::string_view middle);

// --- Looking phrases up -----------------------------------------------------------------

// The key's name as written in the table ("ToPlay").
std::string_view PhraseKeyName(PhraseKey key);

// The key of a name as written in the table; nullopt for an unknown name. Meant for
// tables that map other modules' enums or data files to phrases by name.
std::optional<PhraseKey> FindPhraseKey(std::string_view name);

// The first phrase in table order whose English cell is exactly `english`. Where several
// phrases share an English text, this is the first of them; name the key directly when
// the other ones are meant.
std::optional<PhraseKey> FindPhraseByEnglish(std::string_view english);

// The key at a position of the table, 0-based; nullopt from kPhraseCount on.
std::optional<PhraseKey> PhraseKeyAt(std::size_t index);

}  // namespace ostrel
