#pragma once
// Screen readers announce a window by its role: Qt gives a window made of a plain widget
// the role of a mere container, whose title and its changes go unsaid. Such windows (the
// main window, the help) are given the role of a window.

namespace zelmora::gui {

// Once, after the application object is made.
void giveWindowsTheirRole();

} // namespace zelmora::gui
