#pragma once

#include "link/connection_state.h"

#include <chrono>
#include <optional>
#include <string_view>

namespace velmora::link {

// The encoder gets this long to answer the greeting with its identification
// and the disconnect request with its sign-off. The timer runs only while one
// of those answers is awaited and fires once.
inline constexpr std::chrono::milliseconds kSupervisionInterval{2000};

inline constexpr std::string_view kNoAnswerToGreeting =
    "Encoder antwoord niet, probeer het nogmaals.";
inline constexpr std::string_view kNoAnswerToDisconnect = "Encoder antwoord niet.";

// What the user is told when the time runs out in a state; nothing outside
// Connecting and Disconnecting.
std::optional<std::string_view> noAnswerReport(ConnectionState state);

} // namespace velmora::link
