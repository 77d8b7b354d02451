#pragma once
// Which reminders the desktop has already shown, so that each one (friend, date, day,
// lead time) is shown once, even when the program starts again the same day. Kept in the
// data folder as Zelmora.notified, one reminder a line; days gone by are forgotten. The
// window's round: load, takeUnshown(dueReminders(...)), show them, save.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/FileWriter.h"
#include "core/reminder/DueReminders.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelmora {

class NotifiedRecord {
public:
    // Lines it cannot read are left out: at worst a reminder is shown once more.
    static NotifiedRecord fromText(std::string_view utf8);
    std::string toText() const;

    // The reminders of `due` not shown yet, in their order, which count as shown from now
    // on; the days before `today` are forgotten, as no lead time reaches back to them.
    std::vector<DueReminder> takeUnshown(std::span<const DueReminder> due, const FriendTable& table, LocalDate today);

    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        LocalDate occurrence;
        std::uint16_t daysBefore = 0;
        FriendField date = FriendField::Anniversaire;
        std::string name; // as written in the file
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    static Entry entryOf(const DueReminder& reminder, const FriendTable& table);
    bool holds(const Entry& entry) const;

    std::vector<Entry> m_entries;
};

// The record of the data folder; a missing or unreadable file reads as an empty record.
NotifiedRecord loadNotifiedRecord(const std::filesystem::path& folder);
// Written by the running window only, so it needs no lock of the folder.
Status saveNotifiedRecord(const NotifiedRecord& record, const std::filesystem::path& folder, const FileWriter& writer,
                          Language language);

} // namespace zelmora
