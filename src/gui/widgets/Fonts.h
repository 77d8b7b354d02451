#pragma once
// The window's faces: "MS Sans Serif"/"Arial" and "Courier New" as their metric-compatible
// free faces (Liberation Sans and Liberation Mono), so that the fixed-width columns of the
// dates list line up; sizes are character heights in pixels, as the layout gives them.

#include <QFont>

namespace zelmora::gui {

QFont sansFont(int pixelSize);
QFont monoFont(int pixelSize);

} // namespace zelmora::gui
