#include "online/records.h"

namespace ostrel::online {

int ServiceGameId(GameList list, int game_code) {
  // The family's newer games were numbered above 80 and moved out of the older lists' way.
  const int base = game_code > 80 ? game_code + 720 : game_code;
  switch (list) {
    case GameList::Windows:
      return base;
    case GameList::Android:
      return base + 100;
    case GameList::ClubAccounts:
      return base + 300;
  }
  return base;
}

std::string RegistrationDate(int year, int month, int day) {
  auto digits = [](int value, std::size_t width) {
    std::string text = std::to_string(value < 0 ? 0 : value);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text.substr(text.size() - width);
  };
  return digits(day, 2) + "." + digits(month, 2) + "." + digits(year, 4);
}

TTarvoClient EmptySeatPlayer() {
  TTarvoClient empty;
  empty.Sex = 'X';
  return empty;
}

}  // namespace ostrel::online
