#pragma once
// The list of the friends whose saint's day is empty, each with the day the calendar
// proposes: a name with one single best day is checked, a name with several days is left
// unchecked with its days to choose from. The user's choice is read once the dialog is closed.

#include "core/base/LangText.h"
#include "core/saints/FeteProposals.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QTreeWidget;

namespace zelmora::gui {

class FillFetesDialog : public QDialog {
    Q_OBJECT

public:
    FillFetesDialog(const FriendTable& table, const std::vector<FeteProposal>& proposals, Language language,
                    QWidget* parent = nullptr);

    // The checked friends, as they were shown, with the day chosen for each.
    std::vector<ChosenFete> chosen() const;

    QTreeWidget* list() const { return m_list; }

private:
    void addProposal(const FriendTable& table, const FeteProposal& proposal, Language language);

    QTreeWidget* m_list;
    // One per row: the friend as shown, its days, and the list of them for a name with several.
    struct Row {
        TFriend friendRecord;
        std::vector<MonthDay> days;
        QComboBox* choice = nullptr;
    };
    std::vector<Row> m_rows;
};

} // namespace zelmora::gui
