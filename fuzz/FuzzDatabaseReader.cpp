// libFuzzer target: any bytes given to the database and settings readers must either
// load or be refused as damaged, never crash or read out of bounds.
#include "core/data/DatabaseCodec.h"
#include "core/data/FieldCodec.h"
#include "core/settings/SettingsFile.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto table = std::make_unique<zelmora::FriendTable>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    zelmora::DisplayOptions options;
    zelmora::DecodedHeader header;
    const auto status = zelmora::decodeDatabase(bytes, *table, options, header);
    if (status == zelmora::DecodeStatus::Loaded) {
        // What loads must save to bytes that load to the same table.
        const std::string saved = zelmora::encodeDatabase(*table, options);
        auto again = std::make_unique<zelmora::FriendTable>();
        zelmora::DecodedHeader againHeader;
        if (zelmora::decodeDatabase(saved, *again, options, againHeader) != zelmora::DecodeStatus::Loaded
            || again->FriendCount != table->FriendCount) {
            __builtin_trap();
        }
        table->SortFriends();
    }
    zelmora::FieldReader settings(bytes);
    if (const auto value = settings.ReadField()) {
        zelmora::decodeSettingsValue(*value);
    }
    return 0;
}
