// The storage code's failures shown to the user: a message box in the user's language.
#pragma once

#include <QApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/text.h"
#include "i18n/phrases.h"
#include "storage/message_port.h"

namespace ostrel {

// Phrases write a line break as "\n\r"; a message box wants one "\n".
inline QString WindowBoxText(QString text) {
  return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

// The storage code's failures become message boxes in the user's language.
class TForm1::Messages : public MessagePort {
 public:
  explicit Messages(QWidget* owner) : owner_(owner) {}
  void ShowError(PhraseKey phrase, std::string_view detail) override {
    const std::string_view english = PhraseIn(phrase, kEnglish);  // the log is in English
    qWarning("%.*s: %.*s", int(english.size()), english.data(), int(detail.size()), detail.data());
    if (QApplication::platformName() == QLatin1String("offscreen")) return;
    QMessageBox::critical(owner_, T("Ostrel-Quartet"), WindowBoxText(T(phrase)));
  }

 private:
  QWidget* owner_;
};

}  // namespace ostrel
