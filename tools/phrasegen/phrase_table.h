// Reading and checking the phrase table (i18n/phrases.tsv). The build runs this on every
// change of the table, so a malformed row stops the build with its line number instead of
// reaching the program as a missing or shifted text.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel::phrasegen {

inline constexpr std::size_t kLanguages = 10;

// The column titles after "key", in the order of the language index.
inline constexpr std::array<std::string_view, kLanguages> kLanguageColumns = {
    "ENG", "RUS", "DEU", "FRA", "SPA", "CHI", "ITA", "CZE", "JAP", "KOR"};

struct PhraseRow {
  std::string key;
  int line = 0;                               // line of the table file, counted from 1
  std::array<std::string, kLanguages> cells;  // UTF-8, escapes already resolved
};

// A cell that may be empty, named by its key and column title (e.g. "HistoryPlayer", "KOR").
struct AllowedEmpty {
  std::string key;
  std::string column;
};

struct ParseResult {
  std::vector<PhraseRow> rows;
  std::string error;  // empty when the table is sound; otherwise "<name>:<line>: <what>"
  bool ok() const { return error.empty(); }
};

// `name` only labels the messages. Lines starting with '#' and empty lines are comments.
// Cells are separated by tabs; "\n", "\r", "\t" and "\\" are the only escapes.
ParseResult ParsePhraseTable(std::string_view text, std::string_view name,
                             const std::vector<AllowedEmpty>& allowed_empty);

// Parses "KEY:COLUMN"; false when the text has no colon or an unknown column.
bool ParseAllowedEmpty(std::string_view text, AllowedEmpty& out);

}  // namespace ostrel::phrasegen
