#pragma once
// The friend list: one line per friend, "LAST-NAME First-name", in table order, following
// the session's changes.

#include "core/data/FriendTable.h"

#include <QAbstractListModel>

namespace zelmora::gui {

class FriendListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit FriendListModel(const FriendTable& friends, QObject* parent = nullptr)
        : QAbstractListModel(parent), m_friends(friends)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The friends changed: every line is read again.
    void friendsChanged();

private:
    const FriendTable& m_friends;
};

} // namespace zelmora::gui
