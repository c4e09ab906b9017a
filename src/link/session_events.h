#pragma once

#include "link/reconnection.h"
#include "link/wire_protocol.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace velmora::link {

// Who asked for a transfer.
enum class Origin { User, Planning, Group, CommandLine };
// As the log names it: "gebruiker", "planning", "groep", "opdrachtregel".
std::string_view originText(Origin origin);

// Why a connection ended, or why it never stood.
enum class ClosingCause {
    Asked,     // the user disconnected, or the program closed the port on exit
    SignedOff, // the encoder signed off
    Refused,   // the port could not be opened, or the encoder never answered the greeting
    Lost,      // the port vanished or the network dropped while the connection stood
};

enum class TransferKind { Fill, ReadOut, Verification };

// How a transfer ended.
enum class TransferEnd {
    Completed,
    Failed,    // the answer could not be taken, or did not all come in time
    Replaced,  // another transfer took its place
    BrokenOff, // the port closed
};

struct Connected {
    HardwareIdentity identity;
};
struct Disconnected {
    ClosingCause cause;
    // The message shown with it, if any.
    std::string message;
};
struct TransferStarted {
    TransferKind kind;
    Origin origin;
};
struct TransferEnded {
    TransferKind kind;
    Origin origin;
    TransferEnd end;
    // What came of it, in words: "3 verschillen", or why it failed.
    std::string detail;
};
struct LiveTextSent {
    std::string text;
};
struct PiCodeSent {
    std::uint16_t code;
};
// After a lost connection, the wait before the next automatic connect begins.
struct ReconnectionWaits {
    ReconnectWait wait;
};

// Everything that reaches or concerns the encoder of one session, for those
// who keep track: the log, the planning.
using SessionEvent = std::variant<Connected, Disconnected, TransferStarted, TransferEnded,
                                  LiveTextSent, PiCodeSent, ReconnectionWaits>;

class SessionListener {
public:
    virtual ~SessionListener() = default;
    // Called once the session's own state is complete; may start a transfer.
    virtual void sessionEvent(const SessionEvent& event) = 0;
};

} // namespace velmora::link
