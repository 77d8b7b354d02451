#pragma once
// Writing the exports to the files the user chose. A failed export leaves the old file
// exactly as it was.

#include "data/FriendTable.h"
#include "platform/FileWriter.h"
#include "settings/LangText.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zelmora {

// Each writes the whole table; nothing when it worked, otherwise the message for the
// user in `language` (Windows-1252): language text 74, then the system's reason.
std::optional<std::string> WriteTextExport(const FriendTable& table, Language language,
                                           const std::filesystem::path& file, const FileWriter& writer);
std::optional<std::string> WriteHtmlExport(const FriendTable& table, Language language,
                                           const std::filesystem::path& file, const FileWriter& writer);

} // namespace zelmora
