#pragma once
// Friends from other programs: the import of a vCard file. (The vCard and iCalendar
// exports are formats of the export command.)

#include "cli/CliContext.h"

namespace zelmora::cli {

int importCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
