// The fields of a multipart/form-data body (the photo upload): name -> value, the values as
// raw bytes. A body that is not well formed, names a field twice or has too many parts gives
// nullopt.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel::server {

inline constexpr int kMultipartMaxParts = 8;

std::optional<std::map<std::string, std::string>> ParseMultipart(std::string_view content_type,
                                                                 std::string_view body);

}  // namespace ostrel::server
