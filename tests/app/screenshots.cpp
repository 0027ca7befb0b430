// Takes the pictures of docs/screenshots and measures the figures of docs/screenshots/README.md:
// the window is driven through a game as the tests drive it, and grabbed at the moments worth
// showing. Usage:
//   ostrel_screenshots OUT_FOLDER             pictures at window sizes 1 and 5
//   ostrel_screenshots OUT_FOLDER --size N    pictures at one window size
//   ostrel_screenshots OUT_FOLDER --pace      time per flight step at every card speed
//   ostrel_screenshots OUT_FOLDER --figures   start-up, memory and the pace of a deal
//   ostrel_screenshots OUT_FOLDER --packs DIR the sets of the packs in DIR at sizes 1 and 5
//   ostrel_screenshots OUT_FOLDER --languages the menu and the combinations in Russian, German
//                                             and Japanese at sizes 1 and 5
//   ostrel_screenshots OUT_FOLDER --cues      the table's cues at size 1, and full screen
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <filesystem>
#include <mutex>

#include "ai/ai_players.h"
#include "app/history_window.h"
#include "app/options_window.h"
#include "app/text.h"
#include "app_fixture.h"
#include "game/rules.h"
#include "storage/atomic_file.h"
#include "storage/history.h"
#include "table/end_game_window.h"
#include "table/suit_window.h"

using namespace ostrel;
using namespace ostrel::testing;

void PackShots(const QString& pack_folder);
void LanShots();
void CueShots();
void Pace();
void Figures(const QElapsedTimer& since_main);

QString g_out;

void SavePng(const QImage& image, const QString& name) {
  const QString path = g_out + "/" + name + ".png";
  const QString full = path + ".full.png";
  image.convertToFormat(QImage::Format_RGB888).save(full, nullptr, 9);
  // The gallery stays light (under about 300 KB a picture): 256 colours where they fit, fewer
  // and undithered for the large window, whose felt would otherwise cost a megabyte.
  for (const char* colours : {"256", "128", "96", "64", "48", "32"}) {
    QStringList args{"--force", "--speed=1", "--output", path};
    if (QByteArray(colours) != "256") args << "--nofs";
    args << colours << full;
    if (QProcess::execute("pngquant", args) != 0) QFile::copy(full, path);
    if (QFileInfo(path).size() <= 300 * 1024) break;
  }
  QFile::remove(full);
}

