#include "gui/app/DesktopNotifications.h"

namespace zelmora::gui {

// Windows shows the tray icon's balloons as its notifications.
std::unique_ptr<DesktopNotifications> makeSystemNotifications() { return nullptr; }

} // namespace zelmora::gui
