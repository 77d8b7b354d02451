#include "gui/report/CardPrinting.h"

#include <exception>
#include <numeric>

namespace zelmora::gui {

std::optional<std::string> printCards(report::TPrtForm& form, const FriendTable& table,
                                      std::span<const std::uint16_t> friendSlots)
{
    form.ClearCardFields();
    for (const std::uint16_t slot : friendSlots) {
        form.FillCardFields(table, slot);
    }
    try {
        form.BxReport1.Print();
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
    return std::nullopt;
}

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

PrintOutcome CardPrinter::askAndPrint(std::span<const std::uint16_t> friendSlots)
{
    if (!m_dialogs.choosePrinter(m_printer)) {
        return PrintOutcome::Cancelled;
    }
    if (const std::optional<std::string> failure = printCards(m_form, m_table, friendSlots)) {
        m_dialogs.tell(*failure);
        return PrintOutcome::Failed;
    }
    return PrintOutcome::Printed;
}

} // namespace zelmora::gui
