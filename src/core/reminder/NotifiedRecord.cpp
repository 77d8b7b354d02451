#include "core/reminder/NotifiedRecord.h"

#include "core/base/Cp1252.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace zelmora {

namespace {

// Far more than a year of reminders for a full table.
constexpr std::uintmax_t MostRecordBytes = 4u * 1024 * 1024;

// The name as the file holds it: UTF-8, controls (a tab, a line end) as "?".
std::string nameInFile(const TFriend& person)
{
    std::string name = cp1252::toUtf8(listText(person));
    std::replace_if(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    return name;
}

std::vector<std::string_view> tabFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (std::size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t')) {
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line);
    return fields;
}

bool isCount(std::string_view text)
{
    return !text.empty() && text.size() <= 3 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

NotifiedRecord::Entry NotifiedRecord::entryOf(const DueReminder& reminder, const FriendTable& table)
{
    return {reminder.occurrence, reminder.daysBefore, reminder.date, nameInFile(table[reminder.slot])};
}

bool NotifiedRecord::holds(const Entry& entry) const
{
    return std::find(m_entries.begin(), m_entries.end(), entry) != m_entries.end();
}

NotifiedRecord NotifiedRecord::fromText(std::string_view utf8)
{
    NotifiedRecord record;
    while (!utf8.empty()) {
        const std::size_t end = std::min(utf8.find('\n'), utf8.size());
        const std::vector<std::string_view> fields = tabFields(utf8.substr(0, end));
        utf8.remove_prefix(std::min(end + 1, utf8.size()));
        if (fields.size() != 4 || !isCount(fields[1])) {
            continue;
        }
        const std::optional<LocalDate> day = parseIsoDate(fields[0]);
        const std::optional<FriendField> date = friendDateByTag(fields[2]);
        if (day && date) {
            record.m_entries.push_back({*day, static_cast<std::uint16_t>(TextToNum(fields[1])), *date, std::string(fields[3])});
        }
    }
    return record;
}

std::string NotifiedRecord::toText() const
{
    std::string text;
    for (const Entry& entry : m_entries) {
        char day[32];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", entry.occurrence.year, entry.occurrence.month,
                      entry.occurrence.day);
        text.append(day).append("\t").append(NumToText(entry.daysBefore)).append("\t");
        text.append(friendDateTag(entry.date)).append("\t").append(entry.name).append("\n");
    }
    return text;
}

std::vector<DueReminder> NotifiedRecord::takeUnshown(std::span<const DueReminder> due, const FriendTable& table,
                                                     LocalDate today)
{
    const auto before = [today](const LocalDate& day) {
        return std::tie(day.year, day.month, day.day) < std::tie(today.year, today.month, today.day);
    };
    std::erase_if(m_entries, [&](const Entry& entry) { return before(entry.occurrence); });
    std::vector<DueReminder> unshown;
    for (const DueReminder& reminder : due) {
        Entry entry = entryOf(reminder, table);
        if (!holds(entry)) {
            m_entries.push_back(std::move(entry));
            unshown.push_back(reminder);
        }
    }
    return unshown;
}

NotifiedRecord loadNotifiedRecord(const std::filesystem::path& folder)
{
    const FileContents contents = readWholeFile(folder / NotifiedFileName, MostRecordBytes);
    return contents.state == FileContents::State::Read ? NotifiedRecord::fromText(contents.bytes) : NotifiedRecord{};
}

Status saveNotifiedRecord(const NotifiedRecord& record, const std::filesystem::path& folder, const FileWriter& writer,
                          Language language)
{
    return writeFileSaying(writer, folder / NotifiedFileName, record.toText(), lang::NotifiedNotSaved, language);
}

} // namespace zelmora
