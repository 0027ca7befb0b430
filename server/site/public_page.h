// The public page at "/": plain HTML without scripts of the world top ten lists, the account
// rating list, the tournament top ten, the statistics and the newest chat messages, in the
// browser's language when it is one of the program's ten. Every text a player wrote is
// escaped.
#pragma once

#include <string>
#include <string_view>

#include "server/store/store.h"

namespace ostrel::server {

// The language index (0-9) of the first language of an Accept-Language header that the
// program has; English when none.
int PageLanguage(std::string_view accept_language);

std::string HtmlEscape(std::string_view text);

std::string PublicPage(Store& store, int language);

}  // namespace ostrel::server
