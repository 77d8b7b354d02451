#pragma once
// Runs a piece of a test with an ordinary user's rights. Tests often run as root, for
// whom no folder or file is read-only; a forked child that gives up root sees
// permissions as a user does.

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace zelmora::test {

inline constexpr uid_t NobodyId = 65534;

// The result of `work` (0 to 255), computed as nobody when this process is root.
inline int asOrdinaryUser(const std::function<int()>& work)
{
    if (geteuid() != 0) {
        return work();
    }
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(NobodyId) != 0 || setuid(NobodyId) != 0) {
            _exit(254);
        }
        _exit(work());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

} // namespace zelmora::test
