#pragma once
// Where the program and its files live.

#include "core/base/Status.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace zelmora {

inline constexpr const char* DatabaseFileName = "Zelmor.dta";
inline constexpr const char* SettingsFileName = "Zelmor.reg";
// Files of this program's own beside them: later settings, the reminders already shown,
// and the calendar kept for calendar programs to subscribe to.
inline constexpr const char* ExtraSettingsFileName = "Zelmora.ini";
inline constexpr const char* NotifiedFileName = "Zelmora.notified";
inline constexpr const char* LiveCalendarFileName = "Zelmora.ics";
// What the last synchronisation with an address book server left: which friend is which
// card there, and the report of what it could not keep as it was.
inline constexpr const char* SyncStateFileName = "Zelmora.sync";
inline constexpr const char* SyncReportFileName = "Zelmora-sync.txt";

// The running executable's full path, and its folder.
std::filesystem::path ExecutablePath();
std::filesystem::path ProgramFolder();

// Looks up an environment variable, in UTF-8; empty when unset.
using EnvironmentLookup = std::function<std::string(const char* name)>;
std::string systemEnvironment(const char* name);

// The user's own data folder: $XDG_DATA_HOME/zelmora or ~/.local/share/zelmora on Linux,
// %APPDATA%\Zelmora on Windows; empty when the environment names no home for the user.
std::filesystem::path UserDataFolder(const EnvironmentLookup& environment = systemEnvironment);

// The folder holding Zelmor.dta and Zelmor.reg: the program folder when it already holds
// one of them (a portable copy), otherwise UserDataFolder().
std::filesystem::path DataFolder(const std::filesystem::path& programFolder,
                                 const EnvironmentLookup& environment = systemEnvironment);

// Creates the folder (private to the user) when it does not exist yet.
Status ensureFolder(const std::filesystem::path& folder);

// Whether both name the same file or folder, by any road; for what does not exist yet,
// whether they would.
bool sameFile(const std::filesystem::path& one, const std::filesystem::path& other);

} // namespace zelmora
