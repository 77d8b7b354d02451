#include "core/platform/FileReader.h"

#include "core/base/Cp1252.h"
#include "core/base/PathText.h"
#include "core/platform/OwnLinks.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace zelmora {

namespace fs = std::filesystem;

std::string systemErrorText(int error) { return std::strerror(error); }

std::string fileMessage(std::string_view what, const fs::path& file, std::string_view reason)
{
    return cp1252::forDisplay(std::string(what) + " " + pathToUtf8(file) + ": " + std::string(reason));
}

FileContents readWholeFile(const fs::path& file, std::uintmax_t maxBytes)
{
    FileContents contents;
    const auto fail = [&](FileContents::State state, std::string_view reason) {
        contents.state = state;
        contents.message = fileMessage("cannot read", file, reason);
        return contents;
    };
    const FollowedLinks followed = followOwnLinks(file);
    if (followed.refusal) {
        return fail(FileContents::State::Failed, *followed.refusal);
    }
    std::error_code error;
    const fs::file_status status = fs::status(followed.file, error);
    if (status.type() == fs::file_type::not_found) {
        return fail(FileContents::State::Missing, "No such file or directory");
    }
    if (error) {
        return fail(FileContents::State::Failed, error.message());
    }
    if (status.type() != fs::file_type::regular) {
        return fail(FileContents::State::Failed, fs::is_directory(status) ? "it is a folder" : "it is not a regular file");
    }
    const std::uintmax_t size = fs::file_size(followed.file, error);
    if (error) {
        return fail(FileContents::State::Failed, error.message());
    }
    if (size > maxBytes) {
        return fail(FileContents::State::TooLarge, "it is larger than such a file can be");
    }
    std::ifstream stream(followed.file, std::ios::binary);
    if (!stream) {
        return fail(FileContents::State::Failed, systemErrorText(errno));
    }
    contents.bytes.resize(static_cast<std::size_t>(size));
    stream.read(contents.bytes.data(), static_cast<std::streamsize>(size));
    contents.bytes.resize(static_cast<std::size_t>(stream.gcount())); // a file that shrank meanwhile
    if (stream.bad()) {
        return fail(FileContents::State::Failed, systemErrorText(errno));
    }
    return contents;
}

} // namespace zelmora
