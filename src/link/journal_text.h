#pragma once

#include "link/session_events.h"

#include <string>

namespace velmora::link {

// What the log says of an event, in Windows-1252 text, without the time:
// "Verbonden met RX-UNIT1 (versie 1.2, 12-03-02)", "Vullen door gebruiker
// voltooid", "Controle door planning: 3 verschillen gevonden.".
std::string journalText(const SessionEvent& event);

} // namespace velmora::link
