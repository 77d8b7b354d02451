#pragma once
// What a synchronisation did, for the user: the lines of its summary, and the report file
// (Zelmora-sync.txt, UTF-8) that keeps what it gave up: this computer's value of each field
// both sides changed, and the cards left on the server.

#include "core/base/LangText.h"
#include "core/base/Status.h"
#include "core/platform/Clock.h"
#include "core/platform/FileWriter.h"
#include "core/sync/SyncPlan.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zelmora {

// The summary, then a line for each conflict and for the cards left on the server (Windows-1252).
std::vector<std::string> syncSummaryLines(const SyncSummary& summary, bool trial, Language language);

// Adds what the synchronisation gave up, when it gave up anything, at the end of the
// report; the file keeps its last 256 kB.
Status appendSyncReport(const SyncSummary& summary, std::string_view server, const LocalDateTime& when,
                        const std::filesystem::path& folder, const FileWriter& writer, Language language);

} // namespace zelmora
