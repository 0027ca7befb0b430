// The pictures the table draws with, by name: the program's own set, compiled in. A name the
// program does not carry gives a null picture, and every painter then draws its own stand-in,
// so a missing picture never leaves a hole in the table.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace ostrel {

QImage Picture(const QString& name);
// The picture resized smoothly to the size (as it is when it has that size); cached.
QPixmap PictureSized(const QString& name, QSize size);

}  // namespace ostrel
