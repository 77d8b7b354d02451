#pragma once
// The dates to celebrate as list lines, formatted in the current language with the extra
// column the options ask for, 29 February where the user wants it in a common year; a line
// that falls today says so to screen readers. Rebuilt when the window says (a change of
// tab, new data, a new day).

#include "core/base/LangText.h"
#include "core/data/DisplayOptions.h"
#include "core/reminder/DatesList.h"

#include <QAbstractListModel>

namespace zelmora::gui {

class DatesListModel : public QAbstractListModel {
    Q_OBJECT

public:
    DatesListModel(const DisplayOptions& options, const Language& language, const LeapDayRule& leapDay,
                   QObject* parent = nullptr)
        : QAbstractListModel(parent), m_options(options), m_language(language), m_leapDay(leapDay)
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void rebuild(const FriendTable& friends, LocalDate today);
    void sortByPerson();
    void sortByDate();

    const DatesList& dates() const { return m_dates; }
    // The entry of list line `row`; nothing for no line.
    const TDateEntry* entryAt(int row) const;

private:
    void reorder(void (DatesList::*sorting)());

    const DisplayOptions& m_options;
    const Language& m_language;
    const LeapDayRule& m_leapDay;
    DatesList m_dates;
};

} // namespace zelmora::gui
