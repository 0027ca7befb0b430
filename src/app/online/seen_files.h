// The two small files that remember what the player has already seen, kept in the folder
// above the program's folder so that the family's games installed side by side share them:
// "TarvoChatTarvo.ini" (the newest chat message seen and the chat window's two choices) and
// "TarvoNewsTarvo.ini" (the newest news item seen). Both are a few digits a line; a file that
// is missing or unreadable counts as nothing seen.
#pragma once

#include <string>
#include <string_view>

#include "storage/file_system.h"
#include "storage/status.h"

namespace ostrel {

inline constexpr const char* kChatFileName = "TarvoChatTarvo.ini";
inline constexpr const char* kNewsFileName = "TarvoNewsTarvo.ini";

// The program's folder without its last component ("/opt/games/ostrel" -> "/opt/games");
// a folder without a parent stays as it is.
std::string SharedFolder(const std::string& program_folder);

struct ChatFile {
  int last_seen = 1;         // the newest message number seen
  bool at_bottom = false;    // "Last message at the bottom"
  bool open_on_new = false;  // "Open this window when a new message"
  bool operator==(const ChatFile&) const = default;
};

// The chat file of the shared folder. A missing file is created as "1", "0", "0" (the first
// start takes message 1 as seen); an unreadable one, or an unreadable number, counts as 0.
ChatFile LoadChatFile(const std::string& shared_folder, FileSystem& fs = RealFileSystem());
Status SaveChatFile(const std::string& shared_folder, const ChatFile& file,
                    FileSystem& fs = RealFileSystem());

// The newest news number seen; 0 when the file is missing or unreadable.
int LoadNewsFile(const std::string& shared_folder, FileSystem& fs = RealFileSystem());
Status SaveNewsFile(const std::string& shared_folder, int number,
                    FileSystem& fs = RealFileSystem());

// The news page's newest news number: the five characters after the first "TarvoNews", read
// as a number; 0 when the mark is absent or they are no number.
int NewsNumberOf(std::string_view page);

}  // namespace ostrel
