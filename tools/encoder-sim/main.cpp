// encoder-sim: a simulated Velmora encoder on a pseudo-terminal. See usage().

#include "frame_reader.h"
#include "options.h"
#include "port_link.h"
#include "pty.h"
#include "session.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <poll.h>

namespace {

using namespace velmora::encodersim;

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t stateRequested = 0;

extern "C" void requestStop(int) {
    stopRequested = 1;
}
extern "C" void requestState(int) {
    stateRequested = 1;
}

// A frame that may still grow is settled after this much silence.
constexpr timespec quietLine{0, 20'000'000};
// While no program has the port open the line keeps reporting a hang-up.
constexpr timespec noProgramPause{0, 20'000'000};

// The signals are blocked except while waiting for the line, so that none
// slips in between a look at the flags and the wait. Returns the mask to wait with.
sigset_t catchSignals() {
    struct sigaction stop {};
    stop.sa_handler = requestStop;
    struct sigaction state {};
    state.sa_handler = requestState;
    sigset_t caught;
    sigemptyset(&caught);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &stop, nullptr);
        sigaddset(&caught, signal);
    }
    ::sigaction(SIGUSR1, &state, nullptr);
    sigaddset(&caught, SIGUSR1);
    std::signal(SIGPIPE, SIG_IGN);

    sigset_t waitMask;
    ::sigprocmask(SIG_BLOCK, &caught, &waitMask);
    return waitMask;
}

void serve(Session& session, Pty& line, const sigset_t& waitMask) {
    FrameReader reader;
    bool programAttached = false;
    while (stopRequested == 0) {
        if (stateRequested != 0) {
            stateRequested = 0;
            session.printState();
        }
        pollfd ready{line.fd(), POLLIN, 0};
        const int count = ::ppoll(&ready, 1, reader.hasPending() ? &quietLine : nullptr, &waitMask);
        if (count < 0) {
            continue; // a signal; its flag is looked at above
        }
        if (count == 0) {
            if (!session.handle(reader.settle())) {
                return;
            }
            continue;
        }
        std::string bytes;
        if (!line.read(bytes)) {
            if (!session.handle(reader.settle())) {
                return;
            }
            if (programAttached) {
                session.log("port closed by the program");
                programAttached = false;
            }
            ::ppoll(nullptr, 0, &noProgramPause, &waitMask);
            continue;
        }
        programAttached = true;
        if (!session.handle(reader.feed(bytes))) {
            return;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::string program = std::filesystem::path(argv[0]).filename();
    const ParsedOptions parsed = parseOptions(argc, argv);
    if (!parsed.error.empty()) {
        std::cerr << program << ": " << parsed.error << "\nTry " << program << " --help\n";
        return 2;
    }
    if (parsed.showHelp) {
        std::cout << usage(program);
        return 0;
    }
    const Options& options = parsed.options;

    // Before the link exists, so that Ctrl+C always gets to remove it.
    const sigset_t waitMask = catchSignals();
    Pty line;
    PortLink link;
    std::string error = line.open();
    if (error.empty()) {
        error = link.publish(options.port, line.slavePath(), options.replaceLink);
    }
    if (!error.empty()) {
        std::cerr << program << ": " << error << '\n';
        return 1;
    }

    Session session(options, line, std::cout);
    session.log("ready: port " + std::to_string(options.port) + " is " + line.slavePath() +
                " (link " + link.path().string() + ")");
    serve(session, line, waitMask);
    line.close();
    link.remove();
    if (options.printStateAtExit) {
        session.printState();
    }
    session.log("exit");
    return 0;
}
