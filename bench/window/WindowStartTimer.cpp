// Times how long a program takes from its start until its first window is mapped on the X
// display, over several runs, and prints the median and the fastest in milliseconds, of the
// time that passed and of the processor time the program used (the steadier figure on a
// busy machine):
//     zelmora-window-timer RUNS PROGRAM [ARGUMENTS...]
// Each run's program is ended once its window is mapped.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for a window to be mapped on the root window; false when the display is gone.
bool waitForMap(xcb_connection_t* connection)
{
    while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{xcb_wait_for_event(connection), &std::free}) {
        if ((event->response_type & ~0x80) == XCB_MAP_NOTIFY) {
            return true;
        }
    }
    return false;
}

struct StartTimes {
    double elapsed = -1; // milliseconds; negative when no window came
    double processor = 0;
};

double milliseconds(const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; }

StartTimes timeOneStart(xcb_connection_t* connection, char** command)
{
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    StartTimes times;
    if (waitForMap(connection)) {
        times.elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    kill(child, SIGSTOP); // what it spends after the window is mapped does not count
    rusage usage{};
    kill(child, SIGKILL);
    wait4(child, nullptr, 0, &usage);
    times.processor = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    return times;
}

void printTimes(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::cout << what << ": median " << times[times.size() / 2] << " ms, fastest " << times.front() << " ms\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: zelmora-window-timer RUNS PROGRAM [ARGUMENTS...]\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::cerr << "zelmora-window-timer: no X display\n";
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    std::vector<double> elapsed;
    std::vector<double> processor;
    for (int run = 0; run < runs; ++run) {
        const StartTimes times = timeOneStart(connection, argv + 2);
        if (times.elapsed < 0) {
            std::cerr << "zelmora-window-timer: the display went away\n";
            return 1;
        }
        elapsed.push_back(times.elapsed);
        processor.push_back(times.processor);
        usleep(100000); // let the window manager forget the last window
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> stale{xcb_poll_for_event(connection), &std::free}) {
        }
    }
    std::cout << argv[2] << ", " << runs << " starts\n";
    printTimes("  until mapped", elapsed);
    printTimes("  processor   ", processor);
    xcb_disconnect(connection);
    return 0;
}
