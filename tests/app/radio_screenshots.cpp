// Not a test: the pictures of the radio in docs/screenshots -- the main menu with the radio on
// its shelf, and the radio window in each of its four designs -- with the packs and the
// station list the build made.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/main_window.h"
#include "app/radio/radio_window.h"
#include "storage/atomic_file.h"
#include "storage/club_file.h"

using namespace ostrel;

namespace {

class NoSounds : public SoundPort {
 public:
  int Play(const std::string&, bool) override { return 0; }
};

class NoRadio : public RadioPlayer {
 public:
  void Play(const std::string&) override {}
  void Stop() override {}
  void SetVolume(double) override {}
};

QString g_out;

void Save(const QImage& image, const QString& name) {
  const QString path = QDir(g_out).filePath(name + ".png");
  if (!image.save(path)) qFatal("cannot write %s", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
  const QString built = QStringLiteral(OSTREL_BUILT_DIR);
  QTemporaryDir family;
  const QString program = family.path() + "/Ostrel4";
  QDir().mkpath(program);
  if (!QFile::copy(built + "/TarvoRadio.rad", family.path() + "/TarvoRadio.rad")) {
    qFatal("no station list in %s", qPrintable(built));
  }
  const std::string club = SerializeClubFile(InitialClubFile());
  for (const char* name : {kLocalClubFileName, kNetClubFileName}) {
    if (!ReplaceFileAtomically(program.toStdString() + "/" + name, club).ok()) qFatal("club file");
  }
  NoSounds sounds;
  AppContext context;
  context.program_folder = program.toStdString();
  context.sounds = &sounds;
  context.seed = 3;
  context.instant = true;
  context.music = false;
  context.packs = PackFolders{program, built};
  context.radio_player = [] { return std::make_unique<NoRadio>(); };
  TForm1 w(context);
  w.AppSettings().RadioListFromServer = false;
  w.AppSettings().WindowSize = 5;  // the radio shows from a drawing scale of 1.6 on
  w.RadioInit();
  w.show();
  QTest::mouseClick(w.Title(), Qt::LeftButton);
  w.ApplySettings();
  // Switched on by a click on the radio itself.
  auto* radio = w.Menu()->findChild<QWidget*>(QStringLiteral("ImRadio"));
  if (!radio || !radio->isVisible()) qFatal("the radio is not on the menu");
  QTest::mouseClick(radio, Qt::LeftButton);
  QTest::qWait(100);
  Save(w.grab().toImage().scaledToWidth(1000, Qt::SmoothTransformation), "radio-menu");

  const struct {
    int design;
    bool purple;
    const char* name;
  } designs[] = {{0, true, "radio-purple"},
                 {1, false, "radio-gray-concise"},
                 {2, false, "radio-gray-aristocratic"},
                 {3, false, "radio-gray-ribbons"}};
  for (const auto& d : designs) {
    w.AppSettings().AuxDesignPurple = d.purple;
    w.AppSettings().AuxDesign = d.purple ? 2 : d.design;
    QObject::connect(
        &w, &TForm1::DialogOpened, &w,
        [name = QString::fromLatin1(d.name)](QDialog* dialog) {
          QTimer::singleShot(100, dialog, [dialog, name] {
            Save(dialog->grab().toImage(), name);
            dialog->accept();
          });
        },
        Qt::SingleShotConnection);
    w.OpenRadio();
  }
  // Another country: its stations and the logo we drew for the first of them.
  w.AppSettings().AuxDesign = 3;
  QObject::connect(
      &w, &TForm1::DialogOpened, &w,
      [](QDialog* dialog) {
        QTimer::singleShot(100, dialog, [dialog] {
          auto* radio = qobject_cast<TFormRadio*>(dialog);
          if (!radio) qFatal("not the radio window");
          radio->Countries()->setCurrentIndex(17);  // France
          radio->Stations()->setCurrentIndex(2);
          Save(dialog->grab().toImage(), "radio-station");
          dialog->accept();
        });
      },
      Qt::SingleShotConnection);
  w.OpenRadio();
  return 0;
}
