#include "shell/port_description.h"

using namespace Qt::StringLiterals;

namespace velmora::shell {

namespace {

QString stateText(platform::DeviceState state) {
    switch (state) {
    case platform::DeviceState::Present:
        return u"aanwezig"_s;
    case platform::DeviceState::Absent:
        return u"niet aanwezig"_s;
    case platform::DeviceState::NoAccess:
        return u"geen toegang"_s;
    }
    return {};
}

} // namespace

QString describeDestination(const platform::PortDestination& destination,
                            platform::DeviceState state, const QString& systemDescription) {
    if (const auto& network = destination.network) {
        return u"Leidt via het netwerk naar %1, TCP-poort %2"_s.arg(network->host)
            .arg(network->port);
    }
    QString device = destination.device;
    // A stable name such as /dev/serial/by-id/..., with the device it names today.
    if (!destination.linkTarget.isEmpty() && destination.linkTarget != destination.device) {
        device = destination.linkTarget + u" ("_s + destination.device + u')';
    }
    QString text = u"Leidt naar "_s + device + u": "_s + stateText(state);
    if (!systemDescription.isEmpty()) {
        text += u", "_s + systemDescription;
    }
    return text;
}

QString describePort(int port) {
    const platform::PortDestination destination = platform::portDestination(port);
    if (destination.network) {
        return describeDestination(destination, platform::DeviceState::Present, {});
    }
    return describeDestination(destination, platform::deviceState(destination.device),
                               platform::deviceDescription(destination.device));
}

} // namespace velmora::shell
