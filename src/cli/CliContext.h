#pragma once
// What every command of zelmora-cli shares: where the files are, the language, today,
// and the conversions between the terminal's UTF-8 and the files' Windows-1252.

#include "core/base/LangText.h"
#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"
#include "core/platform/Folders.h"
#include "core/program/ExitStatus.h"
#include "core/settings/ExtraSettings.h"
#include "core/storage/FriendsStore.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <ostream>
#include <span>
#include <string>

namespace zelmora::cli {

// What the process gives the command line: tests build their own.
struct CliEnvironment {
    std::filesystem::path programFolder;
    EnvironmentLookup environment = systemEnvironment;
    bool stdoutIsTerminal = false;
    const FileWriter& writer;
    std::istream& input = std::cin; // what a command reads, as a password given on the standard input
};

struct CliContext {
    std::filesystem::path dataFolder;
    Language language = Language::English;
    const Clock& clock;
    const CliEnvironment& environment;
    std::ostream& out;
    std::ostream& err;

    // Prints one line of Windows-1252 text from the files as UTF-8, controls shown as "?".
    void print(std::string_view text) const;
    void printError(std::string_view text) const;
    // Prints a usage message; ExitUsage.
    int usage(std::string_view message) const;

    // The argument in Windows-1252, or nothing after saying which character cannot be stored.
    std::optional<std::string> toCp1252(std::string_view utf8) const;

    // The friends, whose changes the synchronisation's record follows.
    FriendsStore data() const;
    // The data folder's settings beside Zelmor.reg; each bad value is said, and its default used.
    ExtraSettings extraSettings() const;
    // Tells the data's notices and, on failure, the reason; the exit status.
    int finish(FriendsStore& data, const Status& status) const;
};

using Arguments = std::span<const std::string>;

} // namespace zelmora::cli
