// The site's list of files: its exact line format, the SHA-256 a file is checked with, and the
// addresses a site is tried at (HTTPS first where the site may offer it).
#include "net/site_files.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "net/http_client.h"
#include "support/local_http_server.h"

namespace ostrel {
namespace {

using testing::HttpReply;
using testing::LocalHttpServer;

const std::string kHash = std::string(64, 'a');

TEST(SiteList, ReadsTheLinesOfTheAgreedFormat) {
  const std::string text = "downloads/progr/cards/TarvoCards06A.dll 48213377 " + kHash +
                           "\n"
                           "musik/Anna%20Lee~Night.mp3 0 " +
                           std::string(64, '0') + "\r\n";
  std::string error;
  const auto manifest = Manifest::Parse(text, &error);
  ASSERT_TRUE(manifest.has_value()) << error;
  ASSERT_EQ(manifest->entries().size(), 2u);
  const ManifestEntry* pack = manifest->Find("downloads/progr/cards/TarvoCards06A.dll");
  ASSERT_NE(pack, nullptr);
  EXPECT_EQ(pack->size, 48213377u);
  EXPECT_EQ(pack->sha256, kHash);
  EXPECT_EQ(manifest->Find("downloads/progr/cards/TarvoCards06B.dll"), nullptr);
  EXPECT_EQ(ManifestLine(*pack),
            "downloads/progr/cards/TarvoCards06A.dll 48213377 " + kHash + "\n");
  EXPECT_TRUE(Manifest::Parse("").has_value());  // a site with no files
}

struct BadList {
  const char* name;
  std::string text;
  const char* error;
};

class SiteListFault : public ::testing::TestWithParam<BadList> {};

TEST_P(SiteListFault, RefusesTheWholeList) {
  std::string error;
  EXPECT_FALSE(Manifest::Parse(GetParam().text, &error).has_value());
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SiteListFault,
    ::testing::ValuesIn(std::vector<BadList>{
        {"TwoSpaces", "a  1 " + kHash + "\n",
         "line 1 of the site's list: not three fields separated by single spaces"},
        {"FourFields", "a 1 " + kHash + " x\n",
         "line 1 of the site's list: not three fields separated by single spaces"},
        {"Tab", "a\t1 " + kHash + "\n",
         "line 1 of the site's list: not three fields separated by single spaces"},
        {"LeadingSlash", "/a 1 " + kHash + "\n", "line 1 of the site's list: not a file name"},
        {"ControlInName", "a\x01 1 " + kHash + "\n", "line 1 of the site's list: not a file name"},
        {"LeadingZero", "a 01 " + kHash + "\n", "line 1 of the site's list: not a size"},
        {"NegativeSize", "a -1 " + kHash + "\n", "line 1 of the site's list: not a size"},
        {"HugeSize", "a 99999999999999999999 " + kHash + "\n",
         "line 1 of the site's list: not a size"},
        {"UppercaseHash", "a 1 " + std::string(64, 'A') + "\n",
         "line 1 of the site's list: not a SHA-256 in lowercase hexadecimal"},
        {"ShortHash", "a 1 abc\n",
         "line 1 of the site's list: not a SHA-256 in lowercase hexadecimal"},
        {"NoLineEnd", "a 1 " + kHash, "line 1 of the site's list: no line end"},
        {"BlankLine", "a 1 " + kHash + "\n\n",
         "line 2 of the site's list: not three fields separated by single spaces"},
        {"NamedTwice", "a 1 " + kHash + "\nb 2 " + kHash + "\na 3 " + kHash + "\n",
         "the site's list names a twice"},
        {"TooLarge", std::string(kManifestMaxBytes + 1, 'a'),
         "the site's list is larger than 1 MiB"},
    }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SiteList, Sha256OfBytesAndOfAFile) {
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  const std::string path =
      (std::filesystem::temp_directory_path() / ("ostrel-sha-" + std::to_string(::getpid())))
          .string();
  const std::string bytes(200000, 'q');  // more than one read's worth
  std::ofstream(path, std::ios::binary) << bytes;
  EXPECT_EQ(Sha256HexOfFile(path), Sha256Hex(bytes));
  std::string error;
  EXPECT_TRUE(MatchesManifest(path, {"f", bytes.size(), Sha256Hex(bytes)}, &error)) << error;
  EXPECT_FALSE(MatchesManifest(path, {"f", bytes.size() + 1, Sha256Hex(bytes)}, &error));
  EXPECT_EQ(error, "its size differs from the site's list");
  EXPECT_FALSE(MatchesManifest(path, {"f", bytes.size(), Sha256Hex("other")}, &error));
  EXPECT_EQ(error, "its SHA-256 differs from the site's list");
  std::filesystem::remove(path);
}

TEST(SiteAddresses, SecureFirstWhereTheSiteMayOfferIt) {
  using Bases = std::vector<std::string>;
  EXPECT_EQ(SiteBases("http://example.org/"), (Bases{"https://example.org", "http://example.org"}));
  EXPECT_EQ(SiteBases("HTTP://example.org/site"),
            (Bases{"https://example.org/site", "HTTP://example.org/site"}));
  EXPECT_EQ(SiteBases("https://example.org"), (Bases{"https://example.org"}));
  // A port of its own names one particular server.
  EXPECT_EQ(SiteBases("http://127.0.0.1:25680"), (Bases{"http://127.0.0.1:25680"}));
  EXPECT_EQ(SiteBases("http://[::1]:8080/"), (Bases{"http://[::1]:8080"}));
  EXPECT_EQ(SiteBases("http://[::1]/"), (Bases{"https://[::1]", "http://[::1]"}));
  EXPECT_EQ(SiteBases("  "), Bases{});
}

// A free loopback port with nothing listening on it.
int ClosedPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), size);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
  ::close(fd);
  return ntohs(address.sin_port);
}

// The fall back from HTTPS to HTTP happens only where no secure server answered at all: an
// HTTP error or a bad certificate is an answer, and ends the attempt.
TEST(SiteAddresses, OnlyAServerThatIsNotThereCountsAsUnreachable) {
  LocalHttpServer server;
  server.Serve("/x", HttpReply::Body("x"));
  const std::string port = std::to_string(server.Port());
  EXPECT_TRUE(HttpGet("https://127.0.0.1:" + port + "/x", 10).unreachable);  // plain HTTP there
  EXPECT_TRUE(HttpGet("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/x", 5).unreachable);
  const HttpResult missing = HttpGet("http://127.0.0.1:" + port + "/missing", 5);
  EXPECT_FALSE(missing.ok);
  EXPECT_FALSE(missing.unreachable);
}

TEST(SiteAddresses, TheListComesFromTheSiteAndNamesItsFiles) {
  LocalHttpServer server;
  server.Serve(kManifestPath, HttpReply::Body("downloads/a.dll 3 " + Sha256Hex("abc") + "\n"));
  const SiteManifest got = FetchSiteManifest(server.Url("/"));
  ASSERT_TRUE(got.ok) << got.error;
  EXPECT_EQ(got.base, server.Url(""));
  ASSERT_NE(got.manifest.Find("downloads/a.dll"), nullptr);
  server.Serve(kManifestPath, HttpReply::Status(500));
  EXPECT_EQ(FetchSiteManifest(server.Url("")).error,
            "the site's list of files cannot be read: HTTP 500");
}

}  // namespace
}  // namespace ostrel
