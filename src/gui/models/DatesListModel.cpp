#include "gui/models/DatesListModel.h"

#include "gui/widgets/QtText.h"

namespace zelmora::gui {

int DatesListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_dates.DateEntryCount; }

const TDateEntry* DatesListModel::entryAt(int row) const
{
    if (row < 0 || row >= m_dates.DateEntryCount) {
        return nullptr;
    }
    return &m_dates[static_cast<std::uint16_t>(row + 1)];
}

QVariant DatesListModel::data(const QModelIndex& index, int role) const
{
    const TDateEntry* entry = index.isValid() ? entryAt(index.row()) : nullptr;
    if (!entry) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return fromCp1252(FormatDateLine(*entry, m_dates.order(), m_options.extraInfo, m_language));
    }
    if (role == Qt::AccessibleDescriptionRole && entry->Days == 0) {
        return fromCp1252(LangText(lang::Today, m_language)); // what the red colour says, in words
    }
    return {};
}

void DatesListModel::rebuild(const FriendTable& friends, LocalDate today)
{
    beginResetModel();
    m_dates.BuildDatesList(friends, m_options, today, m_leapDay);
    endResetModel();
}

void DatesListModel::reorder(void (DatesList::*sorting)())
{
    beginResetModel();
    (m_dates.*sorting)();
    endResetModel();
}

void DatesListModel::sortByPerson() { reorder(&DatesList::SortDatesByPerson); }
void DatesListModel::sortByDate() { reorder(&DatesList::SortDatesByDate); }

} // namespace zelmora::gui
