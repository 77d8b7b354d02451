// libFuzzer target: any bytes given to the vCard reader must be read or refused, never
// crash; the friends they import must export to cards that import back to the same friends.
#include "core/exchange/VCardImporter.h"
#include "core/exchange/VCardReader.h"
#include "core/exchange/VCardWriter.h"

#include <cstdint>
#include <memory>

namespace {

zelmora::ImportReport importAll(zelmora::FriendTable& table, const std::vector<zelmora::VCard>& cards)
{
    table.FriendCount = 0;
    const zelmora::VCardImporter importer(zelmora::Language::English, zelmora::VCardImporter::Duplicates::Allow);
    return importer.import(table, cards);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto first = std::make_unique<zelmora::FriendTable>();
    static auto again = std::make_unique<zelmora::FriendTable>();
    const zelmora::VCardReadResult read =
        zelmora::VCardReader::read(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.error) {
        return 0;
    }
    importAll(*first, read.cards);
    const zelmora::VCardReadResult reread = zelmora::VCardReader::read(zelmora::VCardWriter::write(*first));
    if (first->FriendCount == 0) {
        return 0; // nothing to write, and an empty export is no vCard file
    }
    if (reread.error) {
        __builtin_trap();
    }
    importAll(*again, reread.cards);
    if (again->FriendCount != first->FriendCount) {
        __builtin_trap();
    }
    for (std::uint16_t slot = 1; slot <= first->FriendCount; ++slot) {
        if (!((*again)[slot] == (*first)[slot])) {
            __builtin_trap();
        }
    }
    return 0;
}
