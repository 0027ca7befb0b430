#include "server/site/public_page.h"

#include <cstdio>

#include "i18n/language.h"
#include "i18n/phrases.h"
#include "online/records.h"

namespace ostrel::server {
namespace {

constexpr std::string_view kTags[kLanguageCount] = {"en", "ru", "de", "fr", "es",
                                                    "zh", "it", "cs", "ja", "ko"};

std::string P(PhraseKey key, int language) {
  return HtmlEscape(PhraseIn(key, language));
}

// Texts travel with "_" for spaces.
std::string Text(std::string_view t) {
  std::string s(t);
  for (char& c : s) c = c == '_' ? ' ' : c;
  return HtmlEscape(s == "#" ? "" : s);
}

std::string Rating(double r) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", r);
  return buf;
}

std::string Table(const std::string& caption, const std::vector<std::string>& head,
                  const std::vector<std::vector<std::string>>& rows) {
  std::string h = "<section><h2>" + caption + "</h2><table><tr>";
  for (const auto& c : head) h += "<th>" + c + "</th>";
  h += "</tr>";
  for (const auto& row : rows) {
    h += "<tr>";
    for (const auto& c : row) h += "<td>" + c + "</td>";
    h += "</tr>";
  }
  return h + "</table></section>\n";
}

std::string TopTenSection(Store& store, int gid, const std::string& caption, int language) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& l : store.TopTen(gid, 10)) {
    rows.push_back({std::to_string(l.place), Text(l.nick), Text(l.city), Text(l.country),
                    std::to_string(l.score)});
  }
  return Table(caption,
               {"#", P(PhraseKey::Nick, language), P(PhraseKey::City, language),
                P(PhraseKey::Country, language), P(PhraseKey::Score, language)},
               rows);
}

}  // namespace

int PageLanguage(std::string_view header) {
  // "de-CH,de;q=0.9,en;q=0.8": the tags in the order given (browsers list them by preference).
  std::size_t pos = 0;
  while (pos < header.size()) {
    std::size_t end = header.find(',', pos);
    if (end == std::string_view::npos) end = header.size();
    std::string_view tag = header.substr(pos, end - pos);
    while (!tag.empty() && tag.front() == ' ') tag.remove_prefix(1);
    tag = tag.substr(0, tag.find_first_of("-;_ "));
    for (int i = 0; i < kLanguageCount; ++i) {
      if (tag.size() == 2 && (tag[0] | 0x20) == kTags[i][0] && (tag[1] | 0x20) == kTags[i][1]) {
        return i;
      }
    }
    pos = end + 1;
  }
  return kEnglish;
}

std::string HtmlEscape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string PublicPage(Store& store, int language) {
  const int lang = language < 0 || language >= kLanguageCount ? kEnglish : language;
  const std::string top = P(PhraseKey::TopTen, lang);
  std::string h = "<!DOCTYPE html>\n<html lang=\"" + std::string(kTags[lang]) +
                  "\"><head><meta charset=\"utf-8\"><title>Ostrel</title><style>"
                  "body{font-family:sans-serif;margin:1em 2em}table{border-collapse:collapse}"
                  "td,th{border:1px solid #bbb;padding:2px 8px}section{margin-bottom:1.5em}"
                  "</style></head><body><h1>Ostrel</h1>\n";
  h += TopTenSection(store, online::ServiceGameId(online::GameList::Windows), top + " (Windows)",
                     lang);
  h += TopTenSection(store, online::ServiceGameId(online::GameList::Android), top + " (Android)",
                     lang);
  h += TopTenSection(store, online::ServiceGameId(online::GameList::ClubAccounts),
                     top + " (" + P(PhraseKey::AccountPlayer, lang) + ")", lang);
  std::vector<std::vector<std::string>> rating;
  int place = 0;
  for (const auto& l : store.RatingList(online::kAccountPrefix, 10)) {
    rating.push_back(
        {std::to_string(++place), Text(l.nick), Text(l.city), Text(l.country1), Rating(l.rating)});
  }
  h += Table(P(PhraseKey::Top10BestRated, lang),
             {"#", P(PhraseKey::Nick, lang), P(PhraseKey::City, lang), P(PhraseKey::Country, lang),
              P(PhraseKey::AccountRating, lang)},
             rating);
  std::vector<std::vector<std::string>> tour;
  place = 0;
  for (const auto& f : store.TourTop(TourColumn::kScore, 10)) {
    tour.push_back({std::to_string(++place), Text(f.nick), Text(f.city), std::to_string(f.score),
                    std::to_string(f.rating), std::to_string(f.kon)});
  }
  h += Table(P(PhraseKey::OnlineTournament, lang),
             {"#", P(PhraseKey::Nick, lang), P(PhraseKey::City, lang), P(PhraseKey::Score, lang),
              P(PhraseKey::AccountRating, lang), P(PhraseKey::OnlineGames, lang)},
             tour);
  const StatsRow s = store.ReadStats(online::kGameCode);
  const std::pair<PhraseKey, std::string> stats[] = {
      {PhraseKey::NumberOfStarts, std::to_string(s.stat1)},
      {PhraseKey::NumberOfUniqueStarts, std::to_string(s.stat2)},
      {PhraseKey::Likes, std::to_string(s.stat3)},
      {PhraseKey::LastLike, Text(s.stat4)},
      {PhraseKey::GamesWithPc, std::to_string(s.x[0])},
      {PhraseKey::CyclesWithPc, std::to_string(s.x[1])},
      {PhraseKey::PeopleWins, std::to_string(s.x[2])},
      {PhraseKey::PeopleLosses, std::to_string(s.x[3])},
      {PhraseKey::GamesNet, std::to_string(s.x[4])},
      {PhraseKey::GamesOnline, std::to_string(s.x[5])}};
  std::vector<std::vector<std::string>> stat_rows;
  for (const auto& [key, value] : stats) stat_rows.push_back({P(key, lang), value});
  h += Table(P(PhraseKey::Statistics, lang), {"", ""}, stat_rows);
  std::vector<std::vector<std::string>> chat;
  for (const auto& m : store.TopTen(online::kChatGameId, 10)) {
    chat.push_back({std::to_string(m.score), Text(m.nick), Text(m.city), Text(m.r09), Text(m.r10)});
  }
  h += Table(P(PhraseKey::TarvoGamesChat, lang),
             {"#", P(PhraseKey::Nick, lang), P(PhraseKey::City, lang), "", ""}, chat);
  return h + "</body></html>\n";
}

}  // namespace ostrel::server
