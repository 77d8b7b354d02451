#pragma once
// The three print commands of the main window (the selected friend, the selected date,
// all friends): the print dialog, then the friend card report.

#include "gui/app/Dialogs.h"
#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/FriendTable.h"
#include "core/report/TPrtForm.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <utility>

class QPrinter;

namespace zelmora::gui {

enum class PrintOutcome { NothingToPrint, Cancelled, Printed, Failed };

class CardPrinter {
public:
    // `printer` is the QPrinter under the form's report printer; a PDF file chosen for it
    // must not be one of the files of `dataFolder`. Messages are in `language`.
    CardPrinter(report::TPrtForm& form, const FriendTable& table, QPrinter& printer, Dialogs& dialogs,
                std::filesystem::path dataFolder, const Language& language)
        : m_form(form), m_table(table), m_printer(printer), m_dialogs(dialogs), m_dataFolder(std::move(dataFolder)),
          m_language(language)
    {
    }

    // The friend on line `selectedLine` (from 0; -1 for none) of the friend list.
    PrintOutcome printFriendCard(int selectedLine);
    // The friend of the selected dates-list entry: `friendSlot` is that entry's friend.
    PrintOutcome printDateEntry(std::uint16_t dateEntryCount, int selectedLine, std::uint16_t friendSlot);
    // Every friend, in table order.
    PrintOutcome printAllFriends();

private:
    PrintOutcome askAndPrint(std::span<const std::uint16_t> friendSlots);
    // The PDF file proposed when no printer is installed, with the dialog's title.
    FileChoice pdfFileFor(std::span<const std::uint16_t> friendSlots) const;
    // Whether the file chosen in the print dialog, if any, may be written.
    Status checkOutputFile() const;
    bool isFriend(std::uint16_t slot) const { return slot >= 1 && slot <= m_table.FriendCount; }

    report::TPrtForm& m_form;
    const FriendTable& m_table;
    QPrinter& m_printer;
    Dialogs& m_dialogs;
    std::filesystem::path m_dataFolder;
    const Language& m_language;
};

} // namespace zelmora::gui
