#include "core/settings/ExtraSettings.h"

#include "core/base/Cp1252.h"
#include "core/base/ShortText.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"

#include <array>
#include <functional>
#include <vector>

namespace zelmora {

namespace {

// A settings file of a few lines; anything much larger is not ours.
constexpr std::uintmax_t MostSettingsBytes = 64 * 1024;

constexpr std::string_view NewFileHeader =
    "# Zelmora's settings, beside Zelmor.reg.\n"
    "# remind-...: the days before a date to be reminded on, 0 for the day itself\n"
    "#   (at most three before, up to 365), or none.\n"
    "# leap-day-in-common-years: march-1 or february-28.\n";

// Each kind of value as the file writes it, and back: false (nothing changed) for a bad text.
std::string settingText(const LeadTimes& lead)
{
    std::string text;
    for (const std::uint16_t days : lead) {
        text.append(text.empty() ? "" : ", ").append(NumToText(days));
    }
    return text.empty() ? "none" : text;
}

bool parseSetting(std::string_view text, LeadTimes& lead)
{
    std::vector<int> days;
    for (std::string_view rest = text == "none" ? std::string_view{} : text; !rest.empty();) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = trimControls(rest.substr(0, comma));
        if (item.empty() || item.size() > 3 || item.find_first_not_of("0123456789") != std::string_view::npos) {
            return false;
        }
        days.push_back(TextToNum(item));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
        if (comma != std::string_view::npos && rest.empty()) {
            return false; // "0, 7," ends with a comma
        }
    }
    const std::optional<LeadTimes> read = LeadTimes::from(days);
    if (read) {
        lead = *read;
    }
    return read.has_value();
}

// A value that is one of a few words.
template <class Value, std::size_t Count>
bool parseWord(std::string_view text, Value& value, const std::array<std::pair<std::string_view, Value>, Count>& words)
{
    for (const auto& [word, meaning] : words) {
        if (word == text) {
            value = meaning;
            return true;
        }
    }
    return false;
}

constexpr std::array<std::pair<std::string_view, LeapDayRule>, 2> LeapDayWords = {
    {{"march-1", LeapDayRule::MarchFirst}, {"february-28", LeapDayRule::FebruaryLast}}};
constexpr std::array<std::pair<std::string_view, bool>, 2> YesNoWords = {{{"yes", true}, {"no", false}}};

std::string settingText(LeapDayRule rule) { return std::string(LeapDayWords[static_cast<std::size_t>(rule)].first); }
bool parseSetting(std::string_view text, LeapDayRule& rule) { return parseWord(text, rule, LeapDayWords); }
std::string settingText(bool yes) { return yes ? "yes" : "no"; }
bool parseSetting(std::string_view text, bool& yes) { return parseWord(text, yes, YesNoWords); }
std::string settingText(const std::string& text) { return text; }
bool parseSetting(std::string_view text, std::string& value)
{
    value = text;
    return true;
}

struct SettingKey {
    std::string_view name;
    std::function<bool(ExtraSettings&, std::string_view)> read;
    std::function<std::string(const ExtraSettings&)> text;
};

template <class Value, class Owner>
SettingKey key(std::string_view name, Value Owner::*member)
{
    return {name, [member](ExtraSettings& settings, std::string_view text) { return parseSetting(text, settings.*member); },
            [member](const ExtraSettings& settings) { return settingText(settings.*member); }};
}

// Adding a setting: a member of ExtraSettings and one line here.
const std::vector<SettingKey>& settingKeys()
{
    static const std::vector<SettingKey> keys = {
        key("remind-birthdays", &ExtraSettings::birthdays),
        key("remind-saints-days", &ExtraSettings::saintsDays),
        key("remind-other-dates", &ExtraSettings::otherDates),
        key("leap-day-in-common-years", &ExtraSettings::leapDay),
        key("live-calendar", &ExtraSettings::liveCalendar),
        key("sync-server", &ExtraSettings::syncServer),
        key("sync-user", &ExtraSettings::syncUser),
        key("sync-address-book", &ExtraSettings::syncAddressBook),
    };
    return keys;
}

} // namespace

ExtraSettingsRead readExtraSettings(const KeyValueText& text, Language language)
{
    ExtraSettingsRead read;
    const ExtraSettings defaults;
    for (const SettingKey& setting : settingKeys()) {
        const std::optional<std::string_view> value = text.value(setting.name);
        if (value && !setting.read(read.settings, *value)) {
            read.messages.push_back(LangTextFilled(lang::BadSetting, language,
                                                   {setting.name, cp1252::forDisplay(*value), setting.text(defaults)}));
        }
    }
    return read;
}

void writeExtraSettings(const ExtraSettings& settings, KeyValueText& text)
{
    for (const SettingKey& setting : settingKeys()) {
        const std::string value = setting.text(settings);
        if (!value.empty() || text.value(setting.name)) { // an empty text (no server) adds no line
            text.set(setting.name, value);
        }
    }
}

ExtraSettingsRead loadExtraSettings(const std::filesystem::path& folder, Language language)
{
    FileContents contents = readWholeFile(folder / ExtraSettingsFileName, MostSettingsBytes);
    switch (contents.state) {
    case FileContents::State::Read: return readExtraSettings(KeyValueText(contents.bytes), language);
    case FileContents::State::Missing: return {};
    default: return {{}, {std::move(contents.message)}};
    }
}

Status changeExtraSettings(const std::filesystem::path& folder, const FileWriter& writer, Language language,
                           const std::function<void(ExtraSettings&)>& change, std::chrono::milliseconds patience)
{
    if (Status made = ensureFolder(folder); !made.ok) {
        return made;
    }
    FolderLock lock;
    if (Status taken = lock.acquire(folder, language, patience); !taken.ok) {
        return taken;
    }
    const std::filesystem::path file = folder / ExtraSettingsFileName;
    const FileContents contents = readWholeFile(file, MostSettingsBytes);
    if (contents.state != FileContents::State::Read && contents.state != FileContents::State::Missing) {
        // Writing over a file that cannot be read would lose what else it holds.
        return Status::failure(LangTextWithReason(lang::ExtraSettingsNotSaved, language, contents.message));
    }
    KeyValueText text(contents.state == FileContents::State::Read ? std::string_view(contents.bytes) : NewFileHeader);
    ExtraSettings settings = readExtraSettings(text, language).settings; // a bad value was told when loaded
    change(settings);
    writeExtraSettings(settings, text);
    return writeFileSaying(writer, file, text.text(), lang::ExtraSettingsNotSaved, language);
}

} // namespace zelmora
