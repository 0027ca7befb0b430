// Any bytes as a settings file. Whatever the reading makes of them must be written as 35 lines
// that no field can break, and reading that file again must come to its end and give the same
// file once more.
#include "fuzz_check.h"
#include "storage/settings.h"
#include "storage/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const std::string_view bytes = fuzz::Bytes(data, size);
  const Settings settings = ParseSettings(SplitLines(bytes), {});
  const std::vector<std::string> written = FormatSettings(settings);
  FUZZ_CHECK(written.size() == static_cast<std::size_t>(kSettingsLines));
  for (const std::string& line : written) {
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
  }
  bool full_read = false;
  const Settings again = ParseSettings(SplitLines(JoinCrLf(written)), {}, &full_read);
  FUZZ_CHECK(full_read);
  FUZZ_CHECK(FormatSettings(again) == written);
  return 0;
}
