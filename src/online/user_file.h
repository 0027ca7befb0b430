// The local user file "TarvoUser.qiv" in the folder above the program's folder, which
// remembers a login: three lines of Windows-1251 text ending in CR LF, the header
// "Tarvo User File", the nick and the enciphered password. Pure bytes in, bytes out; the
// program writes the file atomically.
//
// The same reversible text cipher keeps the password on disk and the service addresses in
// the settings. It only hides the text from a casual look; it is not a protection.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::online {

inline constexpr const char* kUserFileName = "TarvoUser.qiv";
inline constexpr const char* kUserFileHeader = "Tarvo User File";

struct UserFile {
  std::string Nick;  // UTF-8
  std::string PwC;   // the enciphered password (EncipherText)
  bool operator==(const UserFile&) const = default;
};

// nullopt when the first line is not the header. Lines may end in CR LF or LF; a missing
// line reads as empty.
std::optional<UserFile> ParseUserFile(std::string_view bytes);

// The file's bytes. Line breaks or characters Windows-1251 cannot hold become "?".
std::string SerializeUserFile(const UserFile& file);

// Upper-case hexadecimal of the text's bytes mixed with a fixed key: two characters a byte,
// never a space, "#", "$" or a line break.
std::string EncipherText(std::string_view text);
// nullopt for a text EncipherText cannot have written.
std::optional<std::string> DecipherText(std::string_view ciphered);

// The password the start-up sign-in sends from a user file's third line: deciphered, with
// every " ", "#" and "$" turned into "-"; empty when the line does not decipher.
std::string SignInPassword(std::string_view pwc);

}  // namespace ostrel::online
