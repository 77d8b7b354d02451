#pragma once
// The window session's announcements as Qt signals, for every view that follows them.

#include "core/session/SessionListener.h"

#include <QObject>

namespace zelmora::gui {

class SessionSignals : public QObject, public SessionListener {
    Q_OBJECT

public:
    using QObject::QObject;

    void friendsChanged() override { emit friendsUpdated(); }
    void cardChanged() override { emit cardUpdated(); }

signals:
    void friendsUpdated();
    void cardUpdated();
};

} // namespace zelmora::gui
