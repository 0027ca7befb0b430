#include "online/user_file.h"

#include <gtest/gtest.h>

namespace ostrel::online {
namespace {

TEST(UserFile, WrittenAndReadBack) {
  const UserFile file{"Ab", EncipherText("pass1")};
  const std::string bytes = SerializeUserFile(file);
  EXPECT_EQ(bytes, "Tarvo User File\r\nAb\r\n" + file.PwC + "\r\n");
  EXPECT_EQ(ParseUserFile(bytes), file);
  EXPECT_EQ(SignInPassword(ParseUserFile(bytes)->PwC), "pass1");
}

TEST(UserFile, ReadingRules) {
  struct Case {
    const char* label;
    std::string bytes;
    std::optional<UserFile> file;
  };
  const Case cases[] = {
      {"line ends LF", "Tarvo User File\nAb\nC0DE\n", UserFile{"Ab", "C0DE"}},
      {"no last line end", "Tarvo User File\r\nAb\r\nC0DE", UserFile{"Ab", "C0DE"}},
      {"lines missing", "Tarvo User File\r\n", UserFile{"", ""}},
      {"Windows-1251 nick", "Tarvo User File\r\n\xC0\xE1\r\nC0DE\r\n", UserFile{"Аб", "C0DE"}},
      {"another header", "Tarvo User File 2\r\nAb\r\nC0DE\r\n", std::nullopt},
      {"header with a space before", " Tarvo User File\r\nAb\r\nC0DE\r\n", std::nullopt},
      {"empty", "", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(ParseUserFile(c.bytes), c.file);
  }
}

TEST(UserFile, NickCannotBreakTheLines) {
  const std::string bytes = SerializeUserFile({"a\r\nb", "C0DE"});
  EXPECT_EQ(bytes, "Tarvo User File\r\na??b\r\nC0DE\r\n");
}

TEST(TextCipher, ReversibleAndPlain) {
  for (const char* text : {"", "pass1", "p#s$ w", "пароль", "http://127.0.0.1:25680/service/"}) {
    SCOPED_TRACE(text);
    const std::string ciphered = EncipherText(text);
    EXPECT_EQ(DecipherText(ciphered), text);
    EXPECT_EQ(ciphered.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  }
  EXPECT_NE(EncipherText("aaaa").substr(0, 2), EncipherText("aaaa").substr(2, 2));
  for (const char* bad : {"A", "GG", "0g", "zz00"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(DecipherText(bad), std::nullopt);
  }
}

TEST(TextCipher, SignInPasswordReplacesWhatTheServiceCannotTake) {
  EXPECT_EQ(SignInPassword(EncipherText("pa#s wo$d")), "pa-s-wo-d");
  EXPECT_EQ(SignInPassword("not hex"), "");
}

}  // namespace
}  // namespace ostrel::online
