// The generator is the only gate between a hand-edited table and the program, so each
// fault it must catch is shown here with the line it has to name.
#include <gtest/gtest.h>

#include <string>

#include "phrase_emit.h"
#include "phrase_table.h"

namespace ostrel::phrasegen {
namespace {

const std::string kHeader = "key\tENG\tRUS\tDEU\tFRA\tSPA\tCHI\tITA\tCZE\tJAP\tKOR\n";

// A row whose ten cells are `base` followed by the column number.
std::string Row(const std::string& key, const std::string& base = "t") {
  std::string row = key;
  for (int i = 0; i < 10; ++i) row += "\t" + base + std::to_string(i);
  return row + "\n";
}

// A row whose cell in column `lang` (0 = ENG) is `raw`, the others plain.
std::string RowWithCell(const std::string& key, int lang, const std::string& raw) {
  std::string row = key;
  for (int i = 0; i < 10; ++i) row += "\t" + (i == lang ? raw : "c");
  return row + "\n";
}

ParseResult Parse(const std::string& text, const std::vector<AllowedEmpty>& allowed = {}) {
  return ParsePhraseTable(text, "phrases.tsv", allowed);
}

TEST(PhraseGen, ReadsRowsInOrderAndSkipsComments) {
  ParseResult r =
      Parse("# the table\n" + kHeader + Row("First") + "\n# section\n" + Row("Second", "Ж") + "\n");
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.rows.size(), 2u);
  EXPECT_EQ(r.rows[0].key, "First");
  EXPECT_EQ(r.rows[0].line, 3);
  EXPECT_EQ(r.rows[0].cells[9], "t9");
  EXPECT_EQ(r.rows[1].key, "Second");
  EXPECT_EQ(r.rows[1].line, 6);
  EXPECT_EQ(r.rows[1].cells[0], "Ж0");
}

// Leading and trailing spaces are part of the texts; CR LF line ends are tolerated.
TEST(PhraseGen, KeepsSpacesAndResolvesEscapes) {
  std::string row = "Msg\t Result: \tA\\n\\rB\ttab\\there\tback\\\\slash\tq\"\t5\t6\t7\t8\t9 \r\n";
  ParseResult r = Parse(kHeader + row);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.rows[0].cells[0], " Result: ");
  EXPECT_EQ(r.rows[0].cells[1], "A\n\rB");
  EXPECT_EQ(r.rows[0].cells[2], "tab\there");
  EXPECT_EQ(r.rows[0].cells[3], "back\\slash");
  EXPECT_EQ(r.rows[0].cells[4], "q\"");
  EXPECT_EQ(r.rows[0].cells[9], "9 ");
}

struct FaultCase {
  const char* what;
  std::string table;
  std::string message;  // the whole error text
};

TEST(PhraseGen, RejectsFaultsNamingTheLine) {
  const FaultCase cases[] = {
      {"header", "key\tENG\tRUS\n" + Row("A"),
       "phrases.tsv:1: the header must be \"key<TAB>ENG<TAB>RUS<TAB>DEU<TAB>FRA<TAB>SPA<TAB>CHI"
       "<TAB>ITA<TAB>CZE<TAB>JAP<TAB>KOR\""},
      {"too few columns", kHeader + Row("A") + "B\t1\t2\t3\t4\t5\t6\t7\t8\t9\n",
       "phrases.tsv:3: expected 11 tab-separated columns, found 10"},
      {"too many columns", kHeader + "B\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\n",
       "phrases.tsv:2: expected 11 tab-separated columns, found 12"},
      {"duplicate key", kHeader + Row("A") + Row("B") + Row("A"),
       "phrases.tsv:4: the key A is already used on line 2"},
      {"bad key", kHeader + Row("to-play"),
       "phrases.tsv:2: the key \"to-play\" must start with a capital letter and hold only "
       "letters and digits"},
      {"empty cell", kHeader + RowWithCell("A", 9, ""), "phrases.tsv:2: A, column KOR is empty"},
      {"unknown escape", kHeader + RowWithCell("A", 1, "2\\x"),
       "phrases.tsv:2: A, column RUS: unknown escape \\x"},
      {"lone backslash", kHeader + RowWithCell("A", 9, "9\\"),
       "phrases.tsv:2: A, column KOR: a backslash ends the cell (write \\\\ for a backslash)"},
      {"bad UTF-8", kHeader + RowWithCell("A", 2, "\xD0"),
       "phrases.tsv:2: A, column DEU: the cell is not valid UTF-8 at byte 1"},
      {"overlong UTF-8", kHeader + RowWithCell("A", 3, "\xC0\xAF"),
       "phrases.tsv:2: A, column FRA: the cell is not valid UTF-8 at byte 1"},
      {"overlong three-byte form", kHeader + RowWithCell("A", 5, "\xE0\x80\xAF"),
       "phrases.tsv:2: A, column CHI: the cell is not valid UTF-8 at byte 1"},
      {"surrogate", kHeader + RowWithCell("A", 6, "ok\xED\xA0\x80"),
       "phrases.tsv:2: A, column ITA: the cell is not valid UTF-8 at byte 3"},
      {"control character", kHeader + RowWithCell("A", 4, "x\x01"),
       "phrases.tsv:2: A, column SPA: a control character (code 1) stands in the cell; write "
       "line breaks as \\n and \\r"},
      {"no header", "# nothing\n", "phrases.tsv:1: the table has no header row"},
      {"no phrases", kHeader, "phrases.tsv:1: the table has no phrases"},
  };
  for (const FaultCase& c : cases) {
    ParseResult r = Parse(c.table);
    EXPECT_FALSE(r.ok()) << c.what;
    EXPECT_EQ(r.error, c.message) << c.what;
    EXPECT_TRUE(r.rows.empty()) << c.what;
  }
}

