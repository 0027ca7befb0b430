#include "phrase_table.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace ostrel::phrasegen {
namespace {

constexpr std::size_t kColumns = kLanguages + 1;

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

bool IsKey(std::string_view key) {
  if (key.empty() || key[0] < 'A' || key[0] > 'Z') return false;
  return std::all_of(key.begin(), key.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

// Length of the UTF-8 sequence starting at text[i], or 0 when it is malformed
// (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
  std::uint8_t lead = byte(i);
  std::size_t length = 0;
  std::uint32_t value = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07u;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (byte(i + k) & 0x3Fu);
  }
  if ((length == 3 && value < 0x800) || (length == 4 && value < 0x10000)) return 0;
  if (value >= 0xD800 && value <= 0xDFFF) return 0;
  if (value > 0x10FFFF) return 0;
  return length;
}

// Resolves the escapes of one cell; returns a description of the fault or "".
std::string Unescape(std::string_view raw, std::string& out) {
  out.clear();
  for (std::size_t i = 0; i < raw.size();) {
    char c = raw[i];
    if (c == '\\') {
      if (i + 1 == raw.size()) return "a backslash ends the cell (write \\\\ for a backslash)";
      switch (raw[i + 1]) {
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case '\\':
          out += '\\';
          break;
        default:
          return std::string("unknown escape \\") + raw[i + 1];
      }
      i += 2;
      continue;
    }
    if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F) {
      return "a control character (code " + std::to_string(static_cast<int>(c)) +
             ") stands in the cell; write line breaks as \\n and \\r";
    }
    std::size_t length = Utf8SequenceLength(raw, i);
    if (length == 0) return "the cell is not valid UTF-8 at byte " + std::to_string(i + 1);
    out.append(raw.substr(i, length));
    i += length;
  }
  return "";
}

std::string ExpectedHeader() {
  std::string header = "key";
  for (std::string_view column : kLanguageColumns) {
    header += '\t';
    header += column;
  }
  return header;
}

bool EmptyAllowed(const std::vector<AllowedEmpty>& allowed, std::string_view key,
                  std::string_view column) {
  return std::any_of(allowed.begin(), allowed.end(),
                     [&](const AllowedEmpty& a) { return a.key == key && a.column == column; });
}

class Parser {
 public:
  Parser(std::string_view name, const std::vector<AllowedEmpty>& allowed)
      : name_(name), allowed_(allowed) {}

  ParseResult Run(std::string_view text) {
    int line_number = 0;
    bool header_seen = false;
    std::size_t start = 0;
    while (start < text.size() && result_.ok()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      std::string_view line = text.substr(start, end - start);
      start = end + 1;
      ++line_number;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      if (line.empty() || line[0] == '#') continue;
      if (!header_seen) {
        header_seen = true;
        if (line != ExpectedHeader())
          Fail(line_number, "the header must be \"" + Visible(ExpectedHeader()) + "\"");
        continue;
      }
      ReadRow(line, line_number);
    }
    if (result_.ok() && !header_seen) Fail(line_number, "the table has no header row");
    if (result_.ok() && result_.rows.empty()) Fail(line_number, "the table has no phrases");
    if (result_.ok()) CheckAllowancesUsed();
    if (!result_.ok()) result_.rows.clear();
    return std::move(result_);
  }

 private:
  static std::string Visible(std::string text) {
    std::string out;
    for (char c : text) out += (c == '\t') ? std::string("<TAB>") : std::string(1, c);
    return out;
  }

  void Fail(int line, const std::string& what) {
    result_.error = std::string(name_) + ":" + std::to_string(line) + ": " + what;
  }

  void ReadRow(std::string_view line, int line_number) {
    std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() != kColumns) {
      Fail(line_number, "expected " + std::to_string(kColumns) + " tab-separated columns, found " +
                            std::to_string(fields.size()));
      return;
    }
    PhraseRow row;
    row.key = std::string(fields[0]);
    row.line = line_number;
    if (!IsKey(row.key)) {
      Fail(line_number, "the key \"" + row.key +
                            "\" must start with a capital letter and hold only letters and digits");
      return;
    }
    auto [it, inserted] = first_line_.emplace(row.key, line_number);
    if (!inserted) {
      Fail(line_number,
           "the key " + row.key + " is already used on line " + std::to_string(it->second));
      return;
    }
    for (std::size_t lang = 0; lang < kLanguages; ++lang) {
      if (!ReadCell(row, lang, fields[lang + 1])) return;
    }
    result_.rows.push_back(std::move(row));
  }

  bool ReadCell(PhraseRow& row, std::size_t lang, std::string_view raw) {
    std::string_view column = kLanguageColumns[lang];
    std::string fault = Unescape(raw, row.cells[lang]);
    if (!fault.empty()) {
      Fail(row.line, row.key + ", column " + std::string(column) + ": " + fault);
      return false;
    }
    if (row.cells[lang].empty() && !EmptyAllowed(allowed_, row.key, column)) {
      Fail(row.line, row.key + ", column " + std::string(column) + " is empty");
      return false;
    }
    return true;
  }

  void CheckAllowancesUsed() {
    for (const AllowedEmpty& a : allowed_) {
      if (first_line_.count(a.key) == 0) {
        result_.error = std::string(name_) + ": the cell allowed to be empty, " + a.key + ":" +
                        a.column + ", names no phrase of the table";
        return;
      }
    }
  }

  std::string_view name_;
  const std::vector<AllowedEmpty>& allowed_;
  std::unordered_map<std::string, int> first_line_;
  ParseResult result_;
};

}  // namespace

ParseResult ParsePhraseTable(std::string_view text, std::string_view name,
                             const std::vector<AllowedEmpty>& allowed_empty) {
  return Parser(name, allowed_empty).Run(text);
}

bool ParseAllowedEmpty(std::string_view text, AllowedEmpty& out) {
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos || colon == 0) return false;
  std::string_view column = text.substr(colon + 1);
  if (std::find(kLanguageColumns.begin(), kLanguageColumns.end(), column) ==
      kLanguageColumns.end()) {
    return false;
  }
  out.key = std::string(text.substr(0, colon));
  out.column = std::string(column);
  return true;
}

}  // namespace ostrel::phrasegen
