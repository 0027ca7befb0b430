// phrasegen [--allow-empty KEY:COLUMN]... TABLE.tsv KEYS.h DATA.cpp
// Checks the phrase table and writes the generated header and source; any fault is one
// line on stderr naming the table line, and a non-zero exit that stops the build.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "phrase_emit.h"
#include "phrase_table.h"

namespace {

using ostrel::phrasegen::AllowedEmpty;

int Usage() {
  std::cerr << "usage: phrasegen [--allow-empty KEY:COLUMN]... TABLE.tsv KEYS.h DATA.cpp\n";
  return 2;
}

bool ReadWhole(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

// Written beside the target and renamed over it, so an interrupted build never leaves a
// half-written file that a later build would take as up to date.
bool WriteAtomically(const std::string& path, const std::string& text) {
  std::string temp = path + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text;
    out.flush();
    if (!out) return false;
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) std::filesystem::remove(temp, ec);
  return !ec;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<AllowedEmpty> allowed;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--allow-empty") {
      AllowedEmpty entry;
      if (i + 1 == argc || !ostrel::phrasegen::ParseAllowedEmpty(argv[i + 1], entry)) {
        std::cerr << "phrasegen: --allow-empty needs KEY:COLUMN with a column such as KOR\n";
        return 2;
      }
      allowed.push_back(entry);
      ++i;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 3) return Usage();

  std::string text;
  if (!ReadWhole(paths[0], text)) {
    std::cerr << "phrasegen: cannot read the phrase table " << paths[0] << "\n";
    return 1;
  }
  auto result = ostrel::phrasegen::ParsePhraseTable(text, paths[0], allowed);
  if (!result.ok()) {
    std::cerr << "phrasegen: " << result.error << "\n";
    return 1;
  }
  if (!WriteAtomically(paths[1], ostrel::phrasegen::EmitKeysHeader(result.rows)) ||
      !WriteAtomically(paths[2], ostrel::phrasegen::EmitDataSource(result.rows))) {
    std::cerr << "phrasegen: cannot write " << paths[1] << " or " << paths[2] << "\n";
    return 1;
  }
  return 0;
}
