// How the storage code tells the user about a failure: the app shows the phrase (translated)
// in a message box; tests record it. Phrases are given by their English text, the key of the
// phrase table.
#pragma once

#include <string_view>

namespace ostrel {

class MessagePort {
 public:
  virtual ~MessagePort() = default;
  // An error box with an OK button. detail is the technical reason, for a log; the user sees
  // the phrase.
  virtual void ShowError(std::string_view phrase, std::string_view detail) = 0;
};

}  // namespace ostrel
