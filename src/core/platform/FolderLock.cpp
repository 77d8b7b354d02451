#include "core/platform/FolderLock.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"
#include "core/platform/PendingFile.h"

#include <thread>

namespace zelmora {

Status FolderLock::acquire(const std::filesystem::path& folder, Language language, std::chrono::milliseconds patience)
{
    const std::filesystem::path file = folder / LockFileName;
    LockFile lock;
    if (Status opened = lock.open(file); !opened.ok) {
        return opened;
    }
    // Polled rather than blocking: a blocking lock cannot be given up after a while.
    constexpr std::chrono::milliseconds Pause{20};
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::string reason;
    for (;;) {
        const LockFile::Attempt attempt = lock.tryLock(reason);
        if (attempt == LockFile::Attempt::Taken) {
            break;
        }
        if (attempt == LockFile::Attempt::Failed) {
            return Status::failure(fileMessage("cannot lock", file, reason));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return Status::failure(LangTextWithReason(lang::DataFolderBusy, language, cp1252::forDisplay(pathToUtf8(folder))));
        }
        std::this_thread::sleep_for(Pause);
    }
    m_file = std::move(lock);
    for (const char* name : {DatabaseFileName, SettingsFileName, ExtraSettingsFileName, SyncStateFileName}) {
        removeStaleTemporaries(folder / name);
    }
    return Status::success();
}

} // namespace zelmora
