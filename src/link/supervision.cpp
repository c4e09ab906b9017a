#include "link/supervision.h"

namespace velmora::link {

std::optional<std::string_view> noAnswerReport(ConnectionState state) {
    switch (state) {
    case ConnectionState::Connecting:
        return kNoAnswerToGreeting;
    case ConnectionState::Disconnecting:
        return kNoAnswerToDisconnect;
    case ConnectionState::Disconnected:
    case ConnectionState::Connected:
        break;
    }
    return std::nullopt;
}

} // namespace velmora::link
