#include "table/fonts.h"

#include <QFontDatabase>
#include <cmath>

#include "i18n/language.h"

namespace ostrel {

QString ResolvedFace(const QString& face) {
  return ResolvedFace(face, Language());
}

QString ResolvedFace(const QString& face, int language) {
  const QString lower = face.toLower();
  const bool cjk = language == kChinese || language == kJapanese || language == kKorean;
  // The casual face has Latin letters only: Russian takes a rounded face of the same mood
  // with Cyrillic letters, the East Asian languages a face with their scripts, so that no
  // word is drawn in two faces.
  if (lower == "comic sans ms") {
    if (cjk) return "WenQuanYi Micro Hei";
    return language == kRussian ? "Comfortaa" : "Comic Neue";
  }
  if (lower == "fixedsys") return cjk ? "WenQuanYi Micro Hei Mono" : "DejaVu Sans Mono";
  if (lower == "courier new") return cjk ? "WenQuanYi Micro Hei Mono" : "Liberation Mono";
  return face;
}

QFont RoleFont(const FontRoles& roles, FontRole role, int nominal_height, bool bold) {
  const auto i = static_cast<std::size_t>(role);
  QFont f(ResolvedFace(roles.face[i]));
  const int px = static_cast<int>(std::nearbyint(nominal_height * roles.scale[i] / 100.0));
  f.setPixelSize(std::max(1, px));
  f.setBold(bold);
  return f;
}

}  // namespace ostrel
