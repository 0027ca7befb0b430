// Any bytes as the site's list of files. A list that is accepted names each file once, finds
// every name it holds, and writes back as the same entries.
#include <string>

#include "fuzz_check.h"
#include "net/site_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const auto manifest = Manifest::Parse(fuzz::Bytes(data, size));
  if (!manifest) return 0;
  std::string written;
  for (const ManifestEntry& entry : manifest->entries()) {
    FUZZ_CHECK(manifest->Find(entry.name) == &entry);
    FUZZ_CHECK(entry.sha256.size() == 64);
    FUZZ_CHECK(entry.name.find_first_of(" \r\n") == std::string::npos);
    written += ManifestLine(entry);
  }
  const auto again = Manifest::Parse(written);
  FUZZ_CHECK(again.has_value());
  FUZZ_CHECK(again->entries().size() == manifest->entries().size());
  for (std::size_t i = 0; i < again->entries().size(); ++i) {
    const ManifestEntry& a = again->entries()[i];
    const ManifestEntry& b = manifest->entries()[i];
    FUZZ_CHECK(a.name == b.name && a.size == b.size && a.sha256 == b.sha256);
  }
  return 0;
}
