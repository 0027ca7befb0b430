// The pictures of the packs at the table: face sets, backs and backgrounds from every pack,
// and the purple design, at the small and the large window.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QtTest>

#include "app/options_window.h"
#include "app_fixture.h"
#include "table/purple_design.h"

using namespace ostrel;
using namespace ostrel::testing;

extern QString g_out;
void SavePng(const QImage& image, const QString& name);

namespace {

struct Look {
  int faces, back, pattern, colour;
};

// Eight face sets from the three card packs and the program, four back sets (one a group of
// ten), four background patterns in four colours.
constexpr Look kLooks[] = {{0, 0, 2, 0},   {2, 3, 1, 1},  {7, 8, 4, 5},  {12, 12, 7, 6},
                           {21, 0, 10, 2}, {29, 3, 2, 0}, {35, 8, 4, 5}, {45, 12, 7, 6}};

void Shoot(TForm1& w, const QString& name) {
  QApplication::processEvents();
  QTest::qWait(50);
  SavePng(w.grab().toImage(), name);
}

void ShotsAt(const QString& pack_folder, int window_size) {
  const QString sfx = QStringLiteral("-size%1").arg(window_size);
  AppFixture app(5, true, nullptr, PackFolders{pack_folder, QString()});
  TForm1& w = app.Window();
  w.AppSettings().WindowSize = window_size;
  app.LeaveTitle();
  app.StartAsNewPlayer("Anna");
  app.Settle();
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Begin
  app.RunUntil([&] { return !w.Table()->Busy() && w.CurrentGame().Record().Phase == 4; }, 5000);
  for (const Look& look : kLooks) {
    Settings& s = w.AppSettings();
    s.CardFaces = look.faces;
    s.DeckBack = look.back;
    s.BackgroundPattern = look.pattern;
    s.BackgroundColour = look.colour;
    w.ApplySettings();
    if (s.CardFaces != look.faces)
      qFatal("face set %d did not load from %s", look.faces, qPrintable(pack_folder));
    Shoot(w, QStringLiteral("packs-faces%1-back%2-bg%3-%4")
                     .arg(look.faces)
                     .arg(look.back)
                     .arg(look.pattern)
                     .arg(look.colour) +
                 sfx);
  }
  Settings& s = w.AppSettings();
  s.MainMenuDesign = 1;
  s.TableDesign = 1;
  s.CardFaces = 1;
  s.DeckBack = 5;
  w.ApplySettings();
  Shoot(w, "packs-purple-table" + sfx);
  for (QAction* action : w.PopupMenu1()->actions()) {
    if (action->objectName() == "Quit") action->trigger();  // Exit to menu, confirmed
  }
  app.RunUntil([&] { return w.CurrentScreen() == TForm1::Screen::Menu; }, 3000);
  Shoot(w, "packs-purple-menu" + sfx);
}

// The pages that choose pictures, with their previews read from the packs.
void OptionPages(const QString& pack_folder) {
  Settings settings;
  settings.CardFaces = 21;
  settings.DeckBack = 9;
  settings.BackgroundPattern = 6;
  settings.BackgroundColour = 4;
  OptionsContext context;
  context.packs = {pack_folder, QString()};
  TFormOptions options(settings, context);
  options.show();
  const std::pair<int, const char*> pages[] = {
      {1, "cards"}, {2, "decks"}, {5, "background"}, {7, "packs"}, {8, "design"}};
  for (const auto& [index, name] : pages) {
    options.Pages()->setCurrentIndex(index);
    QApplication::processEvents();
    SavePng(options.grab().toImage(), QStringLiteral("packs-options-%1").arg(name));
  }
  TFormOptions purple(settings, context);
  if (!ApplyPurpleDesign(&purple, context.packs, "GFormOpt", "GIcon48Opt")) {
    qFatal("no graphics pack in %s", qPrintable(pack_folder));
  }
  purple.show();
  purple.Pages()->setCurrentIndex(1);
  QApplication::processEvents();
  SavePng(purple.grab().toImage(), "packs-options-purple");
}

}  // namespace

void PackShots(const QString& pack_folder) {
  OptionPages(pack_folder);
  ShotsAt(pack_folder, 1);
  ShotsAt(pack_folder, 5);
}
