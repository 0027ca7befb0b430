#include "server/options.h"

#include <charconv>
#include <fstream>
#include <map>

namespace ostrel::server {
namespace {

bool ToInt(const std::string& text, long long lo, long long hi, long long& out) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && out >= lo && out <= hi;
}

// "ADDR:PORT", "[V6]:PORT".
bool SplitHostPort(const std::string& text, std::string& host, std::uint16_t& port) {
  auto colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.back() != ']') return false;
    host = host.substr(1, host.size() - 2);
  }
  long long p = 0;
  if (!ToInt(text.substr(colon + 1), 0, 65535, p)) return false;
  port = static_cast<std::uint16_t>(p);
  return !host.empty();
}

std::string Trim(const std::string& s) {
  auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// Applies one setting; an error text when it is unknown or wrong.
std::string Apply(const std::string& key, const std::string& value, ServerOptions& o) {
  long long n = 0;
  if (key == "data") {
    o.data = value;
  } else if (key == "http") {
    if (!SplitHostPort(value, o.http_address, o.http_port)) return "--http wants ADDR:PORT";
  } else if (key == "db") {
    o.db = value;
  } else if (key == "site-files") {
    o.site_files = value;
  } else if (key == "radio-listeners") {
    if (!ToInt(value, 0, 10000, n)) return "--radio-listeners wants 0 to 10000";
    o.radio_listeners = static_cast<int>(n);
  } else if (key == "log") {
    o.log = value;
  } else if (key == "threads") {
    if (!ToInt(value, 1, 256, n)) return "--threads wants 1 to 256";
    o.threads = static_cast<int>(n);
  } else if (key == "hashes-at-once") {
    if (!ToInt(value, 1, 64, n)) return "--hashes-at-once wants 1 to 64";
    o.hashes_at_once = static_cast<int>(n);
  } else if (key == "hash-cost") {
    if (value != "interactive" && value != "minimum") return "--hash-cost: interactive|minimum";
    o.hash_cost = value == "minimum" ? HashCost::kMinimum : HashCost::kInteractive;
  } else if (key == "registrations-per-hour") {
    if (!ToInt(value, 1, 1000000, n)) return "--registrations-per-hour wants 1 to 1000000";
    o.registrations_per_hour = static_cast<int>(n);
  } else if (key == "request-timeout-ms") {
    if (!ToInt(value, 100, 600000, n)) return "--request-timeout-ms wants 100 to 600000";
    o.limits.request_timeout_ms = static_cast<int>(n);
  } else if (key == "max-connections-per-address") {
    if (!ToInt(value, 1, 100000, n)) return "--max-connections-per-address wants 1 to 100000";
    o.limits.max_connections_per_address = static_cast<int>(n);
  } else if (key == "max-connections") {
    if (!ToInt(value, 1, 1000000, n)) return "--max-connections wants 1 to 1000000";
    o.limits.max_connections = static_cast<int>(n);
  } else if (key == "trust-forwarded-for") {
    if (value != "yes" && value != "no") return "trust-forwarded-for: yes|no";
    o.limits.trust_forwarded_for = value == "yes";
  } else if (key == "tables") {
    if (!SplitHostPort(value, o.tables_address, o.tables_base_port) ||
        o.tables_base_port > 65535 - 10) {
      return "--tables wants ADDR:BASEPORT with BASEPORT at most 65525";
    }
  } else if (key == "move-seconds") {
    if (!ToInt(value, 1, 600, n)) return "--move-seconds wants 1 to 600";
    o.move_seconds = static_cast<int>(n);
  } else if (key == "game-log") {
    o.game_log = value;
  } else if (key == "no-tables") {
    if (value != "yes" && value != "no") return "no-tables: yes|no";
    o.no_tables = value == "yes";
  } else if (key == "tour-message") {
    if (value.empty() || value.size() > 80 ||
        value.find_first_of("$*~ \t\r\n") != std::string::npos) {
      return "--tour-message wants 1 to 80 characters, no spaces (\"_\" shows as one) or $*~";
    }
    o.tour_message = value;
  } else {
    return "unknown setting: " + key;
  }
  return "";
}

std::string ReadConfig(const std::string& path, std::map<std::string, std::string>& out) {
  std::ifstream in(path);
  if (!in) return "cannot read " + path;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = Trim(line.substr(0, line.find('#')));
    if (line.empty()) continue;
    auto eq = line.find('=');
    if (eq == std::string::npos) return path + ":" + std::to_string(number) + ": no \"=\"";
    out[Trim(line.substr(0, eq))] = Trim(line.substr(eq + 1));
  }
  if (in.bad()) return "cannot read " + path;
  return "";
}

}  // namespace

std::string ServerUsage() {
  return "usage: ostrel-server --data DIR [--http ADDR:PORT] [--db URL] [--site-files DIR]\n"
         "       [--config FILE] [--log FILE|-|none] [--threads N] [--hashes-at-once N]\n"
         "       [--hash-cost interactive|minimum] [--request-timeout-ms N]\n"
         "       [--max-connections-per-address N] [--max-connections N]\n"
         "       [--registrations-per-hour N] [--tables ADDR:BASEPORT] [--tour-message TEXT]\n"
         "       [--move-seconds N] [--game-log DIR] [--no-tables]\n"
         "       [--trust-forwarded-for] [--radio-listeners N]\n"
         "URL: sqlite:PATH (default DIR/ostrel.db) or postgresql://...\n"
         "A configuration file holds the same keys as \"key = value\" lines.\n";
}

OptionsResult ParseServerOptions(const std::vector<std::string>& args) {
  OptionsResult r;
  std::map<std::string, std::string> flags;
  std::string config;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      r.help = true;
      return r;
    }
    if (a == "--trust-forwarded-for") {
      flags["trust-forwarded-for"] = "yes";
      continue;
    }
    if (a == "--no-tables") {
      flags["no-tables"] = "yes";
      continue;
    }
    if (a.rfind("--", 0) != 0 || i + 1 >= args.size()) {
      r.error = "unexpected argument: " + a;
      return r;
    }
    if (a == "--config") {
      config = args[++i];
    } else {
      flags[a.substr(2)] = args[++i];
    }
  }
  std::map<std::string, std::string> settings;
  if (!config.empty()) {
    r.error = ReadConfig(config, settings);
    if (!r.error.empty()) return r;
  }
  for (auto& [k, v] : flags) settings[k] = v;
  for (auto& [k, v] : settings) {
    r.error = Apply(k, v, r.options);
    if (!r.error.empty()) return r;
  }
  if (r.options.data.empty()) {
    r.error = "--data DIR is required";
    return r;
  }
  if (r.options.db.empty()) r.options.db = "sqlite:" + r.options.data + "/ostrel.db";
  r.ok = true;
  return r;
}

}  // namespace ostrel::server
