#pragma once
// What the window's session announces, so that the views follow its changes instead of
// asking after every click.

namespace zelmora {

class SessionListener {
public:
    virtual ~SessionListener() = default;
    // The friends changed: validated, deleted, imported, or read again after another program's change.
    virtual void friendsChanged() = 0;
    // The card changed: its texts, colours, whether it can be edited or holds unsaved
    // changes, or which friend it shows (and so the list's selection).
    virtual void cardChanged() = 0;
};

} // namespace zelmora
