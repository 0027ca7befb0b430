// Refuses typed (or pasted) characters that a field does not take; backspace and deleting
// always work, since they only shorten the text.
#pragma once

#include <QValidator>
#include <functional>

namespace ostrel {

class TypingValidator : public QValidator {
 public:
  TypingValidator(std::function<bool(char32_t)> accepts, QObject* parent)
      : QValidator(parent), accepts_(std::move(accepts)) {}

  State validate(QString& input, int&) const override {
    for (const char32_t c : input.toUcs4())
      if (!accepts_(c)) return Invalid;
    return Acceptable;
  }

 private:
  std::function<bool(char32_t)> accepts_;
};

}  // namespace ostrel
