#pragma once
// A window that cannot grow offers no maximise button. Qt's own hints leave that to the
// window manager, and some (openbox among them) keep the button on a fixed-size window;
// on X11 the hints are therefore written again without resizing or maximising.

class QWidget;

namespace zelmora::gui {

// `window` keeps its size; its title bar offers what its window flags ask for and no more.
void keepFrameFixed(QWidget& window);

} // namespace zelmora::gui
