#pragma once
// Which folder a run works on, and which files in it an export must never replace.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/Folders.h"

#include <filesystem>
#include <optional>

namespace zelmora {

// Whether the command may create a data folder that does not exist yet (adding a friend
// does; reading or deleting from a folder that is not there is a typing mistake).
enum class FolderUse { MustExist, MayCreate };

struct FolderChoice {
    std::filesystem::path folder;
    Status status; // why there is no folder to work on
};

// `asked` (--data-dir) when given, else the usual data folder. Something that is not a
// folder is never used; a folder asked for must exist unless `use` allows creating it; the
// usual folder may be missing (no friends yet), but is refused when the system names no
// home for it.
FolderChoice chooseDataFolder(const std::optional<std::filesystem::path>& asked, FolderUse use,
                              const std::filesystem::path& programFolder, const EnvironmentLookup& environment,
                              Language language);

// Refuses an export onto the data folder's own files (friends, settings, the record of
// the reminders shown), by any name; its calendar file may be exported over.
Status checkExportTarget(const std::filesystem::path& target, const std::filesystem::path& dataFolder,
                         Language language);

} // namespace zelmora
