// The public page: the escaping and the language choice without a browser, then the page as
// headless Chromium shows it from a server started by the test, with a chat message holding a
// script tag (written straight into the database, as the request checks would never let it
// in) shown as text. The screenshot goes to docs/screenshots/.
#include "server/site/public_page.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "i18n/language.h"
#include "i18n/phrases.h"
#include "server_process.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

TEST(PublicPage, LanguageOfTheBrowser) {
  const struct {
    const char* header;
    int language;
  } kCases[] = {{"", kEnglish},
                {"de-CH,de;q=0.9,en;q=0.8", kGerman},
                {"pt-BR,ko;q=0.5", kKorean},
                {"JA", kJapanese},
                {"xx,yy", kEnglish},
                {"cs_CZ", kCzech},
                {"zh-Hans-CN", kChinese}};
  for (const auto& c : kCases) EXPECT_EQ(PageLanguage(c.header), c.language) << c.header;
  EXPECT_EQ(HtmlEscape("<a href=\"x\">&'</a>"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;&lt;/a&gt;");
}

// Runs a command with a bounded time; its standard output.
std::string RunCommand(const std::string& command) {
  std::string out;
  FILE* p = ::popen(command.c_str(), "r");
  if (!p) return out;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  ::pclose(p);
  return out;
}

TEST(PublicPage, HeadlessChromiumShowsPlayerTextsAsText) {
  if (RunCommand("command -v chromium").empty()) GTEST_SKIP() << "chromium is not installed";
  testing::TempDir dir;
  const std::string db = "sqlite:" + dir.path() + "/ostrel.db";
  {
    Store store(db, 1);
    TopTenRow line{65, 420, "Anna", "2-372", "Tartu", "W", "5.7f", "#", "#", 0};
    store.AddTopTen(line, 0);
    TopTenRow chat{100,
                   0,
                   "Mallory",
                   "2-372",
                   "Tartu",
                   "M",
                   "5.7f",
                   "12.00_01.02.2026",
                   "<script>alert(1)</script>",
                   0};
    store.AddChatMessage(chat, 0, 1000);
  }
  testing::ServerProcess server(OSTREL_SERVER_BINARY,
                                {"--data", dir.path(), "--db", db, "--hash-cost", "minimum"});
  const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/";
  const std::string flags =
      " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
      " --disable-background-networking --disable-component-update --disable-sync"
      " --user-data-dir=" +
      dir.path() + "/chromium --lang=de --accept-lang=de ";
  const std::string dom =
      RunCommand("timeout 60 chromium" + flags + "--dump-dom " + url + " 2>/dev/null");
  ASSERT_NE(dom.find("Anna"), std::string::npos) << dom;
  EXPECT_NE(dom.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos) << dom;
  EXPECT_EQ(dom.find("<script>"), std::string::npos);
  EXPECT_NE(dom.find(std::string(PhraseIn(PhraseKey::Statistics, kGerman))), std::string::npos);

  const std::string shots = std::string(OSTREL_SOURCE_DIR) + "/docs/screenshots";
  std::filesystem::create_directories(shots);
  RunCommand("timeout 60 chromium" + flags + "--window-size=1000,1500 --screenshot=" + shots +
             "/public-page.png " + url + " >/dev/null 2>&1");
  EXPECT_TRUE(std::filesystem::exists(shots + "/public-page.png"));
}

}  // namespace
}  // namespace ostrel::server
