#include "online/user_file.h"

#include <algorithm>

#include "game/cp1251.h"
#include "online/utf8.h"

namespace ostrel::online {
namespace {

constexpr std::string_view kKey = "Ostrel-Tarvo-4";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

unsigned char KeyAt(std::size_t i) {
  return static_cast<unsigned char>(kKey[i % kKey.size()] + i * 7);
}

// The next line of `bytes` from `at`, without its line end.
std::string_view NextLine(std::string_view bytes, std::size_t& at) {
  if (at >= bytes.size()) return {};
  const auto end = std::min(bytes.find('\n', at), bytes.size());
  std::string_view line = bytes.substr(at, end - at);
  at = end + 1;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string LineBytes(std::string_view utf8) {
  std::string out;
  const auto points = CodePoints(utf8);
  if (!points) return std::string(utf8.size(), '?');
  for (char32_t c : *points) {
    std::string one;
    AppendUtf8(one, c);
    const auto byte = Utf8ToCp1251(one);
    out += (c == '\r' || c == '\n' || !byte) ? std::string("?") : *byte;
  }
  return out;
}

}  // namespace

std::optional<UserFile> ParseUserFile(std::string_view bytes) {
  std::size_t at = 0;
  if (NextLine(bytes, at) != kUserFileHeader) return std::nullopt;
  UserFile file;
  file.Nick = Cp1251ToUtf8(NextLine(bytes, at));
  file.PwC = Cp1251ToUtf8(NextLine(bytes, at));
  return file;
}

std::string SerializeUserFile(const UserFile& file) {
  return std::string(kUserFileHeader) + "\r\n" + LineBytes(file.Nick) + "\r\n" +
         LineBytes(file.PwC) + "\r\n";
}

std::string EncipherText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto mixed = static_cast<unsigned char>(static_cast<unsigned char>(text[i]) ^ KeyAt(i));
    out += kHex[mixed >> 4];
    out += kHex[mixed & 0x0F];
  }
  return out;
}

std::optional<std::string> DecipherText(std::string_view ciphered) {
  if (ciphered.size() % 2 != 0) return std::nullopt;
  std::string out;
  out.reserve(ciphered.size() / 2);
  for (std::size_t i = 0; i < ciphered.size() / 2; ++i) {
    const int high = HexValue(ciphered[2 * i]);
    const int low = HexValue(ciphered[2 * i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(static_cast<unsigned char>(high * 16 + low) ^ KeyAt(i));
  }
  if (!CodePoints(out)) return std::nullopt;
  return out;
}

std::string SignInPassword(std::string_view pwc) {
  auto password = DecipherText(pwc).value_or("");
  std::replace_if(
      password.begin(), password.end(), [](char c) { return c == ' ' || c == '#' || c == '$'; },
      '-');
  return password;
}

}  // namespace ostrel::online
