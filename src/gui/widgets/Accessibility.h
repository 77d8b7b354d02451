#pragma once
// What screen readers need beyond Qt's own interfaces:
// - a window made of a plain widget (the main window, the help) is announced as a window,
//   whose title and its changes are read out, not as a mere container;
// - a line edit that cannot be typed into is read-only and not editable (Qt says both).

namespace zelmora::gui {

// Once, after the application object is made.
void installAccessibility();

} // namespace zelmora::gui
