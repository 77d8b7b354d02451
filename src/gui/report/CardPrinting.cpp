#include "gui/report/CardPrinting.h"

#include "core/storage/OutputTarget.h"
#include "gui/widgets/QtText.h"

#include <QPrinter>

#include <numeric>
#include <vector>

namespace zelmora::gui {

PrintOutcome CardPrinter::printFriendCard(int selectedLine)
{
    if (m_table.FriendCount == 0 || selectedLine < 0 || !isFriend(static_cast<std::uint16_t>(selectedLine + 1))) {
        return PrintOutcome::NothingToPrint;
    }
    const std::uint16_t slot = static_cast<std::uint16_t>(selectedLine + 1);
    return askAndPrint({&slot, 1});
}

PrintOutcome CardPrinter::printDateEntry(std::uint16_t dateEntryCount, int selectedLine, std::uint16_t friendSlot)
{
    // An entry must name a friend still in the table, or the card would be a stranger's.
    if (dateEntryCount == 0 || selectedLine < 0 || !isFriend(friendSlot)) {
        return PrintOutcome::NothingToPrint;
    }
    return askAndPrint({&friendSlot, 1});
}

PrintOutcome CardPrinter::printAllFriends()
{
    if (m_table.FriendCount == 0) {
        return PrintOutcome::NothingToPrint;
    }
    std::vector<std::uint16_t> friendSlots(m_table.FriendCount);
    std::iota(friendSlots.begin(), friendSlots.end(), std::uint16_t{1});
    return askAndPrint(friendSlots);
}

FileChoice CardPrinter::pdfFileFor(std::span<const std::uint16_t> friendSlots) const
{
    // One card is named after its friend; a name's slashes would make folders of it.
    QString name = friendSlots.size() == 1 ? fromCp1252(listText(m_table[friendSlots.front()])) : QStringLiteral("Friends");
    name.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    return {name + QStringLiteral(".pdf"), QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
            fromCp1252(LangText(lang::PrintToPdfFile, m_language))};
}

PrintOutcome CardPrinter::askAndPrint(std::span<const std::uint16_t> friendSlots)
{
    if (!m_dialogs.choosePrinter(m_printer, pdfFileFor(friendSlots))) {
        return PrintOutcome::Cancelled;
    }
    Status printed = checkOutputFile();
    if (printed.ok) {
        printed = m_form.printCards(m_table, friendSlots);
    }
    if (!printed.ok) {
        m_dialogs.tellFailure(printed.message);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

Status CardPrinter::checkOutputFile() const
{
    const QString file = m_printer.outputFileName();
    return file.isEmpty() ? Status::success() : checkOutputTarget(toPath(file), m_dataFolder, m_language);
}

} // namespace zelmora::gui
