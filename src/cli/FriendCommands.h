#pragma once
// The commands that read and change the friend table: list, add, edit, delete. The
// changes hold the data folder's lock from the load to the save.

#include "cli/CliContext.h"

namespace zelmora::cli {

int listCommand(const CliContext& context, Arguments arguments);
int addCommand(const CliContext& context, Arguments arguments);
int editCommand(const CliContext& context, Arguments arguments);
int deleteCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