namespace {

void Save(QWidget* w, const QString& name) {
  QApplication::processEvents();
  SavePng(w->grab().toImage(), name);
}

// A dialog as it stands over the main window: the window dimmed behind it, the dialog
// centred with a title bar and a shadow.
void SaveOver(QWidget* main, QWidget* dialog, const QString& name) {
  QApplication::processEvents();
  // The window behind the dialog is softened, as the eye leaves it for the dialog.
  const QImage sharp = main->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage window =
      sharp.scaled(sharp.size() / 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage top = dialog->grab().toImage();
  const int bar = 26;
  // A dialog taller or wider than the window gets a larger canvas, the window in its middle.
  const QSize size(std::max(window.width(), top.width() + 60),
                   std::max(window.height(), top.height() + bar + 40));
  QImage base(size, QImage::Format_RGB32);
  base.fill(QColor(20, 50, 30));
  QPainter p(&base);
  p.drawImage((size.width() - window.width()) / 2, (size.height() - window.height()) / 2, window);
  p.fillRect(base.rect(), QColor(0, 0, 0, 90));
  const QRect body((base.width() - top.width()) / 2, (base.height() - top.height() + bar) / 2,
                   top.width(), top.height());
  const QRect frame = body.adjusted(-1, -bar, 1, 1);
  p.fillRect(frame.translated(6, 6), QColor(0, 0, 0, 80));
  QLinearGradient g(frame.topLeft(), frame.topLeft() + QPoint(0, bar));
  g.setColorAt(0, QColor(150, 20, 20));
  g.setColorAt(1, QColor(100, 0, 0));
  p.fillRect(QRect(frame.topLeft(), QSize(frame.width(), bar)), g);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(13);
  p.setFont(f);
  p.drawText(QRect(frame.left() + 10, frame.top(), frame.width() - 20, bar),
             Qt::AlignVCenter | Qt::AlignLeft, dialog->windowTitle());
  p.drawImage(body.topLeft(), top);
  p.setPen(QColor(60, 0, 0));
  p.drawRect(frame.adjusted(0, 0, -1, -1));
  p.end();
  SavePng(base, name);
}

// A few games of the club in the history, so that the history window has something to show.
void WriteHistory(const std::string& folder) {
  const std::string history = folder + "/History";
  std::filesystem::create_directories(history);
  const HistoryClock clock{[] { return std::time_t{1765370000}; }, LocaleShortDate};
  const char* names[] = {"Anna", "Boris", "Vera", "Gleb", "Anna", "Dasha", "Boris",
                         "Anna", "Egor",  "Vera", "Anna", "Gleb", "Dasha", "Boris"};
  const int results[] = {214, -96, 58, 302, -12, 140, 76, -230, 18, 96, 188, -44, 260, 34};
  std::vector<std::string> lines;
  for (int i = 0; i < 14; ++i) {
    HisStr rec{names[i], 1 + i / 2, results[i], 40.0 + results[i] / 7.0,
               i % 5 == 3 ? HistoryKind::Lan : HistoryKind::Computer};
    HistoryClock at = clock;
    at.now = [i] { return std::time_t{1765370000 + i * 2400}; };
    lines.push_back(HistoryGameLine(rec, at.now(), at));
  }
  const std::vector<std::string> first(lines.begin(), lines.begin() + 4);
  (void)ReplaceFileAtomically(HistoryFilePath(history, "Ostrel4", 1), HistoryFileBytes(first));
  (void)ReplaceFileAtomically(HistoryFilePath(history, "Ostrel4", 2), HistoryFileBytes(lines));
}

bool Idle(TForm1& w) {
  return !w.Table()->Busy();
}

void Dialogs(AppFixture& app, const QString& sfx) {
  TForm1& w = app.Window();
  {
    // The recording switched on, to show its page with every control in use.
    Settings settings = w.AppSettings();
    settings.SaveGif = true;
    TFormOptions options(settings, &w);
    const char* pages[9] = {"general",    "cards",      "decks", "game",  "fonts",
                            "background", "save-games", "packs", "design"};
    options.show();
    for (int i = 0; i < 9; ++i) {
      options.Pages()->setCurrentIndex(i);
      SaveOver(&w, &options, QStringLiteral("options-%1").arg(pages[i]) + sfx);
    }
    options.hide();
  }
  HistoryChoice choice;
  TFHistory history(app.Folder(), choice, &w);
  history.show();
  QApplication::processEvents();
  SaveOver(&w, &history, "history" + sfx);
  history.hide();
  VerdictInput verdict;
  verdict.place = 1;
  verdict.result = 214;
  TFormEndGame end(verdict, &w);
  end.show();
  QTest::qWait(1500);  // the verdict animation runs to its last frame
  SaveOver(&w, &end, "verdict" + sfx);
  end.hide();
}

void Shots(int window_size) {
  const QString sfx = QStringLiteral("-size%1").arg(window_size);
  AppFixture app(5);
  TForm1& w = app.Window();
  WriteHistory(app.Folder());
  w.AppSettings().WindowSize = window_size;
  w.ApplySettings();
  QTest::qWait(300);
  // The title screen has one size whatever the window's size.
  if (window_size == 1) Save(&w, "title");
  app.LeaveTitle();
  QTest::qWait(100);
  app.StartAsNewPlayer("Anna");
  app.Settle();
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Begin
  app.RunUntil([&] { return Idle(w) && w.CurrentGame().Record().Phase == 4; }, 5000);
  Save(&w, "bidding" + sfx);
  {
    TFormMastDeb suit(2, T("Choice trump"), T("Select trump:"), T("Pass"), &w);
    suit.show();
    SaveOver(&w, &suit, "suit-window" + sfx);
  }
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Play
  bool combinations = false;
  const auto snap_combinations = [&] {
    const GameRecord& r = w.CurrentGame().Record();
    if (!combinations && Idle(w) && r.Phase == kPhaseCombinationsShown &&
        w.Table()->View()->State().shown_count > 0) {
      Save(&w, "combinations" + sfx);
      combinations = true;
    }
  };
  app.RunUntil(
      [&] {
        const GameRecord& r = w.CurrentGame().Record();
        if (Idle(w) && r.Phase == kPhaseTrickComplete && r.TrickNumber == 3) return true;
        snap_combinations();
        PlayerActs(w);
        return false;
      },
      10000);
  Save(&w, "trick" + sfx);
  app.RunUntil(
      [&] {
        const GameRecord& r = w.CurrentGame().Record();
        if (Idle(w) && r.GameOver) return true;
        snap_combinations();
        if (Idle(w) && r.Phase == kPhaseDealOver) {
          QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);
          return false;
        }
        PlayerActs(w);
        return false;
      },
      60000);
  app.Settle();
  Save(&w, "end-of-game" + sfx);
  if (!combinations) std::fprintf(stderr, "no combination was shown in this game\n");
  // Back in the menu, where the player now stands among the club's members.
  QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);  // Exit to menu
  app.RunUntil([&] { return w.CurrentScreen() == TForm1::Screen::Menu; }, 3000);
  QTest::qWait(100);
  Save(&w, "menu" + sfx);
  Dialogs(app, sfx);
}

