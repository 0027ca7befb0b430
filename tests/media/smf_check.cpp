#include "smf_check.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace ostrel::testing {

namespace {

struct Reader {
  std::string_view b;
  std::size_t at = 0;
  bool ok = true;

  int Byte() {
    if (at >= b.size()) {
      ok = false;
      return 0;
    }
    return static_cast<unsigned char>(b[at++]);
  }
  std::uint32_t Big(int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | static_cast<std::uint32_t>(Byte());
    return v;
  }
  std::uint32_t Vlq() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const int c = Byte();
      v = (v << 7) | static_cast<std::uint32_t>(c & 0x7F);
      if ((c & 0x80) == 0) return v;
    }
    ok = false;  // more than four bytes
    return v;
  }
  void Skip(std::uint32_t n) {
    if (n > b.size() - at) ok = false;
    at = ok ? at + n : b.size();
  }
};

struct TrackResult {
  std::uint32_t end_tick = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;  // tick, microseconds a quarter
};

bool ReadTrack(std::string_view body, SmfSummary& s, TrackResult& t, std::string* error) {
  Reader r{body};
  std::uint32_t tick = 0;
  int status = 0;
  std::map<std::pair<int, int>, int> sounding;
  bool ended = false;
  while (r.ok && r.at < body.size() && !ended) {
    tick += r.Vlq();
    int first = r.Byte();
    if (first < 0x80) {
      if (status == 0) return *error = "data byte without a status", false;
      --r.at;  // running status: the byte is the first data byte
      first = status;
    }
    if (first == 0xFF) {
      const int type = r.Byte();
      const std::uint32_t len = r.Vlq();
      if (type == 0x51) {
        if (len != 3) return *error = "tempo event of wrong length", false;
        t.tempos.emplace_back(tick, r.Big(3));
      } else {
        r.Skip(len);
      }
      if (type == 0x2F) ended = true;
      continue;
    }
    if (first == 0xF0 || first == 0xF7) {
      r.Skip(r.Vlq());
      continue;
    }
    status = first;
    const int kind = first & 0xF0;
    const int channel = first & 0x0F;
    const int d1 = r.Byte();
    const int d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : r.Byte();
    if (d1 > 127 || d2 > 127) return *error = "data byte above 127", false;
    if (kind == 0x90 && d2 > 0) {
      ++s.notes;
      s.channels.insert(channel);
      ++sounding[{channel, d1}];
    } else if (kind == 0x80 || kind == 0x90) {
      if (--sounding[{channel, d1}] < 0) ++s.unmatched_notes;
    } else if (kind == 0xC0) {
      s.programs.insert(d1);
    }
  }
  if (!r.ok) return *error = "track ends inside an event", false;
  if (!ended) return *error = "track without an end-of-track event", false;
  for (const auto& [key, count] : sounding) s.unmatched_notes += count > 0 ? count : 0;
  t.end_tick = tick;
  return true;
}

}  // namespace

std::optional<SmfSummary> CheckSmf(std::string_view bytes, std::string* error) {
  Reader r{bytes};
  if (bytes.substr(0, 4) != "MThd") return *error = "no MThd header", std::nullopt;
  r.at = 4;
  if (r.Big(4) != 6) return *error = "header of wrong length", std::nullopt;
  SmfSummary s;
  s.format = static_cast<int>(r.Big(2));
  const auto declared = static_cast<int>(r.Big(2));
  s.division = static_cast<int>(r.Big(2));
  if (s.format > 2 || s.division <= 0 || s.division >= 0x8000) {
    return *error = "unsupported format or timing", std::nullopt;
  }
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos;
  std::uint32_t end_tick = 0;
  while (r.ok && r.at < bytes.size()) {
    const std::string_view id = bytes.substr(r.at, 4);
    r.at += 4;
    const std::uint32_t len = r.Big(4);
    if (!r.ok || len > bytes.size() - r.at) return *error = "chunk past the end", std::nullopt;
    if (id == "MTrk") {
      TrackResult t;
      if (!ReadTrack(bytes.substr(r.at, len), s, t, error)) return std::nullopt;
      ++s.tracks;
      end_tick = std::max(end_tick, t.end_tick);
      tempos.insert(tempos.end(), t.tempos.begin(), t.tempos.end());
    }
    r.at += len;
  }
  if (s.tracks != declared) return *error = "track count differs from the header", std::nullopt;
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  double micro = 0.0;
  std::uint32_t tick = 0;
  std::uint32_t tempo = 500000;  // 120 a minute until the first tempo event
  for (const auto& [at, value] : tempos) {
    if (at >= end_tick) break;
    micro += static_cast<double>(at - tick) * tempo / s.division;
    tick = at;
    tempo = value;
  }
  micro += static_cast<double>(end_tick - tick) * tempo / s.division;
  s.seconds = micro / 1e6;
  return s;
}

}  // namespace ostrel::testing
