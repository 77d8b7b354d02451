#include "cli/SyncCommand.h"

namespace zelmora::cli {

int syncCommand(const CliContext& context, Arguments)
{
    context.printError(LangText(lang::SyncNotInThisBuild, context.language));
    return ExitNothingWritten;
}

} // namespace zelmora::cli
