#pragma once
// The commands that exchange friends with other programs: import of a vCard file, and
// export as vCard or as an iCalendar file of the dates to celebrate.

#include "cli/CliContext.h"

namespace zelmora::cli {

int importCommand(const CliContext& context, Arguments arguments);
// export vcard|ics FILE here; text and html go on to the export of the text and HTML files.
int exportEveryFormatCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
