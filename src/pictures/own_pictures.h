// The program's own pictures, compiled into the program: card faces and backs
// of set 0, the table background "FonG", labels, frames, stars, cursors, the
// verdict animations and the language pictures. The list of names and sizes is
// assets/pictures.md. These are the pictures a pack lookup falls back to when
// no pack is present.
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

namespace ostrel {

// The picture of that name ("Ch06", "FonG", "RamkaBBSm", ...). For an animation
// ("GEndBest") its first frame. A null image for a name the program does not
// carry, including any name that is not plain letters, digits and underscores.
QImage OwnPicture(const QString& name);

// The resource path of the picture for readers that want the file itself (a
// QMovie for the GIF animations); empty for an unknown name.
QString OwnPicturePath(const QString& name);

// Every frame of an animated picture in order; one frame for a still picture,
// none for an unknown name.
QList<QImage> OwnAnimationFrames(const QString& name);

// Every name the program carries, sorted.
QStringList OwnPictureNames();

// The hot spot of the mouse cursors "CURARROW", "CURHAND", "CURWAIT" and
// "CUREDIT"; (0, 0) for any other name.
QPoint OwnCursorHotSpot(const QString& name);

}  // namespace ostrel
