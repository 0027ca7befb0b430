#include "online/request_visitors.h"

#include "game/cp1251.h"
#include "online/numbers.h"

namespace ostrel::online::detail {

void BuildVisitor::Add(std::string_view name, std::string bytes) {
  if (!error_.empty()) return;
  if (!IsFieldName(name)) return Fail(name, "is not a field name");
  pairs_.emplace_back(std::string(name), std::move(bytes));
}

void BuildVisitor::Fail(std::string_view name, std::string_view why) {
  if (error_.empty()) error_ = "field \"" + std::string(name) + "\" " + std::string(why);
}

void BuildVisitor::Text(std::string_view name, const std::string& value, TextKind kind,
                        int max_chars) {
  if (!IsValidWireText(value, kind, max_chars)) return Fail(name, "does not pass its check");
  auto bytes = Utf8ToCp1251(value);
  if (!bytes) return Fail(name, "cannot be written in Windows-1251");
  Add(name, std::move(*bytes));
}

void BuildVisitor::Char(std::string_view name, char value, TextKind kind) {
  Text(name, std::string(1, value), kind);
}

void BuildVisitor::Int(std::string_view name, int value, int min, int max) {
  if (value < min || value > max) return Fail(name, "is out of range");
  Add(name, DecimalText(value));
}

void BuildVisitor::Real(std::string_view name, double value) {
  auto text = RatingRequestText(value);
  if (!text || !ParseRequestRating(*text)) return Fail(name, "is not a rating");
  Add(name, std::move(*text));
}

void BuildVisitor::Fixed(std::string_view name, std::string_view value) {
  Add(name, std::string(value));
}

void ParseVisitor::Fail(std::string_view name, std::string_view why) {
  if (error_.empty()) error_ = "field \"" + std::string(name) + "\" " + std::string(why);
}

const std::string* ParseVisitor::Next(std::string_view name) {
  if (!error_.empty()) return nullptr;
  if (next_ >= pairs_.size() || pairs_[next_].first != name) {
    Fail(name, "is missing");
    return nullptr;
  }
  std::string_view bytes = pairs_[next_].second;
  const bool last = ++next_ == pairs_.size();
  if (last && closing_star_ && !bytes.empty() && bytes.back() == '*') bytes.remove_suffix(1);
  current_ = Cp1251ToUtf8(bytes);
  return &current_;
}

void ParseVisitor::Text(std::string_view name, std::string& value, TextKind kind, int max_chars) {
  const std::string* text = Next(name);
  if (!text) return;
  if (!IsValidWireText(*text, kind, max_chars)) return Fail(name, "does not pass its check");
  value = *text;
}

void ParseVisitor::Char(std::string_view name, char& value, TextKind kind) {
  const std::string* text = Next(name);
  if (!text) return;
  if (text->size() != 1 || !IsValidWireText(*text, kind)) {
    return Fail(name, "does not pass its check");
  }
  value = text->front();
}

void ParseVisitor::Int(std::string_view name, int& value, int min, int max) {
  const std::string* text = Next(name);
  if (!text) return;
  const auto number = ParseDecimalInt(*text);
  if (!number || *number < min || *number > max) return Fail(name, "is not a number in range");
  value = *number;
}

void ParseVisitor::Real(std::string_view name, double& value) {
  const std::string* text = Next(name);
  if (!text) return;
  const auto number = ParseRequestRating(*text);
  if (!number) return Fail(name, "is not a rating");
  value = *number;
}

void ParseVisitor::Fixed(std::string_view name, std::string_view expected) {
  const std::string* text = Next(name);
  if (text && *text != expected) Fail(name, "must be \"" + std::string(expected) + "\"");
}

void ParseVisitor::Same(std::string_view name, int value) {
  int repeated = 0;
  Int(name, repeated, kAnyMin, kAnyMax);
  if (error_.empty() && repeated != value) Fail(name, "differs from the same value before it");
}

}  // namespace ostrel::online::detail
