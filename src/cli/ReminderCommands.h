#pragma once
// The commands that read the friend table without changing it: dates, remind and export.

#include "cli/CliContext.h"

namespace zelmora::cli {

int datesCommand(const CliContext& context, Arguments arguments);
int remindCommand(const CliContext& context, Arguments arguments);
int exportCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
