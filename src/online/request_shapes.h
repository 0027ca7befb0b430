// The values a request body's field names carry (a prefix, a seat, a game identifier, a
// kind letter): Shape gives a request of type T holding them, or nullopt when the names cannot
// be that request's. Requests without such values take the generic Shape. Internal to the
// request codec.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "online/requests.h"

namespace ostrel::online::detail {

using Names = std::vector<std::string>;

template <class T>
std::optional<T> Shape(const Names&, const T*) {
  return T{};
}

std::optional<RatedRecordReadRequest> Shape(const Names& n, const RatedRecordReadRequest*);
std::optional<RatedRecordSaveRequest> Shape(const Names& n, const RatedRecordSaveRequest*);
std::optional<RatingListRequest> Shape(const Names& n, const RatingListRequest*);
std::optional<RatingPlaceRequest> Shape(const Names& n, const RatingPlaceRequest*);
std::optional<TakeSeatRequest> Shape(const Names& n, const TakeSeatRequest*);
std::optional<SeatReadRequest> Shape(const Names& n, const SeatReadRequest*);
std::optional<TourRatingRequest> Shape(const Names& n, const TourRatingRequest*);
std::optional<TourTopTenRequest> Shape(const Names& n, const TourTopTenRequest*);
std::optional<TourPlaceRequest> Shape(const Names& n, const TourPlaceRequest*);

}  // namespace ostrel::online::detail