TEST(PhraseGen, EmptyCellOnlyWhereAllowed) {
  std::string table = kHeader + Row("A") + "Player\t1\t2\t3\t4\t5\t6\t7\t8\t9\t\n";
  ParseResult allowed = Parse(table, {{"Player", "KOR"}});
  ASSERT_TRUE(allowed.ok()) << allowed.error;
  EXPECT_EQ(allowed.rows[1].cells[9], "");

  ParseResult other_column = Parse(table, {{"Player", "JAP"}});
  EXPECT_EQ(other_column.error, "phrases.tsv:3: Player, column KOR is empty");

  // An allowance for a key that is gone would silently permit nothing; say so instead.
  ParseResult stale = Parse(kHeader + Row("A"), {{"Player", "KOR"}});
  EXPECT_EQ(stale.error,
            "phrases.tsv: the cell allowed to be empty, Player:KOR, names no phrase of the table");
}

TEST(PhraseGen, ParsesAllowanceArguments) {
  AllowedEmpty a;
  ASSERT_TRUE(ParseAllowedEmpty("HistoryPlayer:KOR", a));
  EXPECT_EQ(a.key, "HistoryPlayer");
  EXPECT_EQ(a.column, "KOR");
  EXPECT_FALSE(ParseAllowedEmpty("HistoryPlayer", a));
  EXPECT_FALSE(ParseAllowedEmpty(":KOR", a));
  EXPECT_FALSE(ParseAllowedEmpty("HistoryPlayer:XYZ", a));
}

// Octal escapes take at most three digits, so a digit after a non-ASCII byte stays a digit.
TEST(PhraseGen, LiteralsHoldExactlyTheBytes) {
  EXPECT_EQ(CppLiteral("plain"), "\"plain\"");
  EXPECT_EQ(CppLiteral("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(CppLiteral("\n\r"), "\"\\012\\015\"");
  EXPECT_EQ(CppLiteral("Ж1"), "\"\\320\\2261\"");
}

TEST(PhraseGen, EmitsKeysInTableOrder) {
  ParseResult r = Parse(kHeader + Row("Mode") + Row("ClubHeaderScore"));
  ASSERT_TRUE(r.ok()) << r.error;
  std::string header = EmitKeysHeader(r.rows);
  std::size_t mode = header.find("  Mode,\n");
  std::size_t club = header.find("  ClubHeaderScore,\n");
  ASSERT_NE(mode, std::string::npos);
  ASSERT_NE(club, std::string::npos);
  EXPECT_LT(mode, club);
  EXPECT_NE(header.find("kPhraseCount = 2;"), std::string::npos);
  std::string source = EmitDataSource(r.rows);
  EXPECT_NE(source.find("{\"t0\",\n     \"t1\""), std::string::npos);
}

}  // namespace
}  // namespace ostrel::phrasegen
