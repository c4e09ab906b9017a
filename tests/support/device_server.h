#pragma once

#include "platform/qt/port_links.h"

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace velmora::testing {

// A serial device server on the loopback address, played by the test: it
// takes one connection at a time and keeps every byte that arrives on it.
class DeviceServer {
public:
    DeviceServer();

    platform::NetworkAddress address() const;
    bool waitForConnection();
    // Every byte received on the current connection.
    QByteArray received() const { return received_; }
    bool waitForReceived(qsizetype count);
    void send(const QByteArray& bytes);
    // The server ends the connection, as a device server that restarts.
    void dropConnection();

private:
    QTcpServer server_;
    QPointer<QTcpSocket> connection_;
    QByteArray received_;
};

// A loopback address on which nothing listens any more: a connect is refused.
platform::NetworkAddress refusingAddress();

// A loopback address whose host never answers a connect: its queue of
// connections waiting to be accepted is full, so that the kernel lets every
// further attempt go unanswered, as a host that is switched off.
class UnansweringHost {
public:
    UnansweringHost();
    ~UnansweringHost();
    UnansweringHost(const UnansweringHost&) = delete;
    UnansweringHost& operator=(const UnansweringHost&) = delete;

    platform::NetworkAddress address() const { return address_; }

private:
    int listener_ = -1;
    int queued_ = -1; // the one connection the queue holds
    platform::NetworkAddress address_;
};

} // namespace velmora::testing
