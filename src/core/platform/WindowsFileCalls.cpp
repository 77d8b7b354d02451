#include "core/platform/FileCalls.h"

#include "core/platform/PendingFile.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace zelmora {

namespace fs = std::filesystem;

namespace {

std::wstring temporaryPrefix(const fs::path& target) { return target.filename().wstring() + L".tmp"; }

} // namespace

bool isReadOnlyFile(const fs::path& file)
{
    const DWORD attributes = GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

namespace filecalls {

int openTemporary(const fs::path& folder, const fs::path& target, fs::path& temporary)
{
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        temporary = folder / (temporaryPrefix(target) + std::to_wstring(GetCurrentProcessId()) + L"-"
                              + std::to_wstring(attempt));
        const int fd = _wopen(temporary.c_str(), _O_CREAT | _O_EXCL | _O_RDWR | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool isTemporaryName(const fs::path& name, const fs::path& target)
{
    const std::wstring prefix = temporaryPrefix(target);
    const std::wstring& text = name.native();
    return text.starts_with(prefix) && text.size() > prefix.size()
        && text.find_first_not_of(L"0123456789-", prefix.size()) == std::wstring::npos;
}

int openInPlace(const fs::path& file) { return _wopen(file.c_str(), _O_WRONLY | _O_BINARY); }
int writeSome(int fd, std::string_view bytes) { return _write(fd, bytes.data(), static_cast<unsigned>(bytes.size())); }
int syncFile(int fd) { return _commit(fd); }
int closeFile(int fd) { return _close(fd); }

bool moveOver(const fs::path& from, const fs::path& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void syncFolder(const fs::path&) {} // MOVEFILE_WRITE_THROUGH already waits for the rename

Status keepOwnership(const fs::path&, int) { return Status::success(); } // the folder's ACL decides

std::optional<std::string> whyNotWritable(const fs::path&) { return std::nullopt; }

// Making a link takes an administrator or the developer mode here, and the folder's ACL
// decides who may change what: there is no owner to compare.
std::optional<std::string> foreignLinkOwner(const fs::path&) { return std::nullopt; }
std::optional<std::string> foreignFileOwner(const fs::path&) { return std::nullopt; }

} // namespace filecalls
} // namespace zelmora
