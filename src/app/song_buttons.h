// The three buttons of the internet song player at the bottom left of the main window: play or
// stop, next song, volume. The site's song list is fetched on a worker thread when the buttons
// are made; until it has come, and for good when it fails or holds too few songs, there are no
// buttons and nothing is said.
#pragma once

#include <QAbstractButton>
#include <QFutureWatcher>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "media/song_player.h"

namespace ostrel {

// The body of a successful answer to a GET of `url`, or nothing. Called on a worker thread.
using SongFetch = std::function<std::optional<std::string>(const std::string& url)>;

struct SongButtonsSetup {
  std::string site;  // "http://host"; empty: no player
  SongFetch fetch;
  // Made only once the list has come; tests hand in a fake.
  std::function<std::unique_ptr<SongStream>()> make_stream = MakeMediaSongStream;
  SongPick pick;  // unset: the program's generator, seeded from the clock
};

// A 61 x 61 picture button; drawn one pixel lower while pressed.
class SongButton : public QAbstractButton {
  Q_OBJECT
 public:
  SongButton(const QString& picture, QWidget* parent);
  void SetPicture(const QString& picture);
  const QString& PictureName() const { return picture_; }
  // Written over the picture (the volume).
  void SetCaption(const QString& caption);
  // Where the mouse was last released, in the button's own pixels.
  QPoint LastRelease() const { return last_release_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString picture_;
  QPoint last_release_;
};

inline constexpr int kSongButtonSize = 61;
inline constexpr double kSongButtonsMinScale = 1.5;

class SongButtons : public QObject {
  Q_OBJECT
 public:
  // The buttons are children of `window` and follow its bottom edge.
  SongButtons(QWidget* window, SongButtonsSetup setup);
  ~SongButtons() override;

  // The buttons show only on a large table (drawing scale at least 1.5) and never over the
  // intro screen. May be called before the list has come; it is applied then.
  void SetVisibleFor(double scale, bool intro);

  bool Created() const { return player_ != nullptr; }
  SongPlayer* Player() { return player_.get(); }
  SongButton* PlayButton() { return play_; }
  SongButton* NextButton() { return next_; }
  SongButton* VolumeButton() { return volume_; }
  QTimer& EndTimer() { return end_timer_; }

 signals:
  // The list's fetch has ended; `created` tells whether there is a player.
  void ListArrived(bool created);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Arrived(SongList list);
  void Refresh();
  void Place();
  void ApplyVisibility();

  QWidget* window_;
  SongButtonsSetup setup_;
  QFutureWatcher<SongList> fetch_;
  std::unique_ptr<SongPlayer> player_;
  // The window owns the buttons; they may go with it before this object does.
  QPointer<SongButton> play_;
  QPointer<SongButton> next_;
  QPointer<SongButton> volume_;
  QTimer end_timer_;
  bool wanted_visible_ = false;
};

// The balloon of the play button: a title over the text, or the plain text alone.
QString SongBalloon(const SongHint& hint);

}  // namespace ostrel
