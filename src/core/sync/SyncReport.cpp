#include "core/sync/SyncReport.h"

#include "core/base/Cp1252.h"
#include "core/data/DateText.h"
#include "core/exchange/ImportReport.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

#include <cstdio>

namespace zelmora {

namespace {

constexpr std::size_t MostReportBytes = 256 * 1024;

std::string count(std::size_t n) { return NumToText(static_cast<std::int32_t>(n)); }

std::string namesOf(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text.append(text.empty() ? "" : ", ").append(name);
    }
    return text;
}

std::string dateTime(const LocalDateTime& when)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", when.date.year, when.date.month, when.date.day,
                  when.hour, when.minute);
    return text;
}

// The cards the table did not take, which stay on the server.
void appendLeftOnServer(std::vector<std::string>& lines, const SyncSummary& summary, Language language)
{
    if (!summary.waitingForRoom.empty()) {
        lines.push_back(std::string(LangText(lang::SyncNoRoom, language)) + namesOf(summary.waitingForRoom));
    }
    if (summary.nameless > 0) {
        lines.push_back(LangTextFilled(lang::SyncNameless, language, {count(summary.nameless)}));
    }
}

} // namespace

std::vector<std::string> syncSummaryLines(const SyncSummary& summary, bool trial, Language language)
{
    std::vector<std::string> lines;
    if (!summary.changedAnything() && !trial) {
        lines.emplace_back(LangText(lang::SyncNothingToDo, language));
    } else {
        lines.push_back(LangTextFilled(trial ? lang::SyncTrialSummary : lang::SyncSummary, language,
                                       {count(summary.addedHere), count(summary.changedHere), count(summary.deletedHere),
                                        count(summary.created), count(summary.updated), count(summary.deletedThere)}));
    }
    for (const SyncSummary::Conflict& conflict : summary.conflicts) {
        lines.push_back(LangTextFilled(lang::SyncConflict, language,
                                       {conflict.friendName, LangText(labelOf(conflict.field.field), language)}));
    }
    appendLeftOnServer(lines, summary, language);
    return lines;
}

Status appendSyncReport(const SyncSummary& summary, std::string_view server, const LocalDateTime& when,
                        const std::filesystem::path& folder, const FileWriter& writer, Language language)
{
    if (summary.conflicts.empty() && summary.waitingForRoom.empty() && summary.nameless == 0) {
        return Status::success();
    }
    const std::filesystem::path file = folder / SyncReportFileName;
    std::string report = readWholeFile(file).bytes;
    std::string section = "\n" + LangTextFilled(lang::SyncReportHeading, language, {dateTime(when), cp1252::fromUtf8(server).text}) + "\n";
    for (const SyncSummary::Conflict& conflict : summary.conflicts) {
        section += LangTextFilled(lang::SyncReportConflict, language,
                                  {conflict.friendName, LangText(labelOf(conflict.field.field), language),
                                   conflict.field.server, conflict.field.here})
                 + "\n";
    }
    std::vector<std::string> leftOnServer;
    appendLeftOnServer(leftOnServer, summary, language);
    for (const std::string& line : leftOnServer) {
        section += line + "\n";
    }
    report += cp1252::toUtf8(section);
    if (report.size() > MostReportBytes) {
        const std::size_t cut = report.find("\n\n", report.size() - MostReportBytes); // at a section's start
        report.erase(0, cut == std::string::npos ? report.size() - MostReportBytes : cut + 1);
    }
    return writeFileSaying(writer, file, report, lang::SyncReportNotSaved, language);
}

} // namespace zelmora
