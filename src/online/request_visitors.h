// The three readings of a request's field description (requests.cpp): writing the pairs of a
// body, listing the names a body must have, and reading the values of a body whose names
// matched. A description calls, in sending order:
//   Text(name, value, kind[, max_chars])  Char(name, value, kind)  Int(name, value, min, max)
//   Real(name, value)  Fixed(name, text)  Same(name, value-already-described)
//   ClosingStar()  (after the last value: the body ends with "*")
// Internal to the request codec.
#pragma once

#include <climits>
#include <string>
#include <string_view>
#include <vector>

#include "online/field_check.h"
#include "online/form_body.h"

namespace ostrel::online::detail {

inline constexpr int kAnyMin = INT_MIN;
inline constexpr int kAnyMax = INT_MAX;

class BuildVisitor {
 public:
  void Text(std::string_view name, const std::string& value, TextKind kind, int max_chars = 0);
  void Char(std::string_view name, char value, TextKind kind);
  void Int(std::string_view name, int value, int min, int max);
  void Real(std::string_view name, double value);
  void Fixed(std::string_view name, std::string_view value);
  void Same(std::string_view name, int value) { Int(name, value, kAnyMin, kAnyMax); }
  void ClosingStar() { closing_star_ = true; }

  const std::vector<FormPair>& pairs() const { return pairs_; }
  bool closing_star() const { return closing_star_; }
  // The first fault, empty when none.
  const std::string& error() const { return error_; }

 private:
  void Add(std::string_view name, std::string bytes);
  void Fail(std::string_view name, std::string_view why);

  std::vector<FormPair> pairs_;
  bool closing_star_ = false;
  std::string error_;
};

class NameVisitor {
 public:
  void Text(std::string_view name, const std::string&, TextKind, int = 0) { Add(name); }
  void Char(std::string_view name, char, TextKind) { Add(name); }
  void Int(std::string_view name, int, int, int) { Add(name); }
  void Real(std::string_view name, double) { Add(name); }
  void Fixed(std::string_view name, std::string_view) { Add(name); }
  void Same(std::string_view name, int) { Add(name); }
  void ClosingStar() { closing_star_ = true; }

  const std::vector<std::string>& names() const { return names_; }
  bool closing_star() const { return closing_star_; }

 private:
  void Add(std::string_view name) { names_.emplace_back(name); }
  std::vector<std::string> names_;
  bool closing_star_ = false;
};

// Reads the values of pairs whose names were found to match, in the same order.
class ParseVisitor {
 public:
  // closing_star: the body ends with a "*" after its last value, which is taken off the value
  // (a body without it reads as well).
  ParseVisitor(std::vector<FormPair> pairs, bool closing_star)
      : pairs_(std::move(pairs)), closing_star_(closing_star) {}

  void Text(std::string_view name, std::string& value, TextKind kind, int max_chars = 0);
  void Char(std::string_view name, char& value, TextKind kind);
  void Int(std::string_view name, int& value, int min, int max);
  void Real(std::string_view name, double& value);
  void Fixed(std::string_view name, std::string_view value);
  void Same(std::string_view name, int value);
  void ClosingStar() {}

  const std::string& error() const { return error_; }

 private:
  // The next value as UTF-8, or nullptr after a fault.
  const std::string* Next(std::string_view name);
  void Fail(std::string_view name, std::string_view why);

  std::vector<FormPair> pairs_;
  bool closing_star_;
  std::size_t next_ = 0;
  std::string current_;
  std::string error_;
};

}  // namespace ostrel::online::detail
