#pragma once
// Zelmor.dta on disk: reading it into a table and options, and writing them back, with what
// a read keeps for the next write (version tag, option digits, whether the file was damaged).
// It asks nothing: whoever uses it decides what to tell the user.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/DatabaseCodec.h"
#include "core/platform/FileWriter.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zelmora {

enum class LoadStatus {
    Loaded,          // the friends were read
    MoreThanCounted, // the friends its count says were read, but the file holds more: it is
                     // kept aside before any save
    Created,         // there was no file; an empty one was created
    Missing,         // there was no file, and none was asked for
    NewerVersion,    // written by a later version: nothing read, never overwritten
    Damaged,         // not a database: empty table; the file is kept aside before any save
    Unreadable,      // could not be opened or read (permission, a folder in its place): never overwritten
    CannotCreate,    // there was no file and the folder refused a new one
};

struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    std::string message; // for the user, Windows-1252, empty when there is nothing to say
};

class DatabaseFile {
public:
    enum class WhenMissing { Create, LeaveMissing };

    DatabaseFile(std::filesystem::path path, const FileWriter& writer) : m_path(std::move(path)), m_writer(writer) {}

    const std::filesystem::path& path() const { return m_path; }
    const std::string& FileVersion() const { return m_header.fileVersion; }
    // The options as the file holds them (as last read or written).
    const DisplayOptions& storedOptions() const { return m_header.kept; }
    // Written by a later version: never written over, nor asked about.
    bool isNewerVersion() const;

    // Reads the file into the table and options (and sorts the table), or creates it.
    LoadResult LoadDatabase(FriendTable& table, DisplayOptions& options, Language language,
                            WhenMissing whenMissing = WhenMissing::Create);

    struct Written {
        Status status;
        std::filesystem::path keptCopy; // where a damaged file was kept before it was written over
    };
    // Writes table and options as the current version. A damaged file is first copied aside;
    // a newer version or a file that could not be read is never written.
    Written write(const FriendTable& table, const DisplayOptions& options);

    // From now on, reads remember the file's contents for changedOnDisk(). A run that reads
    // once and ends does not pay for it.
    void watchForChanges() { m_watching = true; }
    // Whether the file now differs from what this object last read or wrote: another
    // program changed it (or removed it, or it cannot be read any more).
    bool changedOnDisk() const;

private:
    // Why the file must not be written over, if it must not.
    std::optional<std::string> writeRefusal() const;
    Status keepDamagedCopy(std::filesystem::path& copy) const;

    std::filesystem::path m_path;
    const FileWriter& m_writer;
    DecodedHeader m_header;
    bool m_damaged = false;
    bool m_unreadable = false;
    bool m_watching = false;
    std::optional<std::size_t> m_knownContents; // a hash of the bytes last read or written
};

} // namespace zelmora
