// The packs by file name, the face and back sets with their codes, and the picture names built
// from them. Shared by the loader and the pack builder, so that both spell every name alike.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ostrel {

inline constexpr const char* kPackCardsA = "TarvoCards06A.dll";
inline constexpr const char* kPackCardsB = "TarvoCards06B.dll";
inline constexpr const char* kPackCardsC = "TarvoCards06C.dll";
inline constexpr const char* kPackBackgrounds = "TarvoBackG03.dll";
inline constexpr const char* kPackGraphics = "TarvoCGraph1.dll";
inline constexpr const char* kPackCalendar = "TarvoCalendar01.dll";
inline constexpr const char* kPackRadioLogos = "TarvoRadio02.dll";
inline constexpr const char* kPackVoice = "TarvoCVoice3.dll";
inline constexpr const char* kCantFindTheFile = "Can`t find the file";

inline constexpr int kFaceSetCount = 48;
inline constexpr int kBackSetCount = 13;
inline constexpr int kBackgroundPatterns = 10;
inline constexpr int kBackgroundColours = 7;

struct FaceSetInfo {
  const char* phrase;
  const char* pack;  // empty for the program's own set
  const char* code;
  const char* spot_code;  // the code the cards 6 to 10 are named with
  const char* ace_code;
  bool wide;
};

struct BackSetInfo {
  const char* phrase;
  const char* code;
  int pictures;  // 7 weekday pictures, or 10 for a group
};

// Out of range gives set 0.
const FaceSetInfo& FaceSet(int set);
const BackSetInfo& BackSet(int set);
bool IsBackGroup(int set);  // the sets 8 to 11, whose deals take a picture at random

// The message of a pack that cannot be opened: "Can`t find the file TarvoCards06B.dll".
std::string CantFindMessage(std::string_view pack);

// Suits in the order hearts, diamonds, clubs, spades; ranks 6 to ace.
inline constexpr std::array<const char*, 4> kSuitPrefixes = {"Ch", "Bu", "Kr", "Pi"};
inline constexpr std::array<const char*, 4> kSuitSymbols = {"Cher", "Bubi", "Kres", "Piki"};
inline constexpr std::array<const char*, 9> kRankCodes = {"06", "07", "08", "09", "10",
                                                          "2J", "3Q", "4K", "5A"};

// "Ch06" for suit 0, rank 0: the key of a face in the loaded set and the name of set 0.
std::string FaceKey(int suit, int rank);
// The name of a face of a set at a size: large adds "B".
std::string FacePictureName(int set, int suit, int rank, bool large);
std::string SymbolPictureName(int set, int suit, bool large);

// Day code of a back picture 1 to 10: "01Mo" ... "07Su", "08XX", "09XX", "10XX".
std::string BackDayCode(int picture);
enum class BackSize { kSmall, kLargeWide, kLargeNarrow };
std::string BackPictureName(int set, int picture, bool side, BackSize size);

// Colour codes "Gr", "Re", "Or", "Ye", "B1", "B2", "Fi" for the colours 0 to 6.
std::string_view BackgroundColourCode(int colour);
// "Fon05ReB"; pattern 2 in green is the program's "FonG" ("FonGB").
std::string BackgroundPictureName(int pattern, int colour, bool large);
bool IsOwnBackground(int pattern, int colour);

}  // namespace ostrel
