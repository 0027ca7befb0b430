#include "table/fonts.h"

#include <QFontDatabase>
#include <cmath>

namespace ostrel {

QString ResolvedFace(const QString& face) {
  const QString lower = face.toLower();
  if (lower == "comic sans ms") return "Comic Neue";
  if (lower == "fixedsys") return "DejaVu Sans Mono";
  if (lower == "courier new") return "Liberation Mono";
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
