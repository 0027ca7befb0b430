// The user file and the cipher of its password line.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/user_file.h"

using namespace ostrel::online;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)SignInPassword(bytes);
  const auto file = ParseUserFile(bytes);
  if (!file) return 0;
  const auto again = ParseUserFile(SerializeUserFile(*file));
  if (!again || again->PwC.empty() != file->PwC.empty()) std::abort();
  if (DecipherText(EncipherText(file->Nick)) != file->Nick) std::abort();
  return 0;
}
