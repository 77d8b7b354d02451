#pragma once
// The files of an exchange: a file of contacts (vCard or CSV) read whole before anything
// changes, and the vCard, CSV and iCalendar exports written atomically, the data folder's
// own calendar too.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/FriendTable.h"
#include "core/data/ReminderPlan.h"
#include "core/exchange/ContactParser.h"
#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace zelmora {

// Far above what 1000 friends need, photos included (1200 cards with 32 KB photos are 55 MB),
// and still safe to hold.
inline constexpr std::uintmax_t MaxContactFileBytes = 64u * 1024 * 1024;

// The file read (refused past MaxContactFileBytes) and parsed; see ContactParser.
ParsedContacts ReadContactFile(const std::filesystem::path& file, Language language,
                               const ImportProgress& progress = {});

Status WriteVCardExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                        const FileWriter& writer);
Status WriteCsvExport(const FriendTable& table, Language language, const std::filesystem::path& file,
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
