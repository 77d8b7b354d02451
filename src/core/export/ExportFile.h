#pragma once
// Writing the exports to the files the user chose. A failed export leaves the old file
// exactly as it was.

#include "core/data/FriendTable.h"
#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/FileWriter.h"

#include <filesystem>

namespace zelmora {

// Each writes the whole table; on failure the message says the export was not saved,
// then why, naming the file.
Status WriteTextExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                       const FileWriter& writer);
Status WriteHtmlExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                       const FileWriter& writer);

} // namespace zelmora
