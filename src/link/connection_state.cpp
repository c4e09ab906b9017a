#include "link/connection_state.h"

#include <array>

namespace velmora::link {

const ConnectionDisplay& displayOf(ConnectionState state) {
    static constexpr std::array<ConnectionDisplay, 4> kDisplays{{
        {"Verbinding met de Encoder is verbroken", kConnectTooltip, false},
        {"Bezig verbinding te maken met de Encoder", kDisconnectTooltip, false},
        {"Verbonden met de Velmora", kDisconnectTooltip, true},
        // The transfer commands stay as they were in Connected.
        {"Bezig verbinding te verbreken", kConnectTooltip, true},
    }};
    return kDisplays[static_cast<std::size_t>(state)];
}

} // namespace velmora::link
