// The server's small parts: limits, options, the multipart form, the JPEG header, the site's
// manifest and the atomic photo file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "server/http/multipart.h"
#include "server/options.h"
#include "server/service/rate_limits.h"
#include "server/site/photos.h"
#include "server/site/site_files.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

TEST(WindowLimiter, CountsPerKeyWithinTheWindow) {
  WindowLimiter limit(3, 60);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(limit.TryAdd("1.2.3.4", 100 + i));
  EXPECT_FALSE(limit.TryAdd("1.2.3.4", 110));
  EXPECT_FALSE(limit.Allowed("1.2.3.4", 110));
  EXPECT_TRUE(limit.TryAdd("5.6.7.8", 110));   // another key is not touched
  EXPECT_TRUE(limit.Allowed("1.2.3.4", 160));  // the first event aged out
  EXPECT_TRUE(limit.TryAdd("1.2.3.4", 160));
  EXPECT_FALSE(limit.TryAdd("1.2.3.4", 160));
}

TEST(WindowLimiter, AFloodOfKeysIsBounded) {
  WindowLimiter limit(1, 60, 2);
  EXPECT_TRUE(limit.TryAdd("a", 0));
  EXPECT_TRUE(limit.TryAdd("b", 0));
  EXPECT_FALSE(limit.TryAdd("c", 1));  // full, nothing aged out
  EXPECT_TRUE(limit.TryAdd("c", 61));  // the old keys were pruned
}

TEST(ServerOptions, FlagsFileAndDefaults) {
  testing::TempDir dir;
  std::string config = dir.path() + "/server.conf";
  std::ofstream(config) << "# comment\nhttp = 0.0.0.0:8080\nthreads = 3\nsite-files = /srv/site\n";
  auto r = ParseServerOptions({"--data", "/d", "--config", config, "--threads", "5"});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.options.http_address, "0.0.0.0");
  EXPECT_EQ(r.options.http_port, 8080);
  EXPECT_EQ(r.options.threads, 5);  // the flag wins
  EXPECT_EQ(r.options.site_files, "/srv/site");
  EXPECT_EQ(r.options.db, "sqlite:/d/ostrel.db");
  auto d = ParseServerOptions({"--data", "/d"});
  EXPECT_EQ(d.options.http_address, "127.0.0.1");
  EXPECT_EQ(d.options.http_port, 25680);
  auto v6 = ParseServerOptions({"--data", "/d", "--http", "[::1]:0"});
  EXPECT_EQ(v6.options.http_address, "::1");

  const std::vector<std::vector<std::string>> kBad = {
      {},
      {"--data"},
      {"--data", "/d", "--http", "localhost"},
      {"--data", "/d", "--http", "1.2.3.4:70000"},
      {"--data", "/d", "--threads", "0"},
      {"--data", "/d", "--bogus", "1"},
      {"--data", "/d", "--config", "/nonexistent/file"},
      {"--data", "/d", "--hash-cost", "cheap"},
  };
  for (const auto& args : kBad) {
    auto bad = ParseServerOptions(args);
    EXPECT_FALSE(bad.ok);
    EXPECT_FALSE(bad.error.empty());
  }
}

TEST(Multipart, ReadsTheFieldsAndRefusesBrokenForms) {
  const std::string ct = "multipart/form-data; boundary=XyZ";
  const std::string good =
      "--XyZ\r\nContent-Disposition: form-data; name=\"nick\"\r\n\r\nPlayer\r\n"
      "--XyZ\r\nContent-Disposition: form-data; name=\"photo\"; filename=\"a.jpg\"\r\n"
      "Content-Type: image/jpeg\r\n\r\n\xFF\xD8\r\n--\r\nbytes\r\n--XyZ--\r\n";
  auto f = ParseMultipart(ct, good);
  ASSERT_TRUE(f.has_value());
  EXPECT_EQ(f->at("nick"), "Player");
  EXPECT_EQ(f->at("photo"), "\xFF\xD8\r\n--\r\nbytes");

  const struct {
    const char* what;
    std::string content_type, body;
  } kBad[] = {
      {"not multipart", "application/x-www-form-urlencoded", good},
      {"no boundary", "multipart/form-data", good},
      {"other boundary", "multipart/form-data; boundary=Other", good},
      {"unterminated", ct, "--XyZ\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\nv"},
      {"no name", ct, "--XyZ\r\nContent-Disposition: form-data\r\n\r\nv\r\n--XyZ--"},
      {"twice", ct,
       "--XyZ\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\n1\r\n"
       "--XyZ\r\nContent-Disposition: form-data; name=\"a\"\r\n\r\n2\r\n--XyZ--"},
  };
  for (const auto& b : kBad) EXPECT_FALSE(ParseMultipart(b.content_type, b.body)) << b.what;
}

