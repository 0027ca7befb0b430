// The machine's public address as the web service sees it ("get_ip.php"), for the people who
// join a LAN game from outside. Blocking: the entry dialog runs it on a worker thread.
#pragma once

#include <QString>
#include <functional>

namespace ostrel {

// The request to the web service at `site`; it answers an empty text when no site is set, the
// request fails, or the answer is not an address.
std::function<QString()> PublicAddressSource(const QString& site);

}  // namespace ostrel
