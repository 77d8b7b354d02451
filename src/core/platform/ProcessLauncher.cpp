#include "core/platform/ProcessLauncher.h"

#include "core/base/Cp1252.h"
#include "core/platform/FileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zelmora {

namespace {

// Between fork and exec only async-signal-safe calls are allowed: everything the child
// needs is prepared before, and it reports a failure as a bare errno through the pipe.
[[noreturn]] void reportAndExit(int reportFd)
{
    const int error = errno;
    [[maybe_unused]] const auto ignored = write(reportFd, &error, sizeof error);
    _exit(127);
}

[[noreturn]] void runIntermediateChild(char* const argv[], int reportFd, int devNull)
{
    setsid(); // away from the terminal, so that closing it does not end the program
    const pid_t grandchild = fork();
    if (grandchild == 0) {
        if (devNull >= 0) {
            dup2(devNull, STDIN_FILENO);
        }
        execvp(argv[0], argv);
        reportAndExit(reportFd);
    }
    if (grandchild < 0) {
        reportAndExit(reportFd);
    }
    _exit(0); // the grandchild goes to init, which reaps it
}

} // namespace

Status startDetached(const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.front().empty()) {
        return Status::failure("no program to start");
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    // The write end closes on a successful exec, so the parent reads either nothing or errno.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return Status::failure(systemErrorText(errno));
    }
    const int devNull = open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t child = fork();
    if (child == 0) {
        close(report[0]);
        runIntermediateChild(argv.data(), report[1], devNull);
    }
    const int forkError = errno;
    close(report[1]);
    if (devNull >= 0) {
        close(devNull);
    }
    if (child < 0) {
        close(report[0]);
        return Status::failure(systemErrorText(forkError));
    }
    int childStatus = 0;
    while (waitpid(child, &childStatus, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error)) {
        return Status::failure(cp1252::forDisplay("cannot start " + arguments.front() + ": " + systemErrorText(error)));
    }
    return Status::success();
}

} // namespace zelmora
