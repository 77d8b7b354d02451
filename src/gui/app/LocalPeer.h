#pragma once
// What the single-instance socket needs of the system, one source per system
// (PosixLocalPeer.cpp, WindowsLocalPeer.cpp): a name no other user can take first, and
// whether the process at the other end runs as this user.

#include <QString>

namespace zelmora::gui {

// The full name of the local server `baseName` among the user's own; empty when the
// system offers no place that only this user can enter.
QString privateServerName(const QString& baseName);

// Whether the process at the other end of the connected local socket `descriptor` runs
// as this user.
bool peerIsThisUser(qintptr descriptor);

} // namespace zelmora::gui
