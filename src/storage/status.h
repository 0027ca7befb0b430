// The outcome of a file operation: success, or a message that says what went wrong and where.
#pragma once

#include <string>
#include <utility>

namespace ostrel {

class [[nodiscard]] Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return ok_; }
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : ok_(false), message_(std::move(message)) {}

  bool ok_ = true;
  std::string message_;
};

}  // namespace ostrel
