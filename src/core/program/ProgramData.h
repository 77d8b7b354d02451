#pragma once
// The friends of a data folder as a program run uses them: read without creating
// anything and without waiting for a writer, or changed under the folder's lock.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/DatabaseFile.h"
#include "core/platform/FileWriter.h"
#include "core/platform/FolderLock.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zelmora {

class ProgramData {
public:
    ProgramData(const std::filesystem::path& folder, Language language, const FileWriter& writer);

    // Reads the friends; a missing file reads as none, and nothing is created. A damaged,
    // newer or unreadable file is refused with the reason.
    Status loadForReading();

    // Creates the folder when missing, takes its lock (waiting up to `patience`), loads as
    // loadForReading does, lets `modify` change the friends and options, and saves them. A
    // failure of `modify` saves nothing.
    using Change = std::function<Status(FriendTable& table, DisplayOptions& options)>;
    Status change(const Change& modify, std::chrono::milliseconds patience = LockPatience);

    const FriendTable& table() const { return *m_table; }
    const DisplayOptions& options() const { return m_options; }
    // What the user must be told even though the work went on: a file that holds more
    // than its count of friends, the copy kept of it.
    const std::vector<std::string>& notices() const { return m_notices; }

private:
    Status load();

    std::filesystem::path m_folder;
    Language m_language;
    std::unique_ptr<FriendTable> m_table = std::make_unique<FriendTable>();
    DisplayOptions m_options;
    DatabaseFile m_file;
    std::vector<std::string> m_notices;
};

struct FriendChoice {
    std::uint16_t slot = 0; // 0 when no friend was found
    Status status;
};

// The first friend whose list text ("LAST-NAME First-name") is `utf8`, as typed.
FriendChoice findFriendByListText(const FriendTable& table, std::string_view utf8, Language language);

} // namespace zelmora
