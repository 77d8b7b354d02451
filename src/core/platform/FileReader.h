#pragma once
// Whole-file reading with the limits a damaged or hostile file cannot get past: only
// regular files are read (a FIFO or a device would hang or never end), links only where
// they may be followed (OwnLinks.h), and a file larger than the caller allows is refused
// without being read.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace zelmora {

struct FileContents {
    enum class State {
        Read,
        Missing,  // nothing of that name
        TooLarge, // larger than allowed: not read
        Failed,   // a folder, a device or a FIFO, a link not followed, no permission, or a read error
    } state = State::Read;
    std::string bytes;
    std::string message; // why it was not read, for the user (Windows-1252)
};

inline constexpr std::uintmax_t NoSizeLimit = UINTMAX_MAX;

FileContents readWholeFile(const std::filesystem::path& file, std::uintmax_t maxBytes = NoSizeLimit);

// A system error as a sentence for the user, for instance "Permission denied".
std::string systemErrorText(int error);

// "what path: reason" in Windows-1252, the form of every file message.
std::string fileMessage(std::string_view what, const std::filesystem::path& file, std::string_view reason);

} // namespace zelmora
