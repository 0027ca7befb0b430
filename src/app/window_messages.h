// The storage code's failures shown to the user: a message box in the user's language.
#pragma once

#include <QApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/text.h"
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
  void ShowError(std::string_view phrase, std::string_view detail) override {
    qWarning("%.*s: %.*s", int(phrase.size()), phrase.data(), int(detail.size()), detail.data());
    if (QApplication::platformName() == QLatin1String("offscreen")) return;
    QMessageBox::critical(owner_, T("Ostrel-Quartet"),
                          WindowBoxText(T(std::string(phrase).c_str())));
  }

 private:
  QWidget* owner_;
};

}  // namespace ostrel
