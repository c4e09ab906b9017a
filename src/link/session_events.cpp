#include "link/session_events.h"

namespace velmora::link {

std::string_view originText(Origin origin) {
    switch (origin) {
    case Origin::User:
        return "gebruiker";
    case Origin::Planning:
        return "planning";
    }
    return {};
}

} // namespace velmora::link
