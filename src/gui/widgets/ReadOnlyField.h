#pragma once
// A card field that cannot be typed into looks it and says it: grey as an inactive window
// border (the platform draws read-only fields white, as if they could be typed into), and
// read-only to screen readers.

class QWidget;

namespace zelmora::gui {

// `field` is a line edit or a plain text edit.
void setFieldReadOnly(QWidget& field, bool readOnly);

} // namespace zelmora::gui
