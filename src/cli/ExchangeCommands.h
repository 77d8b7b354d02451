#pragma once
// Friends from other programs: the import of a vCard or CSV file. (The vCard, CSV and
// iCalendar exports are formats of the export command.)

#include "cli/CliContext.h"

namespace zelmora::cli {

int importCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
