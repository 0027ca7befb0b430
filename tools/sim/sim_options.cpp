#include "sim/sim_options.h"

#include <charconv>

namespace ostrel::sim {
namespace {

template <class T>
bool ParseNumber(const std::string& text, T& out) {
  const auto* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

std::optional<Policy> ParsePolicy(const std::string& name) {
  if (name == "random") return Policy::Random;
  if (name == "greedy") return Policy::Greedy;
  if (name == "ai") return Policy::Ai;
  return std::nullopt;
}

bool IsTourOption(const std::string& a) {
  return a == "--site" || a == "--nick" || a == "--password" || a == "--table" || a == "--seat" ||
         a == "--think-ms";
}

// One option of a tournament run; the error, empty when the value is taken.
std::string TourOption(const std::string& a, const std::string& v, SimOptions& o) {
  if (a == "--site") {
    if (v.rfind("http://", 0) != 0 && v.rfind("https://", 0) != 0) {
      return "--site wants http://HOST:PORT";
    }
    o.site = v;
  } else if (a == "--nick") {
    o.nick = v;
  } else if (a == "--password") {
    o.password = v;
  } else if (a == "--think-ms") {
    if (!ParseNumber(v, o.think_ms) || o.think_ms < 0 || o.think_ms > 60000) {
      return "--think-ms is 0 to 60000";
    }
  } else if (a == "--table") {
    if (!ParseNumber(v, o.table) || o.table < 1 || o.table > 10) return "--table is 1 to 10";
  } else if (!ParseNumber(v, o.seat) || o.seat < 1 || o.seat > 4) {
    return "--seat is 1 to 4";
  }
  return {};
}

std::string CheckTournament(const SimOptions& o) {
  if (o.Lan() || o.duplicate || !o.deck_file.empty() || !o.home.empty()) {
    return "a tournament game takes no LAN, --duplicate, --deck-file or --home options";
  }
  if (o.site.empty() || o.nick.empty() || o.password.empty() || o.table == 0 || o.seat == 0) {
    return "--tournament needs --site, --nick, --password, --table and --seat";
  }
  return {};
}

}  // namespace

std::string SimUsage() {
  return "usage: ostrel-sim [--games N] [--seed S] [--target 301|501] [--bella-first-hand-only]\n"
         "                  [--no-trump-required] [--play random|greedy|ai]\n"
         "                  [--teams POLICY,POLICY] [--duplicate] [--deck-file F] [--log FILE]\n"
         "                  [--home DIR] [--player NAME]\n"
         "       ostrel-sim --lan-host PORT [--lan-players 2|4] [--name NAME] [--games N] ...\n"
         "       ostrel-sim --lan-join HOST:PORT [--name NAME] [--play POLICY] [--log FILE]\n"
         "       ostrel-sim --tournament --site http://HOST:PORT --nick NICK --password PW\n"
         "                  --table 1-10 --seat 1-4 [--play POLICY] [--think-ms MS] [--log FILE]\n";
}

ParsedOptions ParseSimOptions(const std::vector<std::string>& args) {
  ParsedOptions result;
  SimOptions o;
  const auto fail = [&](std::string message) {
    result.error = std::move(message);
    return result;
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string* {
      return i + 1 < args.size() ? &args[++i] : nullptr;
    };
    if (a == "--help" || a == "-h") {
      result.help = true;
      return result;
    } else if (a == "--bella-first-hand-only") {
      o.bella_first_hand_only = true;
    } else if (a == "--duplicate") {
      o.duplicate = true;
    } else if (a == "--no-trump-required") {
      o.trump_required = false;
    } else if (a == "--tournament") {
      o.tournament = true;
    } else if (IsTourOption(a)) {
      const std::string* v = value();
      if (!v) return fail(a + " needs a value");
      if (std::string error = TourOption(a, *v, o); !error.empty()) return fail(error);
    } else if (a == "--games" || a == "--seed" || a == "--target" || a == "--play" ||
               a == "--teams" || a == "--deck-file" || a == "--log" || a == "--home" ||
               a == "--player" || a == "--lan-host" || a == "--lan-players" || a == "--lan-join" ||
               a == "--name") {
      const std::string* v = value();
      if (!v) return fail(a + " needs a value");
      if (a == "--games") {
        if (!ParseNumber(*v, o.games) || o.games < 1) return fail("--games wants a number above 0");
      } else if (a == "--seed") {
        if (!ParseNumber(*v, o.seed)) return fail("--seed wants a whole number");
      } else if (a == "--target") {
        if (!ParseNumber(*v, o.target) || (o.target != 301 && o.target != 501)) {
          return fail("--target is 301 or 501");
        }
      } else if (a == "--play") {
        const auto p = ParsePolicy(*v);
        if (!p) return fail("--play is random, greedy or ai");
        o.team_policy[1] = o.team_policy[2] = *p;
      } else if (a == "--teams") {
        const auto comma = v->find(',');
        const auto p1 = ParsePolicy(v->substr(0, comma));
        const auto p2 =
            comma == std::string::npos ? std::nullopt : ParsePolicy(v->substr(comma + 1));
        if (!p1 || !p2) return fail("--teams wants two policies, e.g. ai,greedy");
        o.team_policy[1] = *p1;
        o.team_policy[2] = *p2;
      } else if (a == "--deck-file") {
        o.deck_file = *v;
      } else if (a == "--log") {
        o.log_file = *v;
      } else if (a == "--lan-host") {
        if (!ParseNumber(*v, o.lan_host) || o.lan_host < 0 || o.lan_host > 65535) {
          return fail("--lan-host wants a port from 0 to 65535");
        }
      } else if (a == "--lan-players") {
        if (!ParseNumber(*v, o.lan_players) || (o.lan_players != 2 && o.lan_players != 4)) {
          return fail("--lan-players is 2 or 4");
        }
      } else if (a == "--lan-join") {
        const auto colon = v->rfind(':');
        if (colon == std::string::npos || colon == 0 ||
            !ParseNumber(v->substr(colon + 1), o.lan_join_port) || o.lan_join_port < 1 ||
            o.lan_join_port > 65535) {
          return fail("--lan-join wants HOST:PORT");
        }
        o.lan_join_host = v->substr(0, colon);
      } else if (a == "--name") {
        if (v->empty()) return fail("--name wants a name");
        o.lan_name = *v;
      } else if (a == "--home") {
        o.home = *v;
      } else {
        if (v->empty()) return fail("--player wants a name");
        o.player = *v;
      }
    } else {
      return fail("unknown option " + a);
    }
  }
  if (o.lan_host >= 0 && !o.lan_join_host.empty()) {
    return fail("--lan-host and --lan-join exclude each other");
  }
  if (o.tournament) {
    if (std::string error = CheckTournament(o); !error.empty()) return fail(error);
  }
  if (o.Lan() && (o.duplicate || !o.deck_file.empty() || !o.home.empty())) {
    return fail("a LAN game takes no --duplicate, --deck-file or --home");
  }
  result.options = o;
  return result;
}

}  // namespace ostrel::sim
