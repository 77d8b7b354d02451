#pragma once
// The program's icon: a calendar page with a birthday cake, for the windows, the tray
// and the desktop entry.

#include "core/base/Status.h"

#include <QIcon>
#include <QString>

#include <array>

namespace zelmora::gui {

// Every size the icon is drawn at, in pixels.
inline constexpr std::array<int, 8> ProgramIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon, one picture per size of ProgramIconSizes.
QIcon programIcon();

// The icon at one size; any size works, those of ProgramIconSizes look best.
QPixmap programIconPixmap(int size);

// Writes zelmora-<size>.png for each of ProgramIconSizes into `folder`, which must exist;
// stops at the first file that cannot be written and names it.
Status writeProgramIconPngs(const QString& folder);

} // namespace zelmora::gui
