#pragma once

#include "link/connection_state.h"
#include "link/reconnection.h"
#include "link/wire_protocol.h"

#include <optional>
#include <string_view>

namespace velmora::link {

// Where an encoder session shows what happens on its line: for the main
// connection the main window's status bar, toolbar and message windows.
//
// The modal calls (showWarning, showHardware) run a nested event loop in which
// serial input and timer ticks are still handled, so the session may call this
// view again before they return. The session finishes every change of its own
// state before it makes a modal call.
class SessionView {
public:
    virtual ~SessionView() = default;

    // Every change of the connection state, as displayOf(state) shows it.
    virtual void showConnectionState(ConnectionState state) = 0;

    // A message, with the beep. Modal for the main connection, returning when
    // the user has closed it. A call while a message is already up may show
    // the new text in that window instead of opening a second one.
    virtual void showWarning(std::string_view text) = 0;

    // The encoder announced itself or signed off, with the beep: the caption
    // and, when an identity is known, its name, version and update date. A
    // call while the hardware is shown updates what is shown.
    virtual void showHardware(std::string_view caption,
                              const std::optional<HardwareIdentity>& identity) = 0;

    // The progress of a transfer, from 0 to 15. The session opens it only
    // when it is closed. When the user closes it, the view tells
    // EncoderSession::progressClosedByUser().
    virtual void showProgress(int value) = 0;
    virtual void setProgress(int value) = 0;
    virtual void closeProgress() = 0;

    // A fill runs; called only when that changes.
    virtual void setBusy(bool busy) = 0;

    // The countdown to the next automatic connect after a lost connection;
    // none when no reconnection is under way. Never modal, never a beep.
    virtual void showReconnection(const std::optional<ReconnectWait>& wait) = 0;
};

} // namespace velmora::link
