#include "app/online/top_ten_lines.h"

#include "online/countries.h"
#include "online/field_check.h"
#include "online/numbers.h"

namespace ostrel {

namespace {

constexpr std::size_t kNearLines = 5;

QString Q(const std::string& text) {
  return QString::fromStdString(text == "#" ? std::string() : text);
}

QString Place(int place) {
  return QString::number(place) + QLatin1Char('.');
}

bool IsCountryCode(const std::string& text) {
  return online::ParseCountryCode(text).has_value();
}

}  // namespace

QString CountryShownName(const std::string& country) {
  if (IsCountryCode(country))
    return QString::fromUtf8(online::CountryOfCode(country).english.data(),
                             static_cast<int>(online::CountryOfCode(country).english.size()));
  return Q(country);
}

QString ChatHeadText(const online::TTarvoRecord& message) {
  const auto shown = [](const std::string& text) {
    return QString::fromStdString(online::ChatShownText(text == "#" ? std::string() : text));
  };
  return shown(message.City) + " : " + shown(message.R09) + " " + shown(message.R08) + " : " +
         shown(message.Nick);
}

QString ChatBodyText(const online::TTarvoRecord& message) {
  if (message.R10 == "#" || message.R10 == "#*") return {};
  return QString::fromStdString(online::ChatShownText(message.R10));
}

std::vector<ShownLine> TopTenShownLines(const TopTenLines& lines, bool with_flag) {
  std::vector<ShownLine> shown;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const online::TTarvoRecord& line = lines[i];
    ShownLine row;
    row.place = Place(line.Place > 0 ? line.Place : static_cast<int>(i) + 1);
    if (IsFilledLine(line)) {
      if (with_flag && IsCountryCode(line.Country))
        row.country_code = QString::fromStdString(line.Country);
      row.sex = line.R07 == "W" ? 'W' : 'M';
      row.nick = Q(line.Nick);
      row.where = with_flag ? Q(line.City) : Q(line.City) + ", " + CountryShownName(line.Country);
      row.score = QString::number(line.Score);
    }
    shown.push_back(row);
  }
  return shown;
}

std::vector<ShownLine> NearShownLines(const TopTenLines& lines) {
  std::vector<ShownLine> shown;
  for (const online::TTarvoRecord& line : lines) {
    if (!IsFilledLine(line)) continue;
    if (shown.size() == kNearLines) break;
    ShownLine row;
    row.place = Place(line.Place);
    row.nick = Q(line.Nick);
    row.score = QString::number(line.Score);
    shown.push_back(row);
  }
  return shown;
}

std::vector<ShownLine> RatingShownLines(const std::vector<online::TTarvoTop10>& lines) {
  std::vector<ShownLine> shown;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const online::TTarvoTop10& line = lines[i];
    ShownLine row;
    row.place = Place(static_cast<int>(i) + 1);
    if (!line.Nick.empty() && line.Nick != "#") {
      row.sex = line.Sex == 'W' ? 'W' : 'M';
      row.nick = Q(line.Nick);
      row.where = Q(line.City) + ", " + CountryShownName(line.Country);
      row.score = QString::fromStdString(online::RatingScreenText(line.Rating));
    }
    shown.push_back(row);
  }
  return shown;
}

std::vector<ShownLine> TourShownLines(const std::vector<online::TourTopLine>& lines) {
  std::vector<ShownLine> shown;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const online::TourTopLine& line = lines[i];
    ShownLine row;
    row.place = Place(line.Place > 0 ? line.Place : static_cast<int>(i) + 1);
    if (line.Nick != "#" && !line.Nick.empty()) {
      row.nick = Q(line.Nick);
      row.where = Q(line.City) + ", " + CountryShownName(line.Country);
      row.score = QString::number(line.Value);
    }
    shown.push_back(row);
  }
  return shown;
}

std::vector<ShownLine> ClubShownLines(const TopTenTable& table) {
  std::vector<ShownLine> shown;
  for (int i = 1; i <= 10; ++i) {
    const TopTenRow& source = table.rows[i];
    ShownLine row;
    row.place = QString::fromStdString(source.rank);
    if (!source.empty) {
      row.nick = QString::fromStdString(source.name).trimmed();
      row.score = QString::fromStdString(source.result).trimmed();
    }
    shown.push_back(row);
  }
  return shown;
}

}  // namespace ostrel
