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

std::string desktopExecValue(const fs::path& executable)
{
    return escapeStringValue(quoteExecArgument(pathToUtf8(executable)));
}

std::string autoStartEntry(const fs::path& executable)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zelmora\n"
           "Comment=Reminds you of your friends' birthdays and saint's days\n"
           "Exec=" + desktopExecValue(executable) + "\n"
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

Status XdgAutoStart::apply(bool on, const fs::path& executable) const
{
    const fs::path entry = entryPath();
    if (entry.empty()) {
        return Status::failure("neither XDG_CONFIG_HOME nor HOME names the configuration folder");
    }
    if (on) {
        return write(entry, executable);
    }
    std::error_code error;
    fs::remove(entry, error);
    // Nothing to remove is no error, also when a file stands where a folder of the path should.
    if (error && error != std::errc::not_a_directory) {
        return Status::failure(fileMessage("cannot remove", entry, error.message()));
    }
    return Status::success();
}

Status XdgAutoStart::write(const fs::path& entry, const fs::path& executable) const
{
    std::error_code error;
    fs::create_directories(entry.parent_path(), error);
    if (error) {
        return Status::failure(fileMessage("cannot create the folder", entry.parent_path(), error.message()));
    }
    return m_writer.replace(entry, autoStartEntry(executable));
}

std::unique_ptr<AutoStart> makeSystemAutoStart()
{
    static const AtomicFileWriter writer;
    return std::make_unique<XdgAutoStart>(writer);
}

} // namespace zelmora
