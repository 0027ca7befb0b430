// The pictures of the account windows: the country flags (the packaged famfamfam set, mapped to
// the rows of the country tables), the lamps and stars of the account states, the sex and
// platform icons drawn here, and the photos (JPEG bytes to pictures and back).
#pragma once

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <optional>
#include <string>

#include "app/account/account_state.h"
#include "online/field_check.h"

namespace ostrel {

// The ISO 3166 letters of a row of a continent's table ("ru" for 1-001); empty for Unknown.
const char* CountryIsoCode(int continent, int row);
// The flag of a row, 16 x 11; a plain grey flag for Unknown or a flag the set lacks.
QPixmap CountryFlag(int continent, int row);
QPixmap CountryFlagOfCode(const std::string& code);

// "LampR24", "LampY24", "LampG24".
QPixmap LampPicture(online::FieldCheck check);
QPixmap ModeLamp(AccountMode mode);
// "StarR0", "StarY0", "StarG0".
QString ModeStarName(AccountMode mode);

// 16 x 16 faces for the rating list: a man ("FaceMan16") or a woman ("FaceWoman16").
QPixmap FaceIcon(char sex);
// 32 x 32 marks of the two platforms the club plays on.
QPixmap PlatformIcon(bool android);

// A photo in its frame "GAcFrame": the JPEG when it loads, else the stand-in of the sex.
QPixmap FramedPhoto(const std::string& jpeg, char sex);

// The chosen picture file as a JPEG of exactly 200 x 250: scaled to cover that size and cut
// to it around the middle. nullopt when the file is not a picture.
std::optional<std::string> PhotoJpegFromFile(const QString& path);
// Whether the bytes are a JPEG picture of exactly 200 x 250.
bool IsAccountPhoto(const std::string& bytes);

// A page's title in the account windows: the window's font, bold and a quarter larger.
QLabel* AccountTitle(const QString& text, QWidget* parent);

inline constexpr int kPhotoWidth = 200;
inline constexpr int kPhotoHeight = 250;

}  // namespace ostrel
