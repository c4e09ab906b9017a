#pragma once

#include "link/connection_state.h"
#include "link/link_view.h"
#include "platform/serial_line.h"
#include "platform/settings_store.h"
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

// The life of the connection: opening the port and greeting the encoder,
// disconnecting, and the one closing path that every route to Disconnected
// takes. The state is shown through the view on every change.
class Connection {
public:
    // onClosed runs at the end of every closing, before any report is shown.
    Connection(platform::SerialLine& line, platform::Timer& supervisionTimer,
               platform::SettingsStore& settings, LinkView& view, std::function<void()> onClosed);

    ConnectionState state() const { return state_; }

    // A click on "Verbinding".
    void toggle();
    // The encoder identified itself: a connect under way is complete.
    void confirm();
    // Closes the port and shows Disconnected, without sending or telling anything.
    void close();
    // The supervision timer fired.
    void supervisionExpired();
    // The open port failed for good, for example because the device vanished.
    void portLost();
    // An open that went ahead while the port was still being reached failed
    // after all, for example because a device server's host does not exist.
    void openFailed(platform::SerialLine::OpenResult result);

private:
    void connect();
    void disconnect();
    void enter(ConnectionState state);
    void closeAndReport(std::string_view text);
    // Closes with the message for a failed open; false for a failure that
    // supervision reports instead.
    bool reportOpenFailure(platform::SerialLine::OpenResult result);

    platform::SerialLine& line_;
    platform::Timer& supervisionTimer_;
    platform::SettingsStore& settings_;
    LinkView& view_;
    std::function<void()> onClosed_;
    ConnectionState state_ = ConnectionState::Disconnected;
    int portNumber_ = 1;
};

} // namespace velmora::link
