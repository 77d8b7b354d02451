#include "core/export/ExportFile.h"

#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"

namespace zelmora {

namespace {

Status writeExport(const std::filesystem::path& file, std::string_view bytes, const FileWriter& writer,
                   Language language)
{
    const Status written = writer.replace(file, bytes);
    if (written.ok) {
        return written;
    }
    return Status::failure(LangTextWithReason(lang::ExportNotSaved, language, written.message));
}

} // namespace

Status WriteTextExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                       const FileWriter& writer)
{
    return writeExport(file, buildTextExport(table, language), writer, language);
}

Status WriteHtmlExport(const FriendTable& table, Language language, const std::filesystem::path& file,
                       const FileWriter& writer)
{
    return writeExport(file, buildHtmlExport(table, language), writer, language);
}

} // namespace zelmora
