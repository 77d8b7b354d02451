#pragma once
// Starting the window program: `zelmora [--data-dir DIR] [--lang en|fr] [--today YYYY-MM-DD]`.

#include "core/program/CommandLine.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zelmora::gui {

using WindowRequest = RunOptions;

// Reads the window's options; nothing, with the reason in `problem`, for anything else.
std::optional<WindowRequest> parseWindowRequest(const std::vector<std::string>& arguments, std::string& problem);

// Runs the window program until it ends; a second start on the same folder only shows
// the running window. Returns the exit status.
int runWindow(int& argc, char** argv, const std::vector<std::string>& arguments);

} // namespace zelmora::gui