// The main menu and a table with combinations in one language at one size.
void LanguageShots(int language, const char* code, int window_size) {
  const QString sfx = QStringLiteral("-%1-size%2").arg(QLatin1String(code)).arg(window_size);
  AppFixture app(5);
  TForm1& w = app.Window();
  w.AppSettings().WindowSize = window_size;
  w.AppSettings().Language = language;
  w.ApplySettings();
  app.LeaveTitle();
  QTest::qWait(100);
  Save(&w, "menu" + sfx);
  app.StartAsNewPlayer("Anna");
  app.Settle();
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Begin
  bool shown = false;
  // Deals go on until one shows its combinations on the table.
  app.RunUntil(
      [&] {
        const GameRecord& r = w.CurrentGame().Record();
        if (Idle(w) && r.Phase == kPhaseCombinationsShown &&
            w.Table()->View()->State().shown_count > 0) {
          Save(&w, "combinations" + sfx);
          shown = true;
          return true;
        }
        if (r.GameOver) return true;
        if (Idle(w) && r.Phase == kPhaseDealOver) {
          QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);
          return false;
        }
        PlayerActs(w);
        return false;
      },
      60000);
  if (!shown) std::fprintf(stderr, "%s: no combination was shown\n", code);
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer since_main;
  since_main.start();
  QApplication app(argc, argv);
  g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  const QString mode = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  if (mode == "--pace") {
    Pace();
    return 0;
  }
  if (mode == "--figures") {
    Figures(since_main);
    return 0;
  }
  QDir().mkpath(g_out);
  if (argc > 3 && mode == "--packs") {
    PackShots(QString::fromLocal8Bit(argv[3]));
    return 0;
  }
  if (mode == "--lan") {
    LanShots();
    return 0;
  }
  if (mode == "--cues") {
    CueShots();
    return 0;
  }
  if (mode == "--languages") {
    for (int size : {1, 5}) {
      LanguageShots(1, "ru", size);
      LanguageShots(2, "de", size);
      LanguageShots(8, "ja", size);
    }
    return 0;
  }
  if (argc > 3 && mode == "--size") {
    Shots(QString::fromLocal8Bit(argv[3]).toInt());
    return 0;
  }
  Shots(1);
  Shots(5);
  return 0;
}
