// Starts a program on the X display and waits until it maps its first dialog
// window (for Velmora: the login window, after the splash). Then prints
// "PID WINDOW MILLISECONDS", the time from just before the start to the map,
// and stays until the program ends, so that the caller can use the program
// and stop it by its pid. The program's own output is dropped.
//
// It listens to the root window, so it expects a display without a window
// manager (Xvfb), where a program's windows are the root's children.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kLimit = std::chrono::seconds(20);

// The first value of a 32-bit property, as Xlib hands it over (in a long).
std::optional<unsigned long> firstValue(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType,
                                          &format, &count, &remaining, &data);
    std::optional<unsigned long> value;
    if (status == Success && data != nullptr && format == 32 && count == 1) {
        unsigned long first = 0;
        static_assert(sizeof first == sizeof(long));
        std::copy_n(data, sizeof first, reinterpret_cast<unsigned char*>(&first));
        value = first;
    }
    if (data != nullptr) {
        XFree(data);
    }
    return value;
}

pid_t start(char** argv) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool stillRunning(pid_t pid) {
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wait_for_dialog PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wait_for_dialog: no X display\n");
        return 2;
    }
    const Window root = XDefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Atom typeAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    const Atom dialogAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    // Listening before the start, so that no map can slip by.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point started = Clock::now();
    const pid_t pid = start(argv + 1);
    if (pid < 0) {
        std::fprintf(stderr, "wait_for_dialog: cannot start %s\n", argv[1]);
        return 2;
    }
    pollfd connection{XConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - started < kLimit && stillRunning(pid)) {
        if (XPending(display) == 0) {
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) {
            continue;
        }
        const Clock::time_point mapped = Clock::now();
        const Window window = event.xmap.window;
        const bool ours =
            firstValue(display, window, pidAtom, XA_CARDINAL) == static_cast<unsigned long>(pid);
        if (ours && firstValue(display, window, typeAtom, XA_ATOM) == dialogAtom) {
            const auto elapsed = std::chrono::duration<double, std::milli>(mapped - started);
            std::printf("%d 0x%lx %.1f\n", pid, window, elapsed.count());
            std::fflush(stdout);
            XCloseDisplay(display);
            waitpid(pid, nullptr, 0);
            return 0;
        }
    }
    std::fprintf(stderr, "wait_for_dialog: %s showed no dialog window\n", argv[1]);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 1;
}
