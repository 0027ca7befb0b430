#include "i18n/phrases.h"

#include "i18n/phrase_data.h"

namespace ostrel {
namespace {

std::size_t Index(PhraseKey key) {
  return static_cast<std::size_t>(key);
}

}  // namespace

std::string_view PhraseIn(PhraseKey key, int language) {
  std::size_t row = Index(key);
  // A key cast from an out-of-range number still reads something rather than past the end.
  if (row >= kPhraseCount) return {};
  return phrase_data::kCells[row][static_cast<std::size_t>(NormalizedLanguage(language))];
}

std::string_view Phrase(PhraseKey key) {
  return PhraseIn(key, Language());
}

std::optional<PhraseKey> PhraseAfter(PhraseKey key, int steps) {
  if (Index(key) >= kPhraseCount) return std::nullopt;
  long target = static_cast<long>(Index(key)) + steps;
  if (target < 0 || target >= static_cast<long>(kPhraseCount)) return std::nullopt;
  return static_cast<PhraseKey>(target);
}

PhraseKey ClubHeaderKey(int club_view) {
  int steps = (club_view == 2) ? 2 : 1;
  // The table's tests pin both followers of Mode, so this always has a value.
  return PhraseAfter(PhraseKey::Mode, steps).value_or(PhraseKey::Mode);
}

std::string PhraseWithNext(PhraseKey first, std::string_view middle) {
  std::string text(Phrase(first));
  text += middle;
  if (std::optional<PhraseKey> next = PhraseAfter(first)) text += Phrase(*next);
  return text;
}

std::string_view PhraseKeyName(PhraseKey key) {
  std::size_t row = Index(key);
  return row < kPhraseCount ? phrase_data::kKeyNames[row] : std::string_view();
}

std::optional<PhraseKey> FindPhraseKey(std::string_view name) {
  for (std::size_t row = 0; row < kPhraseCount; ++row) {
    if (phrase_data::kKeyNames[row] == name) return static_cast<PhraseKey>(row);
  }
  return std::nullopt;
}

std::optional<PhraseKey> FindPhraseByEnglish(std::string_view english) {
  for (std::size_t row = 0; row < kPhraseCount; ++row) {
    if (phrase_data::kCells[row][kEnglish] == english) return static_cast<PhraseKey>(row);
  }
  return std::nullopt;
}

std::optional<PhraseKey> PhraseKeyAt(std::size_t index) {
  if (index >= kPhraseCount) return std::nullopt;
  return static_cast<PhraseKey>(index);
}

}  // namespace ostrel
