#include "link/connection.h"

#include "link/supervision.h"
#include "link/wire_protocol.h"

#include <utility>

namespace velmora::link {

using OpenResult = platform::SerialLine::OpenResult;

std::string noAccessMessage(int portNumber, const platform::SerialLine::AccessFailure& failure) {
    std::string message = "Geen toegang tot poort " + std::to_string(portNumber);
    if (!failure.device.empty()) {
        message += " (" + failure.device + ")";
    }
    message += ".";
    if (!failure.remedy.empty()) {
        message += " " + failure.remedy;
    }
    return message;
}

Connection::Connection(platform::SerialLine& line, FrameOutlet& outlet,
                       platform::Timer& supervisionTimer,
                       std::function<int(int numberInForce)> portToOpen, SessionView& view,
                       ConnectionEvents events)
    : line_(line), outlet_(outlet), supervisionTimer_(supervisionTimer),
      portToOpen_(std::move(portToOpen)), view_(view), events_(std::move(events)) {}

void Connection::enter(ConnectionState state) {
    state_ = state;
    events_.changed(state);
}

void Connection::toggle() {
    quiet_ = false;
    if (clickConnects(state_)) {
        connect();
    } else {
        disconnect();
    }
}

void Connection::connectQuietly() {
    if (state_ == ConnectionState::Disconnected) {
        quiet_ = true;
        connect();
    }
}

void Connection::connect() {
    enter(ConnectionState::Connecting);
    portNumber_ = portToOpen_(portNumber_);
    // A port still open here, while a disconnect waits for its answer, is in
    // use whatever the platform would say about opening it twice.
    const OpenResult result = line_.isOpen() ? OpenResult::PortInUse : line_.open(portNumber_);
    if (reportOpenFailure(result)) {
        return;
    }
    // Any other failure leaves the greeting unanswered, which supervision reports.
    supervisionTimer_.start(kSupervisionInterval);
    outlet_.send(kGreetingFrame);
}

bool Connection::reportOpenFailure(OpenResult result) {
    switch (result) {
    case OpenResult::NoSuchPort:
        closeAndReport(ClosingCause::Refused, kNoSuchPort);
        return true;
    case OpenResult::PortInUse:
        closeAndReport(ClosingCause::Refused, kPortInUse);
        return true;
    case OpenResult::NoAccess:
        closeAndReport(ClosingCause::Refused, noAccessMessage(portNumber_, line_.accessFailure()));
        return true;
    case OpenResult::Opened:
    case OpenResult::OtherFailure:
        return false;
    }
    return false;
}

void Connection::openFailed(OpenResult result) {
    if (state_ == ConnectionState::Connecting) {
        reportOpenFailure(result);
    }
}

void Connection::disconnect() {
    if (state_ == ConnectionState::Connecting) {
        close(ClosingCause::Asked);
        return;
    }
    enter(ConnectionState::Disconnecting);
    outlet_.send(kDisconnectRequest);
    supervisionTimer_.start(kSupervisionInterval);
}

void Connection::confirm() {
    if (state_ != ConnectionState::Connecting) {
        return;
    }
    supervisionTimer_.stop();
    enter(ConnectionState::Connected);
}

void Connection::close(ClosingCause cause) {
    close(cause, {});
}

void Connection::close(ClosingCause cause, std::string_view message) {
    enter(ConnectionState::Disconnected);
    supervisionTimer_.stop();
    if (line_.isOpen()) {
        line_.discardBuffers();
        line_.close();
    }
    events_.closed(cause, message);
}

void Connection::closeAndReport(ClosingCause cause, std::string_view text) {
    close(cause, text);
    if (!quiet_) {
        view_.showWarning(text);
    }
}

void Connection::supervisionExpired() {
    supervisionTimer_.stop();
    const ClosingCause cause =
        state_ == ConnectionState::Connecting ? ClosingCause::Refused : ClosingCause::Asked;
    if (const auto report = noAnswerReport(state_)) {
        closeAndReport(cause, *report);
    }
}

void Connection::portLost(bool report) {
    if (state_ == ConnectionState::Disconnected) {
        return;
    }
    if (report) {
        closeAndReport(ClosingCause::Lost, kPortLost);
    } else {
        close(ClosingCause::Lost, kPortLost);
    }
}

} // namespace velmora::link
