#pragma once
// Printing friend cards straight to a PDF file (--print-pdf), without any window.

#include "core/platform/Clock.h"
#include "core/base/LangText.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace zelmora::gui {

struct PrintPdfRequest {
    std::filesystem::path output;
    std::optional<std::string> friendName; // UTF-8, as typed
    std::optional<std::filesystem::path> dataFolder;
    std::optional<Language> language;
};

// Whether these arguments ask for printing without a window (which needs Qt, but no display).
bool runsWithoutWindow(const std::vector<std::string>& arguments);
// Whether they ask for the usage or the version only, which need no QApplication at all.
bool needsNoApplication(const std::vector<std::string>& arguments);

// Reads `--print-pdf FILE [--friend TEXT] [--data-dir DIR] [--lang en|fr]`; nothing,
// with the reason in `problem`, when the arguments are not that.
std::optional<PrintPdfRequest> parsePrintPdf(const std::vector<std::string>& arguments, std::string& problem);

// Runs the command line (arguments without the program name); the exit status of
// core/program/ExitStatus.h. Printing needs a QApplication to exist.
int runStartupCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                      const std::filesystem::path& programFolder, const Clock& clock);

} // namespace zelmora::gui
