#pragma once
// The automatic start of freedesktop.org sessions: a desktop entry in the user's
// autostart folder, $XDG_CONFIG_HOME/autostart (by default ~/.config/autostart).

#include "core/platform/AutoStart.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Folders.h"

#include <string>

namespace zelmora {

class XdgAutoStart final : public AutoStart {
public:
    explicit XdgAutoStart(const FileWriter& writer, EnvironmentLookup environment = systemEnvironment)
        : m_writer(writer), m_environment(std::move(environment)) {}

    Status apply(bool on, const StartCommand& command) const override;

    // Where the entry goes; empty when neither XDG_CONFIG_HOME nor HOME says.
    std::filesystem::path entryPath() const;

private:
    Status write(const std::filesystem::path& entry, std::string_view contents) const;

    const FileWriter& m_writer;
    EnvironmentLookup m_environment;
};

// `command` as the Exec value of a desktop entry, quoted and escaped so that the session
// starts exactly that file on exactly that folder whatever characters their paths hold.
std::string desktopExecValue(const StartCommand& command);

// The whole autostart entry for `command`.
std::string autoStartEntry(const StartCommand& command);

} // namespace zelmora
