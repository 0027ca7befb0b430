#include "media/song_list.h"

#include <algorithm>
#include <cctype>

namespace ostrel {

namespace {

constexpr std::string_view kFolder = "/musik/";
constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view SiteBase(std::string_view site) {
  while (!site.empty() && site.back() == '/') site.remove_suffix(1);
  return site;
}

std::string Spaced(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '_', ' ');
  return out;
}

// The title ends where ".mp3" starts, whatever the case the file name was written in.
std::string_view CutExtension(std::string_view file) {
  constexpr std::string_view kExtension = ".mp3";
  const auto at =
      std::search(file.begin(), file.end(), kExtension.begin(), kExtension.end(),
                  [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  return file.substr(0, static_cast<std::size_t>(at - file.begin()));
}

bool Unreserved(unsigned char c) {
  return std::isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~';
}

}  // namespace

std::string PlaylistUrl(std::string_view site) {
  const std::string_view base = SiteBase(site);
  if (base.empty()) return {};
  return std::string(base) + kPlaylistPath;
}

std::string PercentEncodePath(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (Unreserved(c) || c == '/') {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

SongList ParseSongList(std::string_view text, std::string_view site) {
  SongList list;
  list.URL.emplace_back();
  list.Songs.emplace_back();
  list.Artists.emplace_back();
  if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
  const std::string folder = std::string(SiteBase(site)) + std::string(kFolder);
  while (!text.empty() && list.Max < kMaxSongs) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    // A line without the separator names no artist and no file; it is most likely markup or an
    // error page the server put in place of the list, and fetching it as a song would fail.
    const std::size_t tilde = line.find('~');
    if (tilde == std::string_view::npos) continue;
    list.Artists.push_back(Spaced(line.substr(0, tilde)));
    list.Songs.push_back(Spaced(CutExtension(line.substr(tilde + 1))));
    list.URL.push_back(folder + PercentEncodePath(line));
    ++list.Max;
  }
  list.Create = list.Max > kFewestSongs;
  return list;
}

}  // namespace ostrel
