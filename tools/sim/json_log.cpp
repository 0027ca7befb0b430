#include "sim/json_log.h"

#include <cstdio>

#include "game/cp1251.h"

namespace ostrel::sim {
namespace {

std::string Bool(bool b) {
  return b ? "true" : "false";
}

std::string TeamPair(const Array1<std::int32_t, 2>& v) {
  return "{\"1\":" + std::to_string(v[1]) + ",\"2\":" + std::to_string(v[2]) + "}";
}

template <class List>
std::string CardArray(const List& cards, int first, int last) {
  std::string out = "[";
  for (int i = first; i <= last; ++i) {
    if (cards[i].IsEmpty()) continue;
    if (out.size() > 1) out += ',';
    out += CardJson(cards[i]);
  }
  return out + "]";
}

std::string CombinationRecords(const Array1<Combination, 3>& records) {
  std::string out = "[";
  for (int r = 1; r <= 3; ++r) {
    const Combination& c = records[r];
    if (c.kind == CombinationKind::None) continue;
    if (out.size() > 1) out += ',';
    out += std::string("{\"kind\":\"") + (c.kind == CombinationKind::Ostrel ? "Ostrel" : "Tertz") +
           "\",\"strength\":" + std::to_string(c.strength) +
           ",\"cards\":" + CardArray(c.cards, 0, 3) + "}";
  }
  return out + "]";
}

}  // namespace

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string CardJson(CardCode card) {
  return JsonString(CardText(card));
}

void JsonLogPort::Line(const std::string& json) {
  if (out_) *out_ << json << '\n';
}

void JsonLogPort::GameStarted(int game_number, const RuleOptions& options) {
  Line("{\"event\":\"game\",\"game_number\":" + std::to_string(game_number) +
       ",\"target\":" + std::to_string(options.TargetScore) +
       ",\"bella_first_hand_only\":" + Bool(options.BellaFirstHandOnly) +
       ",\"trump_required\":" + Bool(options.TrumpRequired) + "}");
}

void JsonLogPort::DealStarted() {
  const GameRecord& r = Record();
  Line("{\"event\":\"deal\",\"deal\":" + std::to_string(r.DealNumber) + ",\"first_hand\":" +
       std::to_string(r.FirstHand) + ",\"deck\":" + CardArray(r.Deck, 1, kDeckSize) + "}");
}

void JsonLogPort::Show(const Effect& effect) {
  const GameRecord& r = Record();
  if (const auto* bid = std::get_if<BidFact>(&effect)) {
    std::string answer = !bid->play ? "pass" : (bid->round == 1 ? "play" : "name");
    std::string line = "{\"event\":\"bid\",\"round\":" + std::to_string(bid->round) +
                       ",\"seat\":" + std::to_string(bid->seat) + ",\"answer\":\"" + answer + "\"";
    if (bid->play && bid->round == 2) {
      line += ",\"suit\":" + JsonString(Cp1251ToUtf8(std::string(1, bid->suit)));
    }
    Line(line + "}");
  } else if (const auto* c = std::get_if<ContractFact>(&effect)) {
    Line("{\"event\":\"contract\",\"declarer\":" + std::to_string(c->declarer) +
         ",\"trump\":" + JsonString(Cp1251ToUtf8(std::string(1, c->trump))) +
         ",\"second_round\":" + Bool(c->second_round) + "}");
  } else if (std::holds_alternative<ThrownInFact>(effect)) {
    Line("{\"event\":\"thrown_in\"}");
  } else if (std::holds_alternative<HandsDealtFact>(effect)) {
    std::string line = "{\"event\":\"hands\",\"hands\":{";
    for (int s = 1; s <= kSeats; ++s) {
      if (s > 1) line += ',';
      line += "\"" + std::to_string(s) + "\":" + CardArray(r.Hand[s], 1, 8);
    }
    Line(line + "}}");
  } else if (std::holds_alternative<CombinationsFact>(effect)) {
    std::string line = "{\"event\":\"combinations\",\"shown_seat\":" + std::to_string(r.ShownSeat) +
                       ",\"records\":{";
    for (int s = 1; s <= kSeats; ++s) {
      if (s > 1) line += ',';
      line += "\"" + std::to_string(s) + "\":" + CombinationRecords(r.Combinations[s]);
    }
    Line(line + "}}");
  } else if (const auto* card = std::get_if<CardFact>(&effect)) {
    Line("{\"event\":\"card\",\"trick\":" + std::to_string(card->trick) +
         ",\"seat\":" + std::to_string(card->seat) + ",\"card\":" + CardJson(card->card) +
         ",\"bella\":" + Bool(card->bella) + "}");
  } else if (const auto* t = std::get_if<TrickFact>(&effect)) {
    Line("{\"event\":\"trick\",\"trick\":" + std::to_string(t->trick) + ",\"winner\":" +
         std::to_string(t->winner) + ",\"points\":" + std::to_string(t->points) + "}");
  } else if (const auto* d = std::get_if<DealEndFact>(&effect)) {
    Line("{\"event\":\"deal_end\",\"deal_points\":" + TeamPair(d->deal_points) +
         ",\"kept\":" + TeamPair(d->kept) + ",\"game_score\":" + TeamPair(r.GameScore) + "}");
  } else if (std::holds_alternative<GameEndFact>(effect)) {
    Line("{\"event\":\"game_end\",\"game_score\":" + TeamPair(r.GameScore) +
         ",\"score_difference\":" + std::to_string(r.ScoreDifference) + "}");
  }
}

}  // namespace ostrel::sim
