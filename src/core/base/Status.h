#pragma once
// Whether an operation worked and, when it did not, what to tell the user. An enum joins
// it only where a caller must tell several outcomes apart.

#include <string>
#include <utility>

namespace zelmora {

struct [[nodiscard]] Status {
    bool ok = true;
    std::string message; // for the user, Windows-1252; empty when ok

    static Status success() { return {}; }
    static Status failure(std::string message) { return {false, std::move(message)}; }
};

// How a save at a point where the user may choose to stay ended.
enum class SaveOutcome {
    Saved,
    NothingToSave,
    FailedQuitAnyway, // the user answered OK to the quit-anyway question
    FailedStayOpen,   // the user answered Cancel: the data is still unsaved
};

} // namespace zelmora
