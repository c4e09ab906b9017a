#pragma once

#include "platform/status.h"

#include <QString>
#include <optional>

namespace velmora::platform {

// A TCP port on which a serial device server offers the encoder's line.
struct NetworkAddress {
    QString host;
    quint16 port = 0;

    // "tcp://host:port", the form a port link holds.
    QString linkTarget() const;
    bool operator==(const NetworkAddress&) const = default;
};

// The network address in a link target "tcp://host:port"; nothing for any
// other target, or one without a host or a port.
std::optional<NetworkAddress> networkAddressFromLinkTarget(const QString& target);

// Where a port number leads on this computer today.
struct PortDestination {
    // What the port's link names, as it names it (a /dev/serial/by-id path, a
    // pseudo-terminal, "tcp://host:port"); empty without a link.
    QString linkTarget{};
    // The device to open: on Windows COMn; elsewhere the device behind the
    // link, followed through every link on the way so that Qt's lock file is
    // the one every other program uses for it, or the target of a link that
    // points nowhere; without a link /dev/ttyS(n-1). Empty for a network address.
    QString device{};
    std::optional<NetworkAddress> network{};
};

// On Windows, port n is COMn. Elsewhere it is the per-user link
// ~/.config/velmora/ports/COMn (under $XDG_CONFIG_HOME when that is set) to a
// device or a network address, and /dev/ttyS(n-1) without a link.
PortDestination portDestination(int port);

#ifndef Q_OS_WIN
QString portLinkPath(int port);

// Points port n's link at a device path or at NetworkAddress::linkTarget(),
// in place of whatever it pointed at. The link changes in one step, so a
// connect at the same moment finds the old target or the new one.
Status linkPort(int port, const QString& target);
#endif

} // namespace velmora::platform
