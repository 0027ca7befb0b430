// How the storage code tells the user about a failure: the app shows the phrase in the current
// language in a message box; tests record it.
#pragma once

#include <string_view>

#include "i18n/phrase_keys.h"

namespace ostrel {

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // An error box with an OK button. detail is the technical reason, for a log; the user sees
  // the phrase.
  virtual void ShowError(PhraseKey phrase, std::string_view detail) = 0;
};

}  // namespace ostrel
