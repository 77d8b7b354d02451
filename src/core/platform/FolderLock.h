#pragma once
// The data folder's lock. Whoever changes Zelmor.dta, Zelmor.reg or Zelmora.ini holds it
// across the load, the change and the save, so that two programs never save over each
// other's friends. Programs that only read never take it. The window takes it only around a load
// and around a save:
//     FolderLock lock;
//     if (Status taken = lock.acquire(folder, language); !taken.ok) { tell(taken.message); }
//     ... load or save ...; lock.release(); // or let it go out of scope

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/LockFile.h"

#include <chrono>
#include <filesystem>

namespace zelmora {

inline constexpr const char* LockFileName = "Zelmor.lock";

// How long a writer waits for another one to finish before it gives up.
inline constexpr std::chrono::milliseconds LockPatience{2000};

class FolderLock {
public:
    // Takes the lock of `folder` (which must exist), waiting up to `patience` for another
    // holder to let go. Once it is held, what saves killed half-way left in the folder is
    // removed.
    Status acquire(const std::filesystem::path& folder, Language language,
                   std::chrono::milliseconds patience = LockPatience);
    void release() { m_file.close(); }
    bool held() const { return m_file.isOpen(); }

private:
    LockFile m_file;
};

} // namespace zelmora
