#include "core/platform/LockFile.h"

#include "core/platform/FileReader.h"
#include "core/platform/OwnLinks.h"

#include <windows.h>

namespace zelmora {

namespace {

std::string lastErrorText()
{
    char* text = nullptr;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, GetLastError(), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length > 0 ? std::string(text, length) : "unknown error";
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
        message.pop_back();
    }
    return message;
}

HANDLE handleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

} // namespace

Status LockFile::open(const std::filesystem::path& file)
{
    close();
    const FollowedLinks followed = followOwnLinks(file);
    if (followed.refusal) {
        return Status::failure(fileMessage("cannot open", file, *followed.refusal));
    }
    const HANDLE handle = CreateFileW(followed.file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return Status::failure(fileMessage("cannot open", file, lastErrorText()));
    }
    m_handle = reinterpret_cast<std::intptr_t>(handle);
    return Status::success();
}

LockFile::Attempt LockFile::tryLock(std::string& reason)
{
    OVERLAPPED whole{};
    if (LockFileEx(handleOf(m_handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        return Attempt::Taken;
    }
    if (GetLastError() == ERROR_LOCK_VIOLATION) {
        return Attempt::Busy;
    }
    reason = lastErrorText();
    return Attempt::Failed;
}

void LockFile::close()
{
    if (m_handle != NoHandle) {
        CloseHandle(handleOf(m_handle)); // lets go of the lock too
        m_handle = NoHandle;
    }
}

} // namespace zelmora
