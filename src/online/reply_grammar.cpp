#include "online/reply_grammar.h"

#include "game/cp1251.h"
#include "online/numbers.h"
#include "online/utf8.h"

namespace ostrel::online {
namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> fields;
  while (true) {
    const auto at = text.find(separator);
    fields.push_back(Cp1251ToUtf8(text.substr(0, at)));
    if (at == std::string_view::npos) return fields;
    text.remove_prefix(at + 1);
  }
}

// The text after the first "$" up to the next "$" or the end.
std::optional<std::string_view> RecordText(std::string_view reply) {
  const auto start = reply.find('$');
  if (start == std::string_view::npos) return std::nullopt;
  reply.remove_prefix(start + 1);
  return reply.substr(0, reply.find('$'));
}

bool BreaksGrammar(char32_t c) {
  return c < 0x20 || c == 0x7F || c == '$' || c == '*' || c == '~';
}

// A field as Windows-1251 bytes with every separator and grammar character replaced.
std::string FieldBytes(std::string_view utf8, char separator, char replacement) {
  std::string clean;
  const auto points = CodePoints(utf8);
  if (!points) return FieldBytes(Cp1251ToUtf8(utf8), separator, replacement);
  for (char32_t c : *points) {
    std::string one;
    AppendUtf8(one, c);
    auto byte = Utf8ToCp1251(one);
    if (c == static_cast<unsigned char>(separator) || BreaksGrammar(c)) {
      clean += replacement;
    } else if (!byte || *byte == "\x98") {
      clean += '?';
    } else {
      clean += *byte;
    }
  }
  return clean;
}

std::string Join(const std::vector<std::string>& fields, char separator, char replacement) {
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += separator;
    text += FieldBytes(fields[i], separator, replacement);
  }
  return text;
}

}  // namespace

bool HasMarker(std::string_view reply, std::string_view marker) {
  return reply.substr(0, reply.find('$')).find(marker) != std::string_view::npos;
}

std::optional<std::vector<std::string>> ReadDollarRecord(std::string_view reply) {
  const auto text = RecordText(reply);
  if (!text) return std::nullopt;
  return Split(*text, ' ');
}

std::optional<std::vector<std::string>> ReadTildeRecord(std::string_view reply) {
  const auto text = RecordText(reply);
  if (!text) return std::nullopt;
  return Split(*text, '~');
}

std::vector<std::vector<std::string>> ReadStarList(std::string_view reply,
                                                   std::size_t max_records) {
  std::vector<std::vector<std::string>> records;
  for (auto start = reply.find('$');
       start != std::string_view::npos && records.size() < max_records;
       start = reply.find('$', start + 1)) {
    const auto record = reply.substr(start + 1);
    records.push_back(Split(record.substr(0, record.find('*')), ' '));
  }
  return records;
}

std::optional<int> ReadLastNumber(std::string_view reply) {
  if (reply.size() < 2) return std::nullopt;
  const auto dollar = reply.rfind('$', reply.size() - 2);
  if (dollar == std::string_view::npos) return std::nullopt;
  std::size_t end = dollar + 1;
  while (end < reply.size() && reply[end] >= '0' && reply[end] <= '9') ++end;
  return ParseDecimalInt(reply.substr(dollar + 1, end - dollar - 1));
}

std::string BuildDollarRecord(const std::vector<std::string>& fields) {
  return "$" + Join(fields, ' ', '_') + "$";
}

std::string BuildTildeRecord(const std::vector<std::string>& fields) {
  return "$" + Join(fields, '~', ' ') + "$";
}

std::string BuildStarList(const std::vector<std::vector<std::string>>& records) {
  std::string text;
  for (const auto& fields : records) text += "$" + Join(fields, ' ', '_') + "*";
  return text;
}

std::string BuildLastNumber(int number) {
  return "$" + DecimalText(number < 0 ? 0 : number);
}

}  // namespace ostrel::online
