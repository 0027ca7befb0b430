// A value or a clear error, for the codecs of the web service: a reply or a request body that
// cannot be read gives an error text for the log, never a crash or an exception.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace ostrel::online {

struct Error {
  std::string message;
};

template <class T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Error error) : error_(std::move(error.message)) {}

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }

  // Only when ok().
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  const T& operator*() const& { return *value_; }
  T& operator*() & { return *value_; }
  const T* operator->() const { return &*value_; }
  T* operator->() { return &*value_; }

  // Empty when ok().
  const std::string& error() const { return error_; }

 private:
  std::optional<T> value_;
  std::string error_;
};

}  // namespace ostrel::online
