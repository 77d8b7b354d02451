#pragma once
// An icon drawn in code at the size asked, when it is asked: the start draws only what it
// shows, and each size once.

#include <QIcon>
#include <QList>
#include <QPixmap>

#include <functional>

namespace zelmora::gui {

// `draw` paints the picture on a square of the side given. `offered` are the sizes the
// icon says it has (a window system may take every one at once); any other size is still
// drawn when asked for. A disabled button gets the style's greyed picture of it.
QIcon drawnIcon(std::function<QPixmap(int side)> draw, QList<int> offered);

} // namespace zelmora::gui
