#include "lan/chat_line.h"

namespace ostrel::lan {
namespace {

// The length of `text` without its last UTF-8 character.
std::size_t WithoutLastCharacter(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0) {
    --end;
    const auto byte = static_cast<unsigned char>(text[end]);
    if ((byte & 0xC0) != 0x80) break;  // not a continuation byte: the character starts here
  }
  return end;
}

}  // namespace

std::string FitChatLine(std::string_view utf8,
                        const std::function<bool(std::string_view)>& too_wide) {
  std::string_view line = utf8;
  int cut = 0;
  while (cut < kMaxChatCut && !line.empty() && too_wide(line)) {
    line = line.substr(0, WithoutLastCharacter(line));
    ++cut;
  }
  std::string fitted(line);
  if (cut > 0) fitted += "...";
  return fitted;
}

}  // namespace ostrel::lan
