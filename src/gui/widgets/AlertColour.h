#pragma once
// The red that marks changed fields and today's dates: dark enough for small text on
// white (about 6.5:1, where pure red gives about 4:1). Colour is never the only mark: the
// same state is also said to screen readers.

#include <QColor>

namespace zelmora::gui {

inline QColor alertRed() { return {0xC0, 0x00, 0x00}; }

} // namespace zelmora::gui
