// The chat of a network game at the table (ImageMemo, Edit1, BitBtn1): the strip of the last
// four lines, each in its sender's colour, and below it the input line with its send button.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "table/fonts.h"
#include "table/layout.h"

class QLineEdit;
class QPushButton;

namespace ostrel {

// The colour of a network seat's lines: 1 maroon, 2 navy, 3 green, 4 olive.
QColor ChatSeatColour(int seat);

// A line as the strip shows it: while it is wider than `width`, characters come off its end
// until the shortened text with "..." fits (or nothing is left of it but "...").
QString FitChatLine(const QString& text, int width,
                    const std::function<int(const QString&)>& text_width);

class ChatStrip : public QWidget {
  Q_OBJECT
 public:
  // The strip, the input line and the button are children of `table` (the table's picture).
  explicit ChatStrip(QWidget* table);

  struct Line {
    int seat = 0;  // 0: an empty line
    QString text;  // as shown, cut to the strip
  };
  // A new line takes the first empty one; with all four in use the lines move up.
  void AddLine(int seat, const QString& text);
  void Clear();
  const std::array<Line, 4>& Lines() const { return lines_; }
  // Places the strip, the input line and the button for the table's scale.
  void Place(const TableLayout& layout, const FontRoles& fonts);
  // Shows the three parts (a network game) or hides them.
  void SetShown(bool shown);

  QLineEdit* Edit() { return edit_; }
  QPushButton* SendButton() { return send_; }

 signals:
  // Enter in the input line or the button: a line to send (never empty).
  void SendWanted(const QString& text);
  // "71948" typed on the send button while it has the focus: the open view on or off.
  void OpenViewToggled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Send();
  int LineWidth() const;

  std::array<Line, 4> lines_{};
  std::array<QString, 4> full_{};  // the lines as received, cut again when the scale changes
  TableScale scale_;
  QFont font_;
  QLineEdit* edit_;
  QPushButton* send_;
  QString typed_;  // the characters typed on the send button since it took the focus
};

}  // namespace ostrel
