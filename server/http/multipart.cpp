#include "server/http/multipart.h"

#include <algorithm>
#include <cctype>

namespace ostrel::server {
namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The value of `key=` in a header's parameters, quoted or not.
std::optional<std::string> Parameter(std::string_view header, std::string_view key) {
  std::string lower = Lower(header);
  std::size_t pos = 0;
  while ((pos = lower.find(key, pos)) != std::string::npos) {
    bool starts = pos == 0 || lower[pos - 1] == ';' || lower[pos - 1] == ' ';
    std::size_t eq = pos + key.size();
    if (!starts || eq >= header.size() || header[eq] != '=') {
      pos = eq;
      continue;
    }
    std::string_view rest = header.substr(eq + 1);
    if (!rest.empty() && rest.front() == '"') {
      auto end = rest.find('"', 1);
      if (end == std::string_view::npos) return std::nullopt;
      return std::string(rest.substr(1, end - 1));
    }
    return std::string(rest.substr(0, rest.find_first_of("; \t")));
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::map<std::string, std::string>> ParseMultipart(std::string_view content_type,
                                                                 std::string_view body) {
  if (Lower(content_type).rfind("multipart/form-data", 0) != 0) return std::nullopt;
  auto boundary = Parameter(content_type, "boundary");
  if (!boundary || boundary->empty() || boundary->size() > 70) return std::nullopt;
  const std::string delimiter = "--" + *boundary;
  if (body.substr(0, delimiter.size()) != delimiter) return std::nullopt;
  std::map<std::string, std::string> fields;
  std::size_t pos = delimiter.size();
  for (int part = 0;; ++part) {
    if (body.substr(pos, 2) == "--") return fields;  // the closing delimiter
    if (part >= kMultipartMaxParts || body.substr(pos, 2) != "\r\n") return std::nullopt;
    pos += 2;
    std::size_t head_end = body.find("\r\n\r\n", pos);
    if (head_end == std::string_view::npos || head_end - pos > 1024) return std::nullopt;
    std::string_view head = body.substr(pos, head_end - pos);
    std::optional<std::string> name;
    std::size_t line_start = 0;
    while (line_start <= head.size()) {
      std::size_t line_end = std::min(head.find("\r\n", line_start), head.size());
      std::string_view line = head.substr(line_start, line_end - line_start);
      if (Lower(line).rfind("content-disposition:", 0) == 0) name = Parameter(line, "name");
      line_start = line_end + 2;
    }
    std::size_t data = head_end + 4;
    std::size_t next = body.find("\r\n" + delimiter, data);
    if (!name || next == std::string_view::npos) return std::nullopt;
    if (!fields.emplace(*name, std::string(body.substr(data, next - data))).second) {
      return std::nullopt;
    }
    pos = next + 2 + delimiter.size();
  }
}

}  // namespace ostrel::server
