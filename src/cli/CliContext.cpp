#include "cli/CliContext.h"

#include "core/base/Cp1252.h"

namespace zelmora::cli {

void CliContext::print(std::string_view text) const { out << cp1252::toUtf8(text) << '\n'; }

void CliContext::printError(std::string_view text) const { err << "zelmora-cli: " << cp1252::toUtf8(text) << '\n'; }

std::optional<std::string> CliContext::toCp1252(std::string_view utf8) const
{
    cp1252::Converted converted = cp1252::fromUtf8(utf8);
    if (!converted.ok) {
        err << "zelmora-cli: " << cp1252::toUtf8(LangText(lang::CharacterNotStorable, language))
            << cp1252::describe(converted.error, utf8) << '\n';
        return std::nullopt;
    }
    return std::move(converted.text);
}

std::optional<LoadedData> loadData(const CliContext& context)
{
    LoadedData data;
    data.file = std::make_unique<DatabaseFile>(context.databasePath(), context.environment.writer);
    const LoadResult loaded = data.file->LoadDatabase(*data.table, data.options, context.language,
                                                      DatabaseFile::WhenMissing::LeaveMissing);
    if (!loaded.message.empty()) {
        context.printError(loaded.message);
    }
    if (loaded.status == LoadStatus::Damaged || loaded.status == LoadStatus::NewerVersion) {
        return std::nullopt;
    }
    return data;
}

bool saveData(const CliContext& context, LoadedData& data)
{
    Status status = ensureFolder(context.dataFolder);
    if (status.ok) {
        status = data.file->write(*data.table, data.options);
    }
    if (!status.ok) {
        context.printError(LangTextWithReason(lang::DatabaseNotSaved, context.language, status.message));
    }
    return status.ok;
}

} // namespace zelmora::cli
