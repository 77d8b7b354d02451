#include "core/exchange/ExchangeFiles.h"

#include "core/exchange/CalendarWriter.h"
#include "core/exchange/CsvWriter.h"
#include "core/exchange/VCardWriter.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

namespace zelmora {

ParsedContacts ReadContactFile(const std::filesystem::path& file, Language language, const ImportProgress& progress)
{
    FileContents contents = readWholeFile(file, MaxContactFileBytes);
    if (contents.state != FileContents::State::Read) {
        ParsedContacts refused;
        refused.status = Status::failure(std::move(contents.message));
        return refused;
    }
    return ContactParser(language).parse(contents.bytes, progress);
}

Status WriteVCardExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                        const FileWriter& writer)
{
    return writeFileSaying(writer, file, VCardWriter(language).write(table), lang::ExchangeFileNotSaved, language);
}

Status WriteCsvExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                      const FileWriter& writer)
{
    return writeFileSaying(writer, file, CsvWriter(language).write(table), lang::ExchangeFileNotSaved, language);
}

CalendarExport WriteCalendarExport(const FriendTable& table, Language language, const Clock& clock,
                                   const ReminderPlan& plan, const std::filesystem::path& file, const FileWriter& writer)
{
    const CalendarText calendar = CalendarWriter(language, clock.utcNow(), plan).write(table);
    return {writeFileSaying(writer, file, calendar.bytes, lang::ExchangeFileNotSaved, language), calendar.leftOut};
}

CalendarExport WriteLiveCalendar(const FriendTable& table, Language language, const Clock& clock,
                                 const ReminderPlan& plan, const std::filesystem::path& dataFolder,
                                 const FileWriter& writer)
{
    return WriteCalendarExport(table, language, clock, plan, dataFolder / LiveCalendarFileName, writer);
}

} // namespace zelmora
