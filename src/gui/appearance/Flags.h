#pragma once
// The two flags of the first-start language chooser, drawn to any size.

#include <QPixmap>
#include <QSize>

namespace zelmora::gui {

// The French tricolour: blue, white and red vertical bands of equal width.
QPixmap frenchFlag(QSize size);

// The Union Flag, with the red diagonals counterchanged as on the real flag.
QPixmap englishFlag(QSize size);

} // namespace zelmora::gui
