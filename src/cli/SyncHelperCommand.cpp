#include "cli/SyncCommand.h"

#include "core/base/PathText.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zelmora::cli {

namespace fs = std::filesystem;

namespace {

constexpr const char* HelperName = "zelmora-cli-sync";

// Beside zelmora-cli in the build, in ../libexec/zelmora once installed.
fs::path syncHelper(const fs::path& programFolder)
{
    const fs::path beside = programFolder / HelperName;
    return fs::exists(beside) ? beside : (programFolder / ".." / "libexec" / "zelmora" / HelperName).lexically_normal();
}

} // namespace

// Only zelmora-cli-sync loads Qt's network module and the keyring: the other commands
// start as fast as the friends' file reads. It takes over this process, so its output,
// its standard input (a password) and its exit status are the command's own.
int syncCommand(const CliContext& context, Arguments arguments)
{
    const fs::path helper = syncHelper(context.environment.programFolder);
    std::vector<std::string> command{pathToUtf8(helper), "--data-dir", pathToUtf8(context.dataFolder), "--lang",
                                     context.language == Language::French ? "fr" : "en", "sync"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : command) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    execv(helper.c_str(), argv.data());
    context.printError(std::string(LangText(lang::SyncNotInThisBuild, context.language)) + " (" +
                       pathToUtf8(helper) + ": " + std::strerror(errno) + ")");
    return ExitNothingWritten;
}

} // namespace zelmora::cli
