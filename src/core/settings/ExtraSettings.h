#pragma once
// The settings that came after Zelmor.reg's five characters, in a small UTF-8 text file
// beside it, Zelmora.ini ("key = value"): when to be reminded of each kind of date, where
// 29 February falls in a common year, whether to keep a calendar file up to date. A
// missing key or file means the defaults; a bad value means its default and one message.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/data/ReminderPlan.h"
#include "core/platform/FileWriter.h"
#include "core/platform/FolderLock.h"
#include "core/settings/KeyValueText.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zelmora {

struct ExtraSettings : ReminderPlan {
    bool liveCalendar = false; // rewrite Zelmora.ics after every change
    // The address book server to synchronise with (UTF-8; none when the server is empty):
    // the address the user gave, the user's name there, and the address book chosen.
    std::string syncServer;
    std::string syncUser;
    std::string syncAddressBook;
};

struct ExtraSettingsRead {
    ExtraSettings settings;
    std::vector<std::string> messages; // one per bad value, or why the file could not be read (Windows-1252)
};

// The settings a text holds.
ExtraSettingsRead readExtraSettings(const KeyValueText& text, Language language);
// Puts every setting into `text`, keeping what else it holds.
void writeExtraSettings(const ExtraSettings& settings, KeyValueText& text);

// The settings of the data folder; nothing is created.
ExtraSettingsRead loadExtraSettings(const std::filesystem::path& folder, Language language);
// Changes the data folder's settings under the folder's lock (so the caller must not hold
// it): `change` is given what the file holds now, so the reminders' window and the
// synchronisation each change their own part without undoing the other's. Comments and
// keys it does not know are kept; the folder is created when missing.
Status changeExtraSettings(const std::filesystem::path& folder, const FileWriter& writer, Language language,
                           const std::function<void(ExtraSettings&)>& change,
                           std::chrono::milliseconds patience = LockPatience);

} // namespace zelmora
