#pragma once
// The commands of the saints' calendar: the days of a first name or the names of a day
// (fete), and filling the empty saints' days of the friends (fill-fetes), read, changed
// and written once under the data folder's lock.

#include "cli/CliContext.h"

namespace zelmora::cli {

int feteCommand(const CliContext& context, Arguments arguments);
int fillFetesCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
