#include "gui/app/FillFetesDialog.h"

#include "gui/app/FeteOffer.h"
#include "gui/widgets/QtText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zelmora::gui {

namespace {

QString text(std::uint16_t pair, Language language) { return fromCp1252(LangText(pair, language)); }

} // namespace

FillFetesDialog::FillFetesDialog(const FriendTable& table, const std::vector<FeteProposal>& proposals,
                                 Language language, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("FillFetesDialog"));
    setWindowTitle(text(lang::FillFetes, language).remove(QLatin1Char('&')).remove(QChar(0x2026))); // no "…" in a title
    auto* intro = new QLabel(text(lang::FillFetesIntro, language), this);
    intro->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("FetesList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({text(lang::FriendColumn, language), text(lang::SaintsDay, language)});
    m_list->setAccessibleName(windowTitle());
    intro->setBuddy(m_list);
    for (const FeteProposal& proposal : proposals) {
        addProposal(table, proposal, language);
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text(lang::Ok, language));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(lang::Cancel, language));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(480, 360);
}

void FillFetesDialog::addProposal(const FriendTable& table, const FeteProposal& proposal, Language language)
{
    Row row{table[proposal.slot], {}, nullptr};
    auto* item = new QTreeWidgetItem(m_list, {fromCp1252(listText(row.friendRecord))});
    item->setCheckState(0, proposal.sure ? Qt::Checked : Qt::Unchecked);
    if (proposal.sure) {
        row.days.push_back(proposal.candidates.front().day);
        item->setText(1, candidateText(proposal.candidates.front()));
    } else {
        row.choice = new QComboBox(m_list);
        for (const SaintCandidate& candidate : proposal.candidates) {
            row.days.push_back(candidate.day);
            row.choice->addItem(candidateText(candidate));
        }
        row.choice->setAccessibleName(text(lang::SaintsDay, language) + QLatin1Char(' ') + item->text(0));
        // Choosing a day is wanting it.
        connect(row.choice, &QComboBox::activated, this, [item] { item->setCheckState(0, Qt::Checked); });
        m_list->setItemWidget(item, 1, row.choice);
    }
    m_rows.push_back(std::move(row));
}

std::vector<ChosenFete> FillFetesDialog::chosen() const
{
    std::vector<ChosenFete> chosen;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const Row& row = m_rows[static_cast<std::size_t>(i)];
        if (m_list->topLevelItem(i)->checkState(0) == Qt::Checked) {
            const int day = row.choice ? row.choice->currentIndex() : 0;
            chosen.push_back({row.friendRecord, row.days[static_cast<std::size_t>(day)]});
        }
    }
    return chosen;
}

} // namespace zelmora::gui
