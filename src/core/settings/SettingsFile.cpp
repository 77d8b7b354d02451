#include "core/settings/SettingsFile.h"

#include "core/data/FieldCodec.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

namespace zelmora {

std::string encodeSettingsValue(const ProgramOptions& options)
{
    std::string value;
    value += options.Langue == Language::French ? '1' : '0';
    value += options.StartAuto ? '1' : '0';
    value += options.TrayIcon ? '1' : '0';
    value += static_cast<char>('0' + options.ButtonDesign);
    value += static_cast<char>('0' + options.InterGraf);
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
    options.Langue = value[0] == '1' ? Language::French : Language::English;
    options.StartAuto = value[1] == '1';
    options.TrayIcon = value[2] == '1';
    options.ButtonDesign = static_cast<std::uint8_t>(value[3] - '0');
    options.InterGraf = static_cast<std::uint8_t>(value[4] - '0');
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
    options.Langue = Language::English;
    options.StartAuto = false;
    options.TrayIcon = false;
    options.ButtonDesign = 1;
    return SettingsLoad::Damaged;
}

Status SettingsFile::write(const ProgramOptions& options) const
{
    std::string bytes;
    WriteField(bytes, encodeSettingsValue(options));
    return m_writer.replace(m_path, bytes);
}

SaveOutcome SettingsFile::SaveSettings(const ProgramOptions& options, MessageAsker& asker) const
{
    const Status written = write(options);
    if (written.ok) {
        return SaveOutcome::Saved;
    }
    return asker.askOkCancel(LangTextWithReason(lang::SettingsNotSaved, options.Langue, written.message))
             ? SaveOutcome::FailedQuitAnyway
             : SaveOutcome::FailedStayOpen;
}

} // namespace zelmora
