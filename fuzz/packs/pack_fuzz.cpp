// Any bytes as a resource pack. Opening checks the whole index against the real size, so every
// entry of a pack that opens can be read (or refused for its CRC) without reading past the end.
#include <vector>

#include "fuzz_check.h"
#include "packs/pack_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  auto reader = PackReader::Open(MemorySource(std::vector<std::uint8_t>(data, data + size)));
  if (!reader) return 0;
  for (const PackEntry& entry : reader->Entries()) {
    FUZZ_CHECK(IsValidPackName(entry.name));
    FUZZ_CHECK(std::uint64_t{entry.offset} + entry.size <= size);
    FUZZ_CHECK(reader->Find(entry.name) != nullptr);
    if (auto bytes = reader->Read(entry)) FUZZ_CHECK(bytes->size() == entry.size);
  }
  return 0;
}
