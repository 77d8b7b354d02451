#pragma once
// The files of an exchange: a vCard file read whole before anything changes, and the
// vCard and iCalendar exports written atomically, the data folder's own calendar too.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/FriendTable.h"
#include "core/data/ReminderPlan.h"
#include "core/exchange/VCard.h"
#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"

#include <cstddef>
#include <filesystem>
#include <vector>

namespace zelmora {

struct VCardFile {
    Status status;            // why the file cannot be imported, in `language`
    std::vector<VCard> cards; // every card of the file, or none
};

VCardFile ReadVCardFile(const std::filesystem::path& file, Language language);

Status WriteVCardExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                        const FileWriter& writer);

struct CalendarExport {
    Status status;
    std::size_t leftOut = 0; // dates without a day and a month
};

CalendarExport WriteCalendarExport(const FriendTable& table, Language language, const Clock& clock,
                                   const ReminderPlan& plan, const std::filesystem::path& file, const FileWriter& writer);

// Rewrites the data folder's Zelmora.ics, the calendar that calendar programs subscribe
// to as a file: the same content as an export.
CalendarExport WriteLiveCalendar(const FriendTable& table, Language language, const Clock& clock,
                                 const ReminderPlan& plan, const std::filesystem::path& dataFolder,
                                 const FileWriter& writer);

} // namespace zelmora
