// Writes the club files the program ships with into a folder: five empty seats and ten empty
// best-ten places, with their checksums. Built from the same code that checks them at start.
#include <filesystem>
#include <iostream>
#include <string>

#include "storage/atomic_file.h"
#include "storage/club_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: ostrel-clubgen OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::cerr << "ostrel-clubgen: cannot create " << folder << ": " << ec.message() << "\n";
    return 1;
  }
  const std::string bytes = ostrel::SerializeClubFile(ostrel::InitialClubFile());
  for (const char* name : {ostrel::kLocalClubFileName, ostrel::kNetClubFileName}) {
    ostrel::Status status = ostrel::ReplaceFileAtomically((folder / name).string(), bytes);
    if (!status.ok()) {
      std::cerr << "ostrel-clubgen: " << status.message() << "\n";
      return 1;
    }
  }
  return 0;
}
