#pragma once
// Starting the program automatically when the user logs in.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/Folders.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace zelmora {

// What the automatic start runs: the program, on the data folder it was started on.
struct StartCommand {
    std::filesystem::path executable;
    std::optional<std::filesystem::path> dataFolder; // --data-dir, for a folder the program would not find itself
    friend bool operator==(const StartCommand&, const StartCommand&) = default;
};

// The command that starts `executable` on `dataFolder`, which it names only when the
// program would not choose that folder by itself.
StartCommand startCommand(const std::filesystem::path& executable, const std::filesystem::path& dataFolder,
                          const EnvironmentLookup& environment = systemEnvironment);

class AutoStart {
public:
    virtual ~AutoStart() = default;
    // Registers `command` to start at logon, or removes the registration when it is this
    // very command's: the one another data folder made stays. Nothing is written, and so
    // nothing fails, when nothing has to change.
    virtual Status apply(bool on, const StartCommand& command) const = 0;
};

// The automatic start of this system: an XDG autostart entry on Linux, the Run value on Windows.
std::unique_ptr<AutoStart> makeSystemAutoStart();
// The option's caption on this system, as a language pair: "at Windows startup", or "at login".
extern const std::uint16_t AutoStartCaption;

// Follows the start-at-login option at once for the program on `dataFolder`; on failure the
// message is language text 186 and the system's reason.
Status ApplyAutoStart(bool startAtLogin, const std::filesystem::path& executable, const std::filesystem::path& dataFolder,
                      const AutoStart& autoStart, Language language);

} // namespace zelmora
