#pragma once

#include <string_view>

namespace velmora::link {

// The four states of the connection to the encoder.
enum class ConnectionState { Disconnected, Connecting, Connected, Disconnecting };

// How the main window shows a state: the text of status panel 3, the tooltip
// of the toolbar entry "Verbinding", and whether the four transfer commands
// (toolbar "Inladen" and "Versturen" with their menu items) are enabled.
struct ConnectionDisplay {
    std::string_view statusText;
    std::string_view tooltip;
    bool transferCommandsEnabled;
};

inline constexpr std::string_view kConnectTooltip = "Verbind de PC met de Encoder";
inline constexpr std::string_view kDisconnectTooltip = "Verbreek de verbinding met de Encoder";

const ConnectionDisplay& displayOf(ConnectionState state);

// A click on "Verbinding" connects while no connection stands, and also while
// a disconnect is under way; the tooltip then invites to connect.
inline bool clickConnects(ConnectionState state) {
    return state == ConnectionState::Disconnected || state == ConnectionState::Disconnecting;
}

} // namespace velmora::link
