// The program: finds its folder, installs the shipped club files on the first start, and
// runs the main window.
#include <QApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/shipped_club.h"
#include "app/text.h"
#include "i18n/language.h"
#include "storage/program_lock.h"
#include "storage/settings.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ostrel-Quartet"));
  const QString exe_folder = QCoreApplication::applicationDirPath();
  QString error;
  const auto folders = ostrel::PrepareProgramFiles(
      exe_folder, ostrel::ShippedClubFolders(exe_folder), ostrel::ProcessEnvironment(), &error);
  if (!folders) {
    QMessageBox::critical(nullptr, ostrel::T("Ostrel-Quartet"), error);
    return 1;
  }
  // One copy at a time in a program folder: two would lose each other's games.
  std::string lock_error;
  const ostrel::ProgramLock lock = ostrel::ProgramLock::Take(folders->program, &lock_error);
  if (lock.outcome() == ostrel::ProgramLock::Outcome::Busy) {
    // Told in the player's language; reading the settings is safe beside the other copy.
    ostrel::SetLanguage(
        ostrel::LoadSettings(folders->program + "/" + ostrel::kSettingsFileName).Language);
    QMessageBox::critical(nullptr, ostrel::T("Ostrel-Quartet"),
                          ostrel::T(ostrel::PhraseKey::AlreadyRunning) + "\n" +
                              QString::fromStdString(folders->program));
    return 1;
  }
  if (!lock.held()) qWarning("%s", lock_error.c_str());
  ostrel::TidyProgramFolder(folders->program);
  ostrel::AppContext context;
  context.program_folder = folders->program;
  // The site the packs and the song list come from: "--site http://host:port" or OSTREL_SITE.
  context.site = qEnvironmentVariable("OSTREL_SITE");
  const QStringList args = QCoreApplication::arguments();
  if (const qsizetype i = args.indexOf(QStringLiteral("--site")); i >= 0 && i + 1 < args.size()) {
    context.site = args[i + 1];
  }
  ostrel::TForm1 window(context);
  if (!window.StartedWell()) {
    QMessageBox::critical(nullptr, ostrel::T("Ostrel-Quartet"), window.StartError());
    return 1;
  }
  window.show();
  return QApplication::exec();
}
