#pragma once
// Starting the program automatically when the user logs in.

#include "platform/FileWriter.h"
#include "settings/LangText.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace zelmora {

class AutoStart {
public:
    virtual ~AutoStart() = default;
    // Registers `executable` to start at logon, or removes that registration (its
    // absence is no error).
    virtual FileStatus apply(bool on, const std::filesystem::path& executable) const = 0;
};

// The automatic start of this system: an XDG autostart entry on Linux, the Run value on Windows.
std::unique_ptr<AutoStart> makeSystemAutoStart();

// Follows the StartAuto option at once. Nothing when it worked, otherwise the message
// for the user in `language` (Windows-1252).
std::optional<std::string> ApplyAutoStart(bool StartAuto, const std::filesystem::path& executable,
                                          const AutoStart& autoStart, Language language);

} // namespace zelmora
