// The container: what the writer writes the reader reads back, and whatever damage a file has
// (a wrong header, a lying index, a cut-off end, flipped bytes) is refused, never read past
// its end and never answered with wrong data.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "packs/pack_format.h"
#include "packs/pack_writer.h"

namespace ostrel {
namespace {

std::vector<std::uint8_t> Blob(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> b(size);
  for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(seed + i * 7);
  return b;
}

std::vector<std::uint8_t> SamplePack() {
  PackWriter w;
  EXPECT_TRUE(w.Add("Ch06Mod", PackKind::kPng, Blob(300, 1)));
  EXPECT_TRUE(w.Add("Fon01Gr", PackKind::kJpeg, Blob(500, 2)));
  EXPECT_TRUE(w.Add("GifB", PackKind::kGif, Blob(40, 3)));
  EXPECT_TRUE(w.Add("Ch06VoiceEng", PackKind::kWav, Blob(120, 4)));
  return w.Bytes();
}

std::unique_ptr<PackReader> OpenBytes(std::vector<std::uint8_t> bytes,
                                      std::string* error = nullptr) {
  return PackReader::Open(MemorySource(std::move(bytes)), error);
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Rewrites the index CRC, so that a test reaches the checks behind it.
void Reseal(std::vector<std::uint8_t>& b) {
  const std::uint32_t count = b[12] | b[13] << 8;
  Put32(b, 16, Crc32(b.data() + kPackHeaderSize, count * kPackEntrySize));
}

TEST(PackFormat, ReadsBackWhatWasWrittenInNameOrder) {
  auto reader = OpenBytes(SamplePack());
  ASSERT_TRUE(reader);
  ASSERT_EQ(reader->Entries().size(), 4u);
  EXPECT_EQ(reader->Entries()[0].name, "Ch06Mod");
  EXPECT_EQ(reader->Entries()[1].name, "Ch06VoiceEng");
  const PackEntry* e = reader->Find("Fon01Gr");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->kind, PackKind::kJpeg);
  EXPECT_EQ(reader->Read(*e), Blob(500, 2));
  EXPECT_EQ(reader->Find("Fon01G"), nullptr);
  EXPECT_EQ(reader->Find("Fon01Gr2"), nullptr);
}

TEST(PackFormat, KnownCrc) {
  const char* text = "123456789";
  EXPECT_EQ(Crc32(reinterpret_cast<const std::uint8_t*>(text), 9), 0xCBF43926u);
}

TEST(PackFormat, WriterRefusesBadNames) {
  PackWriter w;
  EXPECT_FALSE(w.Add("", PackKind::kPng, Blob(1, 0)));
  EXPECT_FALSE(w.Add("a/b", PackKind::kPng, Blob(1, 0)));
  EXPECT_FALSE(w.Add("..", PackKind::kPng, Blob(1, 0)));
  EXPECT_FALSE(w.Add(std::string(32, 'a'), PackKind::kPng, Blob(1, 0)));
  EXPECT_FALSE(w.Add("Empty", PackKind::kPng, {}));
  EXPECT_TRUE(w.Add(std::string(31, 'a'), PackKind::kPng, Blob(1, 0)));
  EXPECT_FALSE(w.Add(std::string(31, 'a'), PackKind::kPng, Blob(1, 0)));
}

struct Damage {
  const char* what;
  void (*apply)(std::vector<std::uint8_t>&);
};

const Damage kDamages[] = {
    {"bad magic", [](auto& b) { b[0] = 'X'; }},
    {"unknown version", [](auto& b) { b[8] = 2; }},
    {"no entries", [](auto& b) { Put32(b, 12, 0); }},
    {"index beyond the file", [](auto& b) { Put32(b, 12, 5000); }},
    {"index CRC", [](auto& b) { b[kPackHeaderSize + 5] ^= 1; }},
    {"shorter than the header", [](auto& b) { b.resize(11); }},
    {"cut inside the index", [](auto& b) { b.resize(kPackHeaderSize + 60); }},
    {"cut inside the data", [](auto& b) { b.resize(b.size() - 1); }},
    {"entry beyond the file",
     [](auto& b) {
       Put32(b, kPackHeaderSize + 36, 1u << 30);
       Reseal(b);
     }},
    {"entry of 4 GiB",
     [](auto& b) {
       Put32(b, kPackHeaderSize + 40, 0xFFFFFFFFu);
       Reseal(b);
     }},
    {"entry inside the index",
     [](auto& b) {
       Put32(b, kPackHeaderSize + 36, 4);
       Reseal(b);
     }},
    {"overlapping entries",
     [](auto& b) {
       const std::uint32_t first = b[kPackHeaderSize + 36] | b[kPackHeaderSize + 37] << 8;
       Put32(b, kPackHeaderSize + kPackEntrySize + 36, first + 10);
       Reseal(b);
     }},
    {"name with a slash",
     [](auto& b) {
       b[kPackHeaderSize + 2] = '/';
       Reseal(b);
     }},
    {"name without an end",
     [](auto& b) {
       std::memset(b.data() + kPackHeaderSize, 'A', kPackNameField);
       Reseal(b);
     }},
    {"garbage after the name",
     [](auto& b) {
       b[kPackHeaderSize + 20] = 'Z';
       Reseal(b);
     }},
    {"names out of order",
     [](auto& b) {
       b[kPackHeaderSize] = 'Z';
       Reseal(b);
     }},
    {"unknown kind",
     [](auto& b) {
       b[kPackHeaderSize + 32] = 9;
       Reseal(b);
     }},
};

TEST(PackFormat, RefusesEveryKindOfDamage) {
  for (const Damage& d : kDamages) {
    std::vector<std::uint8_t> bytes = SamplePack();
    d.apply(bytes);
    std::string error;
    EXPECT_EQ(OpenBytes(bytes, &error), nullptr) << d.what;
    EXPECT_FALSE(error.empty()) << d.what;
  }
}

TEST(PackFormat, FlippedDataFailsItsCrcOnlyForThatEntry) {
  std::vector<std::uint8_t> bytes = SamplePack();
  bytes.back() ^= 0x40;  // the last blob in the file
  auto reader = OpenBytes(bytes);
  ASSERT_TRUE(reader);
  int failed = 0;
  for (const PackEntry& e : reader->Entries()) failed += !reader->Read(e).has_value();
  EXPECT_EQ(failed, 1);
}

// Thousands of seeded mutations and truncations: every one is either refused, or read with
// exactly the original index, and every entry then reads either its original bytes or not at
// all. A single changed byte anywhere is always noticed.
TEST(PackFormat, SurvivesRandomDamage) {
  const std::vector<std::uint8_t> original = SamplePack();
  auto clean = OpenBytes(original);
  ASSERT_TRUE(clean);
  std::vector<std::vector<std::uint8_t>> blobs;
  for (const PackEntry& e : clean->Entries()) blobs.push_back(*clean->Read(e));
  std::mt19937 rng(20261210);
  for (int round = 0; round < 6000; ++round) {
    std::vector<std::uint8_t> bytes = original;
    const int mode = round % 4;
    if (mode == 0) {
      bytes[rng() % bytes.size()] ^= static_cast<std::uint8_t>(1 + rng() % 255);
    } else if (mode == 1) {
      for (int k = 1 + rng() % 8; k > 0; --k)
        bytes[rng() % bytes.size()] = static_cast<std::uint8_t>(rng());
    } else if (mode == 2) {
      bytes.resize(rng() % bytes.size());
    } else {
      // Header fields of any value, as a hostile file would carry them.
      Put32(bytes, 12 + 4 * (rng() % 2), static_cast<std::uint32_t>(rng()));
    }
    auto reader = OpenBytes(bytes);
    if (mode == 2) {
      EXPECT_EQ(reader, nullptr) << "a cut-off pack was accepted, round " << round;
    }
    if (!reader) continue;
    ASSERT_EQ(reader->Entries().size(), blobs.size()) << round;
    int failed = 0;
    for (std::size_t i = 0; i < blobs.size(); ++i) {
      EXPECT_EQ(reader->Entries()[i].name, clean->Entries()[i].name) << round;
      const auto read = reader->Read(reader->Entries()[i]);
      if (read) {
        EXPECT_EQ(*read, blobs[i]) << round;
      } else {
        ++failed;
      }
    }
    if (mode == 0) {
      EXPECT_EQ(failed, 1) << "a changed byte went unnoticed, round " << round;
    }
  }
}

}  // namespace
}  // namespace ostrel
