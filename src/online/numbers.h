// Numbers of the web service, written and read the same whatever the locale: ratings on
// screen ("12,500"), ratings and integers in requests ("12.5", "0") and the numbers of replies.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::online {

// A rating rounded to the nearest thousandth (halves to the even neighbour), with "," as the
// decimal mark and exactly three decimals: 12.5 -> "12,500", 7 -> "7,000", -3.25 -> "-3,250",
// 1.23456 -> "1,235". A value that rounds to zero never shows a minus sign. A value that is not
// finite shows "0,000".
std::string RatingScreenText(double rating);

// A rating as a request sends it: "0" when its magnitude is below 0.00001, otherwise the
// shortest decimal text with "." that reads back as the same double, never in exponent form
// (12.5 -> "12.5", 7 -> "7"). nullopt for a value that is not finite.
std::optional<std::string> RatingRequestText(double rating);

// A rating field of a request as the server reads it: an optional "-", digits, an optional
// "." with digits; finite and at most kRatingMagnitudeLimit in magnitude.
std::optional<double> ParseRequestRating(std::string_view text);
inline constexpr double kRatingMagnitudeLimit = 1e9;

// A real field of a reply: the first character that is not a digit, a space or "-" is the
// decimal mark (so "12,5" and "12.5" both read 12.5); an empty text reads as 0; anything else
// that does not convert as a whole gives nullopt.
std::optional<double> ParseReplyReal(std::string_view text);

// A 32-bit decimal integer: an optional "-" and digits, nothing else. Used for the integer
// fields of requests and of replies alike; an empty text is not a number.
std::optional<int> ParseDecimalInt(std::string_view text);

std::string DecimalText(long long value);

}  // namespace ostrel::online
