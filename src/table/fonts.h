// The four font roles of the interface. A text of nominal height h is drawn at
// round(h x scale / 100); the faces named by the settings resolve to free faces.
#pragma once

#include <QFont>
#include <QString>
#include <array>

namespace ostrel {

enum class FontRole { Decor = 0, Serif = 1, Fixed = 2, Conew = 3 };

struct FontRoles {
  std::array<QString, 4> face = {"Comic Sans MS", "Comic Sans MS", "FixedSys", "Courier New"};
  std::array<int, 4> scale = {100, 100, 100, 100};
};

// The face actually installed for a face the settings name, chosen to cover the letters of the
// language (the current one when not given).
QString ResolvedFace(const QString& face);
QString ResolvedFace(const QString& face, int language);
// A font of the role at nominal pixel height h.
QFont RoleFont(const FontRoles& roles, FontRole role, int nominal_height, bool bold = false);

}  // namespace ostrel
