#pragma once

#include "link/connection_state.h"
#include "link/frame_outlet.h"
#include "link/session_events.h"
#include "link/session_view.h"
#include "platform/serial_line.h"
#include "platform/timer.h"

#include <functional>
#include <string>
#include <string_view>

namespace velmora::link {

inline constexpr std::string_view kNoSuchPort = "Dit poortnummer is niet op uw systeem aanwezig";
inline constexpr std::string_view kPortInUse = "Deze poort is al in gebruik";
inline constexpr std::string_view kPortLost =
    "De poort is niet meer aanwezig; de verbinding met de Encoder is verbroken";

// A port that this user may not open: its number, the device it leads to and
// the remedy, for example "Geen toegang tot poort 1 (/dev/ttyUSB0). Vraag uw
// beheerder u toe te voegen aan de groep dialout."
std::string noAccessMessage(int portNumber, const platform::SerialLine::AccessFailure& failure);

// What the connection tells the session it belongs to: every change of its
// state, and the end of every closing, before any report is shown.
struct ConnectionEvents {
    std::function<void(ConnectionState)> changed;
    std::function<void(ClosingCause cause, std::string_view message)> closed;
};

// The life of the connection: opening the port and greeting the encoder,
// disconnecting, and the one closing path that every route to Disconnected
// takes. Each connect opens the port that the setting names at that moment.
class Connection {
public:
    // portToOpen gives the number of the port to open, from the number in force.
    Connection(platform::SerialLine& line, FrameOutlet& outlet, platform::Timer& supervisionTimer,
               std::function<int(int numberInForce)> portToOpen, SessionView& view,
               ConnectionEvents events);

    ConnectionState state() const { return state_; }
    // The number of the port the last connect opened, or tried to.
    int portNumber() const { return portNumber_; }

    // A click on "Verbinding".
    void toggle();
    // A connect that nobody asked for: its failures and its end are told to
    // the session alone, without a message.
    void connectQuietly();
    bool isQuiet() const { return quiet_; }
    // The encoder identified itself: a connect under way is complete.
    void confirm();
    // Closes the port and shows Disconnected, without sending or telling anything.
    void close(ClosingCause cause);
    // The supervision timer fired.
    void supervisionExpired();
    // The open port failed for good, for example because the device vanished;
    // with report false the loss is told to the session alone.
    void portLost(bool report);
    // An open that went ahead while the port was still being reached failed
    // after all, for example because a device server's host does not exist.
    void openFailed(platform::SerialLine::OpenResult result);

private:
    void connect();
    void disconnect();
    void enter(ConnectionState state);
    void close(ClosingCause cause, std::string_view message);
    void closeAndReport(ClosingCause cause, std::string_view text);
    // Closes with the message for a failed open; false for a failure that
    // supervision reports instead.
    bool reportOpenFailure(platform::SerialLine::OpenResult result);

    platform::SerialLine& line_;
    FrameOutlet& outlet_;
    platform::Timer& supervisionTimer_;
    std::function<int(int numberInForce)> portToOpen_;
    SessionView& view_;
    ConnectionEvents events_;
    ConnectionState state_ = ConnectionState::Disconnected;
    int portNumber_ = 1;
    bool quiet_ = false;
};

} // namespace velmora::link
