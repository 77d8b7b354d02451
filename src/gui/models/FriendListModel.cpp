#include "gui/models/FriendListModel.h"

#include "gui/widgets/QtText.h"

namespace zelmora::gui {

int FriendListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_friends.FriendCount; }

QVariant FriendListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_friends.FriendCount) {
        return {};
    }
    return fromCp1252(listText(m_friends[static_cast<std::uint16_t>(index.row() + 1)]));
}

void FriendListModel::friendsChanged()
{
    beginResetModel();
    endResetModel();
}

} // namespace zelmora::gui
