#include "app/online/seen_files.h"

#include <charconv>
#include <vector>

#include "storage/atomic_file.h"

namespace ostrel {

namespace {

// The files hold three short lines; anything larger is not one of them.
constexpr std::size_t kSeenFileMaxBytes = 256;
// Message and news numbers are five digits on the news page; larger ones are no number.
constexpr int kMaxSeenNumber = 99'999'999;

std::string PathIn(const std::string& folder, const char* name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::vector<std::string> Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string line(bytes.substr(start, end - start));
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// A whole line of digits; nullopt for anything else.
std::optional<int> Number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0 ||
      value > kMaxSeenNumber)
    return std::nullopt;
  return value;
}

std::string Text(int number) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string SharedFolder(const std::string& program_folder) {
  std::string folder = program_folder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  const std::size_t slash = folder.rfind('/');
  if (slash == std::string::npos) return folder;
  if (slash == 0) return "/";
  return folder.substr(0, slash);
}

ChatFile LoadChatFile(const std::string& shared_folder, FileSystem& fs) {
  const std::string path = PathIn(shared_folder, kChatFileName);
  const ReadOutcome read = fs.ReadFile(path, kSeenFileMaxBytes);
  ChatFile file;
  if (read.kind == ReadOutcome::Kind::Missing) {
    (void)SaveChatFile(shared_folder, file, fs);  // a folder we may not write stays without one
    return file;
  }
  if (!read.read()) return ChatFile{0, false, false};
  const std::vector<std::string> lines = Lines(read.bytes);
  file.last_seen = Number(lines[0]).value_or(0);
  file.at_bottom = lines.size() > 1 && lines[1] == "1";
  file.open_on_new = lines.size() > 2 && lines[2] == "1";
  return file;
}

Status SaveChatFile(const std::string& shared_folder, const ChatFile& file, FileSystem& fs) {
  const std::string bytes = Text(file.last_seen) + "\r\n" + (file.at_bottom ? "1" : "0") + "\r\n" +
                            (file.open_on_new ? "1" : "0") + "\r\n";
  return ReplaceFileAtomically(PathIn(shared_folder, kChatFileName), bytes, fs);
}

int LoadNewsFile(const std::string& shared_folder, FileSystem& fs) {
  const ReadOutcome read = fs.ReadFile(PathIn(shared_folder, kNewsFileName), kSeenFileMaxBytes);
  if (!read.read()) return 0;
  return Number(Lines(read.bytes)[0]).value_or(0);
}

Status SaveNewsFile(const std::string& shared_folder, int number, FileSystem& fs) {
  return ReplaceFileAtomically(PathIn(shared_folder, kNewsFileName), Text(number) + "\r\n", fs);
}

int NewsNumberOf(std::string_view page) {
  constexpr std::string_view kMark = "TarvoNews";
  const std::size_t at = page.find(kMark);
  if (at == std::string_view::npos) return 0;
  std::string_view digits = page.substr(at + kMark.size(), 5);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  return Number(digits).value_or(0);
}

}  // namespace ostrel
