#include "online/countries.h"

#include <array>
#include <span>

namespace ostrel::online {
namespace {

// The short name is the English name with "_" for every space, except where a row says
// otherwise; a few names keep their historic spellings ("Equador", "Maledives").
// Europe: rows 0-48.
constexpr std::array<Country, 49> kEurope = {{
    {"Unknown", "Unknown"},
    {"Russia", "Russia"},                      // 1
    {"Albania", "Albania"},                    // 2
    {"Andorra", "Andorra"},                    // 3
    {"Austria", "Austria"},                    // 4
    {"Belarus", "Belarus"},                    // 5
    {"Belgium", "Belgium"},                    // 6
    {"Bosnia & Herzegovina", "Bosnia_Herz."},  // 7
    {"Bulgaria", "Bulgaria"},                  // 8
    {"Croatia", "Croatia"},                    // 9
    {"Czech Republic", "Czech_Republic"},      // 10
    {"Denmark", "Denmark"},                    // 11
    {"Estonia", "Estonia"},                    // 12
    {"Faroe Islands", "Faroe_Islands"},        // 13
    {"Finland", "Finland"},                    // 14
    {"France", "France"},                      // 15
    {"Germany", "Germany"},                    // 16
    {"Gibraltar", "Gibraltar"},                // 17
    {"Greece", "Greece"},                      // 18
    {"Guernsey", "Guernsey"},                  // 19
    {"Hungary", "Hungary"},                    // 20
    {"Iceland", "Iceland"},                    // 21
    {"Ireland", "Ireland"},                    // 22
    {"Isle of Man", "Isle_of_Man"},            // 23
    {"Italy", "Italy"},                        // 24
    {"Jersey", "Jersey"},                      // 25
    {"Latvia", "Latvia"},                      // 26
    {"Liechtenstein", "Liechtenstein"},        // 27
    {"Lithuania", "Lithuania"},                // 28
    {"Luxembourg", "Luxembourg"},              // 29
    {"Macedonia", "Macedonia"},                // 30
    {"Malta", "Malta"},                        // 31
    {"Moldova", "Moldova"},                    // 32
    {"Monaco", "Monaco"},                      // 33
    {"Netherlands", "Netherlands"},            // 34
    {"Norway", "Norway"},                      // 35
    {"Poland", "Poland"},                      // 36
    {"Portugal", "Portugal"},                  // 37
    {"Romania", "Romania"},                    // 38
    {"San Marino", "San_Marino"},              // 39
    {"Serbia-Montenegro", "Serbia-Mont."},     // 40
    {"Slovakia", "Slovakia"},                  // 41
    {"Slovenia", "Slovenia"},                  // 42
    {"Spain", "Spain"},                        // 43
    {"Sweden", "Sweden"},                      // 44
    {"Switzerland", "Switzerland"},            // 45
    {"Ukraine", "Ukraine"},                    // 46
    {"Vatican City", "Vatican_City"},          // 47
    {"United Kingdom", "United_Kingdom"},      // 48
}};

// Asia: rows 0-51.
constexpr std::array<Country, 52> kAsia = {{
    {"Unknown", "Unknown"},
    {"Afghanistan", "Afghanistan"},                  // 1
    {"Armenia", "Armenia"},                          // 2
    {"Azerbaijan", "Azerbaijan"},                    // 3
    {"Bahrain", "Bahrain"},                          // 4
    {"Bangladesh", "Bangladesh"},                    // 5
    {"Bhutan", "Bhutan"},                            // 6
    {"British Indian Ocean Territory", "B.I.O.T."},  // 7
    {"Brunei", "Brunei"},                            // 8
    {"Cambodia", "Cambodia"},                        // 9
    {"China", "China"},                              // 10
    {"Cyprus", "Cyprus"},                            // 11
    {"East Timor", "East_Timor"},                    // 12
    {"Georgia", "Georgia"},                          // 13
    {"Hong Kong", "Hong_Kong"},                      // 14
    {"India", "India"},                              // 15
    {"Indonesia", "Indonesia"},                      // 16
    {"Iran", "Iran"},                                // 17
    {"Iraq", "Iraq"},                                // 18
    {"Israel", "Israel"},                            // 19
    {"Japan", "Japan"},                              // 20
    {"Jordan", "Jordan"},                            // 21
    {"Kazakhstan", "Kazakhstan"},                    // 22
    {"Kuwait", "Kuwait"},                            // 23
    {"Kyrgyzstan", "Kyrgyzstan"},                    // 24
    {"Laos", "Laos"},                                // 25
    {"Lebanon", "Lebanon"},                          // 26
    {"Macau", "Macau"},                              // 27
    {"Malaysia", "Malaysia"},                        // 28
    {"Maledives", "Maledives"},                      // 29
    {"Mongolia", "Mongolia"},                        // 30
    {"Myanmar", "Myanmar"},                          // 31
    {"Nepal", "Nepal"},                              // 32
    {"North Korea", "North_Korea"},                  // 33
    {"Oman", "Oman"},                                // 34
    {"Pakistan", "Pakistan"},                        // 35
    {"Philippines", "Philippines"},                  // 36
    {"Qatar", "Qatar"},                              // 37
    {"Saudi Arabia", "Saudi_Arabia"},                // 38
    {"Singapore", "Singapore"},                      // 39
    {"South Korea", "South_Korea"},                  // 40
    {"Sri-Lanka", "Sri-Lanka"},                      // 41
    {"Syria", "Syria"},                              // 42
    {"Taiwan", "Taiwan"},                            // 43
    {"Tajikistan", "Tajikistan"},                    // 44
    {"Thailand", "Thailand"},                        // 45
    {"Turkey", "Turkey"},                            // 46
    {"Turkmenistan", "Turkmenistan"},                // 47
    {"United Arab Emirates", "UAE"},                 // 48
    {"Uzbekistan", "Uzbekistan"},                    // 49
    {"Vietnam", "Vietnam"},                          // 50
    {"Yemen", "Yemen"},                              // 51
}};

// North America: rows 0-35.
constexpr std::array<Country, 36> kNorthAmerica = {{
    {"Unknown", "Unknown"},
    {"Anguilla", "Anguilla"},                                 // 1
    {"Antigua and Barbuda", "Antigua-Barbuda"},               // 2
    {"Aruba", "Aruba"},                                       // 3
    {"Bahamas", "Bahamas"},                                   // 4
    {"Barbados", "Barbados"},                                 // 5
    {"Belize", "Belize"},                                     // 6
    {"Bermuda", "Bermuda"},                                   // 7
    {"British Virgin Islands", "BVI"},                        // 8
    {"Canada", "Canada"},                                     // 9
    {"Cayman Islands", "Cayman_Islands"},                     // 10
    {"Costa Rica", "Costa_Rica"},                             // 11
    {"Cuba", "Cuba"},                                         // 12
    {"Dominica", "Dominica"},                                 // 13
    {"Dominican Republic", "Dominican_Rep."},                 // 14
    {"El Salvador", "El_Salvador"},                           // 15
    {"Greenland", "Greenland"},                               // 16
    {"Grenada", "Grenada"},                                   // 17
    {"Guatemala", "Guatemala"},                               // 18
    {"Haiti", "Haiti"},                                       // 19
    {"Honduras", "Honduras"},                                 // 20
    {"Jamaica", "Jamaica"},                                   // 21
    {"Martinique", "Martinique"},                             // 22
    {"Mexico", "Mexico"},                                     // 23
    {"Montserrat", "Montserrat"},                             // 24
    {"Nicaragua", "Nicaragua"},                               // 25
    {"Panama", "Panama"},                                     // 26
    {"Puerto Rico", "Puerto_Rico"},                           // 27
    {"Saint Kitts and Nevis", "Saint_Kitts_N."},              // 28
    {"Saint Lucia", "Saint_Lucia"},                           // 29
    {"Saint Pierre and Miquelon", "Saint_Pierre_M."},         // 30
    {"Saint Vincent and the Grenadines", "S.V._Grenadines"},  // 31
    {"Trinidad and Tobago", "Trinidad_Tobago"},               // 32
    {"Turks and Caicos Islands", "Turks_Caicos_I."},          // 33
    {"USA", "USA"},                                           // 34
    {"Virgin Islands", "Virgin_Islands"},                     // 35
}};

// South America: rows 0-14.
constexpr std::array<Country, 15> kSouthAmerica = {{
    {"Unknown", "Unknown"},
    {"Argentina", "Argentina"},             // 1
    {"Bolivia", "Bolivia"},                 // 2
    {"Brazil", "Brazil"},                   // 3
    {"Chile", "Chile"},                     // 4
    {"Colombia", "Colombia"},               // 5
    {"Equador", "Equador"},                 // 6
    {"Falkland Islands", "Falkland_Isl."},  // 7
    {"Guyana", "Guyana"},                   // 8
    {"Paraquay", "Paraquay"},               // 9
    {"Peru", "Peru"},                       // 10
    {"South Georgia", "South_Georgia"},     // 11
    {"Suriname", "Suriname"},               // 12
    {"Uruquay", "Uruquay"},                 // 13
    {"Venezuela", "Venezuela"},             // 14
}};

// Oceania: rows 0-23.
constexpr std::array<Country, 24> kOceania = {{
    {"Unknown", "Unknown"},
    {"American Samoa", "American_Samoa"},             // 1
    {"Australia", "Australia"},                       // 2
    {"Cook Islands", "Cook_Islands"},                 // 3
    {"Fiji", "Fiji"},                                 // 4
    {"French Polynesia", "Fr._Polynesia"},            // 5
    {"Guam", "Guam"},                                 // 6
    {"Kiribati", "Kiribati"},                         // 7
    {"Marshall Islands", "Marshall_Isl."},            // 8
    {"Micronesia", "Micronesia"},                     // 9
    {"Nauru", "Nauru"},                               // 10
    {"New Zealand", "New_Zealand"},                   // 11
    {"Niue", "Niue"},                                 // 12
    {"Norfolk Island", "Norfolk_Island"},             // 13
    {"Northern Mariana Islands", "N._Mariana_Isl."},  // 14
    {"Palau", "Palau"},                               // 15
    {"Papua New Guinea", "Papua_New_G."},             // 16
    {"Pitcairn Islands", "Pitcairn_Isl."},            // 17
    {"Samoa", "Samoa"},                               // 18
    {"Solomon Islands", "Solomon_Islands"},           // 19
    {"Tonga", "Tonga"},                               // 20
    {"Tuvalu", "Tuvalu"},                             // 21
    {"Vanuatu", "Vanuatu"},                           // 22
    {"Wallis and Futuna", "Wallis-Futuna"},           // 23
}};

// Africa: rows 0-54.
constexpr std::array<Country, 55> kAfrica = {{
    {"Unknown", "Unknown"},
    {"Algeria", "Algeria"},                          // 1
    {"Angola", "Angola"},                            // 2
    {"Benin", "Benin"},                              // 3
    {"Botswana", "Botswana"},                        // 4
    {"Burkina Faso", "Burkina_Faso"},                // 5
    {"Burundi", "Burundi"},                          // 6
    {"Cameroon", "Cameroon"},                        // 7
    {"Cape Verde", "Cape_Verde"},                    // 8
    {"Central African Republic", "CAR"},             // 9
    {"Chad", "Chad"},                                // 10
    {"Comoros", "Comoros"},                          // 11
    {"Congo Republic", ""},                          // 12
    {"Congo Democratic Republic", "Congo_DR"},       // 13
    {"Djibouti", "Djibouti"},                        // 14
    {"Egypt", "Egypt"},                              // 15
    {"Equatorial Guinea", "Eq._Guinea"},             // 16
    {"Eritrea", "Eritrea"},                          // 17
    {"Ethiopia", "Ethiopia"},                        // 18
    {"Gabon", "Gabon"},                              // 19
    {"Gambia", "Gambia"},                            // 20
    {"Ghana", "Ghana"},                              // 21
    {"Guinea", "Guinea"},                            // 22
    {"Guinea-Bissau", "Guinea-Bissau"},              // 23
    {"Ivory Coast (Cote Divoire)", "Cote_Divoire"},  // 24
    {"Kenya", "Kenya"},                              // 25
    {"Lesotho", "Lesotho"},                          // 26
    {"Liberia", "Liberia"},                          // 27
    {"Libya", "Libya"},                              // 28
    {"Madagascar", "Madagascar"},                    // 29
    {"Malawi", "Malawi"},                            // 30
    {"Mali", "Mali"},                                // 31
    {"Mauretania", "Mauretania"},                    // 32
    {"Mauritius", "Mauritius"},                      // 33
    {"Morocco", "Morocco"},                          // 34
    {"Mozambique", "Mozambique"},                    // 35
    {"Namibia", "Namibia"},                          // 36
    {"Niger", "Niger"},                              // 37
    {"Nigeria", "Nigeria"},                          // 38
    {"Rwanda", "Rwanda"},                            // 39
    {"Saint Helena", "Saint_Helena"},                // 40
    {"Sao Tome and Principe", "Sao_Tome_Pr."},       // 41
    {"Senegal", "Senegal"},                          // 42
    {"Seychelles", "Seychelles"},                    // 43
    {"Sierra Leone", "Sierra_Leone"},                // 44
    {"Somalia", "Somalia"},                          // 45
    {"South Africa", "South_Africa"},                // 46
    {"Sudan", "Sudan"},                              // 47
    {"Swaziland", "Swaziland"},                      // 48
    {"Tanzania", "Tanzania"},                        // 49
    {"Togo", "Togo"},                                // 50
    {"Tunisia", "Tunisia"},                          // 51
    {"Uganda", "Uganda"},                            // 52
    {"Zambia", "Zambia"},                            // 53
    {"Zimbabwe", "Zimbabwe"},                        // 54
}};

std::span<const Country> Table(int continent) {
  switch (continent) {
    case 1:
      return kEurope;
    case 2:
      return kAsia;
    case 3:
      return kNorthAmerica;
    case 4:
      return kSouthAmerica;
    case 5:
      return kOceania;
    case 6:
      return kAfrica;
    default:
      return {};
  }
}

constexpr Country kUnknown{"Unknown", "Unknown"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

template <class Field>
std::optional<CountryPlace> Find(std::string_view text, Field field) {
  for (int continent = 1; continent <= kContinentCount; ++continent) {
    const auto table = Table(continent);
    for (std::size_t row = 0; row < table.size(); ++row) {
      if (table[row].*field == text) return CountryPlace{continent, static_cast<int>(row)};
    }
  }
  return std::nullopt;
}

}  // namespace

int CountryRows(int continent) {
  return static_cast<int>(Table(continent).size());
}

Country CountryAt(int continent, int row) {
  const auto table = Table(continent);
  if (row < 0 || static_cast<std::size_t>(row) >= table.size()) return kUnknown;
  return table[row];
}

std::optional<std::string> CountryCode(CountryPlace place) {
  if (place.continent < 1 || place.continent > kContinentCount) return std::nullopt;
  if (place.row < 0 || place.row > 999) return std::nullopt;
  std::string code = "0-000";
  code[0] = static_cast<char>('0' + place.continent);
  code[2] = static_cast<char>('0' + place.row / 100);
  code[3] = static_cast<char>('0' + place.row / 10 % 10);
  code[4] = static_cast<char>('0' + place.row % 10);
  return code;
}

std::optional<CountryPlace> ParseCountryCode(std::string_view code) {
  if (code.size() != 5 || code[1] != '-') return std::nullopt;
  if (code[0] < '1' || code[0] > '0' + kContinentCount) return std::nullopt;
  if (!IsDigit(code[2]) || !IsDigit(code[3]) || !IsDigit(code[4])) return std::nullopt;
  return CountryPlace{code[0] - '0',
                      (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0')};
}

Country CountryOfCode(std::string_view code) {
  const auto place = ParseCountryCode(code);
  return place ? CountryAt(place->continent, place->row) : kUnknown;
}

std::optional<CountryPlace> FindShortName(std::string_view short_name) {
  return Find(short_name, &Country::short_name);
}

std::optional<CountryPlace> FindEnglishName(std::string_view english) {
  return Find(english, &Country::english);
}

}  // namespace ostrel::online
