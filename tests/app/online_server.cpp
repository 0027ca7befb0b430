#include "online_server.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "online/records.h"
#include "server/store/store.h"

namespace ostrel::testing {

namespace {

server::TopTenRow Line(int gid, int score, std::string nick, std::string country, std::string city,
                       std::string sex) {
  server::TopTenRow row;
  row.gid = gid;
  row.score = score;
  row.nick = std::move(nick);
  row.country = std::move(country);
  row.city = std::move(city);
  row.r07 = std::move(sex);
  return row;
}

server::TopTenRow Message(std::string nick, std::string text) {
  server::TopTenRow row = Line(online::kChatGameId, 0, std::move(nick), "1-001", "Riga", "W");
  row.r08 = "5.7f";
  row.r09 = "10_00_01.12.2026_Ostrel";
  row.r10 = std::move(text);
  return row;
}

void Fill(const std::string& data) {
  server::Store store("sqlite:" + data + "/ostrel.db", 1);
  store.AddTopTen(Line(65, 310, "Walter", "1-001", "Москва", "W"), 1);
  store.AddTopTen(Line(65, 250, "Ann", "1-010", "Oslo", "M"), 2);
  store.AddTopTen(Line(65, 120, "Bob", "2-005", "Tokyo", "M"), 3);
  store.AddTopTen(Line(165, 90, "Droid", "1-001", "Kazan", "M"), 4);
  store.AddChatMessage(Message("Ann", "Good_morning"), 5, 1000);
  store.AddChatMessage(Message("Bob", "Hi_all"), 6, 1000);
  server::StatsRow stats;
  stats.stat1 = 40;
  stats.stat2 = 30;
  stats.stat3 = 5;
  stats.stat4 = "Ann";
  stats.x = {100, 4, 60, 40, 7, 3};
  store.AddStats(65, stats);
  // A club account with a rating of exactly 7 and tournament figures.
  server::AccountRow vera;
  vera.nick = "Vera";
  vera.pw_hash = "not-a-hash";  // nobody signs in as her
  vera.city = "Riga";
  vera.country1 = "Latvia";
  vera.country2 = "1-026";
  vera.sex = "W";
  vera.email = "vera@example.org";
  vera.dater = "01.12.2026";
  vera.r01 = vera.r02 = vera.r03 = "#";
  store.CreateAccount(vera, 7, {online::kAccountPrefix});
  store.UpdateRated("Vera", online::kAccountPrefix, [](const server::RatedRow& row) {
    server::RatedRow rated = row;
    rated.kon = 3;
    rated.rating = 7;
    return std::optional<server::RatedRow>(rated);
  });
  store.SaveTourFigures("Vera", 40, 3, 12);
}

}  // namespace

std::unique_ptr<server::testing::ServerProcess> StartFilledServer(const std::string& binary,
                                                                  const std::string& data,
                                                                  const std::string& site) {
  Fill(data);
  std::filesystem::create_directories(site + "/news");
  std::ofstream(site + "/news/index.html") << "<html><!-- TarvoNews00007 --><p>Seven</p></html>";
  return std::make_unique<server::testing::ServerProcess>(
      binary, std::vector<std::string>{"--data", data, "--site-files", site, "--hash-cost",
                                       "minimum", "--log", "none"});
}

}  // namespace ostrel::testing
