#include "link/session_events.h"

namespace velmora::link {

std::string_view originText(Origin origin) {
    switch (origin) {
    case Origin::User:
        return "gebruiker";
    case Origin::Planning:
        return "planning";
    case Origin::Group:
        return "groep";
    case Origin::CommandLine:
        return "opdrachtregel";
    }
    return {};
}

} // namespace velmora::link
