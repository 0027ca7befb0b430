// The radio's stream through Qt Multimedia: one QMediaPlayer, the GStreamer back end fetching
// and decoding in its own threads, so switching on or choosing a station never waits for the
// station to answer. A dead address gives silence and no message.
#pragma once

#include <memory>

#include "storage/radio_tuner.h"

class QObject;

namespace ostrel {

// The player lives as long as the returned object; `parent` only anchors its Qt objects.
std::unique_ptr<RadioPlayer> MakeMediaRadioPlayer(QObject* parent = nullptr);

}  // namespace ostrel
