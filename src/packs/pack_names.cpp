#include "packs/pack_names.h"

namespace ostrel {

namespace {

// The cards 6 to 10 and the ace borrowed from another set name that set's code.
const std::array<FaceSetInfo, kFaceSetCount> kFaceSets = {{
    {"Classical-1", "", "", "", "", true},
    {"Medieval-1", kPackCardsA, "Med", "Med", "Med", true},
    {"Modern", kPackCardsA, "Mod", "Mod", "Mod", true},
    {"Ancient Egypt", kPackCardsA, "Anc", "Anc", "Anc", true},
    {"Baronesse", kPackCardsA, "Bar", "Bar", "Bar", true},
    {"Celtic", kPackCardsA, "Cel", "Cel", "Cel", true},
    {"Corona", kPackCardsA, "Cor", "Mod", "Cor", true},
    {"Crown", kPackCardsA, "Cro", "Mod", "Mod", true},
    {"English Pattern", kPackCardsA, "Eng", "Eng", "Eng", true},
    {"Frankfurt", kPackCardsA, "Fra", "Fra", "Fra", true},
    {"Historical costumes", kPackCardsA, "His", "Mod", "Mod", true},
    {"Native Americans", kPackCardsA, "Nat", "Nat", "Nat", true},
    {"Old Garden Roses", kPackCardsA, "Old", "Old", "Old", true},
    {"Parrots", kPackCardsA, "Par", "Mod", "Mod", true},
    {"Royal", kPackCardsA, "Roy", "Roy", "Roy", true},
    {"Shakespeare", kPackCardsA, "Sha", "Sha", "Sha", true},
    {"Big Ben", kPackCardsA, "Big", "Big", "Big", true},
    {"Four Reigns of English History", kPackCardsA, "004", "004", "004", true},
    {"Large Print London", kPackCardsA, "Lon", "Lon", "Lon", true},
    {"Classical-2", kPackCardsA, "Cl2", "Sea", "Sea", true},
    {"Hearts", kPackCardsA, "Hea", "Sea", "Sea", true},
    {"Seasons", kPackCardsA, "Sea", "Sea", "Sea", true},
    {"Rhine Style", kPackCardsA, "Rhi", "Rhi", "Rhi", true},
    {"Medieval-2", kPackCardsA, "Me2", "Me2", "Me2", true},
    {"Doods", kPackCardsA, "Doo", "Doo", "Doo", true},
    {"Playboy", kPackCardsA, "Boy", "Rhi", "Boy", true},
    {"Epic", kPackCardsA, "Epi", "Epi", "Epi", true},
    {"USSR", kPackCardsA, "USR", "Big", "USR", true},
    {"Plastic", kPackCardsA, "Pla", "Pla", "Pla", false},
    {"Skat - German suits", kPackCardsA, "SkN", "SkN", "SkN", false},
    {"Skat - Tournament suits", kPackCardsA, "SkT", "SkT", "SkT", false},
    {"Skat - French suits", kPackCardsA, "SkF", "SkF", "SkF", false},
    {"White palekh", kPackCardsB, "Bel", "Bel", "Bel", false},
    {"Diana", kPackCardsB, "Dia", "Dia", "Dia", false},
    {"Princely", kPackCardsB, "Kny", "Kny", "Kny", false},
    {"For solitaires", kPackCardsB, "Pas", "Pas", "Pas", false},
    {"Satin", kPackCardsB, "Rus", "Rus", "Rus", false},
    {"Slavic", kPackCardsB, "Sla", "Sla", "Sla", false},
    {"Maya", kPackCardsB, "May", "May", "May", false},
    {"Bast", kPackCardsB, "Lub", "Lub", "Lub", false},
    {"French", kPackCardsC, "Fra", "Fra", "Fra", true},
    {"Spanish 1", kPackCardsC, "Mus", "Mus", "Mus", false},
    {"Spanish 2", kPackCardsC, "BS1", "BS1", "BS1", false},
    {"Spanish 3", kPackCardsC, "BS2", "BS2", "BS2", false},
    {"Spanish 4", kPackCardsC, "BS3", "BS3", "BS3", false},
    {"Chinese", kPackCardsC, "Chi", "Chi", "Chi", true},
    {"Italian", kPackCardsC, "BIt", "BIt", "BIt", false},
    {"Czech", kPackCardsC, "Cze", "Cze", "Cze", false},
}};

const std::array<BackSetInfo, kBackSetCount> kBackSets = {{
    {"Classical-1", "", 7},
    {"Medieval-1", "Cl1", 7},
    {"Medieval-2", "Cl2", 7},
    {"Carpet", "Car", 7},
    {"Cross", "Cro", 7},
    {"Chess", "Che", 7},
    {"Diamond", "Dia", 7},
    {"Knightly", "Kni", 7},
    {"Animals", "Ani", 10},
    {"Flowers", "Flo", 10},
    {"Places", "Pla", 10},
    {"Other", "Oth", 10},
    {"Russian", "Rus", 7},
}};

constexpr std::array<const char*, 10> kDayCodes = {"01Mo", "02Tu", "03We", "04Th", "05Fr",
                                                   "06Su", "07Su", "08XX", "09XX", "10XX"};
constexpr std::array<const char*, kBackgroundColours> kColourCodes = {"Gr", "Re", "Or", "Ye",
                                                                      "B1", "B2", "Fi"};

std::string TwoDigits(int n) {
  return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10);
}

}  // namespace

const FaceSetInfo& FaceSet(int set) {
  return kFaceSets[set >= 0 && set < kFaceSetCount ? set : 0];
}

const BackSetInfo& BackSet(int set) {
  return kBackSets[set >= 0 && set < kBackSetCount ? set : 0];
}

bool IsBackGroup(int set) {
  return set >= 8 && set <= 11;
}

std::string CantFindMessage(std::string_view pack) {
  return std::string(kCantFindTheFile) + " " + std::string(pack);
}

std::string FaceKey(int suit, int rank) {
  return std::string(kSuitPrefixes[suit]) + kRankCodes[rank];
}

std::string FacePictureName(int set, int suit, int rank, bool large) {
  const FaceSetInfo& info = FaceSet(set);
  const char* code = rank <= 4 ? info.spot_code : rank == 8 ? info.ace_code : info.code;
  return FaceKey(suit, rank) + code + (large ? "B" : "");
}

std::string SymbolPictureName(int set, int suit, bool large) {
  return std::string(kSuitSymbols[suit]) + FaceSet(set).code + (large ? "B" : "");
}

std::string BackDayCode(int picture) {
  return kDayCodes[picture >= 1 && picture <= 10 ? picture - 1 : 0];
}

std::string BackPictureName(int set, int picture, bool side, BackSize size) {
  const char* suffix = size == BackSize::kSmall ? "" : size == BackSize::kLargeWide ? "B" : "U";
  return "Ob" + BackDayCode(picture) + (side ? "R" : "") + BackSet(set).code + suffix;
}

std::string_view BackgroundColourCode(int colour) {
  return kColourCodes[colour >= 0 && colour < kBackgroundColours ? colour : 0];
}

bool IsOwnBackground(int pattern, int colour) {
  return pattern == 2 && colour == 0;
}

std::string BackgroundPictureName(int pattern, int colour, bool large) {
  const std::string base =
      IsOwnBackground(pattern, colour)
          ? std::string("FonG")
          : "Fon" + TwoDigits(pattern) + std::string(BackgroundColourCode(colour));
  return base + (large ? "B" : "");
}

}  // namespace ostrel
