#pragma once
// The friends of a data folder and the one road by which anything changes them: under the
// folder's lock, read again when another program changed the file, change, write. The
// window, the command line and every later feature change the friends through change().

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/FileWriter.h"
#include "core/platform/FolderLock.h"
#include "core/storage/DatabaseFile.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace zelmora {

class FriendsStore {
public:
    FriendsStore(const std::filesystem::path& folder, const Language& language, const FileWriter& writer);

    // The window's start: reads the file, or creates it (and its folder). A damaged file
    // leaves no friends and is kept aside before the first write; the message says so.
    LoadResult open();
    // A command's read: a missing file reads as none and nothing is created; a damaged, newer
    // or unreadable file is refused with the reason. No lock: every write replaces the file
    // in one step.
    Status read();

    const FriendTable& table() const { return *m_table; }
    const DisplayOptions& options() const { return m_options; }
    const std::filesystem::path& folder() const { return m_folder; }

    // The display options chosen on screen. They are the live choice even before they reach
    // the file (the next write takes them).
    void chooseOptions(const DisplayOptions& options) { m_options = options; }

    // Reads from now on remember the file's contents, for a run that acts over a long while
    // (the window, a synchronisation) and must notice another program's change; open() does it.
    void watchForChanges() { m_file.watchForChanges(); }
    // Whether another program changed the file since it was last read or written (always so
    // unless watching).
    bool changedOnDisk() const { return m_file.changedOnDisk(); }
    // Reads the file again when another program changed it; true when the friends were
    // replaced. A file spoiled or removed meanwhile leaves the friends in memory, which the
    // next write puts back (a spoiled file kept aside first).
    bool readAgainIfChanged();

    // Takes the lock (waiting up to `patience`), reads the file again when another program
    // changed it, lets `modify` change the friends and options, and writes them. Nothing
    // changes, in memory or on disk, unless everything worked; a failure of `modify` writes
    // nothing and is returned as it is.
    //
    // What is kept beside the friends and must follow them (which friend is which on a
    // server) is told of every change, still under the lock, once the friends are written:
    // the follower, or `written` instead when the change brings its own.
    using Change = std::function<Status(FriendTable& table, DisplayOptions& options)>;
    using Follower = std::function<Status(const FriendTable& before, const FriendTable& after)>;
    struct Outcome {
        Status status;
        bool reread = false;   // the friends were read again first (whatever the outcome)
        bool lockBusy = false; // another program held the lock: trying again later may work
    };
    Outcome change(const Change& modify, std::chrono::milliseconds patience = LockPatience,
                   const Follower& written = {});
    void follow(Follower follower) { m_follower = std::move(follower); }

    // Written by a later version: never written over, nor asked about.
    bool isNewerVersion() const { return m_file.isNewerVersion(); }
    // Whether the file lacks something the friends or options in memory hold.
    bool hasUnsavedChanges() const;
    // Writes what hasUnsavedChanges() says is missing.
    Outcome saveUnsaved(std::chrono::milliseconds patience = LockPatience);

    // What the user must be told although the work went on: a file holding more than its
    // count of friends, a damaged file kept aside. Each notice is given once.
    std::vector<std::string> takeNotices() { return std::exchange(m_notices, {}); }

private:
    enum class State { NotRead, Read, SpoiledByOthers };
    LoadResult load(DatabaseFile::WhenMissing whenMissing, FriendTable& table);
    Status refusal(const LoadResult& loaded) const;
    Outcome changeLocked(const Change& modify, const Follower& written);

    std::filesystem::path m_folder;
    const Language& m_language;
    DatabaseFile m_file;
    std::unique_ptr<FriendTable> m_table = std::make_unique<FriendTable>();
    DisplayOptions m_options;
    State m_state = State::NotRead;
    std::vector<std::string> m_notices;
    Follower m_follower;
};

} // namespace zelmora
