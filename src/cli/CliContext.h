#pragma once
// What every command of zelmora-cli shares: where the files are, the language, today,
// and the conversions between the terminal's UTF-8 and the files' Windows-1252.

#include "core/data/DatabaseFile.h"
#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Folders.h"
#include "core/base/LangText.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace zelmora::cli {

enum ExitCode : int { Success = 0, DataError = 1, UsageError = 2 };

// What the process gives the command line: tests build their own.
struct CliEnvironment {
    std::filesystem::path programFolder;
    EnvironmentLookup environment = systemEnvironment;
    bool stdoutIsTerminal = false;
    const FileWriter& writer;
};

struct CliContext {
    std::filesystem::path dataFolder;
    Language language = Language::English;
    const Clock& clock;
    const CliEnvironment& environment;
    std::ostream& out;
    std::ostream& err;

    std::filesystem::path databasePath() const { return dataFolder / DatabaseFileName; }

    // Prints Windows-1252 text as UTF-8.
    void print(std::string_view text) const;
    void printError(std::string_view text) const;

    // The argument in Windows-1252, or nothing after saying which character cannot be stored.
    std::optional<std::string> toCp1252(std::string_view utf8) const;
};

// The friend table and its file, loaded for one command.
struct LoadedData {
    std::unique_ptr<FriendTable> table = std::make_unique<FriendTable>();
    DisplayOptions options;
    std::unique_ptr<DatabaseFile> file;
};

// Loads the database without creating it; nothing (after a message) when it cannot be used.
std::optional<LoadedData> loadData(const CliContext& context);
// Writes the database back; false (after a message) when that failed.
bool saveData(const CliContext& context, LoadedData& data);

using Arguments = std::span<const std::string>;

} // namespace zelmora::cli
