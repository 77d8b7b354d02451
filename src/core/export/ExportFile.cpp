#include "core/export/ExportFile.h"

#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"

namespace zelmora {

Status WriteTextExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                       const FileWriter& writer)
{
    return writeFileSaying(writer, file, buildTextExport(table, language), lang::ExchangeFileNotSaved, language);
}

Status WriteHtmlExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                       const FileWriter& writer)
{
    return writeFileSaying(writer, file, buildHtmlExport(table, language), lang::ExchangeFileNotSaved, language);
}

} // namespace zelmora
