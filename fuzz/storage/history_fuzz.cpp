// Any bytes as a history file. A sound file must write back to the same game lines (byte for
// byte when its end line is the one we write; the check sums cannot tell a reordered end line)
// and show its rows;
// a game line built from any name must keep its 114 columns on one line, so that the file it
// goes into stays sound.
#include <string>

#include "fuzz_check.h"
#include "storage/history.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const std::string_view bytes = fuzz::Bytes(data, size);

  const HistoryClock clock{[] { return std::time_t{1796893500}; },
                           [](const std::tm&) { return std::string("10.12.2026"); }};
  HisStr record;
  record.HName = std::string(bytes.substr(0, 80));
  const std::string line = HistoryGameLine(record, 1796893500, clock);
  FUZZ_CHECK(line.size() == kHistoryLineWidth);
  FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
  FUZZ_CHECK(ParseHistoryFile(HistoryFileBytes({line})).sound);

  const HistoryContent content = ParseHistoryFile(bytes);
  if (!content.sound) return 0;
  const std::string written = HistoryFileBytes(content.game_lines);
  const HistoryContent reread = ParseHistoryFile(written);
  FUZZ_CHECK(reread.sound && reread.game_lines == content.game_lines);
  const std::string end_line = HistoryEndLine();
  const std::size_t end_at = content.game_lines.size() * (kHistoryLineWidth + 2);
  if (bytes.substr(end_at, end_line.size()) == end_line) FUZZ_CHECK(written == bytes);
  for (const std::string& game : content.game_lines) HistoryRowOf(game);
  return 0;
}
