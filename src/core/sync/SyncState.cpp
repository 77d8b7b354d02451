#include "core/sync/SyncState.h"

#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

#include <algorithm>
#include <array>

namespace zelmora {

namespace {

constexpr std::string_view Header =
    "# Zelmora's synchronisation with an address book server: which friend is which card there.\n"
    "# Written by Zelmora; removing this file makes the next synchronisation match friends by name.\n"
    "zelmora-sync 1\n";

// About 1000 cards of at most 2 kB each, with room to spare.
constexpr std::uintmax_t MostStateBytes = 16 * 1024 * 1024;

constexpr std::array<std::string_view, 3> PresenceWords = {"here", "waiting-for-room", "nameless"};

// A value on one line between tabs: the bytes as they are, but for the backslash, tabs and line ends.
void appendEscaped(std::string& out, std::string_view value)
{
    for (const char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

std::optional<std::string> unescaped(std::string_view value)
{
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        if (++i == value.size()) {
            return std::nullopt;
        }
        switch (value[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> split(std::string_view line, char separator)
{
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t at = line.find(separator, start);
        pieces.push_back(line.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) {
            return pieces;
        }
        start = at + 1;
    }
}

void appendFriend(std::string& out, const TFriend& f)
{
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        out += '\t';
        appendEscaped(out, fieldText(f, static_cast<FriendField>(i)));
    }
}

// "card" presence edited uid href etag, then the nineteen fields of the base and of the local friend.
constexpr std::size_t EntryColumns = 6 + 2 * FriendFieldCount;

std::optional<SyncEntry> readEntry(const std::vector<std::string_view>& columns)
{
    SyncEntry entry;
    std::vector<std::string> values;
    for (std::size_t i = 1; i < columns.size(); ++i) {
        std::optional<std::string> value = unescaped(columns[i]);
        if (!value) {
            return std::nullopt;
        }
        values.push_back(std::move(*value));
    }
    const auto presence = std::find(PresenceWords.begin(), PresenceWords.end(), values[0]);
    if (presence == PresenceWords.end()) {
        return std::nullopt;
    }
    entry.presence = static_cast<SyncEntry::Presence>(presence - PresenceWords.begin());
    if (values[1] != "edited" && values[1] != "synced") {
        return std::nullopt;
    }
    entry.editedHere = values[1] == "edited";
    entry.uid = values[2];
    entry.href = values[3];
    entry.etag = values[4];
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        fieldRef(entry.base, static_cast<FriendField>(i)).assign(values[5 + i]);
        fieldRef(entry.local, static_cast<FriendField>(i)).assign(values[5 + FriendFieldCount + i]);
    }
    return entry;
}

} // namespace

std::string syncStateText(const SyncState& state)
{
    std::string out(Header);
    for (const auto& [key, value] : {std::pair{"address-book", &state.addressBook}, std::pair{"sync-token", &state.syncToken}}) {
        out.append(key).append("\t");
        appendEscaped(out, *value);
        out += '\n';
    }
    out.append("no-sync-token\t").append(state.serverHasNoSyncToken ? "yes" : "no").append("\n");
    for (const SyncEntry& entry : state.entries) {
        out.append("card\t").append(PresenceWords[static_cast<std::size_t>(entry.presence)]);
        out.append(entry.editedHere ? "\tedited" : "\tsynced");
        for (const std::string* value : {&entry.uid, &entry.href, &entry.etag}) {
            out += '\t';
            appendEscaped(out, *value);
        }
        appendFriend(out, entry.base);
        appendFriend(out, entry.local);
        out += '\n';
    }
    return out;
}

std::optional<SyncState> readSyncState(std::string_view text)
{
    if (!text.starts_with(Header)) {
        return std::nullopt;
    }
    SyncState state;
    for (const std::string_view line : split(text.substr(Header.size()), '\n')) {
        if (line.empty()) {
            continue;
        }
        const std::vector<std::string_view> columns = split(line, '\t');
        const std::string_view key = columns[0];
        if (key == "card" && columns.size() == EntryColumns) {
            std::optional<SyncEntry> entry = readEntry(columns);
            if (!entry) {
                return std::nullopt;
            }
            state.entries.push_back(std::move(*entry));
            continue;
        }
        const std::optional<std::string> value = columns.size() == 2 ? unescaped(columns[1]) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        if (key == "address-book") {
            state.addressBook = *value;
        } else if (key == "sync-token") {
            state.syncToken = *value;
        } else if (key == "no-sync-token") {
            state.serverHasNoSyncToken = *value == "yes";
        } else {
            return std::nullopt;
        }
    }
    return state;
}

SyncStateLoad loadSyncState(const std::filesystem::path& folder)
{
    const std::filesystem::path file = folder / SyncStateFileName;
    FileContents contents = readWholeFile(file, MostStateBytes);
    if (contents.state == FileContents::State::Missing) {
        return {};
    }
    if (contents.state != FileContents::State::Read) {
        return {SyncStateLoad::Found::Damaged, {}, std::move(contents.message)};
    }
    std::optional<SyncState> state = readSyncState(contents.bytes);
    if (!state) {
        return {SyncStateLoad::Found::Damaged, {}, fileMessage("cannot read", file, "not a synchronisation state")};
    }
    return {SyncStateLoad::Found::Read, std::move(*state), {}};
}

LastSyncState lastSyncState(const std::filesystem::path& folder, const std::string& addressBook, Language language)
{
    SyncStateLoad load = loadSyncState(folder);
    LastSyncState last;
    last.state = load.state.addressBook == addressBook ? std::move(load.state) : SyncState{addressBook, {}, false, {}};
    if (load.found == SyncStateLoad::Found::Damaged) {
        last.warning = std::string(LangText(lang::SyncStateUnreadable, language)) + load.message;
    }
    return last;
}

Status saveSyncState(const SyncState& state, const std::filesystem::path& folder, const FileWriter& writer)
{
    return writer.replace(folder / SyncStateFileName, syncStateText(state));
}

} // namespace zelmora
