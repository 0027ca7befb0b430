// A small reader of Standard MIDI Files for the tests: it walks every event of every track
// (running status, meta and system-exclusive events included) and times the piece by its
// tempo map.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace ostrel::testing {

struct SmfSummary {
  int format = 0;
  int tracks = 0;
  int division = 0;
  double seconds = 0.0;     // from the start to the last track's end
  int notes = 0;            // note-ons with a velocity
  int unmatched_notes = 0;  // note-ons never ended, note-offs never begun
  std::set<int> channels;   // channels that play notes
  std::set<int> programs;   // programs chosen
};

std::optional<SmfSummary> CheckSmf(std::string_view bytes, std::string* error);

}  // namespace ostrel::testing
