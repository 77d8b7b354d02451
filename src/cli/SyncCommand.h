#pragma once
// zelmora-cli sync: the friends synchronised with a CardDAV address book, and the account
// set up. Built where Qt's network module and QtKeychain are found; elsewhere it says it
// is not part of the build.

#include "cli/CliContext.h"

namespace zelmora::cli {

int syncCommand(const CliContext& context, Arguments arguments);

} // namespace zelmora::cli
