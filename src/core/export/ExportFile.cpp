#include "export/ExportFile.h"

#include "data/Cp1252.h"
#include "export/HtmlExport.h"
#include "export/TextExport.h"

namespace zelmora {

namespace {

std::optional<std::string> writeExport(const std::filesystem::path& file, std::string_view bytes,
                                       const FileWriter& writer, Language language)
{
    const FileStatus status = writer.replace(file, bytes);
    if (status.ok) {
        return std::nullopt;
    }
    return std::string(LangText(74, language)) + "\n\n" + cp1252::forDisplay(status.reason);
}

} // namespace

std::optional<std::string> WriteTextExport(const FriendTable& table, Language language,
                                           const std::filesystem::path& file, const FileWriter& writer)
{
    return writeExport(file, buildTextExport(table, language), writer, language);
}

std::optional<std::string> WriteHtmlExport(const FriendTable& table, Language language,
                                           const std::filesystem::path& file, const FileWriter& writer)
{
    return writeExport(file, buildHtmlExport(table, language), writer, language);
}

} // namespace zelmora
