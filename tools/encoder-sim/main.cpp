// encoder-sim: a simulated Velmora encoder on a pseudo-terminal or a TCP port. See usage().

#include "frame_reader.h"
#include "line.h"
#include "options.h"
#include "port_link.h"
#include "pty.h"
#include "session.h"
#include "tcp_line.h"

#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <poll.h>
#include <vector>

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
// While no program has the port open a pseudo-terminal keeps reporting a
// hang-up, and a listener that cannot accept stays readable.
constexpr timespec noProgramPause{0, 20'000'000};

// The signals are blocked except while waiting for the line, so that none
// slips in between a look at the flags and the wait. Returns the mask to wait with.
sigset_t catchSignals() {
    struct sigaction stop = {};
    stop.sa_handler = requestStop;
    struct sigaction state = {};
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

std::vector<pollfd> waitsFor(const Line& line) {
    std::vector<pollfd> waits;
    for (const int fd : line.fds()) {
        waits.push_back({fd, POLLIN, 0});
    }
    return waits;
}

void serve(Session& session, Line& line, const sigset_t& waitMask) {
    FrameReader reader;
    bool programAttached = false;
    while (stopRequested == 0) {
        if (stateRequested != 0) {
            stateRequested = 0;
            session.printState();
        }
        std::vector<pollfd> waits = waitsFor(line);
        const int count = ::ppoll(waits.data(), waits.size(),
                                  reader.hasPending() ? &quietLine : nullptr, &waitMask);
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
        switch (line.read(bytes)) {
        case Line::Event::Nothing:
            break;
        case Line::Event::Attached:
            session.log("program connected");
            programAttached = true;
            break;
        case Line::Event::Refused:
            session.log("refused a second connection");
            break;
        case Line::Event::Bytes:
            programAttached = true;
            if (!session.handle(reader.feed(bytes))) {
                return;
            }
            break;
        case Line::Event::Released:
            if (!session.handle(reader.settle())) {
                return;
            }
            if (programAttached) {
                session.log("port closed by the program");
                programAttached = false;
            }
            ::ppoll(nullptr, 0, &noProgramPause, &waitMask);
            break;
        }
    }
}

// Returns an error text, empty on success.
std::string openLine(const Options& options, std::unique_ptr<Line>& line) {
    if (options.tcpPort) {
        auto tcp = std::make_unique<TcpLine>();
        std::string error = tcp->listen(*options.tcpPort);
        line = std::move(tcp);
        return error;
    }
    auto pty = std::make_unique<Pty>();
    std::string error = pty->open();
    line = std::move(pty);
    return error;
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
    if (parsed.showVersion) {
        std::cout << program << ' ' << VELMORA_VERSION << '\n';
        return 0;
    }
    const Options& options = parsed.options;

    // Before the link exists, so that Ctrl+C always gets to remove it.
    const sigset_t waitMask = catchSignals();
    std::unique_ptr<Line> line;
    PortLink link;
    std::string error = openLine(options, line);
    if (error.empty()) {
        error = link.publish(options.port, line->address(), options.replaceLink);
    }
    if (!error.empty()) {
        std::cerr << program << ": " << error << '\n';
        return 1;
    }

    Session session(options, *line, std::cout);
    session.log("ready: port " + std::to_string(options.port) + " is " + line->address() +
                " (link " + link.path().string() + ")");
    serve(session, *line, waitMask);
    line->close();
    link.remove();
    if (options.printStateAtExit) {
        session.printState();
    }
    session.log("exit");
    return 0;
}
