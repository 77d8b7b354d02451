#include "core/exchange/ExchangeFiles.h"

#include "core/data/DateText.h"
#include "core/exchange/CalendarWriter.h"
#include "core/exchange/VCardReader.h"
#include "core/exchange/VCardWriter.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

namespace zelmora {

namespace {

// Far above any address book of 1000 friends, even with photos, and still safe to hold.
constexpr std::uintmax_t MaxVCardFileBytes = 256u * 1024 * 1024;

std::string problemText(const VCardReadError& error, Language language)
{
    std::uint16_t pair = lang::NoCardInFile;
    switch (error.problem) {
    case VCardProblem::CardNotEnded: pair = lang::CardNotEnded; break;
    case VCardProblem::LineWithoutColon: pair = lang::LineWithoutColon; break;
    case VCardProblem::TextOutsideCard: pair = lang::TextOutsideCard; break;
    case VCardProblem::NoCard: break;
    }
    std::string text(LangText(lang::UnreadableVCard, language));
    if (error.line > 0) {
        text.append(LangText(lang::AtLine, language))
            .append(NumToText(static_cast<std::int32_t>(error.line)))
            .append(": ");
    }
    return text.append(LangText(pair, language));
}

} // namespace

VCardFile ReadVCardFile(const std::filesystem::path& file, Language language)
{
    VCardFile result;
    FileContents contents = readWholeFile(file, MaxVCardFileBytes);
    if (contents.state != FileContents::State::Read) {
        result.status = Status::failure(std::move(contents.message));
        return result;
    }
    VCardReadResult read = VCardReader::read(contents.bytes);
    if (read.error) {
        result.status = Status::failure(problemText(*read.error, language));
        return result;
    }
    result.cards = std::move(read.cards);
    return result;
}

Status WriteVCardExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                        const FileWriter& writer)
{
    return writeFileSaying(writer, file, VCardWriter::write(table), lang::ExchangeFileNotSaved, language);
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
