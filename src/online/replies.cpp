#include "online/replies.h"

#include <algorithm>

#include "online/numbers.h"
#include "online/reply_grammar.h"

namespace ostrel::online {
namespace {

// Reads numbered fields (1-based) of a record into a record's members; a field the record
// lacks leaves the member as it is, an integer field that is not a number is an error.
class FieldReader {
 public:
  explicit FieldReader(const std::vector<std::string>& fields) : fields_(fields) {}

  void Text(std::size_t n, std::string& out) const {
    if (Has(n)) out = fields_[n - 1];
  }
  // The first character, when it is a plain ASCII one.
  void Char(std::size_t n, char& out) const {
    if (Has(n) && !fields_[n - 1].empty() && static_cast<unsigned char>(fields_[n - 1][0]) < 0x80) {
      out = fields_[n - 1][0];
    }
  }
  void Int(std::size_t n, int& out) {
    if (!Has(n)) return;
    const auto value = ParseDecimalInt(fields_[n - 1]);
    if (value) {
      out = *value;
    } else if (error_.empty()) {
      error_ = "field " + DecimalText(static_cast<long long>(n)) + " is not a number";
    }
  }
  void Real(std::size_t n, double& out) {
    if (!Has(n)) return;
    const auto value = ParseReplyReal(fields_[n - 1]);
    if (value) {
      out = *value;
    } else if (error_.empty()) {
      error_ = "field " + DecimalText(static_cast<long long>(n)) + " is not a number";
    }
  }
  const std::string& error() const { return error_; }

 private:
  bool Has(std::size_t n) const { return n >= 1 && n <= fields_.size(); }

