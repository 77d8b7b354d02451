#pragma once
// The order in which Tab visits a window's controls: as a list gives them, top to bottom
// and left to right as they stand, the window's last button last. An option group stands
// for its items, in their order.

#include <QList>

#include <span>

class QWidget;

namespace zelmora::gui {

void setKeyboardOrder(const QList<QWidget*>& controls);

// The children of `window` named in `names`, in that order.
QList<QWidget*> namedControls(const QWidget& window, std::span<const char* const> names);

} // namespace zelmora::gui
