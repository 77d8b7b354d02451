// libFuzzer target: any bytes as a card from an address book server must be read, patched
// with a friend's every part and read again without crashing, and still be a card; any
// bytes as Zelmora.sync must be read without crashing, and what is written back must read
// back to the same.
#include "core/sync/CardPatch.h"
#include "core/sync/SyncState.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zelmora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (const std::optional<ServerCard> card = ServerCard::read(std::string(bytes), Language::English)) {
        TFriend target = card->mapped.record;
        for (std::size_t i = 0; i < FriendFieldCount; ++i) {
            const auto field = static_cast<FriendField>(i);
            fieldRef(target, field).assign(isDateField(field) ? "29/02/    " : "x;y,z\\");
        }
        const std::vector<CardPart> parts(CardParts.begin(), CardParts.end());
        if (!ServerCard::read(patchCard(*card, target, parts, Language::English), Language::English)) {
            __builtin_trap();
        }
    }

    if (const std::optional<SyncState> state = readSyncState(bytes)) {
        if (readSyncState(syncStateText(*state)) != state) {
            __builtin_trap();
        }
    }
    return 0;
}
