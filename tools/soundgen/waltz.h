// The menus' background music: a gentle folk waltz in G major for flute, later clarinet, over
// a guitar's "oom-pah-pah" and a plucked bass, about a minute and a half long, written as a
// Standard MIDI File with General MIDI instruments.
#pragma once

#include <string>

namespace ostrel::soundgen {

// The bytes of the piece; empty if the score below does not parse (a fault of this program).
std::string ComposeWaltz();

}  // namespace ostrel::soundgen