// A JPEG's start: SOI, an APP0 segment, then a baseline SOF0 of the given size.
std::string JpegHeader(int width, int height, unsigned char sof = 0xC0) {
  std::string j = "\xFF\xD8";
  j += std::string("\xFF\xE0\x00\x06JFIF", 8);
  j += "\xFF";
  j += static_cast<char>(sof);
  j += std::string("\x00\x0B\x08", 3);
  j += static_cast<char>(height >> 8);
  j += static_cast<char>(height & 0xFF);
  j += static_cast<char>(width >> 8);
  j += static_cast<char>(width & 0xFF);
  j += std::string("\x01\x01\x11\x00", 4);
  return j;
}

TEST(JpegSize, ReadsTheFrameHeader) {
  auto s = ReadJpegSize(JpegHeader(200, 250));
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->width, 200);
  EXPECT_EQ(s->height, 250);
  auto p = ReadJpegSize(JpegHeader(640, 480, 0xC2));  // progressive
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->width, 640);
  EXPECT_FALSE(ReadJpegSize("\x89PNG\r\n\x1a\n....."));
  EXPECT_FALSE(ReadJpegSize(JpegHeader(200, 250).substr(0, 12)));          // cut in the APP0
  EXPECT_FALSE(ReadJpegSize(std::string("\xFF\xD8\xFF\xDA\x00\x02", 6)));  // scan before frame
  EXPECT_FALSE(ReadJpegSize(std::string("\xFF\xD8\xFF\xE0\x00\x01", 6)));  // bad length
}

TEST(PhotoStore, ReplacesAtomicallyUnderAHexName) {
  testing::TempDir dir;
  PhotoStore photos(dir.path() + "/photos");
  EXPECT_EQ(photos.PathOf(".."), dir.path() + "/photos/2e2e.jpg");
  ASSERT_TRUE(photos.Save("ab", "first"));
  ASSERT_TRUE(photos.Save("ab", "second"));
  std::ifstream in(photos.PathOf("ab"));
  std::string back((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(back, "second");
  int files = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path() + "/photos")) {
    (void)e;
    ++files;
  }
  EXPECT_EQ(files, 1);  // no temporary file is left
}

TEST(SiteFiles, ManifestListsEveryFileWithSizeAndHash) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.path() + "/musik");
  std::filesystem::create_directories(dir.path() + "/downloads/progr/cards");
  std::ofstream(dir.path() + "/musik/_playlist.html") << "abc";
  std::ofstream(dir.path() + "/downloads/progr/cards/Pack.dll") << "";
  std::ofstream(dir.path() + "/bad name.txt") << "x";
  std::vector<std::string> skipped;
  SiteFiles site(dir.path(), &skipped);
  EXPECT_EQ(site.manifest(),
            "downloads/progr/cards/Pack.dll 0 "
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855\n"
            "musik/_playlist.html 3 "
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n");
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_NE(site.Find("musik/_playlist.html"), nullptr);
  EXPECT_EQ(site.Find("../etc/passwd"), nullptr);
  EXPECT_EQ(site.Find("bad name.txt"), nullptr);
  EXPECT_THROW(SiteFiles(dir.path() + "/missing"), std::runtime_error);
}

}  // namespace
}  // namespace ostrel::server
