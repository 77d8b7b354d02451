// libFuzzer target: any bytes given to the import (format detection, UTF-16, the vCard and
// CSV readers, the mapping) must be read or refused, never crash; the friends they import
// must export to cards that import back to the same friends, and to CSV rows that import
// back to the same names.
#include "core/exchange/ContactParser.h"
#include "core/exchange/CsvWriter.h"
#include "core/exchange/FriendImporter.h"
#include "core/exchange/VCardWriter.h"

#include <cstdint>
#include <memory>

namespace {

void importAll(zelmora::FriendTable& table, std::string_view bytes)
{
    table.FriendCount = 0;
    const zelmora::ParsedContacts parsed = zelmora::ContactParser(zelmora::Language::English).parse(bytes);
    zelmora::FriendImporter(zelmora::FriendImporter::Duplicates::Allow).import(table, parsed);
}

void checkSameFriends(const zelmora::FriendTable& first, const zelmora::FriendTable& again, bool wholeRecords)
{
    if (again.FriendCount != first.FriendCount) {
        __builtin_trap();
    }
    for (std::uint16_t slot = 1; slot <= first.FriendCount; ++slot) {
        const bool same = wholeRecords ? again[slot] == first[slot] : listText(again[slot]) == listText(first[slot]);
        if (!same) {
            __builtin_trap();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto first = std::make_unique<zelmora::FriendTable>();
    static auto again = std::make_unique<zelmora::FriendTable>();
    importAll(*first, std::string_view(reinterpret_cast<const char*>(data), size));
    if (first->FriendCount == 0) {
        return 0; // nothing to write, and an empty export is no file of contacts
    }
    importAll(*again, zelmora::VCardWriter(zelmora::Language::French).write(*first));
    checkSameFriends(*first, *again, true);
    // Google's " ::: " joins values in one cell, so a value holding it comes back split:
    // the names, which are never split, must come back whole.
    importAll(*again, zelmora::CsvWriter(zelmora::Language::French).write(*first));
    checkSameFriends(*first, *again, false);
    return 0;
}
