#include "lan/deal_codec.h"

#include <bitset>

namespace ostrel::lan {
namespace {

constexpr std::size_t kCardsAt = 1;                          // 0-based offset of the card codes
constexpr std::size_t kOrdersAt = kCardsAt + 2 * kDeckSize;  // 65
constexpr std::size_t kPointsAt = kOrdersAt + kDeckSize;     // 97
constexpr std::size_t kScoreAt = kDealBodySize;              // 161

std::string Position(std::size_t position) {
  return "deck position " + std::to_string(position);
}

// 0-based offsets of deck position p's fields in the message.
std::size_t CardAt(std::size_t p) {
  return kCardsAt + 2 * (p - 1);
}
std::size_t OrderAt(std::size_t p) {
  return kOrdersAt + (p - 1);
}
std::size_t PointsAt(std::size_t p) {
  return kPointsAt + 2 * (p - 1);
}

std::optional<bool> ReadLetter(char c) {
  if (c == kYesLetter) return true;
  if (c == kNoLetter) return false;
  return std::nullopt;
}

std::optional<DealRules> ReadRules(std::string_view trailer) {
  if (trailer.size() != kLanDealSize - kDealBodySize) return std::nullopt;
  DealRules rules;
  if (trailer.substr(0, 3) == "301") {
    rules.target_score = 301;
  } else if (trailer.substr(0, 3) == "501") {
    rules.target_score = 501;
  } else {
    return std::nullopt;
  }
  const auto bella = ReadLetter(trailer[3]);
  const auto trump = ReadLetter(trailer[4]);
  if (!bella || !trump) return std::nullopt;
  rules.bella_first_hand_only = *bella;
  rules.trump_required = *trump;
  return rules;
}

}  // namespace

std::optional<CodecError> CheckDeck(const DealDeck& deck) {
  std::bitset<kDeckSize + 1> seen;
  for (std::size_t i = 1; i <= kDeckSize; ++i) {
    const int number = DeckTableNumber(deck[i]);
    if (number == 0) return Refuse(Fault::kBadCard, Position(i) + " holds no card");
    if (seen[number]) {
      return Refuse(Fault::kDuplicateCard, Position(i) + " repeats " + CardText(deck[i]));
    }
    seen[number] = true;
  }
  return std::nullopt;
}

Result<std::string> EncodeDealBody(const DealDeck& deck) {
  if (auto fault = CheckDeck(deck)) return std::move(*fault);
  std::string text(kDealBodySize, '0');
  text[0] = 'b';
  for (std::size_t p = 1; p <= kDeckSize; ++p) {
    const Rank rank = *RankOf(deck[p]);
    const int points = CardPoints(rank, false);
    text[CardAt(p)] = deck[p].rank;
    text[CardAt(p) + 1] = deck[p].suit;
    text[OrderAt(p)] = static_cast<char>('0' + NaturalOrder(rank));
    text[PointsAt(p)] = static_cast<char>('0' + points / 10);
    text[PointsAt(p) + 1] = static_cast<char>('0' + points % 10);
  }
  return text;
}

Result<std::string> EncodeLanDeal(const DealDeck& deck, const DealRules& rules) {
  if (rules.target_score != 301 && rules.target_score != 501) {
    return Refuse(Fault::kBadParameter, "the target score is 301 or 501");
  }
  auto body = EncodeDealBody(deck);
  if (!body) return body;
  std::string text = std::move(body).value();
  text += rules.target_score == 301 ? "301" : "501";
  text += rules.bella_first_hand_only ? kYesLetter : kNoLetter;
  text += rules.trump_required ? kYesLetter : kNoLetter;
  return text;
}

Result<DealMessage> DecodeDeal(std::string_view text) {
  if (text.empty() || text[0] != 'b') {
    return Refuse(Fault::kUnknownKind, "a deal begins with \"b\"");
  }
  if (text.size() < kDealBodySize) {
    return Refuse(Fault::kWrongLength,
                  "a deal has 161 characters, this one " + std::to_string(text.size()));
  }
  DealMessage deal;
  for (std::size_t p = 1; p <= kDeckSize; ++p) {
    deal.deck[p] = CardCode{text[CardAt(p)], text[CardAt(p) + 1]};
  }
  if (auto fault = CheckDeck(deal.deck)) return std::move(*fault);
  for (std::size_t p = 1; p <= kDeckSize; ++p) {
    const Rank rank = *RankOf(deal.deck[p]);
    const int points = CardPoints(rank, false);
    if (text[OrderAt(p)] != static_cast<char>('0' + NaturalOrder(rank))) {
      return Refuse(Fault::kWrongOrder,
                    Position(p) + ": wrong order for " + CardText(deal.deck[p]));
    }
    if (text[PointsAt(p)] != static_cast<char>('0' + points / 10) ||
        text[PointsAt(p) + 1] != static_cast<char>('0' + points % 10)) {
      return Refuse(Fault::kWrongPoints,
                    Position(p) + ": wrong points for " + CardText(deal.deck[p]));
    }
  }
  deal.rules = ReadRules(text.substr(kScoreAt));
  return deal;
}

}  // namespace ostrel::lan
