#include "core/settings/SettingsFile.h"

#include "core/data/FieldCodec.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

namespace zelmora {

std::string encodeSettingsValue(const ProgramOptions& options)
{
    std::string value;
    value += options.language == Language::French ? '1' : '0';
    value += options.startAtLogin ? '1' : '0';
    value += options.trayIcon ? '1' : '0';
    value += static_cast<char>('0' + static_cast<int>(options.buttonShape));
    value += static_cast<char>('0' + options.background);
    return value;
}

std::optional<ProgramOptions> decodeSettingsValue(std::string_view value)
{
    const auto digitBelow = [](char c, char limit) { return c >= '0' && c < limit; };
    if (value.size() != 5 || !digitBelow(value[0], '2') || !digitBelow(value[1], '2') || !digitBelow(value[2], '2')
        || !digitBelow(value[3], '2') || !digitBelow(value[4], '7')) {
        return std::nullopt;
    }
    ProgramOptions options;
    options.language = value[0] == '1' ? Language::French : Language::English;
    options.startAtLogin = value[1] == '1';
    options.trayIcon = value[2] == '1';
    options.buttonShape = static_cast<ButtonShape>(value[3] - '0');
    options.background = static_cast<std::uint8_t>(value[4] - '0');
    return options;
}

std::optional<ProgramOptions> SettingsFile::peek() const
{
    // Far more than five digits: anything larger is no settings file.
    constexpr std::uintmax_t MaxSettingsBytes = 4096;
    const FileContents contents = readWholeFile(m_path, MaxSettingsBytes);
    if (contents.state != FileContents::State::Read) {
        return std::nullopt;
    }
    FieldReader reader(contents.bytes);
    const std::optional<std::string> value = reader.ReadField();
    return value ? decodeSettingsValue(*value) : std::nullopt;
}

SettingsLoad SettingsFile::LoadSettings(ProgramOptions& options) const
{
    std::error_code error;
    if (!std::filesystem::exists(m_path, error) && !error) {
        options = ProgramOptions{};
        // A failure here shows at the next save, which asks about it.
        if (ensureFolder(m_path.parent_path()).ok) {
            [[maybe_unused]] const Status ignored = write(options);
        }
        return SettingsLoad::Created;
    }
    if (const auto stored = peek()) {
        options = *stored;
        return SettingsLoad::Read;
    }
    const std::uint8_t background = options.background;
    options = ProgramOptions{};
    options.background = background;
    return SettingsLoad::Damaged;
}

Status SettingsFile::write(const ProgramOptions& options) const
{
    std::string bytes;
    WriteField(bytes, encodeSettingsValue(options));
    return m_writer.replace(m_path, bytes);
}

} // namespace zelmora
