#pragma once

#include "link/connection_state.h"
#include "link/wire_protocol.h"

#include <optional>
#include <string_view>

namespace velmora::link {

// What the encoder link asks of the main window.
//
// The modal calls (showWarning, showHardware) run a nested event loop in which
// serial input and timer ticks are still handled, so the link may call this
// view again before they return. The link finishes every change of its own
// state before it makes a modal call.
class LinkView {
public:
    virtual ~LinkView() = default;

    // Status panel 3, the tooltip of "Verbinding" and the enabled state of the
    // four transfer commands, all as displayOf(state) gives them.
    virtual void showConnectionState(ConnectionState state) = 0;

    // The message window, modal; returns when the user has closed it. The link
    // sounds the beep itself just before. A call while a message is already up
    // may show the new text in that window instead of opening a second one.
    virtual void showWarning(std::string_view text) = 0;

    // The hardware window, modal: the caption of Frame1 and, when an identity
    // is given, lblHardware, lblVersie and lblUpdate; without one the labels
    // keep what they show ("Onbekend" in a fresh window). A call while the
    // window is up updates it instead of opening a second one.
    virtual void showHardware(std::string_view caption,
                              const std::optional<HardwareIdentity>& identity) = 0;

    // The progress window of a transfer, not modal, with its bar from 0 to 15.
    // The link opens it only when it is closed. When the user closes it with
    // its close box, the window tells EncoderLink::progressClosedByUser().
    virtual void showProgress(int value) = 0;
    virtual void setProgress(int value) = 0;
    virtual void closeProgress() = 0;

    // The application-wide hourglass; called only when it changes.
    virtual void setBusyCursor(bool busy) = 0;
    virtual void beep() = 0;
};

} // namespace velmora::link
