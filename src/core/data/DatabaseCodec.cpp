#include "core/data/DatabaseCodec.h"

#include "core/data/DateText.h"
#include "core/data/FieldCodec.h"

#include <array>
#include <optional>

namespace zelmora {

namespace {

constexpr std::size_t MaxRecordBytes = FriendFieldCount * 5 + 1010;

// Fields that older versions lack: a field is present when the tag is greater than this.
std::string_view presentAfter(FriendField field)
{
    switch (field) {
    case FriendField::Portable: return "v2.3";
    case FriendField::Www:
    case FriendField::Mail: return "v2.4";
    case FriendField::Etat: return "v2.5";
    default: return "";
    }
}

std::optional<std::uint8_t> optionDigit(char c, std::uint8_t itemCount)
{
    if (c < '0' || c >= static_cast<char>('0' + itemCount)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(c - '0');
}

// The friend count at the end of the header: decimal digits only, at most the capacity.
std::optional<std::uint16_t> friendCount(std::string_view digits)
{
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::int32_t count = TextToNum(digits);
    if (count > FriendTable::Capacity) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(count);
}

// Reads the option digits into `options` and `kept`; false when one is not a valid item. A
// short header holds the first two only.
bool readOptionDigits(std::string_view header, bool longHeader, DisplayOptions& options, DisplayOptions& kept)
{
    constexpr std::size_t FirstDigit = 4;
    for (std::size_t i = 0; i < (longHeader ? DisplayOptionCount : 2); ++i) {
        const auto option = static_cast<DisplayOption>(i);
        const auto value = optionDigit(header[FirstDigit + i], DisplayOptionItems[i]);
        if (!value) {
            return false;
        }
        setItem(options, option, *value);
        setItem(kept, option, *value);
    }
    return true;
}

// Each field is written once, straight from the file: a field an older version lacks is
// emptied, never the whole record first.
bool readFriend(FieldReader& reader, std::string_view version, TFriend& record)
{
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        const auto field = static_cast<FriendField>(i);
        if (!lessBytes(presentAfter(field), version)) {
            fieldRef(record, field).assign({});
        } else if (!reader.ReadField(fieldRef(record, field))) {
            return false;
        }
    }
    return true;
}

} // namespace

void resetAfterDamage(DisplayOptions& options)
{
    const ExtraInfo kept = options.extraInfo;
    options = DisplayOptions{};
    options.extraInfo = kept;
}

std::string encodeDatabase(const FriendTable& table, const DisplayOptions& options)
{
    std::string header(CurrentVersionTag);
    for (std::size_t i = 0; i < DisplayOptionCount; ++i) {
        header += static_cast<char>('0' + itemOf(options, static_cast<DisplayOption>(i)));
    }
    header += NumToText(table.FriendCount);

    std::string out;
    out.reserve(5 + header.size() + std::size_t{table.FriendCount} * MaxRecordBytes);
    WriteField(out, header);
    std::string notes;
    for (std::uint16_t slot = 1; slot <= table.FriendCount; ++slot) {
        for (std::size_t i = 0; i < FriendFieldCount; ++i) {
            const auto field = static_cast<FriendField>(i);
            std::string_view value = fieldText(table[slot], field);
            if (field == FriendField::Notes && value.find('\r') != std::string_view::npos) {
                notes.assign(value);
                std::erase(notes, '\r');
                value = notes;
            }
            WriteField(out, value);
        }
    }
    return out;
}

DecodeStatus decodeDatabase(std::string_view bytes, FriendTable& table, DisplayOptions& options,
                            DecodedHeader& header)
{
    header = {};
    const auto damaged = [&] {
        resetAfterDamage(options);
        header.kept.sortOrder = SortOrder::ByDate;
        header.kept.watchWindow = WatchWindow::OneMonth;
        table.FriendCount = 0;
        return DecodeStatus::Damaged;
    };

    FieldReader reader(bytes);
    const std::optional<std::string> value = reader.ReadField();
    if (!value || value->size() < 4) {
        return damaged();
    }
    header.fileVersion = value->substr(0, 4);
    if (lessBytes(CurrentVersionTag, header.fileVersion)) {
        return DecodeStatus::NewerVersion;
    }
    const bool longHeader = lessBytes("v2.5", header.fileVersion);
    const std::size_t countPosition = longHeader ? 9 : 6;
    if (value->size() <= countPosition || !readOptionDigits(*value, longHeader, options, header.kept)) {
        return damaged();
    }
    const auto count = friendCount(std::string_view(*value).substr(countPosition));
    if (!count) {
        return damaged();
    }
    table.expect(*count);
    for (std::uint16_t slot = 1; slot <= *count; ++slot) {
        if (!readFriend(reader, header.fileVersion, table[slot])) {
            return damaged();
        }
    }
    table.FriendCount = *count;
    return reader.hasMore() ? DecodeStatus::MoreThanCounted : DecodeStatus::Loaded;
}

} // namespace zelmora
