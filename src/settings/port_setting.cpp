#include "settings/port_setting.h"

#include "settings/number_in_text.h"
#include "settings/settings_schema.h"

#include <array>
#include <string>

namespace velmora::settings {

int portNumberToOpen(const platform::SettingsStore& store, int numberInForce) {
    const std::string stored = read(store, kPortNumber);
    if (stored.empty()) {
        return 1;
    }
    if (stored.front() < '1' || stored.front() > '9') {
        return numberInForce;
    }
    return roundedNumberFromText(stored);
}

std::optional<int> listedPortNumber(const platform::SettingsStore& store) {
    const std::string stored = read(store, kPortNumber);
    for (int port = kPortNumber.range->lowest; port <= kPortNumber.range->highest; ++port) {
        if (stored == std::to_string(port)) {
            return port;
        }
    }
    return std::nullopt;
}

platform::Status writePortNumber(platform::SettingsStore& store, int port) {
    return write(store, kPortNumber, std::to_string(port));
}

bool reconnectsAfterLoss(const platform::SettingsStore& store) {
    return read(store, kReconnect) != "0";
}

platform::Status writePortChoice(platform::SettingsStore& store, int port, bool reconnect) {
    const std::string number = std::to_string(port);
    const std::array<Entry<Key>, 2> choice{
        {{kPortNumber, number}, {kReconnect, reconnect ? "1" : "0"}}};
    return write(store, choice);
}

} // namespace velmora::settings
