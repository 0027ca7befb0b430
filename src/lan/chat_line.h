// The chat strip's line cutting: a line too wide for the strip loses its last character
// while it is too wide, at most twelve times, and gets "..." when anything was cut.
// The width is the caller's (the strip's font and scale), given as a predicate.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ostrel::lan {

inline constexpr int kMaxChatCut = 12;

// `utf8` is cut by whole characters, never inside one.
std::string FitChatLine(std::string_view utf8,
                        const std::function<bool(std::string_view)>& too_wide);

}  // namespace ostrel::lan
