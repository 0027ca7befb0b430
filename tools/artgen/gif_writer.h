// Animated GIF output through giflib: Qt reads GIF but cannot write it.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace ostrel::artgen {

// One shared palette for all frames, so the animation does not flicker between
// palettes; delay in hundredths of a second. Pixels less than half opaque
// become transparent. Returns false with a reason.
bool WriteAnimatedGif(const QString& path, const QList<QImage>& frames, int delay, bool loop,
                      QString* error);

}  // namespace ostrel::artgen
