// Any bytes as the site's song list. At most kMaxSongs songs, the three lists in step, and every
// address a valid path under the site's song folder.
#include <string>

#include "fuzz_check.h"
#include "media/song_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const std::string site = "http://127.0.0.1:25680";
  const SongList list = ParseSongList(fuzz::Bytes(data, size), site);
  FUZZ_CHECK(list.Max >= 0 && list.Max <= kMaxSongs);
  const auto entries = static_cast<std::size_t>(list.Max) + 1;
  FUZZ_CHECK(list.URL.size() == entries && list.Songs.size() == entries &&
             list.Artists.size() == entries);
  FUZZ_CHECK(list.Create == (list.Max > kFewestSongs));
  for (int i = 1; i <= list.Max; ++i) {
    const std::string& url = list.URL[static_cast<std::size_t>(i)];
    FUZZ_CHECK(url.rfind(site + "/musik/", 0) == 0);
    for (char c : url) FUZZ_CHECK(c > ' ' && c < 0x7F);
  }
  return 0;
}
