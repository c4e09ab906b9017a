#pragma once

#include "link/session_events.h"

#include <vector>

namespace velmora::fakes {

// Keeps every event a session tells.
class RecordingSessionListener : public link::SessionListener {
public:
    void sessionEvent(const link::SessionEvent& event) override { events.push_back(event); }

    template <typename Event> std::vector<Event> all() const {
        std::vector<Event> found;
        for (const link::SessionEvent& event : events) {
            if (const auto* wanted = std::get_if<Event>(&event)) {
                found.push_back(*wanted);
            }
        }
        return found;
    }

    std::vector<link::SessionEvent> events;
};

} // namespace velmora::fakes
