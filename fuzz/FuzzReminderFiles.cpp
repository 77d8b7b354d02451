// libFuzzer target: any bytes given as Zelmora.ini or Zelmora.notified must be read
// without crashing, and what is written back must read back to the same.
#include "core/reminder/NotifiedRecord.h"
#include "core/settings/ExtraSettings.h"

#include <cstdint>

namespace {

bool sameSettings(const zelmora::ExtraSettings& a, const zelmora::ExtraSettings& b)
{
    return a.birthdays == b.birthdays && a.saintsDays == b.saintsDays && a.otherDates == b.otherDates
        && a.leapDay == b.leapDay && a.liveCalendar == b.liveCalendar && a.syncServer == b.syncServer
        && a.syncUser == b.syncUser && a.syncAddressBook == b.syncAddressBook;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zelmora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    KeyValueText text(bytes);
    const ExtraSettingsRead read = readExtraSettings(text, Language::French);
    writeExtraSettings(read.settings, text);
    const ExtraSettingsRead reread = readExtraSettings(KeyValueText(text.text()), Language::French);
    if (!reread.messages.empty() || !sameSettings(reread.settings, read.settings)) {
        __builtin_trap();
    }

    const std::string record = NotifiedRecord::fromText(bytes).toText();
    if (NotifiedRecord::fromText(record).toText() != record) {
        __builtin_trap();
    }
    return 0;
}