  const std::vector<std::string>& fields_;
  std::string error_;
};

std::string Num(long long value) {
  return DecimalText(value);
}

std::string RealText(double value) {
  return RatingRequestText(value).value_or("0");
}

std::string CharText(char c) {
  return std::string(1, c);
}

// A star list whose every line reads with `read`; stops at the first bad line.
template <class T, class Read>
Result<std::vector<T>> ReadLines(std::string_view reply, Read read) {
  std::vector<T> lines;
  for (const auto& fields : ReadStarList(reply)) {
    T line;
    FieldReader reader(fields);
    read(reader, line);
    if (!reader.error().empty()) {
      return Error{"line " + Num(static_cast<long long>(lines.size()) + 1) + ": " + reader.error()};
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> ClientFields(const TTarvoClient& c) {
  return {c.Nick,    Num(c.Score), Num(c.Kon),      Num(c.Rating),
          c.Country, c.City,       CharText(c.Sex), c.IP};
}

void ReadClient(FieldReader& r, std::size_t first, TTarvoClient& c) {
  r.Text(first, c.Nick);
  r.Int(first + 1, c.Score);
  r.Int(first + 2, c.Kon);
  r.Int(first + 3, c.Rating);
  r.Text(first + 4, c.Country);
  r.Text(first + 5, c.City);
  r.Char(first + 6, c.Sex);
  r.Text(first + 7, c.IP);
}

}  // namespace

std::string BuildRefusedReply() {
  return "no";
}

std::string BuildRegisterReply(RegisterResult result) {
  switch (result) {
    case RegisterResult::Created:
      return "ok";
    case RegisterResult::NickExists:
      return "is";
    case RegisterResult::Failed:
      break;
  }
  return "no";
}

RegisterResult ParseRegisterReply(std::string_view reply) {
  if (HasMarker(reply, "is")) return RegisterResult::NickExists;
  if (HasMarker(reply, "ok")) return RegisterResult::Created;
  return RegisterResult::Failed;
}

std::string BuildOkReply(bool ok) {
  return ok ? "ok" : "no";
}

bool ParseOkReply(std::string_view reply) {
  return HasMarker(reply, "ok");
}

std::string BuildSeatResultReply(SeatResult result) {
  switch (result) {
    case SeatResult::Seated:
      return "ok";
    case SeatResult::Taken:
      return "is";
    case SeatResult::Failed:
      break;
  }
  return "no";
}

SeatResult ParseSeatResultReply(std::string_view reply) {
  if (HasMarker(reply, "is")) return SeatResult::Taken;
  if (HasMarker(reply, "ok")) return SeatResult::Seated;
  return SeatResult::Failed;
}

std::string BuildNumberReply(int number) {
  return BuildLastNumber(number);
}

Result<int> ParseNumberReply(std::string_view reply) {
  const auto number = ReadLastNumber(reply);
  if (!number) return Error{"the reply ends without a number"};
  return *number;
}

std::string BuildLoginReply(const TTarvoUser& a) {
  return BuildDollarRecord({a.City, a.Country1, a.Country2, CharText(a.Sex), a.EMail, a.DateR,
                            a.R01, a.R02, a.R03, Num(a.R04), Num(a.R05), Num(a.R06)});
}

Result<std::optional<TTarvoUser>> ParseLoginReply(std::string_view reply, TTarvoUser a) {
  if (HasMarker(reply, "no")) return std::optional<TTarvoUser>();
  const auto fields = ReadDollarRecord(reply);
  if (!fields) return Error{"the login reply holds no record"};
  FieldReader r(*fields);
  r.Text(1, a.City);
  r.Text(2, a.Country1);
  r.Text(3, a.Country2);
  r.Char(4, a.Sex);
  r.Text(5, a.EMail);
  r.Text(6, a.DateR);
  r.Text(7, a.R01);
  r.Text(8, a.R02);
  r.Text(9, a.R03);
  r.Int(10, a.R04);
  r.Int(11, a.R05);
  r.Int(12, a.R06);
  if (!r.error().empty()) return Error{"login reply: " + r.error()};
  return std::optional<TTarvoUser>(std::move(a));
}

std::string BuildProfileReply(const TInfo14& p) {
  return BuildTildeRecord({p.Name1, p.Name2, p.About, p.Telephone, p.EMailO, p.WebSite, p.Skype,
                           p.OK, p.VK, p.Telegram, p.FaceBook, p.Twitter, p.Instagramm, p.YouTube});
}

Result<std::optional<TInfo14>> ParseProfileReply(std::string_view reply) {
  if (HasMarker(reply, "no")) return std::optional<TInfo14>();
  const auto fields = ReadTildeRecord(reply);
  if (!fields) return Error{"the profile reply holds no record"};
  TInfo14 p;
  FieldReader r(*fields);
  std::string* order[] = {&p.Name1,    &p.Name2,   &p.About,      &p.Telephone, &p.EMailO,
                          &p.WebSite,  &p.Skype,   &p.OK,         &p.VK,        &p.Telegram,
                          &p.FaceBook, &p.Twitter, &p.Instagramm, &p.YouTube};
  for (std::size_t i = 0; i < std::size(order); ++i) r.Text(i + 1, *order[i]);
  return std::optional<TInfo14>(std::move(p));
}

std::string BuildRatedRecordReply(const TTarvoGame& g) {
  return BuildDollarRecord({Num(g.Kon), Num(g.Best), RealText(g.Rating), Num(g.Sessions),
                            Num(g.KonL), Num(g.Score), Num(g.R1), g.R2});
}

Result<std::optional<TTarvoGame>> ParseRatedRecordReply(std::string_view reply, TTarvoGame g) {
  if (HasMarker(reply, "no")) return std::optional<TTarvoGame>();
  const auto fields = ReadDollarRecord(reply);
  if (!fields) return std::optional<TTarvoGame>();
  FieldReader r(*fields);
  r.Int(1, g.Kon);
  r.Int(2, g.Best);
  r.Real(3, g.Rating);
  r.Int(4, g.Sessions);
  r.Int(5, g.KonL);
  r.Int(6, g.Score);
  r.Int(7, g.R1);
  r.Text(8, g.R2);
  if (!r.error().empty()) return Error{"rated record reply: " + r.error()};
  return std::optional<TTarvoGame>(std::move(g));
}

std::string BuildSeatReply(const TTarvoClient& player) {
  return BuildDollarRecord(ClientFields(player));
}

Result<TTarvoClient> ParseSeatReply(std::string_view reply) {
  TTarvoClient c;
  const auto fields = ReadDollarRecord(reply);
  if (!fields) return c;
  FieldReader r(*fields);
  ReadClient(r, 1, c);
  if (!r.error().empty()) return Error{"seat reply: " + r.error()};
  return c;
}

std::string BuildServerStateReply(const ServerState& state) {
  std::string message = state.Message;
  std::replace(message.begin(), message.end(), ' ', '_');
  return BuildDollarRecord({CharText(state.State), message});
}

ServerState ParseServerStateReply(std::string_view reply) {
  ServerState state;
  const auto fields = ReadDollarRecord(reply);
  if (!fields) return state;
  FieldReader r(*fields);
  r.Char(1, state.State);
  r.Text(2, state.Message);
  std::replace(state.Message.begin(), state.Message.end(), '_', ' ');
  return state;
}

std::string BuildTourRatingReply(const TourRating& t) {
  return BuildDollarRecord({Num(t.Score), Num(t.Kon), Num(t.Rating)});
}

Result<std::optional<TourRating>> ParseTourRatingReply(std::string_view reply) {
  const auto fields = ReadDollarRecord(reply);
  if (!fields) return std::optional<TourRating>();
  TourRating t;
  FieldReader r(*fields);
  r.Int(1, t.Score);
  r.Int(2, t.Kon);
  r.Int(3, t.Rating);
  if (!r.error().empty()) return Error{"tournament rating reply: " + r.error()};
  return std::optional<TourRating>(t);
}

std::string BuildRatingList(const std::vector<TTarvoTop10>& lines) {
  std::vector<std::vector<std::string>> records;
  for (std::size_t i = 0; i < lines.size() && i < kMaxStarRecords; ++i) {
    const auto& l = lines[i];
    records.push_back({Num(static_cast<long long>(i) + 1), l.Nick, l.City, l.Country, l.Country,
                       CharText(l.Sex), RealText(l.Rating)});
  }
  return BuildStarList(records);
}

Result<std::vector<TTarvoTop10>> ParseRatingList(std::string_view reply) {
  return ReadLines<TTarvoTop10>(reply, [](FieldReader& r, TTarvoTop10& l) {
    r.Text(2, l.Nick);
    r.Text(3, l.City);
    r.Text(4, l.Country);
    r.Text(5, l.Country);
    r.Char(6, l.Sex);
    r.Real(7, l.Rating);
  });
}

std::string BuildTopTen(const std::vector<TTarvoRecord>& lines) {
  std::vector<std::vector<std::string>> records;
  for (std::size_t i = 0; i < lines.size() && i < kMaxStarRecords; ++i) {
    const auto& l = lines[i];
    records.push_back({Num(l.Place), Num(l.RID), Num(l.Score), l.Nick, l.Country, l.City, l.R07,
                       l.R08, l.R09, l.R10});
  }
  return BuildStarList(records);
}

Result<std::vector<TTarvoRecord>> ParseTopTen(std::string_view reply) {
  return ReadLines<TTarvoRecord>(reply, [](FieldReader& r, TTarvoRecord& l) {
    r.Int(1, l.Place);
    r.Int(3, l.Score);
    r.Text(4, l.Nick);
    r.Text(5, l.Country);
    r.Text(6, l.City);
    r.Text(7, l.R07);
    r.Text(8, l.R08);
    r.Text(9, l.R09);
    r.Text(10, l.R10);
  });
}

std::string BuildStats(const TTarvoStat& s) {
  std::vector<std::string> fields = {Num(s.Stat1), Num(s.Stat2), Num(s.Stat3), s.Stat4};
  for (int x : s.StatX) fields.push_back(Num(x));
  fields.push_back(Num(s.StatY));
  fields.push_back(s.StatZ);
  return BuildStarList({fields});
}

Result<TTarvoStat> ParseStats(std::string_view reply) {
  const auto records = ReadStarList(reply, 1);
  if (records.empty()) return Error{"the statistics reply holds no record"};
  TTarvoStat s;
  FieldReader r(records.front());
  r.Int(1, s.Stat1);
  r.Int(2, s.Stat2);
  r.Int(3, s.Stat3);
  r.Text(4, s.Stat4);
  for (std::size_t k = 0; k < s.StatX.size(); ++k) r.Int(5 + k, s.StatX[k]);
  r.Int(17, s.StatY);
  r.Text(18, s.StatZ);
  if (!r.error().empty()) return Error{"statistics reply: " + r.error()};
  return s;
}

std::string BuildTourTables(const std::array<TTarvoTable_4, kTourTables>& tables) {
  std::vector<std::vector<std::string>> records;
  for (int number = kTourTables; number >= 1; --number) {
    const auto& t = tables[number - 1];
    std::vector<std::string> fields = {Num(number), t.IP, Num(t.Port), t.Free, Num(t.R1), t.R2};
    for (const auto& seat : t.Seats) {
      const auto seat_fields = ClientFields(seat);
      fields.insert(fields.end(), seat_fields.begin(), seat_fields.end());
    }
    records.push_back(std::move(fields));
  }
  return BuildStarList(records);
}

Result<std::array<TTarvoTable_4, kTourTables>> ParseTourTables(std::string_view reply) {
  std::array<TTarvoTable_4, kTourTables> tables;
  const auto records = ReadStarList(reply, kTourTables);
  for (std::size_t i = 0; i < records.size(); ++i) {
    // The first record is table 10.
    auto& t = tables[kTourTables - 1 - i];
    FieldReader r(records[i]);
    r.Text(2, t.IP);
    r.Int(3, t.Port);
    r.Text(4, t.Free);
    r.Int(5, t.R1);
    r.Text(6, t.R2);
    for (std::size_t seat = 0; seat < t.Seats.size(); ++seat)
      ReadClient(r, 7 + 8 * seat, t.Seats[seat]);
    if (!r.error().empty())
      return Error{"table " + Num(kTourTables - static_cast<long long>(i)) + ": " + r.error()};
  }
  return tables;
}

std::string BuildTourTopTen(const std::vector<TourTopLine>& lines) {
  std::vector<std::vector<std::string>> records;
  for (std::size_t i = 0; i < lines.size() && i < kMaxStarRecords; ++i) {
    const auto& l = lines[i];
    records.push_back({Num(l.Place), l.Nick, l.Country, l.City, Num(l.Value)});
  }
  return BuildStarList(records);
}

Result<std::vector<TourTopLine>> ParseTourTopTen(std::string_view reply) {
  return ReadLines<TourTopLine>(reply, [](FieldReader& r, TourTopLine& l) {
    r.Int(1, l.Place);
    r.Text(2, l.Nick);
    r.Text(3, l.Country);
    r.Text(4, l.City);
    r.Int(5, l.Value);
  });
}

}  // namespace ostrel::online
