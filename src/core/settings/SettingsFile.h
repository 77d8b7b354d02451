#pragma once
// Zelmor.reg: the five program options (language, automatic start, tray icon, button
// design, background) as one five-character field.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/FileWriter.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace zelmora {

enum class ButtonShape : std::uint8_t { Rounded, Square };

struct ProgramOptions {
    Language language = Language::English;
    bool startAtLogin = false;
    bool trayIcon = false;
    ButtonShape buttonShape = ButtonShape::Square;
    std::uint8_t background = 0; // one of the seven backgrounds, 0 to 6

    friend bool operator==(const ProgramOptions&, const ProgramOptions&) = default;
};

// "00010" for the defaults.
std::string encodeSettingsValue(const ProgramOptions& options);
// The options of a five-character value; nothing when the value is not one.
std::optional<ProgramOptions> decodeSettingsValue(std::string_view value);

enum class SettingsLoad {
    Read,    // the file was read: not a first start
    Created, // there was no file: a first start, and the defaults were written
    Damaged, // unreadable: the options fall back and the English message is due
};

class SettingsFile {
public:
    SettingsFile(std::filesystem::path path, const FileWriter& writer) : m_path(std::move(path)), m_writer(writer) {}

    const std::filesystem::path& path() const { return m_path; }

    // Reads the options, or creates the file with the defaults. A damaged file resets
    // language, automatic start, tray icon and button design (the background stays).
    SettingsLoad LoadSettings(ProgramOptions& options) const;
    // The options as stored, without creating anything; nothing when unreadable.
    std::optional<ProgramOptions> peek() const;

    Status write(const ProgramOptions& options) const;

private:
    std::filesystem::path m_path;
    const FileWriter& m_writer;
};

} // namespace zelmora
