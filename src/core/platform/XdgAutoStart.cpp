#include "core/platform/XdgAutoStart.h"

#include "core/base/PathText.h"
#include "core/platform/FileReader.h"

#include <system_error>

namespace zelmora {

namespace fs = std::filesystem;

namespace {

// Characters after which a desktop entry argument must be quoted.
constexpr std::string_view ReservedInExec = " \t\n\"'\\><~|&;$*?#()`";

// The quoting of the Exec key: inside double quotes ", `, $ and \ take a backslash, and
// % is doubled everywhere since it introduces field codes.
std::string quoteExecArgument(std::string_view argument)
{
    const bool quoted = argument.empty() || argument.find_first_of(ReservedInExec) != std::string_view::npos;
    std::string result = quoted ? "\"" : "";
    for (const char c : argument) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            result += '\\';
        }
        if (c == '%') {
            result += '%';
        }
        result += c;
    }
    return quoted ? result + "\"" : result;
}

// The escapes of every string value, which readers undo before the Exec quoting.
std::string escapeStringValue(std::string_view value)
{
    std::string result;
    for (const char c : value) {
        switch (c) {
        case '\\': result += "\\\\"; break;
        case '\n': result += "\\n"; break;
        case '\t': result += "\\t"; break;
        case '\r': result += "\\r"; break;
        default: result += c;
        }
    }
    return result;
}

} // namespace

std::string desktopExecValue(const StartCommand& command)
{
    std::string exec = quoteExecArgument(pathToUtf8(command.executable));
    if (command.dataFolder) {
        exec += " --data-dir " + quoteExecArgument(pathToUtf8(*command.dataFolder));
    }
    return escapeStringValue(exec);
}

std::string autoStartEntry(const StartCommand& command)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zelmora\n"
           "Comment=Reminds you of your friends' birthdays and saint's days\n"
           "Exec=" + desktopExecValue(command) + "\n"
           "Terminal=false\n";
}

fs::path XdgAutoStart::entryPath() const
{
    // freedesktop.org's base directory rules say to ignore a relative XDG_CONFIG_HOME.
    const fs::path configHome = m_environment("XDG_CONFIG_HOME");
    if (configHome.is_absolute()) {
        return configHome / "autostart" / "zelmora.desktop";
    }
    const std::string home = m_environment("HOME");
    if (home.empty()) {
        return {};
    }
    return fs::path(home) / ".config" / "autostart" / "zelmora.desktop";
}

Status XdgAutoStart::apply(bool on, const StartCommand& command) const
{
    const fs::path entry = entryPath();
    if (entry.empty()) {
        return on ? Status::failure("neither XDG_CONFIG_HOME nor HOME names the configuration folder")
                  : Status::success(); // no configuration folder, so no entry to remove
    }
    constexpr std::uintmax_t MaxEntryBytes = 64 * 1024;
    const FileContents present = readWholeFile(entry, MaxEntryBytes);
    const std::string wanted = autoStartEntry(command);
    if (on) {
        return present.bytes == wanted ? Status::success() : write(entry, wanted);
    }
    // Only the entry that starts this very command is ours to remove.
    const std::string execLine = "\nExec=" + desktopExecValue(command) + "\n";
    if (present.bytes.find(execLine) == std::string::npos) {
        return Status::success();
    }
    std::error_code error;
    fs::remove(entry, error);
    if (error) {
        return Status::failure(fileMessage("cannot remove", entry, error.message()));
    }
    return Status::success();
}

Status XdgAutoStart::write(const fs::path& entry, std::string_view contents) const
{
    std::error_code error;
    fs::create_directories(entry.parent_path(), error);
    if (error) {
        return Status::failure(fileMessage("cannot create the folder", entry.parent_path(), error.message()));
    }
    return m_writer.replace(entry, contents);
}

const std::uint16_t AutoStartCaption = lang::AutomaticLaunchAtLogin;

std::unique_ptr<AutoStart> makeSystemAutoStart()
{
    static const AtomicFileWriter writer;
    return std::make_unique<XdgAutoStart>(writer);
}

} // namespace zelmora
