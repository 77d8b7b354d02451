#pragma once
// How both programs end: the same three statuses for every command.

#include "core/base/Status.h"

namespace zelmora {

enum ExitStatus : int {
    ExitDone = 0,
    ExitNothingWritten = 1, // nothing was written, and the message says why
    ExitUsage = 2,          // the command line was not understood
};

inline int exitStatusOf(const Status& status) { return status.ok ? ExitDone : ExitNothingWritten; }

} // namespace zelmora
