#include "online/request_shapes.h"

#include "online/numbers.h"

namespace ostrel::online::detail {
namespace {

constexpr std::size_t kMaxPrefixChars = 16;

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

// The prefix before `suffix` in names[index]; nullopt unless there are `count` names.
std::optional<std::string> PrefixOf(const Names& names, std::size_t count, std::size_t index,
                                    std::string_view suffix) {
  if (names.size() != count || !EndsWith(names[index], suffix)) return std::nullopt;
  std::string prefix = names[index].substr(0, names[index].size() - suffix.size());
  if (prefix.empty() || prefix.size() > kMaxPrefixChars) return std::nullopt;
  return prefix;
}

template <class T>
std::optional<T> WithPrefix(std::optional<std::string> prefix) {
  if (!prefix) return std::nullopt;
  T request;
  request.Prefix = std::move(*prefix);
  return request;
}

// A digit 1-9 at name[at].
std::optional<int> DigitAt(std::string_view name, std::size_t at) {
  if (at >= name.size() || name[at] < '1' || name[at] > '9') return std::nullopt;
  return name[at] - '0';
}

std::optional<int> GidAfter(const Names& n, std::size_t at) {
  if (n.empty() || n[0].size() <= at) return std::nullopt;
  const auto gid = ParseDecimalInt(std::string_view(n[0]).substr(at));
  if (!gid || *gid < 0 || *gid > kMaxGameId) return std::nullopt;
  return gid;
}

std::optional<TourKind> KindAt(const Names& n, std::size_t at) {
  if (n.empty() || n[0].size() <= at) return std::nullopt;
  switch (n[0][at]) {
    case 's':
      return TourKind::Score;
    case 'r':
      return TourKind::Rating;
    case 'k':
      return TourKind::Games;
    default:
      return std::nullopt;
  }
}

template <class T>
std::optional<T> KindAndGid(const Names& n, std::string_view start) {
  if (n.empty() || !StartsWith(n[0], start)) return std::nullopt;
  const auto kind = KindAt(n, start.size());
  const auto gid = GidAfter(n, start.size() + 1);
  if (!kind || !gid) return std::nullopt;
  T request;
  request.Kind = *kind;
  request.Gid = *gid;
  return request;
}

}  // namespace

std::optional<RatedRecordReadRequest> Shape(const Names& n, const RatedRecordReadRequest*) {
  return WithPrefix<RatedRecordReadRequest>(PrefixOf(n, 3, 2, "best"));
}
std::optional<RatedRecordSaveRequest> Shape(const Names& n, const RatedRecordSaveRequest*) {
  return WithPrefix<RatedRecordSaveRequest>(PrefixOf(n, 10, 2, "kon"));
}
std::optional<RatingListRequest> Shape(const Names& n, const RatingListRequest*) {
  return WithPrefix<RatingListRequest>(PrefixOf(n, 1, 0, "kon"));
}
std::optional<RatingPlaceRequest> Shape(const Names& n, const RatingPlaceRequest*) {
  return WithPrefix<RatingPlaceRequest>(PrefixOf(n, 1, 0, "rating"));
}

std::optional<TakeSeatRequest> Shape(const Names& n, const TakeSeatRequest*) {
  // "client" players "on" seat
  if (n.empty() || n[0].size() != 10 || !StartsWith(n[0], "client") || n[0].substr(7, 2) != "on") {
    return std::nullopt;
  }
  const auto players = DigitAt(n[0], 6);
  const auto seat = DigitAt(n[0], 9);
  if (!players || !seat || *players < 3 || *players > 4 || *seat > *players) return std::nullopt;
  TakeSeatRequest request;
  request.Players = *players;
  request.Seat = *seat;
  return request;
}

std::optional<SeatReadRequest> Shape(const Names& n, const SeatReadRequest*) {
  if (n.empty() || n[0].size() != 11 || !StartsWith(n[0], "readclient")) return std::nullopt;
  const auto seat = DigitAt(n[0], 10);
  if (!seat || *seat > 4) return std::nullopt;
  SeatReadRequest request;
  request.Seat = *seat;
  return request;
}

std::optional<TourRatingRequest> Shape(const Names& n, const TourRatingRequest*) {
  if (n.empty() || !StartsWith(n[0], "readrating")) return std::nullopt;
  const auto gid = GidAfter(n, 10);
  if (!gid) return std::nullopt;
  TourRatingRequest request;
  request.Gid = *gid;
  return request;
}

std::optional<TourTopTenRequest> Shape(const Names& n, const TourTopTenRequest*) {
  return KindAndGid<TourTopTenRequest>(n, "top10");
}
std::optional<TourPlaceRequest> Shape(const Names& n, const TourPlaceRequest*) {
  return KindAndGid<TourPlaceRequest>(n, "place");
}

}  // namespace ostrel::online::detail
