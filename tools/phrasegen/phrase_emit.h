// Turning the checked phrase table into C++: the enum of phrase keys and the UTF-8 cells,
// compiled into the program so that no language file is read at run time.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "phrase_table.h"

namespace ostrel::phrasegen {

// A C++ string literal (quotes included) holding exactly the bytes of `text`; every byte
// outside printable ASCII is an octal escape, which cannot swallow the digits that follow.
std::string CppLiteral(std::string_view text);

// The header declaring `enum class PhraseKey` (one enumerator per row, in table order)
// and kPhraseCount.
std::string EmitKeysHeader(const std::vector<PhraseRow>& rows);

// The source defining the key names and cells declared by "i18n/phrase_data.h".
std::string EmitDataSource(const std::vector<PhraseRow>& rows);

}  // namespace ostrel::phrasegen
