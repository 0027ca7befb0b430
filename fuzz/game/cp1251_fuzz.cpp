// Any bytes as Windows-1251 and as UTF-8. Every byte but the unassigned 0x98 comes back from
// its UTF-8; a UTF-8 text is accepted only in its one correct spelling (no overlong forms, no
// surrogates), so converting it there and back gives the same bytes.
#include <string>

#include "fuzz_check.h"
#include "game/cp1251.h"
#include "storage/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const std::string_view bytes = fuzz::Bytes(data, size);

  const std::string utf8 = Cp1251ToUtf8(bytes);
  if (bytes.find('\x98') == std::string_view::npos) {
    const auto back = Utf8ToCp1251(utf8);
    FUZZ_CHECK(back.has_value() && *back == bytes);
  }

  const auto strict = Utf8ToCp1251(bytes);
  if (strict) FUZZ_CHECK(Cp1251ToUtf8(*strict) == bytes);

  // The lossy form never grows the text and agrees with the strict one where that succeeds.
  const std::string lossy = ToCp1251Lossy(bytes);
  FUZZ_CHECK(lossy.size() <= bytes.size());
  if (strict) FUZZ_CHECK(lossy == *strict);
  return 0;
}
