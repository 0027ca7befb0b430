// The list of songs offered by the game's web site: the document "/musik/_playlist.html" holds
// one song a line, artist "~" file name, and the files lie beside it. Reading the list needs no
// Qt, so it is tested on plain text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

inline constexpr const char* kPlaylistPath = "/musik/_playlist.html";
inline constexpr int kMaxSongs = 1000;
// A site with this many songs or fewer gets no player: a handful of songs would repeat at once.
inline constexpr int kFewestSongs = 4;

struct SongList {
  bool Create = false;  // more than kFewestSongs songs: the player is shown
  // Songs 1..Max; element 0 stays empty so that song N is at [N].
  std::vector<std::string> URL;
  std::vector<std::string> Songs;
  std::vector<std::string> Artists;
  int Max = 0;
};

// The address of the list on a site ("http://host" or "http://host/"): empty without a site.
std::string PlaylistUrl(std::string_view site);

// Percent-encodes everything of `text` but the unreserved characters and "/", so that any file
// name (spaces, "#", "?", letters beyond ASCII in UTF-8) becomes one valid path.
std::string PercentEncodePath(std::string_view text);

// Reads the list's UTF-8 text. Lines are cut at LF; a trailing CR, empty lines and lines
// without "~" are left out; the first kMaxSongs songs are kept.
SongList ParseSongList(std::string_view text, std::string_view site);

}  // namespace ostrel
