#include "core/program/DataFolderChoice.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"

namespace zelmora {

namespace fs = std::filesystem;

namespace {

bool sameFile(const fs::path& one, const fs::path& other)
{
    std::error_code error;
    if (fs::equivalent(one, other, error)) {
        return true;
    }
    // Neither exists yet, or one of them: compare where they would be.
    const fs::path a = fs::weakly_canonical(fs::absolute(one, error), error);
    const fs::path b = fs::weakly_canonical(fs::absolute(other, error), error);
    return !error && a == b;
}

} // namespace

FolderChoice chooseDataFolder(const std::optional<fs::path>& asked, FolderUse use, const fs::path& programFolder,
                              const EnvironmentLookup& environment, Language language)
{
    const fs::path folder = asked ? *asked : DataFolder(programFolder, environment);
    const auto refuse = [&](std::uint16_t pair) {
        return FolderChoice{{}, Status::failure(LangTextWithReason(pair, language, cp1252::forDisplay(pathToUtf8(folder))))};
    };
    if (folder.empty()) {
        return {{}, Status::failure(std::string(LangText(lang::NoDataFolder, language)))};
    }
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found) {
        return asked && use == FolderUse::MustExist ? refuse(lang::DataFolderMissing) : FolderChoice{folder, {}};
    }
    if (!fs::is_directory(status)) {
        return refuse(lang::DataFolderNotAFolder);
    }
    return {folder, {}};
}

Status checkExportTarget(const fs::path& target, const fs::path& dataFolder, Language language)
{
    for (const char* name : {DatabaseFileName, SettingsFileName, ExtraSettingsFileName, NotifiedFileName}) {
        if (sameFile(target, dataFolder / name)) {
            return Status::failure(LangTextWithReason(lang::ExportOntoData, language, cp1252::forDisplay(pathToUtf8(target))));
        }
    }
    return Status::success();
}

} // namespace zelmora
